// shell/handlers_files.cpp — the load and save windows: listing, loading,
// saving, replacing, deleting, the quick save, and the files given on the
// command line: a saved game to open, a level file for debug mode.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/memory_stream.hpp"
#include "data/utf8.hpp"
#include "rules/rules_game.hpp"
#include "shell/file_names.hpp"
#include "shell/grid_rows.hpp"
#include "shell/handlers_screens.hpp"
#include "shell/main_window.hpp"
#include "shell/options.hpp"
#include "shell/saved_games.hpp"
#include "ui/grid.hpp"

namespace shell {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void TScreens::MakeSavesFolder() {
  std::error_code ec;
  std::filesystem::create_directories(savesFolder, ec);
}

std::string TScreens::SavedPath(const std::string& name) {
  CheckSaveName(name);
  return SavedGamePath(savesFolder, name);
}

void TScreens::ListSaved(const char* gridName, const char* edit) {
  auto* grid = dynamic_cast<ui::TOrlGrid*>(w.Interface().FindObject(gridName));
  if (!grid) return;
  grid->ClearRows();
  for (const std::string& name : ListSavedGames(savesFolder)) {
    // A quotation mark would end the row's text early; such a file was not
    // saved by the game.
    if (name.find('"') != std::string::npos) continue;
    grid->AddCells(GridRow(*grid, {name}));
  }
  Set(edit, "Caption", data::WideToUtf8(grid->SelectedText()));
}

void TScreens::WLoadGame_GFiles_MouseDown() {
  if (auto* grid = dynamic_cast<ui::TOrlGrid*>(w.Interface().FindObject("WLoadGame_GFiles")))
    Set("WLoadGame_ELoadFile", "Caption", data::WideToUtf8(grid->SelectedText()));
}

void TScreens::WSaveGame_GFiles_MouseDown() {
  if (auto* grid = dynamic_cast<ui::TOrlGrid*>(w.Interface().FindObject("WSaveGame_GFiles")))
    Set("WSaveGame_ESaveFile", "Caption", data::WideToUtf8(grid->SelectedText()));
}

bool TScreens::LoadSavedGame(const std::string& path) {
  if (!FileExists(path)) return false;
  rules::TRulesGame& game = w.Rules();
  // Read and check everything before the running game is touched.
  const TSavedGame saved = ReadSavedGame(path, game);
  RestoreGameRecord(game, saved);
  playingLevelFile = false;
  if (saved.State == rules::gsGamePlay) {
    try {
      RestoreBoard(game, saved);
    } catch (const data::Error&) {
      BackToTitle();
      throw;
    }
  } else {
    WLevelComplete_BOk_MouseUp();
    for (const auto& [label, value] : {std::pair{"WGame_LScoreCount", game.Game.Score},
                                       {"WGame_LShiftCount", game.Game.Shifts},
                                       {"WGame_LShuffleCount", game.Game.Shuffles},
                                       {"WGame_LLevelCount", game.Game.Level}})
      Set(label, "Caption", std::to_string(value));
  }
  ShowRestoredDanger(game);
  SetDeadBar(game.Game.Mode);
  w.Interface().HideModalList();
  w.SetGameState(game.Game.GameState);
  if (game.Game.GameState == rules::gsGamePlay) {
    w.Interface().ShowModal("WGame");
    game.Game.DangerTime = 3000;
    StopClickHere();
    AfterInput();
  } else if (game.Game.GameState == rules::gsGameFinished) {
    // Saved after the last level: the name entry the level's end would have shown.
    w.Interface().ShowModal("WGameFinished");
  } else {
    w.StopMusic();
    w.PlayMusic("Vibe-nfs.mo3");
    w.Interface().ShowModal("WBetweenLevel");
    StopClickHere();
    StartClickHere(NextLevelPoint);
  }
  game.Game.ShowBossHint = game.Game.SecondChance = game.Game.ShowPutHint = false;
  return true;
}

void TScreens::WLoadGame_BLoad_MouseUp() {
  const std::string name = Caption("WLoadGame_ELoadFile");
  if (name.empty()) return;
  LoadSavedGame(SavedPath(name));
}

void TScreens::WSaveGame_BSave_MouseUp() {
  const std::string name = Caption("WSaveGame_ESaveFile");
  if (name.empty()) return;
  const std::string path = SavedPath(name);
  if (FileExists(path)) {
    w.Interface().ShowModal("WReplace");
    return;
  }
  MakeSavesFolder();
  SaveGame(path, w.Rules());
  w.Interface().HideTop();
}

void TScreens::WReplace_BOk_MouseUp() {
  const std::string name = Caption("WSaveGame_ESaveFile");
  if (name.empty()) return;
  SaveGame(SavedPath(name), w.Rules());
  w.Interface().HideTop();
}

void TScreens::WLoadGame_BDelete_MouseUp() {
  const std::string edit =
      TopFormName() == "WLoadGame" ? "WLoadGame_ELoadFile" : "WSaveGame_ESaveFile";
  const std::string name = Caption(edit);
  if (name.empty()) return;
  if (FileExists(SavedPath(name))) w.Interface().ShowModal("WDelete");
}

void TScreens::WSaveGame_BDelete_MouseUp() {
  WLoadGame_BDelete_MouseUp();
}

void TScreens::DeleteSavedFile(const char* edit, const char* grid) {
  const std::string name = Caption(edit);
  if (!name.empty()) {
    const std::string path = SavedPath(name);
    if (std::remove(path.c_str()) != 0 && errno != ENOENT)
      throw data::Error("Cannot delete the saved game \"" + path + "\": " + std::strerror(errno));
  }
  ListSaved(grid, edit);
}

void TScreens::WDelete_BOk_MouseUp() {
  w.Interface().HideTop();
  if (TopFormName() == "WLoadGame")
    DeleteSavedFile("WLoadGame_ELoadFile", "WLoadGame_GFiles");
  else
    DeleteSavedFile("WSaveGame_ESaveFile", "WSaveGame_GFiles");
}

void TScreens::QuickSave() {
  if (w.Rules().Level.LevelDone) return;
  MakeSavesFolder();
  SaveGame(SavedGamePath(savesFolder, kQuickSaveName), w.Rules());
}

void TScreens::OpenSavedGameFile(const std::string& path) {
  try {
    if (!FileExists(path))
      throw data::Error("Cannot open the saved game \"" + path + "\": no such file");
    if (!LoadSavedGame(path)) BackToTitle();
  } catch (const data::Error& e) {
    BackToTitle();
    w.ShowError(e.what());
  }
}

std::string TScreens::DebugLevelFile() {
  if (w.Settings().DebugMode != kDebugUnlock) return {};
  return w.RunOptions().LevelFile;
}

void TScreens::LoadLevelFile(const std::string& file) {
  rules::TRulesGame& game = w.Rules();
  std::error_code ec;
  const bool onDisk = std::filesystem::exists(file, ec);
  const bool bareName = file.find('/') == std::string::npos;
  if (!onDisk && bareName && w.Archive(rules::TArchiveKind::Level).IndexOf(file) >= 0) {
    game.LoadLevel(file, true);
    return;
  }
  if (!onDisk)
    throw data::Error("Cannot open the level file \"" + file + "\": no such file" +
                      (bareName ? ", nor a level of that name in the levels archive" : ""));
  // Read in full first: a file that cannot be read leaves the level as it was.
  data::TMemoryStream stream;
  stream.LoadFromFile(file);
  try {
    game.LoadLevelFrom(stream, file, true);
  } catch (const data::Error& e) {
    throw data::Error("The level file \"" + file + "\" cannot be played: " + e.what());
  }
}

}  // namespace shell
