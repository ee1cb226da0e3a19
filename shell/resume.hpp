// shell/resume.hpp — the resume file: the running game written after every put and helper
// move, so a crash or a power cut loses at most the last put.
#pragma once

#include <string>

namespace rules {
class TRulesGame;
}

namespace shell {

// Keeps "saves/resume.state" in step with the game in play. NOTE: the load list never shows
// it (its name does not end in "sav").
class TResumeFile {
 public:
  explicit TResumeFile(std::string savesFolder);

  const std::string& Path() const { return path; }
  bool Exists() const;
  // Writes the game in play (or its menu) when its board or record changed since the last
  // write; a level whose end is under way is not written, its pieces being cleared. Raises
  // data::Error when the file cannot be written; the old file then stays.
  void Update(const rules::TRulesGame& game);
  // The game between levels, as the automatic save holds it.
  void WriteBetweenLevels(const rules::TRulesGame& game);
  // The game ended (lost, finished, abandoned): nothing is left to continue.
  void Delete();

 private:
  void Write(const std::string& bytes);
  std::string path;
  std::string lastWritten;  // the bytes of the last write, to skip writing the same again
};

}  // namespace shell
