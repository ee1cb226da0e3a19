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
        // The source starts at a different offset each time, like a clipped picture.
        const int offset = width % 5;
        std::vector<uint32_t> src32(width + offset), dst32(width);
        std::vector<uint16_t> src16(width + offset), dst16(width);
        for (auto& v : src32) v = rng();
        for (auto& v : dst32) v = rng();
        for (auto& v : src16) v = static_cast<uint16_t>(rng());
        for (auto& v : dst16) v = static_cast<uint16_t>(rng());
        std::vector<uint8_t> a = MixedAlpha(rng, width + offset);

        auto ref32 = dst32;
        auto ref16 = dst16;
        kernels::BlendRow32Plain(ref32.data(), src32.data() + offset, a.data() + offset, width, p);
        kernels::BlendRow16Plain(ref16.data(), src16.data() + offset, a.data() + offset, width, p);
        for (TSimdLevel level : {TSimdLevel::Sse2, TSimdLevel::Avx2}) {
          if (ForceSimdLevel(level) != level) continue;
          auto out32 = dst32;
          auto out16 = dst16;
          BlendRow32(out32.data(), src32.data() + offset, a.data() + offset, width, p);
          BlendRow16(out16.data(), src16.data() + offset, a.data() + offset, width, p);
          ASSERT_EQ(out32, ref32) << "level " << int(level) << " width " << width << " alpha " << alpha << " mix " << mix;
          ASSERT_EQ(out16, ref16) << "level " << int(level) << " width " << width << " alpha " << alpha << " mix " << mix;
        }
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
  kernels::BlendRow32Plain(&d, &s, &full, 1, {128, 0, 0});
  EXPECT_EQ(d, 0xAB7E7E7Eu);  // the unused byte is never written
  // A clear pixel leaves the destination alone; an almost clear one (W = 0) still darkens by
  // the 255/256 of the formula in 32-bit but not in 16-bit.
  d = 0x00102030u;
  kernels::BlendRow32Plain(&d, &s, &clear, 1, {255, 0, 0});
  EXPECT_EQ(d, 0x00102030u);
  kernels::BlendRow32Plain(&d, &s, &one, 1, {255, 0, 0});
  EXPECT_EQ(d, 0x000F1F2Fu);
  uint16_t d16 = 0x1234, s16 = 0xFFFF;
  kernels::BlendRow16Plain(&d16, &s16, &one, 1, {255, 0, 0});
  EXPECT_EQ(d16, 0x1234);
  // Tint: t = k + floor((s - k) * mix / 256); blue source 200 towards colour blue 10, mix 1.
  d = 0;
  s = 200;  // blue byte
  kernels::BlendRow32Plain(&d, &s, &full, 1, {255, 1, 0x0A0000});
  // t = 10 + floor(190 / 256) = 10; W = 254: (10*254) >> 8 = 9.
  EXPECT_EQ(d & 0xFF, 9u);
  // Tinting a darker source rounds towards the source: s 0, k 255, mix 128 → 255 - 128 = 127.
  d = 0;
  s = 0;
  kernels::BlendRow32Plain(&d, &s, &full, 1, {255, 128, 0xFF0000});
  EXPECT_EQ(d & 0xFF, (127u * 254) >> 8);
  // 16-bit mix 255 leaves the source untouched.
  d16 = 0;
  s16 = 0xF800;
  kernels::BlendRow16Plain(&d16, &s16, &full, 1, {255, 255, 0});
  EXPECT_EQ(d16, (31u * 254 >> 8) << 11);
}

}  // namespace
}  // namespace graphics
