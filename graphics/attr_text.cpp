// graphics/attr_text.cpp
#include "graphics/attr_text.hpp"

namespace graphics {

std::string AttrValue(std::string_view line, std::string_view name) {
  const std::string pattern = std::string(name) + "=\"";
  const size_t at = line.find(pattern);
  if (at == std::string_view::npos) return {};
  const size_t start = at + pattern.size();
  const size_t end = line.find('"', start);
  if (end == std::string_view::npos) return {};
  return std::string(line.substr(start, end - start));
}

std::string Token(std::string_view text, int n) {
  size_t pos = 0;
  for (int word = 1;; ++word) {
    const size_t start = text.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) return "%&";
    size_t end = text.find_first_of(" \t", start);
    if (end == std::string_view::npos) end = text.size();
    if (word == n) return std::string(text.substr(start, end - start));
    pos = end;
  }
}

}  // namespace graphics
