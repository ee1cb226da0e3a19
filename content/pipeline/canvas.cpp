// content/pipeline/canvas.cpp
#include "content/pipeline/canvas.hpp"

#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"

namespace content {

TCanvas::TCanvas(int widthPx, int heightPx)
    : width(widthPx),
      height(heightPx),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, widthPx, heightPx)),
      cr(cairo_create(surface)) {
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    throw data::Error("Cannot create a drawing surface");
}

TCanvas::~TCanvas() {
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

graphics::TImage TCanvas::ToImage(bool withAlpha) const {
  cairo_surface_flush(surface);
  graphics::TImage image(width, height, withAlpha);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t p = row[x];
      const int a = static_cast<int>(p >> 24);
      int rgb[3] = {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255),
                    static_cast<int>(p & 255)};
      uint8_t* out = image.At(x, y);
      for (int c = 0; c < 3; ++c) {
        int v = a == 0 ? 0 : (rgb[c] * 255 + a / 2) / a;
        if (!withAlpha) v = rgb[c];  // composed over black
        out[c] = static_cast<uint8_t>(v > 255 ? 255 : v);
      }
      if (withAlpha) out[3] = static_cast<uint8_t>(a);
    }
  }
  return image;
}

void TCanvas::WritePng(const std::string& path, bool withAlpha) const {
  WriteImagePng(path, ToImage(withAlpha));
}

void TCanvas::WriteJpg(const std::string& path, int quality) const {
  WriteBytes(path, graphics::EncodeJpeg(ToImage(false), quality));
}

std::string PrepareOutDir(const std::string& dir) {
  std::filesystem::create_directories(dir);
  return dir.empty() || dir.back() == '/' ? dir : dir + "/";
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  data::WriteFileAtomically(path, bytes);
}

void WriteImagePng(const std::string& path, const graphics::TImage& image) {
  WriteBytes(path, graphics::EncodePng(image));
}

uint32_t TNoise::Next() {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

TColour Hex(std::string_view hex) {
  if (!hex.empty() && hex[0] == '#') hex.remove_prefix(1);
  auto nib = [](char c) { return c <= '9' ? c - '0' : (c | 32) - 'a' + 10; };
  auto byte = [&](size_t i) { return (nib(hex[i]) * 16 + nib(hex[i + 1])) / 255.0; };
  return {byte(0), byte(2), byte(4)};
}

TColour Mix(const TColour& a, const TColour& b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

void SetColour(cairo_t* cr, const TColour& c, double alpha) {
  cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
}

}  // namespace content
