// shell/high_scores.cpp — reading, writing and ranking the best-score tables.
#include "shell/high_scores.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/line_codec.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"

namespace shell {

namespace {

// Where the value of the first NAME=" at or after `from` lies: [From, To), To at the next
// double quotation mark. Found textually: the line is no XML anybody parses.
struct TValueSpan {
  size_t From = std::string_view::npos;
  size_t To = std::string_view::npos;
  std::string_view In(std::string_view line) const {
    return From == std::string_view::npos ? std::string_view() : line.substr(From, To - From);
  }
};

TValueSpan FindValue(std::string_view line, std::string_view name, size_t from = 0) {
  const std::string key = std::string(name) + "=\"";
  const size_t at = line.find(key, from);
  if (at == std::string_view::npos) return {};
  const size_t start = at + key.size();
  return {start, std::min(line.find('"', start), line.size())};
}

}  // namespace

std::string HighScoreLine(const THighScore& entry) {
  return "<High name=\"" + entry.Name + "\" score=\"" + std::to_string(entry.Score) + "\" />";
}

bool ParseHighScoreLine(std::string_view line, THighScore& entry) {
  const TValueSpan name = FindValue(line, "name");
  TValueSpan score = FindValue(line, "score");
  // A name ending in "score=" holds the score's key; the score itself follows the name.
  const size_t scoreKey = score.From - std::string_view("score=\"").size();
  if (name.From != std::string_view::npos && score.From != std::string_view::npos &&
      scoreKey >= name.From && scoreKey < name.To)
    score = FindValue(line, "score", name.To);
  // A decimal integer with an optional sign and nothing else, within 32 bits.
  const std::optional<int32_t> value = data::ParseStrictInt32(score.In(line));
  if (!value) return false;
  entry.Name = std::string(name.In(line));
  entry.Score = *value;
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
