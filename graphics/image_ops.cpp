// graphics/image_ops.cpp
#include "graphics/image_ops.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "data/rounding.hpp"
#include "graphics/hls_color.hpp"

namespace graphics {
namespace {

// Bilinear sample at a real position inside the picture; writes Channels() bytes.
void SampleBilinear(const TImage& img, double sx, double sy, uint8_t* out) {
  const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
  const double fx = sx - x0, fy = sy - y0;
  const int x1 = x0 >= img.Width - 1 ? x0 : x0 + 1;
  const int y1 = y0 >= img.Height - 1 ? y0 : y0 + 1;
  const uint8_t *p00 = img.At(x0, y0), *p01 = img.At(x0, y1), *p10 = img.At(x1, y0),
                *p11 = img.At(x1, y1);
  for (int c = 0; c < img.Channels(); ++c) {
    const double left = p00[c] + (p01[c] - p00[c]) * fy;
    const double right = p10[c] + (p11[c] - p10[c]) * fy;
    const double value = left + (right - left) * fx;
    out[c] = value < 0 ? 0 : value > 255 ? 255 : static_cast<uint8_t>(value);
  }
}

// A value of 0..240 moved by any shift the text gives; the sum saturates at the ends of int,
// where every channel is long since clamped to 0 or 255.
int ShiftBy(int value, int shift) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{value} + shift, INT32_MIN, INT32_MAX));
}

}  // namespace

void FlipRows(TImage& image) {
  const size_t rowBytes = static_cast<size_t>(image.Width) * image.Channels();
  for (int y = 0; y < image.Height / 2; ++y)
    std::swap_ranges(image.At(0, y), image.At(0, y) + rowBytes, image.At(0, image.Height - 1 - y));
}

void FlipColumns(TImage& image) {
  const int ch = image.Channels();
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width / 2; ++x)
      std::swap_ranges(image.At(x, y), image.At(x, y) + ch, image.At(image.Width - 1 - x, y));
}

void ChangeHue(TImage& image, int hue, int saturation, int lightness) {
  const int ch = image.Channels();
  uint8_t* p = image.Pixels.data();
  for (size_t i = 0, n = static_cast<size_t>(image.Width) * image.Height; i < n; ++i, p += ch) {
    // The conversion sees (blue, green, red) as its (r, g, b) and writes them back the same
    // way round; the game's tinted pictures were all made like this.
    THls hls = RgbToHls(p[2], p[1], p[0]);
    hls.H = ShiftBy(hls.H, hue);
    hls.L = ShiftBy(hls.L, lightness);
    hls.S = ShiftBy(hls.S, saturation);
    const TRgb rgb = HlsToRgb(hls);
    p[2] = rgb.R;
    p[1] = rgb.G;
    p[0] = rgb.B;
  }
}

TImage RotateImage(const TImage& image, int centerX, int centerY, int angleDegrees) {
  const double theta = angleDegrees / 180.0 * std::numbers::pi;
  const double c = std::cos(theta), s = std::sin(theta);
  TImage out(image.Width, image.Height, true, 255);
  bool anyOutside = false;
  uint8_t sample[4];
  for (int i = 0; i < image.Height; ++i)
    for (int j = 0; j < image.Width; ++j) {
      // In doubles: a centre anywhere in the int range is allowed.
      const double dx = static_cast<double>(j) - centerX, dy = static_cast<double>(i) - centerY;
      const double sx = dx * c - dy * s + centerX;
      const double sy = dx * s + dy * c + centerY;
      uint8_t* o = out.At(j, i);
      if (sx < 0 || sx > image.Width - 1 || sy < 0 || sy > image.Height - 1) {
        std::memset(o, 0, 4);
        anyOutside = true;
        continue;
      }
      SampleBilinear(image, sx, sy, sample);
      std::memcpy(o, sample, image.Channels());
    }
  if (!image.HasAlpha && !anyOutside) out.SetHasAlpha(false);
  return out;
}

