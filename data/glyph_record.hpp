// data/glyph_record.hpp — one glyph to draw, as the bitmap font queues it for the surface
// engine.
#pragma once

// NOTE: this header stays free of every other project header: the font (ui) fills these records
// and the surface engine (graphics) draws them; it lives in the base library so neither of the
// two has to include the other.

#include <cstdint>
#include <ostream>

namespace data {

// A rectangle of pixels; Right and Bottom are inclusive (a 1×1 rectangle has Left == Right).
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = -1;
  int Bottom = -1;

  int Width() const { return Right - Left + 1; }
  int Height() const { return Bottom - Top + 1; }
  friend bool operator==(const TRect&, const TRect&) = default;
  friend std::ostream& operator<<(std::ostream& os, const TRect& r) {
    return os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
  }
};

// One entry of the font's glyph batch: a rectangle of the font picture drawn at (X, Y) on the
// back buffer, tinted to Color with the picture's own alpha scaled by Alpha.
struct TOrlGlyphDraw {
  TRect Source;  // in the font picture, inclusive edges
  int X = 0;     // screen pixels, may be negative (clipped)
  int Y = 0;
  uint32_t Color = 0;   // 0x00BBGGRR, red in the low byte
  uint8_t Alpha = 255;  // 0 invisible .. 255 the picture's own opacity

  friend bool operator==(const TOrlGlyphDraw&, const TOrlGlyphDraw&) = default;
};

}  // namespace data
