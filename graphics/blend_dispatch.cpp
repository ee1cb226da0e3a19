// graphics/blend_dispatch.cpp — picks the loop level once per process (or as forced by tests).
#include "graphics/blend_kernels.hpp"

#include <atomic>

namespace graphics {
namespace {

TSimdLevel DetectLevel() {
#if defined(__x86_64__)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2")) return TSimdLevel::Avx2;
  if (__builtin_cpu_supports("sse2")) return TSimdLevel::Sse2;
#endif
  return TSimdLevel::Plain;
}

// -1 until first use; then the level in force.
std::atomic<int> gLevel{-1};

TSimdLevel Level() {
  int level = gLevel.load(std::memory_order_relaxed);
  if (level < 0) {
    level = static_cast<int>(DetectLevel());
    gLevel.store(level, std::memory_order_relaxed);
  }
  return static_cast<TSimdLevel>(level);
}

}  // namespace

TSimdLevel SupportedSimdLevel() {
  static const TSimdLevel supported = DetectLevel();
  return supported;
}

TSimdLevel ActiveSimdLevel() {
  return Level();
}

TSimdLevel ForceSimdLevel(TSimdLevel level) {
  if (static_cast<int>(level) > static_cast<int>(SupportedSimdLevel()))
    level = SupportedSimdLevel();
  gLevel.store(static_cast<int>(level), std::memory_order_relaxed);
  return level;
}

void BlendRows32(uint32_t* dst, int dstStride, const uint32_t* src, const uint8_t* alpha,
                 int srcStride, int cols, int rows, const TBlendParams& p) {
  switch (Level()) {
#if defined(__x86_64__)
    case TSimdLevel::Avx2:
      return kernels::BlendRows32Avx2(dst, dstStride, src, alpha, srcStride, cols, rows, p);
    case TSimdLevel::Sse2:
      return kernels::BlendRows32Sse2(dst, dstStride, src, alpha, srcStride, cols, rows, p);
#endif
    default:
      return kernels::BlendRows32Plain(dst, dstStride, src, alpha, srcStride, cols, rows, p);
  }
}

void BlendRows16(uint16_t* dst, int dstStride, const uint16_t* src, const uint8_t* alpha,
                 int srcStride, int cols, int rows, const TBlendParams& p) {
  switch (Level()) {
#if defined(__x86_64__)
    case TSimdLevel::Avx2:
      return kernels::BlendRows16Avx2(dst, dstStride, src, alpha, srcStride, cols, rows, p);
    case TSimdLevel::Sse2:
      return kernels::BlendRows16Sse2(dst, dstStride, src, alpha, srcStride, cols, rows, p);
#endif
    default:
      return kernels::BlendRows16Plain(dst, dstStride, src, alpha, srcStride, cols, rows, p);
  }
}

void FillRow32(uint32_t* dst, int count, uint32_t color, int alpha) {
#if defined(__x86_64__)
  if (Level() != TSimdLevel::Plain) return kernels::FillRow32Sse2(dst, count, color, alpha);
#endif
  kernels::FillRow32Plain(dst, count, color, alpha);
}

void FillRow16(uint16_t* dst, int count, int alpha) {
#if defined(__x86_64__)
  if (Level() != TSimdLevel::Plain) return kernels::FillRow16Sse2(dst, count, alpha);
#endif
  kernels::FillRow16Plain(dst, count, alpha);
}

}  // namespace graphics
