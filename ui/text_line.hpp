// ui/text_line.hpp — one laid-out line of a label, or one word of a rich label.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

struct TOrlTextLine {
  std::u16string Text;   // empty for a rich label's link word
  int32_t X = 0, Y = 0;  // offset inside the label, pixels
  int32_t Color = 0;     // a rich label's link word holds its link label's index here
  int32_t MouseOverColor = 0;
  int32_t CheckedColor = 0;
  uint8_t Alpha = 0;
  std::string FontName;
  int32_t Width = 0;       // pixels, blanks inside the line included
  int32_t Blanks = 0;      // label: blanks inside the line; rich label: trailing blanks
  int32_t BlankWidth = 0;  // rich label: pixels after the word (blanks plus HR space)
};

}  // namespace ui
