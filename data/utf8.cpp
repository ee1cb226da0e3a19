// data/utf8.cpp
#include "data/utf8.hpp"

namespace data {

std::string WideToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char16_t unit : text) {
    const unsigned c = unit;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::u16string Utf8ToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  auto continuation = [](unsigned char c) { return c >= 0x80 && c <= 0xBF; };
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // Any byte with the top bit set leads: bit 0x20 says two continuation bytes, else one.
    const size_t extra = (lead & 0x20) ? 2 : 1;
    if (i + extra >= text.size()) return {};  // cut short by the end
    const unsigned char c1 = static_cast<unsigned char>(text[i + 1]);
    if (!continuation(c1)) return {};
    unsigned unit = ((lead & 0x3Fu) << 6) | (c1 & 0x3Fu);
    if (extra == 2) {
      const unsigned char c2 = static_cast<unsigned char>(text[i + 2]);
      if (!continuation(c2)) return {};
      unit = (unit << 6) | (c2 & 0x3Fu);
    }
    out.push_back(static_cast<char16_t>(unit & 0xFFFF));
    i += extra + 1;
  }
  return out;
}

}  // namespace data
