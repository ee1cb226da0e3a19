// tests/graphics/png_size_limit_test.cpp — a PNG larger than the decoder takes is refused with
// its own size and the limit in the message.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "data/error.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"

namespace graphics {
namespace {

uint32_t Crc32(const std::string& bytes, size_t from, size_t count) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = from; i < from + count; ++i) {
    crc ^= static_cast<uint8_t>(bytes[i]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

// The picture with the size in its header replaced, the header's checksum made to fit.
std::string WithSize(std::string png, uint32_t width, uint32_t height) {
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  PutBigEndian(png, 16, width);
  PutBigEndian(png, 20, height);
  PutBigEndian(png, 29, Crc32(png, 12, 17));
  return png;
}

std::string ErrorOf(const std::string& bytes) {
  try {
    DecodePng(bytes, "wide.png");
  } catch (const data::Error& e) {
    return e.what();
  }
  return "no error";
}

TEST(PngSizeLimit, TooLargePicturesNameTheirSizeAndTheLimit) {
  const std::string small = EncodePng(graphics_test::Pattern(8, 8, false));
  EXPECT_EQ(ErrorOf(WithSize(small, 20000, 8)),
            "Cannot decode PNG picture \"wide.png\": the picture is 20000 x 8 pixels; at most "
            "16384 x 16384 and 33554432 pixels in all are supported");
  // The largest size PNG can state, and each side within the limit but too many pixels.
  EXPECT_NE(ErrorOf(WithSize(small, 0x7fffffff, 0x7fffffff)).find("2147483647 x 2147483647"),
            std::string::npos);
  EXPECT_NE(ErrorOf(WithSize(small, 16000, 16000)).find("16000 x 16000 pixels"), std::string::npos);
  // The largest side that is allowed gets as far as the (too short) picture data.
  EXPECT_EQ(ErrorOf(WithSize(small, 16384, 8)).find("at most"), std::string::npos);
}

}  // namespace
}  // namespace graphics
