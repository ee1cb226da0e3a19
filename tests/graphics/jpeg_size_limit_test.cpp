// tests/graphics/jpeg_size_limit_test.cpp — a JPEG larger than the decoder takes is refused
// with its own size and the limit in the message.
#include <gtest/gtest.h>

#include <string>

#include "data/error.hpp"
#include "graphics/jpeg_codec.hpp"
#include "test_support.hpp"
#include "tests/support/error_of.hpp"

namespace graphics {
namespace {

// The picture with the size in its frame header replaced.
std::string WithSize(std::string jpeg, int width, int height) {
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    const auto marker = static_cast<uint8_t>(jpeg[i + 1]);
    if (static_cast<uint8_t>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
      jpeg[i + 5] = static_cast<char>(height >> 8), jpeg[i + 6] = static_cast<char>(height);
      jpeg[i + 7] = static_cast<char>(width >> 8), jpeg[i + 8] = static_cast<char>(width);
      return jpeg;
    }
  }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

std::string DecodeError(const std::string& bytes) {
  return support_test::ErrorOf([&] { DecodeJpeg(bytes, "wide.jpg"); });
}

TEST(JpegSizeLimit, TooLargePicturesNameTheirSizeAndTheLimit) {
  const std::string small = EncodeJpeg(graphics_test::Pattern(8, 8, false), 90);
  EXPECT_EQ(DecodeError(WithSize(small, 20000, 8)),
            "Cannot decode JPEG picture \"wide.jpg\": the picture is 20000 x 8 pixels; at most "
            "16384 x 16384 and 33554432 pixels in all are supported");
  // Each side within the limit, the whole too many pixels.
  EXPECT_NE(DecodeError(WithSize(small, 16000, 16000)).find("16000 x 16000 pixels"),
            std::string::npos);
  // The largest side that is allowed gets as far as the (missing) picture data.
  EXPECT_EQ(DecodeError(WithSize(small, 16384, 8)).find("at most"), std::string::npos);
}

}  // namespace
}  // namespace graphics
