// tests/graphics/attr_text_test.cpp — attribute values and words of AutoImage lines.
#include "graphics/attr_text.hpp"

#include <gtest/gtest.h>

namespace graphics {
namespace {

TEST(AttrText, ValuesAreFoundBySubstringAndMissingPartsReadEmpty) {
  const std::string line =
      "<AddImage filename=\"f.png\" name=\"n.png\" left=\"3\" top=\"-4\" color=\"1 2 3\" "
      "colorvalue=\"9\"/>";
  EXPECT_EQ(AttrValue(line, "name"), "f.png");  // "filename" ends with "name"
  EXPECT_EQ(AttrValue(line, "color"), "1 2 3");
  EXPECT_EQ(AttrValue(line, "colorvalue"), "9");
  EXPECT_EQ(AttrValue(line, "alfa"), "");
  EXPECT_EQ(AttrValue("x name=\"open", "name"), "");  // no closing quote
  EXPECT_EQ(AttrValue("Source=\"a b\" Dest=\"c\"", "Dest"), "c");
}

TEST(AttrText, TokensSkipRunsOfBlanksAndTabs) {
  EXPECT_EQ(Token("  1 \t 22\t\t333 ", 1), "1");
  EXPECT_EQ(Token("  1 \t 22\t\t333 ", 3), "333");
  EXPECT_EQ(Token("  1 \t 22\t\t333 ", 4), "%&");
  EXPECT_EQ(Token("", 1), "%&");
}

}  // namespace
}  // namespace graphics
