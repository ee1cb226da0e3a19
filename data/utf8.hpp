// data/utf8.hpp — UTF-8 bytes to and from the interface's 16-bit text.
#pragma once

#include <string>
#include <string_view>

namespace data {

// Each 16-bit unit as one to three bytes; surrogate halves are encoded one by one.
std::string WideToUtf8(std::u16string_view text);

// NOTE: a sequence cut short or a bad continuation byte makes the whole result empty, never a
// partial text; callers treat empty as "nothing to show".
std::u16string Utf8ToWide(std::string_view text);

}  // namespace data
