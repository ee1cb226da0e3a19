#include "data/line_codec.hpp"

#include <gtest/gtest.h>

using namespace data;

TEST(LineCodec, ShiftsPrintableBytesAndKeepsControlBytes) {
  EXPECT_EQ(EncodeLine(std::string("\x00\x1f", 2)), std::string("\x00\x1f", 2));
  EXPECT_EQ(EncodeLine(" A\xCC"), "\x53\x74\xFF");  // 32→83, 65→116, 204→255
  EXPECT_EQ(EncodeLine("\xCD\xFF"), "\x20\x52");    // 205→32, 255→82
  std::string every;
  for (int c = 0; c < 256; ++c) every.push_back(static_cast<char>(c));
  const std::string stored = EncodeLine(every);
  EXPECT_EQ(DecodeLine(stored), every);
  for (int c = 32; c < 256; ++c) {
    const unsigned char s = static_cast<unsigned char>(stored[static_cast<size_t>(c)]);
    EXPECT_GE(s, 32) << "plain byte " << c << " would be stored as a control byte";
  }
}

TEST(LineCodec, WholeTextsAreLineByLineWithCrLf) {
  EXPECT_EQ(EncodeLines("AB\nC"), EncodeLine("AB") + "\r\n" + EncodeLine("C") + "\r\n");
  EXPECT_EQ(DecodeLines(EncodeLines("one\r\ntwo\rthree\n")), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(EncodeLines(""), "");
  EXPECT_EQ(EncodeLines("\n"), "\r\n");
}
