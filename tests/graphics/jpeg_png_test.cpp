// tests/graphics/jpeg_png_test.cpp — the PNG/JPEG stream conversions never throw.
#include "graphics/jpeg_png.hpp"

#include <gtest/gtest.h>

#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"

namespace graphics {
namespace {

using data::TMemoryStream;

TEST(JpegPNG, SplitAndJoinKeepAlphaExactly) {
  const TImage img = graphics_test::Pattern(9, 7, true);
  const TMemoryStream png(EncodePng(img));
  TMemoryStream jpeg, gray, color, joined;
  ASSERT_TRUE(SplitPng(png, 90, jpeg, gray));
  EXPECT_TRUE(LooksLikeJpeg(jpeg.View()));
  const TImage g = DecodePng(gray.View(), "gray");
  EXPECT_FALSE(g.HasAlpha);
  EXPECT_EQ(g.At(4, 3)[0], img.At(4, 3)[3]);
  ASSERT_TRUE(JpegToPng(jpeg, color));
  EXPECT_FALSE(DecodePng(color.View(), "color").HasAlpha);
  ASSERT_TRUE(GrayToAlpha(color, gray, joined));
  const TImage back = DecodePng(joined.View(), "joined");
  ASSERT_TRUE(back.HasAlpha);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(back.At(x, y)[3], img.At(x, y)[3]);
  // A picture without alpha has an opaque grey plane; quality 255 stands for 90.
  TMemoryStream opaque;
  ASSERT_TRUE(AlphaToGray(TMemoryStream(EncodePng(graphics_test::Pattern(3, 3, false))), opaque));
  EXPECT_EQ(DecodePng(opaque.View(), "o").At(1, 1)[0], 255);
  TMemoryStream q90, q255;
  ASSERT_TRUE(PngToJpeg(png, 90, q90));
  ASSERT_TRUE(PngToJpeg(png, 255, q255));
  EXPECT_EQ(q90.View(), q255.View());
}

TEST(JpegPNG, FailuresAreFalse) {
  const TMemoryStream junk("junk"), empty;
  TMemoryStream out, out2;
  EXPECT_FALSE(PngToJpeg(junk, 90, out));
  EXPECT_FALSE(JpegToPng(junk, out));
  EXPECT_FALSE(JpegToPng(empty, out));
  EXPECT_FALSE(AlphaToGray(junk, out));
  EXPECT_FALSE(SplitPng(junk, 90, out, out2));
  const TMemoryStream small(EncodePng(graphics_test::Pattern(2, 2, false)));
  const TMemoryStream large(EncodeGrayPng(std::vector<uint8_t>(9, 1), 3, 3));
  EXPECT_FALSE(GrayToAlpha(small, large, out));  // sizes differ
  EXPECT_FALSE(GrayToAlpha(small, junk, out));
}

}  // namespace
}  // namespace graphics
