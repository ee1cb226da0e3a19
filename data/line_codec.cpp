// data/line_codec.cpp
#include "data/line_codec.hpp"

#include "data/text_helpers.hpp"

namespace data {

std::string EncodeLine(std::string_view line) {
  std::string out(line);
  for (char& ch : out) {
    const unsigned c = static_cast<unsigned char>(ch);
    if (c >= 32 && c <= 204)
      ch = static_cast<char>(c + 51);
    else if (c >= 205)
      ch = static_cast<char>(c - 173);
  }
  return out;
}

std::string DecodeLine(std::string_view line) {
  std::string out(line);
  for (char& ch : out) {
    const unsigned c = static_cast<unsigned char>(ch);
    if (c >= 83)
      ch = static_cast<char>(c - 51);
    else if (c >= 32)
      ch = static_cast<char>(c + 173);
  }
  return out;
}

namespace {

template <class Transform>
std::string EachLine(std::string_view text, Transform transform) {
  std::string out;
  out.reserve(text.size() + 2);
  for (std::string_view line : SplitLines(text)) {
    out.append(transform(line));
    out.append("\r\n");
  }
  return out;
}

}  // namespace

std::string EncodeLines(std::string_view text) {
  return EachLine(text, EncodeLine);
}
std::string DecodeLines(std::string_view text) {
  return EachLine(text, DecodeLine);
}

}  // namespace data
