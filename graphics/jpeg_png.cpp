// graphics/jpeg_png.cpp
#include "graphics/jpeg_png.hpp"

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"

namespace graphics {
namespace {

void Fill(data::TMemoryStream& out, const std::string& bytes) {
  out.Clear();
  out.Write(bytes);
  out.SetPosition(0);
}

// Runs a conversion step; every failure (damaged input, no memory) becomes false, as the
// archive conversion expects of this unit.
template <typename F>
bool Guarded(F&& step) {
  try {
    step();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

bool PngToJpeg(const data::TMemoryStream& png, int quality, data::TMemoryStream& jpeg) {
  return Guarded([&] {
    Fill(jpeg, EncodeJpeg(DecodePng(png.View(), "PNG stream"), quality == 255 ? 90 : quality));
  });
}

bool JpegToPng(const data::TMemoryStream& jpeg, data::TMemoryStream& png) {
  return Guarded([&] { Fill(png, EncodePng(DecodeJpeg(jpeg.View(), "JPEG stream"))); });
}

bool AlphaToGray(const data::TMemoryStream& png, data::TMemoryStream& gray) {
  return Guarded([&] {
    const TImage img = DecodePng(png.View(), "PNG stream");
    std::vector<uint8_t> samples(static_cast<size_t>(img.Width) * img.Height, 255);
    if (img.HasAlpha)
      for (size_t i = 0; i < samples.size(); ++i) samples[i] = img.Pixels[i * 4 + 3];
    Fill(gray, EncodeGrayPng(samples, img.Width, img.Height));
  });
}

bool GrayToAlpha(const data::TMemoryStream& colorPng, const data::TMemoryStream& grayPng,
                 data::TMemoryStream& out) {
  return Guarded([&] {
    TImage color = DecodePng(colorPng.View(), "colour PNG stream");
    const TImage gray = DecodePng(grayPng.View(), "grey PNG stream");
    if (gray.Width != color.Width || gray.Height != color.Height)
      throw std::runtime_error("colour and alpha pictures differ in size");
    color.SetHasAlpha(true);
    const int grayChannels = gray.Channels();
    for (size_t i = 0, n = static_cast<size_t>(color.Width) * color.Height; i < n; ++i)
      color.Pixels[i * 4 + 3] = gray.Pixels[i * grayChannels];  // grey is widened to equal R, G, B
    Fill(out, EncodePng(color));
  });
}

bool SplitPng(const data::TMemoryStream& png, int quality, data::TMemoryStream& jpeg,
              data::TMemoryStream& gray) {
  return PngToJpeg(png, quality, jpeg) && AlphaToGray(png, gray);
}

}  // namespace graphics
