// fuzz/utf8_fuzz.cpp — any bytes through UTF-8 decoding and the saved-game line transform.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/line_codec.hpp"
#include "data/utf8.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const std::u16string wide = data::Utf8ToWide(text);
  if (wide.size() > text.size()) __builtin_trap();
  if (data::Utf8ToWide(data::WideToUtf8(wide)) != wide) __builtin_trap();
  if (data::DecodeLine(data::EncodeLine(text)) != text) __builtin_trap();
  (void)data::DecodeLines(text);
  return 0;
}
