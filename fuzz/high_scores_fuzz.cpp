// fuzz/high_scores_fuzz.cpp — any bytes as a high-score file; every entry read must survive
// being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/error.hpp"
#include "data/line_codec.hpp"
#include "fuzz/fuzz_support.hpp"
#include "shell/high_scores.hpp"

namespace {

void CheckTable(const shell::THighScores& table) {
  if (table.size() > shell::kHighScoresRead) std::abort();
  for (const shell::THighScore& entry : table) {
    shell::THighScore back;
    const std::string stored = data::EncodeLine(shell::HighScoreLine(entry));
    if (!shell::ParseHighScoreLine(data::DecodeLine(stored), back) || !(back == entry))
      std::abort();  // the player's entry would be lost or changed at the next start
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string text(fuzz::Text(bytes, size));
  // The file as stored, and the plain lines encoded the way the game stores them.
  for (const std::string& file : {text, data::EncodeLines(text)}) {
    shell::THighScores table;
    try {
      shell::LoadHighScores(fuzz::MemoryFile(file), table);
    } catch (const data::Error&) {
      continue;
    }
    CheckTable(table);
    shell::InsertHighScore(table, "Fuzz", 1000);
  }
  return 0;
}
