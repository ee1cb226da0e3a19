// fuzz/property_text_fuzz.cpp — any text as the value of each kind of published property.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/error.hpp"
#include "data/published.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  static const data::TPropInfo kProps[] = {
      {"Caption", data::TPropKind::Text, 0, 0, {}, {}, {}},
      {"Hint", data::TPropKind::WideText, 0, 0, {}, {}, {}},
      {"Left", data::TPropKind::Integer, -800, 800, {}, {}, {}},
      {"Tag", data::TPropKind::Integer, INT32_MIN, INT32_MAX, {}, {}, {}},
      {"Alpha", data::TPropKind::Byte, 0, 255, {}, {}, {}},
      {"Align", data::TPropKind::Enumeration, 0, 2, {"alNone", "alTop", "alClient"}, {}, {}},
      {"Visible", data::TPropKind::Boolean, 0, 1, {"False", "True"}, {}, {}},
  };
  for (const data::TPropInfo& prop : kProps) {
    try {
      const data::TPropValue value = data::PropValueFromText(prop, text);
      if (prop.Kind != data::TPropKind::Text && prop.Kind != data::TPropKind::WideText &&
          (value.Ordinal < prop.Min || value.Ordinal > prop.Max))
        __builtin_trap();
      (void)data::PropValueToText(prop, value);
    } catch (const data::Error&) {
    }
  }
  return 0;
}
