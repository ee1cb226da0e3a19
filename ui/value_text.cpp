// ui/value_text.cpp
#include "ui/value_text.hpp"

#include "data/published.hpp"

namespace ui {

int32_t ParseIntValue(std::string_view text, const std::string& what, int64_t min, int64_t max) {
  data::TPropInfo info;
  info.Name = what;
  info.Kind = data::TPropKind::Integer;
  info.Min = min;
  info.Max = max;
  return static_cast<int32_t>(data::PropValueFromText(info, text).Ordinal);
}

int ParseEnumValue(std::string_view text, const std::string& what,
                   const std::vector<std::string>& names) {
  data::TPropInfo info;
  info.Name = what;
  info.Kind = data::TPropKind::Enumeration;
  info.ValueNames = names;
  return static_cast<int>(data::PropValueFromText(info, text).Ordinal);
}

}  // namespace ui
