#include "data/text_helpers.hpp"

#include <gtest/gtest.h>

using namespace data;

TEST(TextHelpers, PosFromFindsFromStartAndRefusesShortRests) {
  EXPECT_EQ(PosFrom("b", "abcb", 1), 2);
  EXPECT_EQ(PosFrom("b", "abcb", 3), 4);
  EXPECT_EQ(PosFrom("cb", "abcb", 4), 0);  // one byte left, two needed
  EXPECT_EQ(PosFrom("B", "abcb", 1), 0);   // case-sensitive
  EXPECT_EQ(PosFrom("", "abc", 1), 0);
  EXPECT_EQ(PosFrom("a", "", 1), 0);
  EXPECT_EQ(PosFrom("a", "abc", 9), 0);
}

TEST(TextHelpers, TextBetweenSearchesCloseAfterFirstByteOfOpen) {
  EXPECT_EQ(TextBetween("x=[12] y=[34]", "[", "]", 1), "12");
  EXPECT_EQ(TextBetween("x=[12] y=[34]", "[", "]", 5), "34");
  EXPECT_EQ(TextBetween("\"abc\"", "\"", "\"", 1), "abc");  // same delimiter both ends
  EXPECT_EQ(TextBetween("[12", "[", "]", 1), "");
  EXPECT_EQ(TextBetween("12]", "[", "]", 1), "");
  EXPECT_EQ(TextBetween("<<>", "<<", "<>", 1), "");  // close overlaps open: nothing between
}

TEST(TextHelpers, FlattenLineBreaksTouchesOnlyPairsAndTabs) {
  EXPECT_EQ(FlattenLineBreaks("a\r\nb\tc"), "a b c");
  EXPECT_EQ(FlattenLineBreaks("a\rb\nc\n\r"), "a\rb\nc\n\r");
  EXPECT_EQ(FlattenLineBreaks("a  \t\tb"), "a    b");
}

TEST(TextHelpers, EntitiesDecodeInOnePassAndEncodeAmpersandFirst) {
  EXPECT_EQ(DecodeEntities("x &amp;lt; y"), "x &lt; y");
  EXPECT_EQ(DecodeEntities("&lt;b&gt;&apos;&quot;"), "<b>'\"");
  EXPECT_EQ(DecodeEntities("a & b &unknown; &"), "a & b &unknown; &");
  EXPECT_EQ(EncodeEntities("a<b & 'c' \"d\">"), "a&lt;b &amp; &apos;c&apos; &quot;d&quot;&gt;");
  const std::string nasty = "&amp; <&lt;> ' \" &";
  EXPECT_EQ(DecodeEntities(EncodeEntities(nasty)), nasty);
}

TEST(TextHelpers, TrimAndSplitLines) {
  EXPECT_EQ(Trim(" \t\r\n\x01x y\x20\x1f"), "x y");
  EXPECT_EQ(Trim("  "), "");
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));  // LF then a lone CR: two empty lines
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextHelpers, CaseBlindComparisonFoldsAsciiLettersOnly) {
  EXPECT_TRUE(SameText("ParticleEffect", "PARTICLEeffect"));
  EXPECT_TRUE(SameText("", ""));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_FALSE(SameText("a", ""));
  EXPECT_FALSE(SameText("[", "{"));        // 0x5B and 0x7B differ by 32 but are no letters
  EXPECT_FALSE(SameText("\xC4", "\xE4"));  // Latin-1 letters compare exactly, whatever the locale
  EXPECT_TRUE(SameText("a\xC4", "A\xC4"));
  EXPECT_EQ(AsciiLower("Hello, W\xC4RLD 9"), "hello, w\xC4rld 9");
  EXPECT_TRUE(EndsWithText("Title.JPG", ".jpg"));
  EXPECT_TRUE(EndsWithText(".jpeg", ".JPEG"));
  EXPECT_FALSE(EndsWithText("jpg", ".jpg"));
  EXPECT_TRUE(EndsWithText("x", ""));
}
