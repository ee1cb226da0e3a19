// tests/graphics/image_ops_test.cpp — flips, hue change, rotation, scaling and cropping.
#include "graphics/image_ops.hpp"

#include <gtest/gtest.h>

#include "graphics/hls_color.hpp"
#include "test_support.hpp"

namespace graphics {
namespace {

// A one-row RGBA picture from the values (same value in R, G, B and alpha).
TImage Row(std::initializer_list<uint8_t> values) {
  TImage img(static_cast<int>(values.size()), 1, true);
  int x = 0;
  for (uint8_t v : values) {
    std::fill(img.At(x, 0), img.At(x, 0) + 4, v);
    ++x;
  }
  return img;
}

TEST(ImageOps, FlipsMirrorColourAndAlpha) {
  const TImage img = graphics_test::Pattern(3, 2, true);
  TImage rows = img, cols = img;
  FlipRows(rows);  // "FlipImageHorizontal": top to bottom
  FlipColumns(cols);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(rows.At(x, y)[c], img.At(x, 1 - y)[c]);
        EXPECT_EQ(cols.At(x, y)[c], img.At(2 - x, y)[c]);
      }
}

TEST(ImageOps, HueChangeWorksOnBlueGreenRedAsItsRedGreenBlue) {
  // Pure red is seen as pure blue (H 160, L 120, S 240); shifted by 80 it comes back as pure blue.
  const THls hls = RgbToHls(0, 0, 255);
  EXPECT_EQ(hls.H, 160);
  EXPECT_EQ(hls.L, 120);  // 120.5 rounds to even
  EXPECT_EQ(hls.S, 240);
  TImage img(1, 1, true, 77);
  img.At(0, 0)[0] = 255;
  ChangeHue(img, 80, 0, 0);
  EXPECT_EQ(img.At(0, 0)[0], 0);
  EXPECT_EQ(img.At(0, 0)[1], 0);
  EXPECT_EQ(img.At(0, 0)[2], 255);
  EXPECT_EQ(img.At(0, 0)[3], 77);  // alpha untouched
  // Greys stay grey unless saturation rises; no shift moves a channel by at most one step.
  for (int v = 0; v < 256; v += 5) {
    TImage grey(1, 1, false);
    std::fill(grey.Pixels.begin(), grey.Pixels.end(), static_cast<uint8_t>(v));
    ChangeHue(grey, 37, 0, 0);
    EXPECT_EQ(grey.Pixels[0], grey.Pixels[1]);
    EXPECT_EQ(grey.Pixels[1], grey.Pixels[2]);
    EXPECT_LE(std::abs(grey.Pixels[0] - v), 1);
  }
  // The 0..240 scale is coarse: (r, g, b) = (200, 100, 50) comes back as (202, 100, 50).
  TImage one(1, 1, false);
  one.At(0, 0)[0] = 50, one.At(0, 0)[1] = 100, one.At(0, 0)[2] = 200;
  ChangeHue(one, 0, 0, 0);
  EXPECT_EQ(one.Pixels, (std::vector<uint8_t>{50, 100, 202}));
  // Lightness pushed past the scale saturates instead of wrapping.
  const TRgb white = HlsToRgb({160, 300, 0});
  EXPECT_EQ(white, (TRgb{255, 255, 255}));
  EXPECT_EQ(HlsToRgb({0, -50, 100}), (TRgb{0, 0, 0}));
}

TEST(ImageOps, RotationByZeroIsExactAndOutsidePixelsAreClear) {
  const TImage img = graphics_test::Pattern(9, 7, true);
  EXPECT_EQ(RotateImage(img, 4, 3, 0).Pixels, img.Pixels);
  const TImage plain = graphics_test::Pattern(9, 7, false);
  const TImage same = RotateImage(plain, 4, 3, 0);
  EXPECT_FALSE(same.HasAlpha);
  EXPECT_EQ(same.Pixels, plain.Pixels);
  // A quarter turn of a wide picture leaves its left and right ends without a source.
  const TImage turned = RotateImage(plain, 4, 3, 90);
  ASSERT_TRUE(turned.HasAlpha);
  EXPECT_EQ(turned.At(0, 3)[3], 0);
  EXPECT_EQ(turned.At(0, 3)[0], 0);
  EXPECT_EQ(turned.At(4, 3)[3], 255);
}

TEST(ImageOps, EnlargingSamplesBilinearly) {
  const TImage out = ScaleImage(Row({10, 21}), 4, 2);
  ASSERT_EQ(out.Width, 4);
  ASSERT_EQ(out.Height, 2);
  // Positions 0, 0.5, 1, 1.5: the last column repeats past the edge; values truncate.
  const uint8_t expected[] = {10, 15, 21, 21};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(out.At(x, y)[0], expected[x]) << x << "," << y;
}

TEST(ImageOps, ReducingTakesWeightedMeans) {
  // 100 × fraction distance weights: columns 0..3 land at 0, 0.5→0, 1, 1.5→2 (ties to even).
  const TImage out = ScaleImage(Row({10, 40, 70, 100}), 2, 1);
  EXPECT_EQ(out.At(0, 0)[0], 20);  // (100 × 10 + 50 × 40) / 150
  EXPECT_EQ(out.At(1, 0)[0], 70);  // column 3 lands beyond: only column 2
  // Rows the same way; the last result row takes only its first row.
  TImage square(4, 4, false);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      std::fill(square.At(x, y), square.At(x, y) + 3, static_cast<uint8_t>(y * 60));
  const TImage half = ScaleImage(square, 2, 2);
  EXPECT_EQ(half.At(0, 0)[0], 59);  // (1 × 0 + 50 × 60) / 51 = 58.8
  EXPECT_EQ(half.At(0, 1)[0], 120);
  // Width shrinks while height grows: no contribution, so the pixel it falls in.
  const TImage odd = ScaleImage(square, 2, 8);
  EXPECT_EQ(odd.Height, 8);
  EXPECT_EQ(odd.At(1, 7)[0], 180);
}

TEST(ImageOps, CropKeepsTheBoxAndAlwaysHasAlpha) {
  const TImage img = graphics_test::Pattern(3, 2, false);
  const TImage out = CropImage(img, {1, 0, 3, 2});
  ASSERT_EQ(out.Width, 2);
  ASSERT_TRUE(out.HasAlpha);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(out.At(x, y)[2], img.At(x + 1, y)[2]);
      EXPECT_EQ(out.At(x, y)[3], 255);
    }
  const TImage beyond = CropImage(img, {2, 1, 4, 3});
  EXPECT_EQ(beyond.At(1, 1)[3], 0);  // outside the picture: clear
}

}  // namespace
}  // namespace graphics
