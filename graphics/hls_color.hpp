// graphics/hls_color.hpp — the hue, lightness and saturation scale (0..240) of ImageHueChange.
#pragma once

#include <cstdint>
#include <ostream>

namespace graphics {

struct THls {
  int H = 0;  // 0..240 after RgbToHls; 160 for greys
  int L = 0;
  int S = 0;
};

struct TRgb {
  uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
  friend std::ostream& operator<<(std::ostream& os, const TRgb& c) {
    return os << "(" << int(c.R) << ", " << int(c.G) << ", " << int(c.B) << ")";
  }
};

// NOTE: both conversions round half to even; their round trip may move a channel by one step.
THls RgbToHls(int r, int g, int b);
// Accepts values outside 0..240 (after a shift); each channel is clamped into 0..255.
TRgb HlsToRgb(const THls& hls);

}  // namespace graphics
