// tests/graphics/blend_kernels_test.cpp — the vector loops against the plain loop.
#include "graphics/blend_kernels.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace graphics {
namespace {

// Alpha planes with long clear and opaque runs (the fast paths) and partial values between.
std::vector<uint8_t> MixedAlpha(std::mt19937& rng, int n) {
  std::vector<uint8_t> a(n);
  for (int i = 0; i < n;) {
    const int run = 1 + static_cast<int>(rng() % 12);
    const int kind = static_cast<int>(rng() % 4);
    for (int k = 0; k < run && i < n; ++k, ++i)
      a[i] = kind == 0 ? 0 : kind == 1 ? 255 : static_cast<uint8_t>(rng());
  }
  return a;
}

struct TLevelGuard {
  ~TLevelGuard() { ForceSimdLevel(SupportedSimdLevel()); }
};

// Blends a block of `rows` rows of `width` pixels at every level and compares with the plain
// loop; the source block sits at an offset inside a wider picture, like a clipped one.
template <typename T>
void CompareLevels(std::mt19937& rng, int width, int rows, const TBlendParams& p,
                   void (*plain)(T*, int, const T*, const uint8_t*, int, int, int,
                                 const TBlendParams&),
                   void (*dispatched)(T*, int, const T*, const uint8_t*, int, int, int,
                                      const TBlendParams&)) {
  const int offset = width % 5, srcStride = width + offset + 3, dstStride = width + 7;
  std::vector<T> src(static_cast<size_t>(srcStride) * rows),
      dst(static_cast<size_t>(dstStride) * rows);
  for (auto& v : src) v = static_cast<T>(rng());
  for (auto& v : dst) v = static_cast<T>(rng());
  std::vector<uint8_t> a = MixedAlpha(rng, srcStride * rows);
  auto ref = dst;
  plain(ref.data(), dstStride, src.data() + offset, a.data() + offset, srcStride, width, rows, p);
  for (TSimdLevel level : {TSimdLevel::Sse2, TSimdLevel::Avx2}) {
    if (ForceSimdLevel(level) != level) continue;
    auto out = dst;
    dispatched(out.data(), dstStride, src.data() + offset, a.data() + offset, srcStride, width,
               rows, p);
    ASSERT_EQ(out, ref) << sizeof(T) * 8 << "-bit, level " << int(level) << ", width " << width
                        << ", rows " << rows << ", alpha " << p.Alpha << ", mix " << p.Mix;
  }
}

TEST(BlendKernels, VectorLoopsMatchThePlainLoopBitForBit) {
  TLevelGuard guard;
  std::mt19937 rng(1234);
  const int alphas[] = {0, 1, 127, 128, 200, 254, 255};
  const int mixes[] = {0, 1, 100, 128, 254, 255};
  const uint32_t colors[] = {0x000000, 0xFFFFFF, 0x123456, 0x00FF80};
  for (int width = 0; width <= 41; ++width) {
    for (int alpha : alphas) {
      for (int mix : mixes) {
        const TBlendParams p{alpha, mix, colors[(width + mix) % 4]};
        const int rows = 1 + width % 3;
        CompareLevels<uint32_t>(rng, width, rows, p, kernels::BlendRows32Plain, BlendRows32);
        CompareLevels<uint16_t>(rng, width, rows, p, kernels::BlendRows16Plain, BlendRows16);
      }
    }
  }
}

TEST(BlendKernels, FilledRowsMatchThePlainLoop) {
  TLevelGuard guard;
  std::mt19937 rng(99);
  for (int width = 0; width <= 37; ++width) {
    for (int alpha : {0, 1, 128, 255}) {
      std::vector<uint32_t> d32(width);
      std::vector<uint16_t> d16(width);
      for (auto& v : d32) v = rng();
      for (auto& v : d16) v = static_cast<uint16_t>(rng());
      const uint32_t color = rng() & 0xFFFFFF;
      auto ref32 = d32;
      auto ref16 = d16;
      kernels::FillRow32Plain(ref32.data(), width, color, alpha);
      kernels::FillRow16Plain(ref16.data(), width, alpha);
      if (ForceSimdLevel(TSimdLevel::Sse2) != TSimdLevel::Sse2) return;
      FillRow32(d32.data(), width, color, alpha);
      FillRow16(d16.data(), width, alpha);
      ASSERT_EQ(d32, ref32) << width << " " << alpha;
      ASSERT_EQ(d16, ref16) << width << " " << alpha;
    }
  }
}

TEST(BlendKernels, PlainLoopFollowsTheBlendFormulas) {
  const uint8_t full = 255, clear = 0, one = 1;
  // Opaque white at alpha 128 over black: W = 127, then 255 * 127 >> 8 = 126.
  uint32_t d = 0xAB000000u, s = 0x00FFFFFFu;
  kernels::BlendRows32Plain(&d, 1, &s, &full, 1, 1, 1, {128, 0, 0});
  EXPECT_EQ(d, 0xAB7E7E7Eu);  // the unused byte is never written
  // A clear pixel leaves the destination alone; an almost clear one (W = 0) still darkens by
  // the 255/256 of the formula in 32-bit but not in 16-bit.
  d = 0x00102030u;
  kernels::BlendRows32Plain(&d, 1, &s, &clear, 1, 1, 1, {255, 0, 0});
  EXPECT_EQ(d, 0x00102030u);
  kernels::BlendRows32Plain(&d, 1, &s, &one, 1, 1, 1, {255, 0, 0});
  EXPECT_EQ(d, 0x000F1F2Fu);
  uint16_t d16 = 0x1234, s16 = 0xFFFF;
  kernels::BlendRows16Plain(&d16, 1, &s16, &one, 1, 1, 1, {255, 0, 0});
  EXPECT_EQ(d16, 0x1234);
  // Tint: t = k + floor((s - k) * mix / 256); blue source 200 towards colour blue 10, mix 1.
  d = 0;
  s = 200;  // blue byte
  kernels::BlendRows32Plain(&d, 1, &s, &full, 1, 1, 1, {255, 1, 0x0A0000});
  // t = 10 + floor(190 / 256) = 10; W = 254: (10*254) >> 8 = 9.
  EXPECT_EQ(d & 0xFF, 9u);
  // Tinting a darker source rounds towards the source: s 0, k 255, mix 128 → 255 - 128 = 127.
  d = 0;
  s = 0;
  kernels::BlendRows32Plain(&d, 1, &s, &full, 1, 1, 1, {255, 128, 0xFF0000});
  EXPECT_EQ(d & 0xFF, (127u * 254) >> 8);
  // 16-bit mix 255 leaves the source untouched.
  d16 = 0;
  s16 = 0xF800;
  kernels::BlendRows16Plain(&d16, 1, &s16, &full, 1, 1, 1, {255, 255, 0});
  EXPECT_EQ(d16, (31u * 254 >> 8) << 11);
}

}  // namespace
}  // namespace graphics
