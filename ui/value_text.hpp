// ui/value_text.hpp — reading the small value texts of interface files (numbers and enumeration
// names inside attribute lists) with the same rules and messages as published properties.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Decimal or "$" hexadecimal; raises data::Error naming `what` when the text is not an integer
// in min..max.
int32_t ParseIntValue(std::string_view text, const std::string& what, int64_t min = INT32_MIN,
                      int64_t max = INT32_MAX);

// The ordinal of a value name (ignoring case); raises data::Error naming `what` otherwise.
int ParseEnumValue(std::string_view text, const std::string& what,
                   const std::vector<std::string>& names);

}  // namespace ui
