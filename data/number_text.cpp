// data/number_text.cpp
#include "data/number_text.hpp"

#include <charconv>

#include "data/error.hpp"
#include "data/text_helpers.hpp"

namespace data {
namespace {

std::optional<int32_t> Narrow(std::optional<int64_t> value) {
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::optional<int64_t> ParseHex32(std::string_view digits) {
  uint32_t value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace

std::optional<int64_t> ParseStrictInteger(std::string_view text) {
  // from_chars takes a "-" but no "+", and refuses blanks, points and a second sign itself.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int64_t> ParseLenientInteger(std::string_view text) {
  return ParseStrictInteger(Trim(text));
}

std::optional<int64_t> ParseLenientIntegerOrHex(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '$') return ParseHex32(text.substr(1));
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseHex32(text.substr(2));
  return ParseStrictInteger(text);
}

std::optional<int32_t> ParseStrictInt32(std::string_view text) {
  return Narrow(ParseStrictInteger(text));
}

std::optional<int32_t> ParseLenientInt32(std::string_view text) {
  return Narrow(ParseLenientInteger(text));
}

std::string NotAnIntegerMessage(std::string_view text) {
  return "\"" + std::string(text) + "\" is not a valid integer value";
}

int32_t StrictInt32(std::string_view text) {
  const std::optional<int32_t> value = ParseStrictInt32(text);
  if (!value) throw Error(NotAnIntegerMessage(text));
  return *value;
}

int32_t LenientInt32(std::string_view text) {
  const std::optional<int32_t> value = ParseLenientInt32(text);
  if (!value) throw Error(NotAnIntegerMessage(text));
  return *value;
}

}  // namespace data
