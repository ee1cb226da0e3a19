// shell/high_scores.cpp — reading, writing and ranking the best-score tables.
#include "shell/high_scores.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/line_codec.hpp"
#include "data/text_helpers.hpp"

namespace shell {

namespace {

// The text after the first NAME=" up to the next double quotation mark; empty when the
// attribute does not occur. Found textually: the line is no XML anybody parses.
std::string_view AttributeText(std::string_view line, std::string_view name) {
  const std::string key = std::string(name) + "=\"";
  const size_t at = line.find(key);
  if (at == std::string_view::npos) return {};
  const std::string_view rest = line.substr(at + key.size());
  return rest.substr(0, rest.find('"'));
}

// A decimal integer with an optional sign and nothing else, within 32 bits.
bool StrictInteger(std::string_view text, int32_t& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

std::string HighScoreLine(const THighScore& entry) {
  return "<High name=\"" + entry.Name + "\" score=\"" + std::to_string(entry.Score) + "\" />";
}

bool ParseHighScoreLine(std::string_view line, THighScore& entry) {
  int32_t score = 0;
  if (!StrictInteger(AttributeText(line, "score"), score)) return false;
  entry.Name = std::string(AttributeText(line, "name"));
  entry.Score = score;
  return true;
}

void LoadHighScores(const std::string& path, THighScores& table) {
  table.clear();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;
  const std::string bytes = data::ReadWholeFile(path);
  for (std::string_view line : data::SplitLines(bytes)) {
    if (table.size() >= kHighScoresRead) break;
    THighScore entry;
    if (ParseHighScoreLine(data::DecodeLine(line), entry)) table.push_back(std::move(entry));
  }
}

void SaveHighScores(const std::string& path, const THighScores& table) {
  std::string bytes;
  for (const THighScore& entry : table) {
    bytes += data::EncodeLine(HighScoreLine(entry));
    bytes += "\r\n";
  }
  data::WriteFileAtomically(path, bytes);
}

int InsertHighScore(THighScores& table, std::string name, int32_t score) {
  size_t at = 0;
  while (at < table.size() && table[at].Score >= score) ++at;
  table.insert(table.begin() + static_cast<std::ptrdiff_t>(at), THighScore{std::move(name), score});
  return static_cast<int>(at);
}

void DeleteHighScores(const std::string& path) {
  if (std::remove(path.c_str()) != 0 && errno != ENOENT)
    throw data::Error("Cannot delete file \"" + path + "\": " + std::strerror(errno));
}

}  // namespace shell
