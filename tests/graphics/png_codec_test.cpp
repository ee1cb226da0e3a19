// tests/graphics/png_codec_test.cpp — PNG and JPEG decoding and encoding.
#include "graphics/png_codec.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "graphics/jpeg_codec.hpp"
#include "test_support.hpp"
#include "tests/support/error_of.hpp"

namespace graphics {
namespace {

std::string Fixture(const std::string& name) {
  return data::ReadWholeFile(std::string(ZERITH_TEST_DATA) + "/graphics/" + name);
}

TEST(PngCodec, EveryColourTypeDecodesToEightBitRgbWithAlphaOnlyFromAnAlphaChannel) {
  const TImage rgba = DecodePng(Fixture("basn6a08.png"), "basn6a08");
  EXPECT_EQ(rgba.Width, 32);
  EXPECT_TRUE(rgba.HasAlpha);
  const TImage greyAlpha = DecodePng(Fixture("basn4a08.png"), "basn4a08");
  EXPECT_TRUE(greyAlpha.HasAlpha);
  EXPECT_EQ(greyAlpha.At(5, 5)[0], greyAlpha.At(5, 5)[2]);  // grey widened to equal R, G, B
  // Palette with a transparent-colour chunk, 1-bit grey, 16-bit colour: no alpha.
  for (const char* name : {"ftbbn3p08.png", "basn3p08.png", "basn0g01.png", "basn2c16.png"}) {
    const TImage img = DecodePng(Fixture(name), name);
    EXPECT_FALSE(img.HasAlpha) << name;
    EXPECT_EQ(img.Pixels.size(), static_cast<size_t>(img.Width) * img.Height * 3) << name;
  }
  const TImage bits1 = DecodePng(Fixture("basn0g01.png"), "g01");
  EXPECT_TRUE(bits1.At(0, 0)[0] == 0 || bits1.At(0, 0)[0] == 255);
  // An interlaced picture decodes to the same pixels as its plain twin.
  EXPECT_EQ(DecodePng(Fixture("ibasn2c08.png"), "i").Pixels,
            DecodePng(Fixture("basn2c08.png"), "p").Pixels);
}

TEST(PngCodec, DamagedDataIsAClearErrorNeverACrash) {
  const std::string good = Fixture("basn6a08.png");
  EXPECT_EQ(support_test::ErrorOf([] { DecodePng("not a picture at all", "x.png"); }),
            "Cannot decode PNG picture \"x.png\": not a PNG file");
  // Cut anywhere before the end of the image data (a missing end chunk alone is forgiven).
  for (size_t cut = 8; cut < good.size() - 24; cut += 7)
    EXPECT_THROW(DecodePng(good.substr(0, cut), "cut"), data::Error);
  std::string flipped = good;
  flipped[40] ^= 0x55;  // inside a chunk guarded by its checksum
  EXPECT_THROW(DecodePng(flipped, "flipped"), data::Error);
}

// Every picture of the public suite either loads or is refused cleanly, whole or cut short.
TEST(PngCodec, WholePublicSuiteLoadsOrIsRefused) {
  const std::filesystem::path suite = std::filesystem::path(ZERITH_TEST_DATA) / "graphics/pngsuite";
  int loaded = 0;
  for (const auto& file : std::filesystem::directory_iterator(suite)) {
    if (file.path().extension() != ".png") continue;
    const std::string bytes = data::ReadWholeFile(file.path().string());
    try {
      const TImage img = DecodePng(bytes, file.path().filename().string());
      EXPECT_EQ(img.Pixels.size(), static_cast<size_t>(img.Width) * img.Height * img.Channels());
      ++loaded;
    } catch (const data::Error&) {
    }
    for (size_t cut = 0; cut < bytes.size(); cut += 29) {
      try {
        DecodePng(bytes.substr(0, cut), "cut");
      } catch (const data::Error&) {
      }
    }
  }
  EXPECT_GT(loaded, 50);
}

TEST(PngCodec, EncodedPicturesDecodeToTheSameSamples) {
  for (bool alpha : {false, true}) {
    const TImage img = graphics_test::Pattern(13, 7, alpha);
    const TImage back = DecodePng(EncodePng(img), "round trip");
    EXPECT_EQ(back.HasAlpha, alpha);
    EXPECT_EQ(back.Pixels, img.Pixels);
  }
  const std::vector<uint8_t> grey = {0, 1, 2, 128, 254, 255};
  const TImage g = DecodePng(EncodeGrayPng(grey, 3, 2), "grey");
  EXPECT_FALSE(g.HasAlpha);
  for (size_t i = 0; i < grey.size(); ++i) EXPECT_EQ(g.Pixels[i * 3 + 1], grey[i]);
  EXPECT_THROW(EncodePng(TImage()), data::Error);
}

TEST(JpegCodec, DecodesBaselineAndArithmeticRefusesTwelveBitAndTruncatedData) {
  const TImage orig = DecodeJpeg(Fixture("testorig.jpg"), "testorig");
  EXPECT_EQ(orig.Width, 227);
  EXPECT_EQ(orig.Height, 149);
  EXPECT_FALSE(orig.HasAlpha);
  const TImage ari = DecodeJpeg(Fixture("testimgari.jpg"), "ari");
  EXPECT_EQ(ari.Width, 227);
  EXPECT_THROW(DecodeJpeg(Fixture("monkey12.jpg"), "monkey12"), data::Error);
  const std::string bytes = Fixture("testorig.jpg");
  for (size_t cut = 0; cut < bytes.size(); cut += 331)
    EXPECT_THROW(DecodeJpeg(bytes.substr(0, cut), "cut"), data::Error);
  EXPECT_EQ(support_test::ErrorOf([] { DecodeJpeg("", "empty.jpg"); }),
            "Cannot decode JPEG picture \"empty.jpg\": the entry is empty");
  // A round trip at high quality stays within the codec's loss.
  const TImage img = graphics_test::Pattern(16, 16, false);
  const TImage back = DecodeJpeg(EncodeJpeg(img, 100), "back");
  ASSERT_EQ(back.Pixels.size(), img.Pixels.size());
  int worst = 0;
  for (size_t i = 0; i < img.Pixels.size(); ++i)
    worst = std::max(worst, std::abs(img.Pixels[i] - back.Pixels[i]));
  EXPECT_LE(worst, 40);
}

}  // namespace
}  // namespace graphics
