// graphics/blend_prefetch.hpp — early requests for destination rows of the blend loops.
#pragma once

namespace graphics::kernels {

// The back buffer is larger than the cache and pictures touch only a short piece of each of
// its rows: ask for the piece two rows down while this one is blended.
template <typename T>
inline __attribute__((always_inline)) void PrefetchRow(const T* dst, int dstStride, int cols,
                                                       int row, int rows) {
  if (row + 2 >= rows) return;
  const char* ahead = reinterpret_cast<const char*>(dst + 2 * dstStride);
  const int bytes = cols * static_cast<int>(sizeof(T));
  for (int b = 0; b < bytes; b += 64) __builtin_prefetch(ahead + b, 1);
  __builtin_prefetch(ahead + bytes - 1, 1);
}

}  // namespace graphics::kernels
