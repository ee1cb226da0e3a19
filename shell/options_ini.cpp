// shell/options_ini.cpp — reading and rewriting INI lines.
#include "shell/options_ini.hpp"

#include "data/text_helpers.hpp"

namespace shell {
namespace {

// The section name of a "[name]" line, or nothing.
std::optional<std::string_view> Header(std::string_view line) {
  line = data::Trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return data::Trim(line.substr(1, line.size() - 2));
}

bool IsComment(std::string_view line) {
  line = data::Trim(line);
  return !line.empty() && (line[0] == ';' || line[0] == '#');
}

// Key and raw value of a "key=value" line, or nothing.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line) {
  if (IsComment(line) || Header(line)) return std::nullopt;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::pair{data::Trim(line.substr(0, eq)), line.substr(eq + 1)};
}

}  // namespace

TIniFile::TIniFile(std::string_view text) {
  for (std::string_view line : data::SplitLines(text)) lines.emplace_back(line);
}

int TIniFile::FindSection(std::string_view section) const {
  if (section.empty()) return -1;
  for (size_t i = 0; i < lines.size(); ++i)
    if (auto name = Header(lines[i]); name && data::SameText(*name, section))
      return static_cast<int>(i);
  return -1;
}

int TIniFile::FindKey(int header, std::string_view key) const {
  for (int i = header + 1; i < static_cast<int>(lines.size()); ++i) {
    if (Header(lines[static_cast<size_t>(i)])) break;
    if (auto kv = KeyValue(lines[static_cast<size_t>(i)]); kv && data::SameText(kv->first, key))
      return i;
  }
  return -1;
}

int TIniFile::SectionEnd(int header) const {
  int end = header + 1;
  for (int i = header + 1; i < static_cast<int>(lines.size()); ++i) {
    if (Header(lines[static_cast<size_t>(i)])) break;
    if (KeyValue(lines[static_cast<size_t>(i)])) end = i + 1;
  }
  return end;
}

std::optional<std::string> TIniFile::Read(std::string_view section, std::string_view key) const {
  const int header = FindSection(section);
  if (header < 0 && !section.empty()) return std::nullopt;
  const int line = FindKey(header, key);
  if (line < 0) return std::nullopt;
  std::string_view value = data::Trim(KeyValue(lines[static_cast<size_t>(line)])->second);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

void TIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  // Reading trims blanks and takes off one pair of quotes, so a value that would lose either
  // is written between quotes: every value reads back exactly as it was written.
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  const bool wrap = quoted || data::Trim(value).size() != value.size();
  const std::string line =
      std::string(key) + "=" + (wrap ? "\"" + std::string(value) + "\"" : std::string(value));
  int header = FindSection(section);
  if (header < 0 && !section.empty()) {
    if (!lines.empty() && !data::Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(section) + "]");
    header = static_cast<int>(lines.size()) - 1;
  }
  if (const int existing = FindKey(header, key); existing >= 0) {
    lines[static_cast<size_t>(existing)] = line;
    return;
  }
  lines.insert(lines.begin() + SectionEnd(header), line);
}

std::string TIniFile::Text() const {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace shell
