// graphics/auto_image.cpp
#include "graphics/auto_image.hpp"

#include <cstdint>
#include <string>
#include <vector>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"
#include "graphics/attr_text.hpp"
#include "graphics/image_ops.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"

namespace graphics {
namespace {

constexpr const char* kWhere = "[TPNGMorf.RenderAutoImage] ";

bool Has(std::string_view line, std::string_view part) {
  return line.find(part) != std::string_view::npos;
}

// An optional number: the default when the attribute is absent, else it must be an integer.
int IntOr(std::string_view line, std::string_view name, int fallback) {
  const std::string v = AttrValue(line, name);
  return v.empty() ? fallback : data::StrictInt32(v);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

// The state of one text while it runs.
class TAutoImageRun {
 public:
  explicit TAutoImageRun(data::TFileFolder& archive) : archive(archive) {}
  void Line(std::string_view line);
  // The entry name of the result and its bytes.
  std::string ResultName() const { return name + ".pNg"; }
  std::string ResultBytes() const { return drawn ? EncodePng(canvas) : std::string(); }

 private:
  void AutoImage(std::string_view line);
  void AddImage(std::string_view line);
  void Compose(const TImage& src, int left, int top, int colorValue, const int color[3], int alfa);
  void MergeAlpha(const TImage& src, int left, int top, int alfa);
  void CropLine(std::string_view line);
  TImage& Canvas(std::string_view instruction);
  void CheckSize(int64_t width, int64_t height, std::string_view instruction) const;

  data::TFileFolder& archive;
  std::string name;
  bool autosize = false;
  bool firstLayer = true;
  bool hasCanvas = false;
  bool drawn = false;  // only AddImage and the operations put the canvas into the result
  int width = 0;       // as far as the text knows: RotateImage's default centre
  int height = 0;
  TRect rect{0, 0, 0, 0};  // AddImage's source rectangle (inclusive), CropImage's box (exclusive)
  TImage canvas;
};

// NOTE: sizes come as differences of two ints from the text, so they are checked in 64 bits.
void TAutoImageRun::CheckSize(int64_t w, int64_t h, std::string_view instruction) const {
  if (w < 1 || h < 1 || w > kMaxImageSide || h > kMaxImageSide || w * h > kMaxImagePixels)
    throw data::Error(std::string(kWhere) + std::string(instruction) + " of \"" + name +
                      "\": size " + std::to_string(w) + " x " + std::to_string(h) +
                      " is not a usable picture size");
}

TImage& TAutoImageRun::Canvas(std::string_view instruction) {
  if (!hasCanvas)
    throw data::Error(std::string(kWhere) + std::string(instruction) + " of \"" + name +
                      "\" has no picture to work on: add an image first");
  drawn = true;
  return canvas;
}

void TAutoImageRun::AutoImage(std::string_view line) {
  name = AttrValue(line, "name");
  autosize = data::SameText(AttrValue(line, "autosize"), "true");
  if (autosize) return;
  width = data::StrictInt32(AttrValue(line, "width"));
  height = data::StrictInt32(AttrValue(line, "height"));
  CheckSize(width, height, "AutoImage");
  canvas = TImage(width, height, false);
  hasCanvas = true;
}

void TAutoImageRun::AddImage(std::string_view line) {
  const std::string source = AttrValue(line, "name");
  data::TMemoryStream* stream = archive.GetFileStream(source);
  if (stream == nullptr) throw data::Error("File " + source + " does not exist in File Folder!");
  // Sources are PNG; a JPEG entry is taken as a picture without alpha.
  const TImage src = LooksLikeJpeg(stream->View()) ? DecodeJpeg(stream->View(), source)
                                                   : DecodePng(stream->View(), source);
  int left = data::StrictInt32(AttrValue(line, "left"));
  int top = data::StrictInt32(AttrValue(line, "top"));
  const std::string srcRect = AttrValue(line, "srcrect");
  if (srcRect.empty()) {
    rect = {0, 0, src.Width - 1, src.Height - 1};
  } else {
    rect = {data::StrictInt32(Token(srcRect, 1)), data::StrictInt32(Token(srcRect, 2)),
            data::StrictInt32(Token(srcRect, 3)), data::StrictInt32(Token(srcRect, 4))};
  }
  if (autosize) {
    left = top = 0;
    const int64_t w = int64_t{rect.Right} - rect.Left + 1, h = int64_t{rect.Bottom} - rect.Top + 1;
    CheckSize(w, h, "AddImage");
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    canvas = TImage(width, height, false);
    hasCanvas = true;
  }
  const int colorValue = IntOr(line, "colorvalue", 0) & 255;
  int color[3] = {255, 255, 255};
  const std::string colorText = AttrValue(line, "color");
  if (!colorText.empty())
    for (int c = 0; c < 3; ++c) color[c] = data::StrictInt32(Token(colorText, c + 1)) & 255;
  const int alfa = IntOr(line, "alfa", 255) & 255;
  Canvas("AddImage");
  Compose(src, left, top, colorValue, color, alfa);
  if (src.HasAlpha) MergeAlpha(src, left, top, alfa);
  autosize = false;
  firstLayer = false;
}

// NOTE: parts of the rectangle outside the source or the canvas are skipped.
void TAutoImageRun::Compose(const TImage& src, int left, int top, int colorValue,
                            const int color[3], int alfa) {
  for (int y = std::max(rect.Top, 0); y <= rect.Bottom && y < src.Height; ++y) {
    const int64_t ty = int64_t{top} + y - rect.Top;  // any int position may stand in the text
    if (ty < 0 || ty >= canvas.Height) continue;
    for (int x = std::max(rect.Left, 0); x <= rect.Right && x < src.Width; ++x) {
      const int64_t tx = int64_t{left} + x - rect.Left;
      if (tx < 0 || tx >= canvas.Width) continue;
      const int a = src.AlphaAt(x, y);
      if (a == 0) continue;
      const uint8_t* s = src.At(x, y);
      uint8_t* d = canvas.At(static_cast<int>(tx), static_cast<int>(ty));
      if (a == 255 && alfa == 255 && colorValue == 0) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
        continue;
      }
      const int k = (a * alfa) / 256;
      for (int c = 0; c < 3; ++c) {
        int v = s[c];
        // t + floor((v - t) * colorValue / 256), written without a negative intermediate.
        if (colorValue != 0) v = (v * colorValue + color[c] * (256 - colorValue)) >> 8;
        d[c] = static_cast<uint8_t>(firstLayer ? v : ((255 - k) * d[c] + k * v) / 256);
      }
    }
  }
}

void TAutoImageRun::MergeAlpha(const TImage& src, int left, int top, int alfa) {
  if (firstLayer) {
    canvas.SetHasAlpha(true);
    for (size_t i = 0, n = static_cast<size_t>(canvas.Width) * canvas.Height; i < n; ++i)
      canvas.Pixels[i * 4 + 3] = 0;
  } else if (!canvas.HasAlpha) {
    canvas.SetHasAlpha(true, 255);  // what lies on the canvas so far is opaque
  }
  for (int y = std::max(rect.Top, 0); y <= rect.Bottom && y < src.Height; ++y) {
    const int64_t ty = int64_t{top} + y - rect.Top;  // any int position may stand in the text
    if (ty < 0 || ty >= canvas.Height) continue;
    for (int x = std::max(rect.Left, 0); x <= rect.Right && x < src.Width; ++x) {
      const int64_t tx = int64_t{left} + x - rect.Left;
      if (tx < 0 || tx >= canvas.Width) continue;
      int f = src.At(x, y)[3];
      if (alfa != 255) f = (f * alfa) / 256;
      uint8_t& e = canvas.At(static_cast<int>(tx), static_cast<int>(ty))[3];
      e = (e == 0 && f == 0) ? 0 : static_cast<uint8_t>(255 - ((255 - e) * (255 - f)) / 256);
    }
  }
}

void TAutoImageRun::CropLine(std::string_view line) {
  TRect box = rect;
  box.Left = IntOr(line, "left", rect.Left);
  box.Top = IntOr(line, "top", rect.Top);
  int64_t right = box.Right, bottom = box.Bottom;
  if (!AttrValue(line, "width").empty())
    right = int64_t{box.Left} + data::StrictInt32(AttrValue(line, "width"));
  if (!AttrValue(line, "height").empty())
    bottom = int64_t{box.Top} + data::StrictInt32(AttrValue(line, "height"));
  CheckSize(right - box.Left, bottom - box.Top, "CropImage");
  if (right > INT32_MAX || bottom > INT32_MAX)
    throw data::Error(std::string(kWhere) + "CropImage of \"" + name + "\": the box ends at " +
                      std::to_string(right) + ", " + std::to_string(bottom) +
                      ", beyond the largest position " + std::to_string(INT32_MAX));
  box.Right = static_cast<int>(right);
  box.Bottom = static_cast<int>(bottom);
  rect = box;
  canvas = CropImage(Canvas("CropImage"), rect);
}

void TAutoImageRun::Line(std::string_view line) {
  if (Has(line, "<AutoImage ") && Has(line, ">")) AutoImage(line);
  if (Has(line, "<AddImage ") && Has(line, "/>")) AddImage(line);
  if (Has(line, "<FlipImageHorizontal/>")) FlipRows(Canvas("FlipImageHorizontal"));
  if (Has(line, "<FlipImageVertical/>")) FlipColumns(Canvas("FlipImageVertical"));
  if (Has(line, "<ImageHueChange ") && Has(line, "/>"))
    ChangeHue(Canvas("ImageHueChange"), IntOr(line, "hue", 0), IntOr(line, "saturation", 0),
              IntOr(line, "lightness", 0));
  if (Has(line, "<RotateImage ") && Has(line, "/>")) {
    const int x = IntOr(line, "x", width / 2), y = IntOr(line, "y", height / 2);
    const int angle = IntOr(line, "angle", 0);
    canvas = RotateImage(Canvas("RotateImage"), x, y, angle);
  }
  if (Has(line, "<ScaleImage ") && Has(line, "/>")) {
    width = IntOr(line, "width", width);
    height = IntOr(line, "height", height);
    CheckSize(width, height, "ScaleImage");
    canvas = ScaleImage(Canvas("ScaleImage"), width, height);
  }
  if (Has(line, "<CropImage ") && Has(line, "/>")) CropLine(line);
}

}  // namespace

void RenderAutoImageText(std::string_view text, data::TFileFolder& archive,
                         data::TMemoryStream& work) {
  TAutoImageRun run(archive);
  for (std::string_view line : SplitLines(text)) run.Line(line);
  work.Clear();
  work.Write(run.ResultBytes());
  work.SetPosition(0);
  archive.AddFile(run.ResultName(), 2, work);
}

}  // namespace graphics
