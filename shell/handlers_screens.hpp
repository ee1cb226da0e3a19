// shell/handlers_screens.hpp — the screens of the game: the main window's
// published handlers that the interface file calls by name, the keyboard
// shortcuts, the attention effect, and the player's files behind them (saved
// games, high scores, extra logos, the resume file).
#pragma once

#include <cstdint>
#include <string>

#include "shell/extra_logos.hpp"
#include "shell/high_scores.hpp"
#include "shell/resume.hpp"

namespace ui {
class TOrlMethodTable;
}

namespace shell {

class TMainWindow;
struct TKeyEvent;

struct TScreenPoint {
  int X = 0;  // screen px
  int Y = 0;
};

class TScreens {
 public:
  explicit TScreens(TMainWindow& window);

  // Publishes every handler by its interface name into the table.
  void Publish(ui::TOrlMethodTable& table);
  // Once the interface is loaded: attention points, score tables, extra logos,
  // the name edit's filter, the title's "Continue", and a check of the handler
  // names the file uses.
  void PrepareScreens();
  // Keyboard shortcuts; true when the key was one.
  bool KeyDown(const TKeyEvent& key);
  void KeyUp(const TKeyEvent& key);
  // After any input in play: the resume file follows the board.
  void AfterInput();
  // Opens a saved game given on the command line once the title shows; a file
  // that cannot be loaded is one message, and the title stays.
  void OpenSavedGameFile(const std::string& path);

  // Title and new game (handlers_flow.cpp).
  void WTitle_BNewGame_MouseUp();
  void WTitle_BQuit_MouseUp();
  void WTitle_LTovrelLink_MouseUp();
  void WTitle_BContinue_MouseUp();
  void WStartGame_BPlay_MouseUp();
  void WStartGame_BBack_MouseUp();
  void WGame_BMenu_MouseUp();
  void WGame_BSwap_MouseUp();
  void WGame_BShuffle_MouseUp();
  void WGame_BShift_MouseUp();
  void WGame_BUndo_MouseUp();
  void WGameMenu_BResume_MouseUp();
  void WBetweenLevel_BNextLevel_MouseUp();
  void WAbortLevel_BOk_MouseUp();
  void WGameOver_BOk_MouseUp();
  void WLevelComplete_BOk_MouseUp();
  void WExitToMainMenu_BOk_MouseUp();
  void AddLogoMouseUp();

  // Saved games (handlers_files.cpp).
  void ListSaved(const char* grid, const char* edit);
  void WLoadGame_GFiles_MouseDown();
  void WSaveGame_GFiles_MouseDown();
  void WLoadGame_BLoad_MouseUp();
  void WSaveGame_BSave_MouseUp();
  void WReplace_BOk_MouseUp();
  void WLoadGame_BDelete_MouseUp();
  void WSaveGame_BDelete_MouseUp();
  void WDelete_BOk_MouseUp();
  void QuickSave();
  // Loads a saved game's file as the load window does; false when it does not
  // exist or its level could not be set up (the title then shows). A damaged
  // file raises data::Error and leaves the running game as it was.
  bool LoadSavedGame(const std::string& path);

  // Options and language (handlers_options.cpp).
  void ShowOptionsState();
  void ShowDisplayBoxes();  // full screen and 32-bit colour, as the display now runs
  void WOptions_BOk_MouseUp();
  void WOptions_BCancel_MouseUp();
  void WOptions_SMusicVolume_Change();
  void WOptions_SSoundVolume_Change();
  void WLanguage_BOk_MouseUp();

  // High scores (handlers_scores.cpp).
  void ShowHighScores();
  void WHighScores_BClear_MouseUp();
  void WClearHighScores_BOk_MouseUp();
  void WGameFinished_BOk_MouseUp();

  // "Continue" on the title while a resume file exists.
  void ShowContinue();
  void StartClickHere(TScreenPoint at);
  void StopClickHere();

  const std::string& SavesFolder() const { return savesFolder; }
  THighScores RealTimeScores, TurnBasedScores;
  TExtraLogos Logos;
  TResumeFile Resume;
  TScreenPoint PlayPoint, NextLevelPoint, ResumePoint;

 private:
  void Set(const std::string& object, const char* property, const std::string& value);
  std::string Caption(const std::string& object);
  bool Checked(const std::string& object);
  std::string TopFormName();
  void BackToTitle();
  void ShowLevelTitle(int level);
  void SetDeadBar(int mode);
  void ResumeOrDrop();
  bool RealTimeSelected();
  void DeleteSavedFile(const char* edit, const char* grid);
  void MakeSavesFolder();  // a failure shows when the save itself cannot be written
  void DebugKey(const TKeyEvent& key);
  // The command line's level file when debug mode plays it, else empty.
  std::string DebugLevelFile();
  // Sets up a level file for a new game: a file on disk, or else a bare name in the levels
  // archive. Raises data::Error naming the file.
  void LoadLevelFile(const std::string& file);
  int SliderPosition(const std::string& slider);  // 0 for a missing slider
  void CheckHandlerNames(const ui::TOrlMethodTable& table);
  TScreenPoint CentreOf(const std::string& object);
  std::string ScoresPath(bool realTime) const;
  std::string SavedPath(const std::string& name);  // raises for a name that is not a file name

  TMainWindow& w;
  std::string savesFolder;
  bool spaceArmed = true;
  bool playingLevelFile = false;  // the level in play came from the command line's level file
};

}  // namespace shell
