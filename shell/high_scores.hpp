// shell/high_scores.hpp — the two best-score tables (real-time Puzzle, turn-based Strategy) and
// their files, one encoded line per entry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct THighScore {
  std::string Name;  // as typed; may be empty
  int32_t Score = 0;
  bool operator==(const THighScore&) const = default;
};
using THighScores = std::vector<THighScore>;  // best first

inline constexpr const char* kRealTimeScoresFile = "HighScoresRTP.dat";
inline constexpr const char* kTurnBasedScoresFile = "HighScoresTBP.dat";
// At most this many entries survive a restart; the table itself is never cut.
constexpr size_t kHighScoresRead = 21;

// The plain (not yet encoded) line of one entry: <High name="NAME" score="SCORE" />.
std::string HighScoreLine(const THighScore& entry);
// The entry a decoded line holds; false for a line whose score is missing or no integer.
bool ParseHighScoreLine(std::string_view line, THighScore& entry);

// Replaces the table with the file's entries; a missing or empty file gives an empty table.
// NOTE: raises data::Error when the file exists but cannot be read.
void LoadHighScores(const std::string& path, THighScores& table);
// Rewrites the file crash-safely; on failure raises data::Error and the old file stays.
void SaveHighScores(const std::string& path, const THighScores& table);
// Inserts below every entry of an equal or higher score; returns the new entry's position.
int InsertHighScore(THighScores& table, std::string name, int32_t score);
// Deletes the table's file; a missing file is not an error.
void DeleteHighScores(const std::string& path);

// A name typed for the table: the double quotation mark ends a name in the file, so the name
// edit never accepts it.
inline bool HighScoreNameAccepts(char16_t c) {
  return c != u'"';
}

}  // namespace shell
