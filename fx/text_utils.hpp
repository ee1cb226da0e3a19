// fx/text_utils.hpp — text helpers of the effect files: splitting and the locale-independent
// decimal conversions every effect loader uses. Names are matched with data::SameText, whole
// numbers read with data::LenientInt32 and rounded with data::RoundHalfEven.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

// Splits at sep; consecutive separators give empty parts and a trailing separator a final
// empty part. With withinBrackets, everything up to the first "(" and from the last ")" on is
// dropped and the rest trimmed first.
std::vector<std::string> SplitText(std::string_view text, char sep, bool withinBrackets = false);

// Strict decimal conversion ("1.5", "-2", "+3e2", blanks around allowed). Raises data::Error
// "\"TEXT\" is not a valid floating point value" on anything else, including non-finite values
// and values beyond the float range.
float ParseFloat(std::string_view text);
double ParseDouble(std::string_view text);
// Path scripts never fail: what cannot be read reads as 0.
float ReadFloatOrZero(std::string_view text);

// Seconds as written in effect files to whole milliseconds.
int32_t SecondsToMs(double seconds);

// Names are short texts of at most 32 bytes; longer ones are cut.
std::string CutName(std::string_view name);

}  // namespace fx
