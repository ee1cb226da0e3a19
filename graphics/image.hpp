// graphics/image.hpp — a decoded truecolour picture: 8 bits per sample, alpha optional.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/glyph_record.hpp"

namespace graphics {

// Rectangles and glyph records are the base library's, shared with the font.
using data::TOrlGlyphDraw;
using data::TRect;

// Rows are packed without padding; samples are red, green, blue (and alpha) in that order.
struct TImage {
  int Width = 0;
  int Height = 0;
  bool HasAlpha = false;
  std::vector<uint8_t> Pixels;

  TImage() = default;
  // A black picture; with alpha every pixel starts at opaque unless told otherwise.
  TImage(int width, int height, bool hasAlpha, uint8_t alpha = 255);

  int Channels() const { return HasAlpha ? 4 : 3; }
  bool Empty() const { return Width <= 0 || Height <= 0; }
  uint8_t* At(int x, int y) {
    return Pixels.data() + (static_cast<size_t>(y) * Width + x) * Channels();
  }
  const uint8_t* At(int x, int y) const {
    return Pixels.data() + (static_cast<size_t>(y) * Width + x) * Channels();
  }
  // The alpha of a pixel, 255 for pictures without alpha.
  uint8_t AlphaAt(int x, int y) const { return HasAlpha ? At(x, y)[3] : 255; }

  // Adds an alpha channel of the given value, or drops the channel; no-op when already so.
  void SetHasAlpha(bool hasAlpha, uint8_t alpha = 255);
};

// Upper bounds of what the decoders accept, so a forged header cannot claim gigabytes.
constexpr int kMaxImageSide = 16384;
constexpr int64_t kMaxImagePixels = int64_t{1} << 25;

}  // namespace graphics
