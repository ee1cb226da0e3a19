// shell/resume.cpp — writing and removing the resume file.
#include "shell/resume.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "data/error.hpp"
#include "data/files.hpp"
#include "rules/rules_game.hpp"
#include "shell/saved_games.hpp"

namespace shell {

TResumeFile::TResumeFile(std::string savesFolder)
    : path(std::move(savesFolder) + "/" + kResumeFile) {}

bool TResumeFile::Exists() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

void TResumeFile::Update(const rules::TRulesGame& game) {
  const int state = game.Game.GameState;
  if (state != rules::gsGamePlay && state != rules::gsGameMenu) return;
  if (game.Level.LevelDone || !game.HasLayer()) return;
  TSavedGame saved = CaptureGame(game);
  saved.State = rules::gsGamePlay;
  Write(SavedGameFile(saved));
}

void TResumeFile::WriteBetweenLevels(const rules::TRulesGame& game) {
  TSavedGame saved = CaptureGame(game);
  saved.State = rules::gsBetweenLevels;
  saved.Layers.clear();
  saved.Bosses.clear();
  Write(SavedGameFile(saved));
}

void TResumeFile::Write(const std::string& bytes) {
  if (bytes == lastWritten && Exists()) return;
  data::WriteFileAtomically(path, bytes);
  lastWritten = bytes;
}

void TResumeFile::Delete() {
  lastWritten.clear();
  if (std::remove(path.c_str()) != 0 && errno != ENOENT)
    throw data::Error("Cannot delete file \"" + path + "\": " + std::strerror(errno));
}

}  // namespace shell
