// graphics/blend_plain.cpp — the reference loops; the vector loops must match them bit for bit.
#include "graphics/blend_kernels.hpp"

namespace graphics::kernels {
namespace {

// Tinting is written as k + floor((s - k) * mix / 256), which equals
// (s * mix + k * (256 - mix)) >> 8 and stays within 16 unsigned bits.

void BlendRow32(uint32_t* dst, const uint32_t* src, const uint8_t* alpha, int count,
                const TBlendParams& p) {
  const bool copyOpaque = p.Alpha == 255 && p.Mix == 0;
  const uint32_t k[3] = {(p.Color >> 16) & 255u, (p.Color >> 8) & 255u, p.Color & 255u};
  const uint32_t mix = static_cast<uint32_t>(p.Mix);
  for (int i = 0; i < count; ++i) {
    const uint32_t v = alpha[i];
    if (v == 0) continue;
    const uint32_t s = src[i];
    uint32_t d = dst[i];
    if (v == 255 && copyOpaque) {
      dst[i] = (d & 0xFF000000u) | (s & 0x00FFFFFFu);
      continue;
    }
    const uint32_t w = (static_cast<uint32_t>(p.Alpha) * v) >> 8;
    uint32_t out = d & 0xFF000000u;
    for (int c = 0; c < 3; ++c) {  // c = 0 blue, 1 green, 2 red: memory order
      const int shift = 8 * c;
      uint32_t t = (s >> shift) & 255u;
      if (mix != 0) t = (t * mix + k[c] * (256 - mix)) >> 8;
      const uint32_t dc = (d >> shift) & 255u;
      out |= ((t * w + dc * (255 - w)) >> 8) << shift;
    }
    dst[i] = out;
  }
}

void BlendRow16(uint16_t* dst, const uint16_t* src, const uint8_t* alpha, int count,
                const TBlendParams& p) {
  const bool copyOpaque = p.Alpha == 255 && p.Mix == 0;
  // Mix 255 leaves 16-bit sources untouched.
  const bool tint = p.Mix != 0 && p.Mix != 255;
  const uint32_t mix = static_cast<uint32_t>(p.Mix);
  // Field values (not shifted into place): red 0..31, green 0..63, blue 0..31.
  const uint32_t kr = (p.Color & 255u) >> 3, kg = (p.Color >> 10) & 63u, kb = (p.Color >> 19) & 31u;
  for (int i = 0; i < count; ++i) {
    const uint32_t v = alpha[i];
    if (v == 0) continue;
    const uint32_t s = src[i];
    if (v == 255 && copyOpaque) {
      dst[i] = static_cast<uint16_t>(s);
      continue;
    }
    const uint32_t w = (static_cast<uint32_t>(p.Alpha) * v) >> 8;
    if (w == 0) continue;
    const uint32_t d = dst[i];
    uint32_t tr = s >> 11, tg = (s >> 5) & 63u, tb = s & 31u;
    if (tint) {
      tr = (tr * mix + kr * (256 - mix)) >> 8;
      tg = (tg * mix + kg * (256 - mix)) >> 8;
      tb = (tb * mix + kb * (256 - mix)) >> 8;
    }
    const uint32_t r = (tr * w + (d >> 11) * (255 - w)) >> 8;
    const uint32_t g = (tg * w + ((d >> 5) & 63u) * (255 - w)) >> 8;
    const uint32_t b = (tb * w + (d & 31u) * (255 - w)) >> 8;
    dst[i] = static_cast<uint16_t>((r << 11) | (g << 5) | b);
  }
}

}  // namespace

ZERITH_BLEND_ROWS(BlendRows32Plain, uint32_t) {
  for (int r = 0; r < rows; ++r, dst += dstStride, src += srcStride, alpha += srcStride)
    BlendRow32(dst, src, alpha, cols, p);
}

ZERITH_BLEND_ROWS(BlendRows16Plain, uint16_t) {
  for (int r = 0; r < rows; ++r, dst += dstStride, src += srcStride, alpha += srcStride)
    BlendRow16(dst, src, alpha, cols, p);
}

void FillRow32Plain(uint32_t* dst, int count, uint32_t color, int alpha) {
  const uint32_t a = static_cast<uint32_t>(alpha);
  const uint32_t k[3] = {(color >> 16) & 255u, (color >> 8) & 255u, color & 255u};
  for (int i = 0; i < count; ++i) {
    const uint32_t d = dst[i];
    uint32_t out = d & 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
      const int shift = 8 * c;
      out |= ((k[c] * a + (255 - a) * ((d >> shift) & 255u)) >> 8) << shift;
    }
    dst[i] = out;
  }
}

void FillRow16Plain(uint16_t* dst, int count, int alpha) {
  const uint32_t a = static_cast<uint32_t>(alpha);
  for (int i = 0; i < count; ++i) {
    const uint32_t d = dst[i];
    const uint32_t r = (a * (d >> 11)) >> 8, g = (a * ((d >> 5) & 63u)) >> 8,
                   b = (a * (d & 31u)) >> 8;
    dst[i] = static_cast<uint16_t>((r << 11) | (g << 5) | b);
  }
}

}  // namespace graphics::kernels
