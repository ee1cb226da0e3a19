// graphics/hls_color.cpp
#include "graphics/hls_color.hpp"

#include <algorithm>
#include <cmath>

#include "data/rounding.hpp"

namespace graphics {
namespace {

// Clamped before rounding, so a value far outside the int range is still a byte.
uint8_t ToByte(double v) {
  return static_cast<uint8_t>(data::RoundHalfEven(std::clamp(v, 0.0, 255.0)));
}

}  // namespace

THls RgbToHls(int r, int g, int b) {
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  THls out;
  out.L = data::RoundHalfEven(((mx + mn) * 240.0 + 255.0) / 510.0);
  if (mx == mn) {
    out.S = 0;
    out.H = 160;
  } else {
    const double sum = mx + mn, diff = mx - mn;
    if (out.L <= 120)
      out.S = data::RoundHalfEven((diff * 240.0 + sum / 2.0) / sum);
    else
      out.S = data::RoundHalfEven((diff * 240.0 + (510.0 - sum) / 2.0) / (510.0 - sum));
    // The three distances are kept in single precision, as the hue has always been computed.
    const float dr = static_cast<float>(((mx - r) * 40.0 + diff / 2.0) / diff);
    const float dg = static_cast<float>(((mx - g) * 40.0 + diff / 2.0) / diff);
    const float db = static_cast<float>(((mx - b) * 40.0 + diff / 2.0) / diff);
    if (r == mx)
      out.H = data::RoundHalfEven(static_cast<double>(db) - dg);
    else if (g == mx)
      out.H = data::RoundHalfEven(80.0 + dr - db);
    else
      out.H = data::RoundHalfEven(160.0 + static_cast<double>(dg) - dr);
    if (out.H < 0) out.H += 240;
    if (out.H > 240) out.H -= 240;
  }
  out.S = std::clamp(out.S, 0, 240);
  out.L = std::clamp(out.L, 0, 240);
  return out;
}

TRgb HlsToRgb(const THls& c) {
  if (c.S == 0) {
    const uint8_t v = ToByte(c.L * 255.0 / 240.0);
    return {v, v, v};
  }
  const float m2 = c.L <= 120
                       ? static_cast<float>((c.L * (240.0 + c.S) + 120.0) / 240.0)
                       : static_cast<float>(static_cast<double>(c.L) + c.S -
                                            (c.L * static_cast<double>(c.S) + 120.0) / 240.0);
  const float m1 = static_cast<float>(2.0 * c.L - m2);
  // Hues arrive shifted by anything in the int range, so they are worked on in 64 bits.
  auto v = [&](int64_t h) {
    if (h < 0) h += 240;
    if (h > 240) h -= 240;
    if (h < 40) return m1 + ((static_cast<double>(m2) - m1) * h + 20.0) / 40.0;
    if (h < 120) return static_cast<double>(m2);
    if (h < 160) return m1 + ((static_cast<double>(m2) - m1) * (160 - h) + 20.0) / 40.0;
    return static_cast<double>(m1);
  };
  auto channel = [&](int64_t h) { return ToByte((v(h) * 255.0 + 120.0) / 240.0); };
  return {channel(int64_t{c.H} + 80), channel(c.H), channel(int64_t{c.H} - 80)};
}

}  // namespace graphics
