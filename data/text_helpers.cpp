// data/text_helpers.cpp
#include "data/text_helpers.hpp"

namespace data {

int PosFrom(std::string_view sub, std::string_view text, int start) {
  if (sub.empty() || text.empty() || start < 1) return 0;
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= text.size() || text.size() - from < sub.size()) return 0;
  const size_t at = text.find(sub, from);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string TextBetween(std::string_view text, std::string_view open, std::string_view close,
                        int start) {
  const int openAt = PosFrom(open, text, start);
  if (openAt == 0) return {};
  const int closeAt = PosFrom(close, text, openAt + 1);
  if (closeAt == 0) return {};
  const int from = openAt + static_cast<int>(open.size());
  if (closeAt <= from) return {};
  return std::string(
      text.substr(static_cast<size_t>(from) - 1, static_cast<size_t>(closeAt - from)));
}

std::string FlattenLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out.push_back(' ');
      ++i;
    } else {
      out.push_back(c == '\t' ? ' ' : c);
    }
  }
  return out;
}

std::string DecodeEntities(std::string_view text) {
  static constexpr struct {
    std::string_view entity;
    char plain;
  } kEntities[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&apos;", '\''}, {"&quot;", '"'}};
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t amp = text.find('&', i);
    if (amp == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, amp - i));
    bool matched = false;
    for (const auto& e : kEntities) {
      if (text.compare(amp, e.entity.size(), e.entity) == 0) {
        out.push_back(e.plain);
        i = amp + e.entity.size();
        matched = true;
        break;
      }
    }
    if (!matched) {
      out.push_back('&');
      i = amp + 1;
    }
  }
  return out;
}

std::string EncodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\'':
        out += "&apos;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool EndsWithText(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}

std::string_view Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace data
