// graphics/pixel_format.hpp — the two pixel layouts the back buffer and every picture use.
#pragma once

#include <cstdint>

namespace graphics {

// 32-bit pixels are bytes blue, green, red, unused in memory order (0x00RRGGBB as a
// little-endian word); 16-bit pixels are 5-6-5 with red in the top bits.
struct TPixelFormat {
  int BitCount = 0;  // 16 or 32; 0 until the engine is created
  uint32_t RedMask = 0;
  uint32_t GreenMask = 0;
  uint32_t BlueMask = 0;

  static TPixelFormat Bits32() { return {32, 0x00FF0000u, 0x0000FF00u, 0x000000FFu}; }
  static TPixelFormat Bits16() { return {16, 0xF800u, 0x07E0u, 0x001Fu}; }
};

// Position of the lowest set bit of a channel mask; 0 for an empty mask.
constexpr int MaskShift(uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while ((mask & 1u) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

// A decoded PNG pixel on a 16-bit display. No PNG pixel becomes pure black: a zero 5-bit field
// is raised to 1 (the game keeps 0 free), and green lands on bits 6..10 with bit 5 clear.
constexpr uint16_t PngPixel16(uint8_t r, uint8_t g, uint8_t b) {
  uint32_t r5 = r >> 3, g5 = g >> 3, b5 = b >> 3;
  if (r5 == 0) r5 = 1;
  if (g5 == 0) g5 = 1;
  if (b5 == 0) b5 = 1;
  return static_cast<uint16_t>(((r5 * 0x842u) & 0xF800u) + ((g5 * 0x841u) & 0x07E0u) +
                               ((b5 * 0x841u) & 0x001Fu));
}

// A decoded JPEG pixel on a 16-bit display: plain truncation, black stays black.
constexpr uint16_t JpegPixel16(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>((b >> 3) | ((g >> 3) << 6) | ((r >> 3) << 11));
}

constexpr uint32_t Pixel32(uint8_t r, uint8_t g, uint8_t b) {
  return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

}  // namespace graphics
