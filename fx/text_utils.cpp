// fx/text_utils.cpp
#include "fx/text_utils.hpp"

#include <charconv>
#include <cmath>
#include <limits>

#include "data/error.hpp"
#include "data/rounding.hpp"
#include "data/text_helpers.hpp"

namespace fx {
namespace {

// Decimal text without blanks: optional sign, digits with an optional point, optional exponent.
// Spelled-out infinities and NaNs are not numbers in effect files.
bool ToDouble(std::string_view text, double& value) {
  std::string_view t = data::Trim(text);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty() || t.front() == '+') return false;
  for (char c : t)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+'))
      return false;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  return ec == std::errc() && end == t.data() + t.size() && std::isfinite(value);
}

}  // namespace

std::vector<std::string> SplitText(std::string_view text, char sep, bool withinBrackets) {
  if (withinBrackets) {
    const size_t open = text.find('(');
    if (open != std::string_view::npos) text.remove_prefix(open + 1);
    const size_t close = text.rfind(')');
    if (close != std::string_view::npos) text = text.substr(0, close);
    text = data::Trim(text);
  }
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == sep) {
      parts.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

double ParseDouble(std::string_view text) {
  double value = 0.0;
  if (!ToDouble(text, value))
    throw data::Error("\"" + std::string(text) + "\" is not a valid floating point value");
  return value;
}

float ParseFloat(std::string_view text) {
  const double value = ParseDouble(text);
  if (std::fabs(value) > std::numeric_limits<float>::max())
    throw data::Error("\"" + std::string(text) + "\" is not a valid floating point value");
  return static_cast<float>(value);
}

float ReadFloatOrZero(std::string_view text) {
  double value = 0.0;
  if (!ToDouble(text, value) || std::fabs(value) > std::numeric_limits<float>::max()) return 0.0f;
  return static_cast<float>(value);
}

int32_t SecondsToMs(double seconds) {
  return data::RoundHalfEven(seconds * 1000.0);
}

std::string CutName(std::string_view name) {
  return std::string(name.substr(0, 32));
}

}  // namespace fx
