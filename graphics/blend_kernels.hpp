// graphics/blend_kernels.hpp — the per-row loops of the surface engine's drawing arithmetic.
#pragma once

// Every kernel exists as a plain loop and, on x86-64, as SSE2 and AVX2 loops that must give
// byte-identical results; the engine calls the dispatching entry points, tests and benchmarks
// may force a level to compare them.

#include <cstdint>

namespace graphics {

// How one source row is put onto one destination row. Colour is 0x00BBGGRR.
struct TBlendParams {
  int Alpha = 255;  // 0..255, scales the source's own alpha plane
  int Mix = 0;      // 0 no tint; 1..255 the weight of the source against Color
  uint32_t Color = 0;
};

enum class TSimdLevel { Plain = 0, Sse2 = 1, Avx2 = 2 };

// The best level this processor runs, or the forced one.
TSimdLevel ActiveSimdLevel();
// Highest level the processor supports.
TSimdLevel SupportedSimdLevel();
// Forces a level (clamped to what the processor supports); returns the level now active.
// NOTE: for tests and benchmarks only; the engine itself never calls it.
TSimdLevel ForceSimdLevel(TSimdLevel level);

// A block of rows: row r of the destination starts at dst + r * dstStride, of the source and
// its alpha plane at src / alpha + r * srcStride (strides in pixels). Each destination pixel
// takes the source pixel drawn with its alpha (0 leaves it alone); the unused top byte of a
// 32-bit destination pixel is never written.
void BlendRows32(uint32_t* dst, int dstStride, const uint32_t* src, const uint8_t* alpha,
                 int srcStride, int cols, int rows, const TBlendParams& p);
void BlendRows16(uint16_t* dst, int dstStride, const uint16_t* src, const uint8_t* alpha,
                 int srcStride, int cols, int rows, const TBlendParams& p);
// Filled rectangles: 32-bit pulls each channel towards color by alpha/255; 16-bit only darkens
// by alpha/256, the colour not being used.
void FillRow32(uint32_t* dst, int count, uint32_t color, int alpha);
void FillRow16(uint16_t* dst, int count, int alpha);

namespace kernels {
// The implementations behind the dispatch, one set per level.
#define ZERITH_BLEND_ROWS(name, T)                                                              \
  void name(T* dst, int dstStride, const T* src, const uint8_t* alpha, int srcStride, int cols, \
            int rows, const TBlendParams& p)
ZERITH_BLEND_ROWS(BlendRows32Plain, uint32_t);
ZERITH_BLEND_ROWS(BlendRows16Plain, uint16_t);
void FillRow32Plain(uint32_t*, int, uint32_t, int);
void FillRow16Plain(uint16_t*, int, int);
#if defined(__x86_64__)
ZERITH_BLEND_ROWS(BlendRows32Sse2, uint32_t);
ZERITH_BLEND_ROWS(BlendRows16Sse2, uint16_t);
void FillRow32Sse2(uint32_t*, int, uint32_t, int);
void FillRow16Sse2(uint16_t*, int, int);
ZERITH_BLEND_ROWS(BlendRows32Avx2, uint32_t);
ZERITH_BLEND_ROWS(BlendRows16Avx2, uint16_t);
#endif
}  // namespace kernels

}  // namespace graphics
