// shell/handlers_flow.cpp — the screens' flow: title, new game, the game's
// buttons, the in-game menu, between levels, level end and game over, and the
// attention effect.
#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/text_helpers.hpp"
#include "platform/open_link.hpp"
#include "rules/effect_runner.hpp"
#include "shell/handlers_screens.hpp"
#include "shell/main_window.hpp"
#include "shell/saved_games.hpp"
#include "shell/sound_table.hpp"
#include "ui/form.hpp"
#include "ui/interface_object.hpp"

namespace shell {

using rules::TRulesGame;

namespace {
constexpr const char* kClickHere = "ClickHereEffect";
}  // namespace

TScreens::TScreens(TMainWindow& window)
    : Resume(window.UserFolder() + kSavesFolder),
      w(window),
      savesFolder(window.UserFolder() + kSavesFolder) {}

void TScreens::Set(const std::string& object, const char* property, const std::string& value) {
  w.Interface().SetObjectProperty(object, property, value);
}

std::string TScreens::Caption(const std::string& object) {
  return w.Interface().GetObjectProperty(object, "Caption").value_or("");
}

bool TScreens::Checked(const std::string& object) {
  // Boolean properties read back as "True" or "False".
  return data::SameText(w.Interface().GetObjectProperty(object, "Checked").value_or(""), "true");
}

std::string TScreens::TopFormName() {
  const ui::TOrlForm* top = w.Interface().TopForm();
  return top ? top->Name() : std::string();
}

TScreenPoint TScreens::CentreOf(const std::string& object) {
  const auto* found =
      dynamic_cast<const ui::TOrlInterfaceObject*>(w.Interface().FindObject(object));
  if (!found) return {};
  return {found->AbsLeft() + found->Width() / 2, found->AbsTop() + found->Height() / 2};
}

void TScreens::StartClickHere(TScreenPoint at) {
  rules::TPartEffect entry;
  entry.Name = kClickHere;
  entry.ImageName = "particle1.png";
  entry.X = at.X;
  entry.Y = at.Y;
  entry.Clip = rules::kFullScreenClip;
  entry.StartAt = w.Now();
  rules::StartPartEffect(entry, w.EffectTemplate(rules::kSlotClickHere), w.Now());
  w.Rules().Game.ScreenEffects.push_back(std::move(entry));
}

void TScreens::StopClickHere() {
  auto& effects = w.Rules().Game.ScreenEffects;
  std::erase_if(effects, [](const rules::TPartEffect& e) { return e.Name == kClickHere; });
}

void TScreens::ShowContinue() {
  Set("WTitle_BContinue", "Visible", Resume.Exists() ? "true" : "false");
}

void TScreens::BackToTitle() {
  w.SetGameState(rules::gsTitle);
  w.Interface().HideModalList();
  w.Interface().ShowModal("WTitle");
  StopClickHere();
  ShowContinue();
}

void TScreens::ShowLevelTitle(int level) {
  Set("WBetweenLevel_TLevel" + std::to_string(level), "Visible", "true");
}

void TScreens::SetDeadBar(int mode) {
  Set("WGame_PBDead", "Position", "0");
  Set("WGame_PBDead", "BarPicture",
      mode == rules::kStrategy ? "DeadProgressBarGreen.png" : "DeadProgressBar.png");
}

// The resume file follows the board in play and goes once the game is over.
void TScreens::AfterInput() {
  const int state = w.Rules().Game.GameState;
  if (state == rules::gsGameOver || state == rules::gsGameFinished) {
    Resume.Delete();
  } else if (state == rules::gsGamePlay && !playingLevelFile) {
    // A level file is not in the set: restored, its level number would set up another level.
    try {
      Resume.Update(w.Rules());
    } catch (const data::Error& e) {
      // Play goes on without a resume file; the player hears of it once in the
      // log.
      w.Log().WriteLog(e.what());
    }
  }
}

void TScreens::WTitle_BNewGame_MouseUp() {
  Set("WStartGame_RBPuzzle", "Checked", "true");
  w.Rules().Game.Mode = rules::kPuzzle;
  w.Rules().Game.Danger = false;
  Set("WGame_PBDead", "Position", "0");
  StartClickHere(PlayPoint);
}

void TScreens::WTitle_BQuit_MouseUp() {
  w.Close();
}

void TScreens::WTitle_LTovrelLink_MouseUp() {
  platform::OpenLink(w.ProgramFolder() + "Tovrel.url");
}

void TScreens::WTitle_BContinue_MouseUp() {
  if (!Resume.Exists()) return;
  LoadSavedGame(Resume.Path());
}

void TScreens::WStartGame_BPlay_MouseUp() {
  TRulesGame& game = w.Rules();
  game.StartNewGame(game.Game.Mode);
  const std::string levelFile = DebugLevelFile();
  try {
    if (levelFile.empty())
      game.LoadLevel(TRulesGame::LevelEntryName(1), true);
    else
      LoadLevelFile(levelFile);
  } catch (const data::Error&) {
    BackToTitle();
    throw;
  }
  playingLevelFile = !levelFile.empty();
  if (playingLevelFile) {
    // A new game gives up the one a restart would have continued.
    Resume.Delete();
    w.Log().WriteLog("New game on the level file \"" + levelFile + "\"");
  }
  w.SetGameState(rules::gsGamePlay);
  Set("WGame_LShiftCount", "Caption", "3");
  Set("WGame_LShuffleCount", "Caption", "3");
  Set("WGame_LLevelCount", "Caption", "1");
  Set("WGame_LScoreCount", "Caption", std::to_string(game.Game.Score));
  ShowLevelTitle(game.Game.Level);
  SetDeadBar(game.Game.Mode);
  const bool strategy = game.Game.Mode == rules::kStrategy;
  Set("WGame_LPutsLeftCount", "Visible", strategy ? "true" : "false");
  if (strategy) Set("WGame_LPutsLeftCount", "Caption", std::to_string(game.Level.PutLeft));
  game.Game.ShowBossHint = game.Game.SecondChance = game.Game.ShowPutHint = true;
  w.ShowHint("WGame_HPutFishka");
  StopClickHere();
  AfterInput();
}

void TScreens::WStartGame_BBack_MouseUp() {
  StopClickHere();
}

void TScreens::WGame_BMenu_MouseUp() {
  w.MarkPause();
  w.SetGameState(rules::gsGameMenu);
  StartClickHere(ResumePoint);
}

void TScreens::WGame_BSwap_MouseUp() {
  w.Rules().WGame_BSwap_MouseUp();
  AfterInput();
}

void TScreens::WGame_BShuffle_MouseUp() {
  w.Rules().WGame_BShuffle_MouseUp();
  AfterInput();
}

void TScreens::WGame_BShift_MouseUp() {
  w.Rules().WGame_BShift_MouseUp();
  AfterInput();
}

void TScreens::WGame_BUndo_MouseUp() {
  w.Rules().WGame_BUndo_MouseUp();
  AfterInput();
}

void TScreens::WGameMenu_BResume_MouseUp() {
  w.SetGameState(rules::gsGamePlay);
  w.ResumeTimers();
  StopClickHere();
}

void TScreens::WBetweenLevel_BNextLevel_MouseUp() {
  TRulesGame& game = w.Rules();
  try {
    game.StartNextLevel();
  } catch (const data::Error&) {
    BackToTitle();
    throw;
  }
  playingLevelFile = false;
  w.SetGameState(rules::gsGamePlay);
  Set("WGame_LLevelCount", "Caption", std::to_string(game.Game.Level));
  StopClickHere();
  AfterInput();
}

void TScreens::WAbortLevel_BOk_MouseUp() {
  TRulesGame& game = w.Rules();
  w.SetGameState(rules::gsBetweenLevels);
  game.Game.Level -= 1;
  game.Game.Score = game.Game.PrevScore;
  Set("WGameFinished_LYourScoreCount", "Caption", std::to_string(game.Game.Score));
  w.StopMusic();
  w.PlayMusic(std::string(kMenuMusic));
  StopClickHere();
  StartClickHere(NextLevelPoint);
  // The level is given up, not the game: a restart offers the level again.
  Resume.WriteBetweenLevels(game);
}

void TScreens::WGameOver_BOk_MouseUp() {
  TRulesGame& game = w.Rules();
  game.Game.Score = game.Game.PrevScore;
  Set("WGameFinished_LYourScoreCount", "Caption", std::to_string(game.Game.Score));
  ShowLevelTitle(game.Game.Level);
  game.Game.Level -= 1;
  w.PlayMusic(std::string(kMenuMusic));
  Resume.Delete();
}

void TScreens::WLevelComplete_BOk_MouseUp() {
  TRulesGame& game = w.Rules();
  const int next = game.Game.Level + 1;
  if (w.Archive(rules::TArchiveKind::Level).IndexOf(TRulesGame::LevelEntryName(next)) < 0) {
    w.SetGameState(rules::gsGameFinished);
    Set("WGameFinished_LYourScoreCount", "Caption", std::to_string(game.Game.Score));
    w.Interface().ShowModal("WGameFinished");
    const std::string visible = game.Game.Mode == rules::kNoLose ? "false" : "true";
    for (const char* control : {"WGameFinished_LYourScoreCount", "WGameFinished_LYourScore",
                                "WGameFinished_LYourName", "WGameFinished_EYourName"})
      Set(control, "visible", visible);
    Resume.Delete();
    return;
  }
  ShowLevelTitle(next);
  w.PlayMusic(std::string(kMenuMusic));
  StartClickHere(NextLevelPoint);
  MakeSavesFolder();
  SaveGame(SavedGamePath(savesFolder, kAutoSaveName), game);
  Resume.WriteBetweenLevels(game);
}

void TScreens::WExitToMainMenu_BOk_MouseUp() {
  w.SetGameState(rules::gsTitle);
  StopClickHere();
  Resume.Delete();
  ShowContinue();
}

void TScreens::AddLogoMouseUp() {
  const ui::TOrlInterfaceObject* sender = w.Interface().Sender();
  const std::string url = sender ? LogoUrlFor(Logos, sender->Name()) : std::string();
  if (!url.empty()) platform::OpenLink(url);
}

}  // namespace shell
