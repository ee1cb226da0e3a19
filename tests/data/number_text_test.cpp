// Whole numbers from text: what the strict and the lenient reading accept, and their limits.
#include "data/number_text.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "data/error.hpp"
#include "tests/support/error_of.hpp"

namespace {

using std::nullopt;

TEST(NumberText, StrictTakesASignAndDigitsOnly) {
  const struct {
    const char* text;
    std::optional<int64_t> value;
  } cases[] = {
      {"42", 42},
      {"-7", -7},
      {"+7", 7},
      {"007", 7},
      {"-0", 0},
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      {"9223372036854775808", nullopt},  // beyond 64 bits
      {"", nullopt},
      {"-", nullopt},
      {"+", nullopt},
      {"+-3", nullopt},
      {"--3", nullopt},
      {" 3", nullopt},
      {"3 ", nullopt},
      {"\t3", nullopt},
      {"1.5", nullopt},
      {"1e3", nullopt},
      {"0x10", nullopt},
      {"$10", nullopt},
      {"inf", nullopt},
      {"nan", nullopt},
      {"3x", nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(data::ParseStrictInteger(c.text), c.value) << c.text;
}

TEST(NumberText, LenientAlsoDropsBlanksAroundAndHexNeedsAPrefix) {
  EXPECT_EQ(data::ParseLenientInteger(" \t+42 \r\n"), 42);
  EXPECT_EQ(data::ParseLenientInteger("  -7"), -7);
  EXPECT_EQ(data::ParseLenientInteger(""), nullopt);
  EXPECT_EQ(data::ParseLenientInteger("   "), nullopt);
  EXPECT_EQ(data::ParseLenientInteger("4 2"), nullopt);
  EXPECT_EQ(data::ParseLenientInteger("- 4"), nullopt);
  EXPECT_EQ(data::ParseLenientInteger(" 99999999999999999999 "), nullopt);
  EXPECT_EQ(data::ParseLenientInteger("$1F"), nullopt);

  EXPECT_EQ(data::ParseLenientIntegerOrHex(" $1F "), 31);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("0XfF"), 255);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("$FFFFFFFF"), -1);  // 32 bits wrap into the sign
  EXPECT_EQ(data::ParseLenientIntegerOrHex("$80000000"), INT32_MIN);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("$100000000"), nullopt);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("$"), nullopt);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("0x"), nullopt);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("$-1"), nullopt);
  EXPECT_EQ(data::ParseLenientIntegerOrHex("-$1"), nullopt);
  EXPECT_EQ(data::ParseLenientIntegerOrHex(" -12 "), -12);
}

TEST(NumberText, ThirtyTwoBitReadingsRaiseOneMessage) {
  EXPECT_EQ(data::StrictInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(data::StrictInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(data::LenientInt32(" +2147483647 "), INT32_MAX);
  for (const char* bad : {"", "%&", "1.5", " 3", "-", "+-3", "2147483648", "-2147483649", "0x10"}) {
    EXPECT_EQ(support_test::ErrorOf([&] { data::StrictInt32(bad); }),
              data::NotAnIntegerMessage(bad));
  }
  EXPECT_EQ(data::NotAnIntegerMessage("x"), "\"x\" is not a valid integer value");
  EXPECT_THROW(data::LenientInt32(" "), data::Error);
  EXPECT_THROW(data::LenientInt32(" 2147483648"), data::Error);
  EXPECT_THROW(data::LenientInt32("nan"), data::Error);
}

}  // namespace