namespace {

TImage Enlarge(const TImage& image, int width, int height, double fx, double fy) {
  TImage out(width, height, image.HasAlpha);
  for (int i = 0; i < height; ++i)
    for (int j = 0; j < width; ++j) SampleBilinear(image, j / fx, i / fy, out.At(j, i));
  return out;
}

// Where each source column (or row) lands in the result and with what weight.
struct TAxisMap {
  std::vector<int> Target;
  std::vector<int> Weight;  // nearest(100 × distance from the landing point)
};

TAxisMap MapAxis(int size, double factor) {
  TAxisMap m;
  for (int k = 0; k < size; ++k) {
    const double pos = k * factor;
    const int target = data::RoundHalfEven(pos);
    m.Target.push_back(target);
    m.Weight.push_back(data::RoundHalfEven(100 * std::abs(pos - target)));
  }
  return m;
}

TImage Reduce(const TImage& image, int width, int height, double fx, double fy) {
  TImage out(width, height, image.HasAlpha, 255);
  const TAxisMap cols = MapAxis(image.Width, fx), rows = MapAxis(image.Height, fy);
  const int ch = image.Channels();
  for (int i = 0; i < height; ++i)
    for (int j = 0; j < width; ++j) {
      int64_t rowWeights = 0, rowSums[4] = {0, 0, 0, 0};
      bool stopped = false;
      // Rows and columns land in order, so those before the first landing on i (or j) are
      // skipped at once rather than scanned.
      const int firstRow = static_cast<int>(
          std::lower_bound(rows.Target.begin(), rows.Target.end(), i) - rows.Target.begin());
      const int firstCol = static_cast<int>(
          std::lower_bound(cols.Target.begin(), cols.Target.end(), j) - cols.Target.begin());
      for (int sy = firstRow; sy < image.Height; ++sy) {
        if (rows.Target[sy] > i) {
          stopped = true;
          break;
        }
        if (rows.Target[sy] < i) continue;
        int64_t weights = 0, sums[4] = {0, 0, 0, 0};
        for (int sx = firstCol; sx < image.Width && cols.Target[sx] <= j; ++sx) {
          if (cols.Target[sx] < j) continue;
          const int w = cols.Weight[sx] == 0 ? 100 : cols.Weight[sx];
          const uint8_t* p = image.At(sx, sy);
          weights += w;
          for (int c = 0; c < ch; ++c) sums[c] += w * p[c];
        }
        // A row none of whose columns lands on j adds nothing (one axis grows, the other shrinks).
        if (weights > 0) {
          const int rw = rows.Weight[sy] == 0 ? 1 : rows.Weight[sy];
          rowWeights += rw;
          for (int c = 0; c < ch; ++c)
            rowSums[c] += rw * data::RoundHalfEven(static_cast<double>(sums[c]) / weights);
        }
        if (i == height - 1) {
          stopped = true;
          break;
        }
      }
      uint8_t* o = out.At(j, i);
      if (rowWeights == 0) {
        // No source pixel lands here (one side grows while the other shrinks): take the one
        // it falls in.
        const int sx = std::min(image.Width - 1, static_cast<int>(j / fx));
        const int sy = std::min(image.Height - 1, static_cast<int>(i / fy));
        std::memcpy(o, image.At(sx, sy), ch);
      } else if (stopped) {
        for (int c = 0; c < ch; ++c)
          o[c] = static_cast<uint8_t>(
              data::RoundHalfEven(static_cast<double>(rowSums[c]) / rowWeights));
      }  // else the rows ran out: stays black
    }
  return out;
}

}  // namespace

TImage ScaleImage(const TImage& image, int width, int height) {
  const double fx = static_cast<double>(width) / image.Width;
  const double fy = static_cast<double>(height) / image.Height;
  if (fx >= 1 && fy >= 1) return Enlarge(image, width, height, fx, fy);
  return Reduce(image, width, height, fx, fy);
}

TImage CropImage(const TImage& image, const TRect& box) {
  // NOTE: the box must have a usable size; its corners may lie anywhere in the int range.
  const int width = static_cast<int>(int64_t{box.Right} - box.Left);
  const int height = static_cast<int>(int64_t{box.Bottom} - box.Top);
  TImage out(width, height, true, 255);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int64_t sx = int64_t{box.Left} + x, sy = int64_t{box.Top} + y;
      uint8_t* o = out.At(x, y);
      if (sx < 0 || sy < 0 || sx >= image.Width || sy >= image.Height) {
        std::memset(o, 0, 4);
        continue;
      }
      std::memcpy(o, image.At(static_cast<int>(sx), static_cast<int>(sy)), image.Channels());
    }
  return out;
}

}  // namespace graphics
