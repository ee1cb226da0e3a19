#include "data/utf8.hpp"

#include <gtest/gtest.h>

using namespace data;

TEST(Utf8, WideToUtf8UsesOneToThreeBytesPerUnit) {
  EXPECT_EQ(WideToUtf8(u""), "");
  EXPECT_EQ(WideToUtf8(u"A\u007F"), "A\x7F");
  EXPECT_EQ(WideToUtf8(u"\u0080\u07FF"), "\xC2\x80\xDF\xBF");
  EXPECT_EQ(WideToUtf8(u"\u0800\u20AC\uFFFF"), "\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF");
  // Surrogate halves one by one, three bytes each.
  EXPECT_EQ(WideToUtf8(std::u16string{char16_t(0xD83D), char16_t(0xDE00)}),
            "\xED\xA0\xBD\xED\xB8\x80");
}

TEST(Utf8, Utf8ToWideDecodesAndRoundTrips) {
  EXPECT_EQ(Utf8ToWide(""), u"");
  EXPECT_EQ(Utf8ToWide("\xC3\xA9"), u"\u00E9");
  EXPECT_EQ(Utf8ToWide("x\xE2\x82\xACy"), u"x\u20ACy");
  std::u16string all;
  for (unsigned c = 1; c <= 0xFFFF; c += 7) all.push_back(static_cast<char16_t>(c));
  EXPECT_EQ(Utf8ToWide(WideToUtf8(all)), all);
}

TEST(Utf8, Utf8ToWideTakesAnyHighByteAsLeadByBit0x20) {
  // 0x80..0xBF and 0xF0..0xFF lead too; four-byte forms are read as three and kept to 16 bits.
  EXPECT_EQ(Utf8ToWide("\x85\x81"), std::u16string(1, char16_t(0x141)));
  // ((0x30 << 6 | 0x1F) << 6 | 0x18) kept to 16 bits.
  EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98"), std::u16string(1, char16_t(0x07D8)));
}

TEST(Utf8, Utf8ToWideGivesEmptyTextForAnyBrokenSequence) {
  EXPECT_EQ(Utf8ToWide("abc\xC3"), u"");
  EXPECT_EQ(Utf8ToWide("\xC3\x41"), u"");
  EXPECT_EQ(Utf8ToWide("\xE2\x82"), u"");
  EXPECT_EQ(Utf8ToWide("\xE2\x82\x41 and more"), u"");
  EXPECT_EQ(Utf8ToWide("\xE2\xC0\x80"), u"");
}
