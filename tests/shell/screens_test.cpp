// tests/shell/screens_test.cpp — the screens on a headless main window: the handler table,
// keyboard shortcuts, the save and load windows, the resume file and the score tables.
#include <gtest/gtest.h>
#include "data/error.hpp"
#include "data/files.hpp"
#include "shell/high_scores.hpp"
#include "shell/saved_games.hpp"
#include "tests/shell/screens_world.hpp"
#include "ui/form.hpp"
#include "ui/grid.hpp"

namespace {

using namespace screens_test;

constexpr uint16_t kSpace = 32, kEscape = 27, kF2 = 113, kEnter = 13;

TEST(Screens, EveryPublishedHandlerIsInTheTableAndUnknownNamesAreLoggedOnce) {
  TScreensGame g("screens_table");
  for (const char* name : {"WTitle_BNewGame_MouseUp",
                           "WTitle_BLoadGame_MouseUp",
                           "WTitle_BHighScores_MouseUp",
                           "WTitle_BQuit_MouseUp",
                           "WTitle_LTovrelLink_MouseUp",
                           "WTitle_BContinue_MouseUp",
                           "WStartGame_RBPuzzle_MouseUp",
                           "WStartGame_RBStrategy_MouseUp",
                           "WStartGame_RBNoLose_MouseUp",
                           "WStartGame_BPlay_MouseUp",
                           "WStartGame_BBack_MouseUp",
                           "WGame_BMenu_MouseUp",
                           "WGame_BSwap_MouseUp",
                           "WGame_BShuffle_MouseUp",
                           "WGame_BShift_MouseUp",
                           "WGame_BUndo_MouseUp",
                           "WGame_BQuickSave_MouseUp",
                           "WGameMenu_BResume_MouseUp",
                           "WGameMenu_BQuit_MouseUp",
                           "WBetweenLevel_BNextLevel_MouseUp",
                           "WBetweenLevel_BSaveGame_MouseUp",
                           "WAbortLevel_BOk_MouseUp",
                           "WGameOver_BOk_MouseUp",
                           "WLevelComplete_BOk_MouseUp",
                           "WGameFinished_BOk_MouseUp",
                           "WExitToMainMenu_BOk_MouseUp",
                           "WHighScores_BClear_MouseUp",
                           "WClearHighScores_BOk_MouseUp",
                           "WLoadGame_GFiles_MouseDown",
                           "WLoadGame_BLoad_MouseUp",
                           "WLoadGame_BDelete_MouseUp",
                           "WSaveGame_GFiles_MouseDown",
                           "WSaveGame_BSave_MouseUp",
                           "WSaveGame_BDelete_MouseUp",
                           "WReplace_BOk_MouseUp",
                           "WDelete_BOk_MouseUp",
                           "AddLogoMouseUp",
                           "YesMouseUp"})
    EXPECT_TRUE(g.window().Handlers().Has(name)) << name;
  const std::string log = data::ReadWholeFile(g.folder.Folder() + "Zerith.log");
  const std::string line = "calls the handler \"NoSuchHandler\"";
  EXPECT_NE(log.find(line), std::string::npos);
  EXPECT_EQ(log.find(line), log.rfind(line));
  EXPECT_EQ(log.find("WOptions_BOk_MouseUp\", which"), std::string::npos);
}

TEST(Screens, OptionsCancelPutsBackTheStoredVolumes) {
  TScreensGame g("screens_options");
  g.window().Settings().MusicVolume = 10;  // as a slider would leave it
  g.Call("WOptions_BCancel_MouseUp");
  EXPECT_EQ(g.window().Settings().MusicVolume, 100);
  g.window().Interface().SetObjectProperty("WOptions_CBTurnOffHints", "Checked", "true");
  g.Call("WOptions_BOk_MouseUp");
  EXPECT_EQ(g.window().Settings().TurnOffHint, 1);
  EXPECT_NE(data::ReadWholeFile(g.folder.Folder() + "options.cfg").find("TurnOffHint=1"),
            std::string::npos);
}

TEST(Screens, QuickSaveSaveReplaceLoadAndDeleteThroughTheWindows) {
  TScreensGame g("screens_files");
  g.NewGame(rules::kPuzzle);
  ASSERT_EQ(g.rules().Game.GameState, rules::gsGamePlay);
  const auto board = g.Board();
  g.Key(kF2);
  ASSERT_TRUE(std::filesystem::exists(g.Saves() + "QuickSave.sav"));
  // Save under a typed name; a second save under it asks first.
  g.window().Interface().ShowModal("WSaveGame");
  g.Type("WSaveGame_ESaveFile", "one");
  g.Key(kEnter);
  EXPECT_TRUE(std::filesystem::exists(g.Saves() + "one.sav"));
  EXPECT_EQ(g.Top(), "WGame");
  g.window().Interface().ShowModal("WSaveGame");
  g.Call("WSaveGame_BSave_MouseUp");
  EXPECT_EQ(g.Top(), "WReplace");
  g.Call("WReplace_BOk_MouseUp");
  // A name that is a path is refused before any file is touched.
  for (const char* bad : {"../escape", "sub/name", ".hidden"}) {
    g.Type("WSaveGame_ESaveFile", bad);
    EXPECT_THROW(g.Call("WSaveGame_BSave_MouseUp"), data::Error) << bad;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(g.Saves()), {}), 3);  // + resume
  // The board changes, then the load brings the saved one back.
  g.rules().Piece(0).State = rules::kOffBoard;
  g.Call("WTitle_BLoadGame_MouseUp");
  auto* grid = dynamic_cast<ui::TOrlGrid*>(g.window().Interface().FindObject("WLoadGame_GFiles"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->RowCount, 2);  // QuickSave and one; never the resume file
  g.Type("WLoadGame_ELoadFile", "one");
  g.Call("WLoadGame_BLoad_MouseUp");
  EXPECT_EQ(g.Board(), board);
  EXPECT_EQ(g.Top(), "WGame");
  // Delete asks, then removes the file and lists again.
  g.window().Interface().ShowModal("WLoadGame");
  g.Call("WLoadGame_BDelete_MouseUp");
  EXPECT_EQ(g.Top(), "WDelete");
  g.Call("WDelete_BOk_MouseUp");
  EXPECT_FALSE(std::filesystem::exists(g.Saves() + "one.sav"));
  EXPECT_EQ(grid->RowCount, 1);
}

TEST(Screens, DamagedSaveLeavesTheRunningGameAndItsFileAlone) {
  TScreensGame g("screens_damaged");
  g.NewGame(rules::kStrategy);
  const auto board = g.Board();
  const int score = g.rules().Game.Score;
  std::filesystem::create_directories(g.Saves());
  const std::string bytes = "not a saved game at all";
  data::WriteFileAtomically(g.Saves() + "bad.sav", bytes);
  g.Type("WLoadGame_ELoadFile", "bad");
  EXPECT_THROW(g.Call("WLoadGame_BLoad_MouseUp"), data::Error);
  EXPECT_EQ(g.Board(), board);
  EXPECT_EQ(g.rules().Game.Score, score);
  EXPECT_EQ(g.rules().Game.Mode, rules::kStrategy);
  EXPECT_EQ(g.rules().Game.GameState, rules::gsGamePlay);
  EXPECT_EQ(data::ReadWholeFile(g.Saves() + "bad.sav"), bytes);
}

TEST(Screens, SpaceSwapsOncePerPressAndEscapeOpensAndClosesTheMenu) {
  TScreensGame g("screens_keys");
  g.NewGame(rules::kPuzzle);
  const auto queue = [&] {
    return std::vector<int>(g.rules().PieceQueue.begin(), g.rules().PieceQueue.end());
  };
  const auto before = queue();
  g.Key(kSpace);
  const auto once = queue();
  EXPECT_NE(once, before);
  g.Key(kSpace);  // auto-repeat while held
  EXPECT_EQ(queue(), once);
  g.KeyUp(kSpace);
  g.Key(kSpace);
  EXPECT_NE(queue(), once);
  const auto deadline = g.rules().Level.MoveDeadline;
  g.Key(kEscape);
  EXPECT_EQ(g.rules().Game.GameState, rules::gsGameMenu);
  EXPECT_EQ(g.Top(), "WGameMenu");
  g.game.Frames(10);  // 160 ms in the menu
  g.Key(kEscape);
  EXPECT_EQ(g.rules().Game.GameState, rules::gsGamePlay);
  EXPECT_NE(g.Top(), "WGameMenu");
  EXPECT_EQ(g.rules().Level.MoveDeadline, deadline + 160);
}

TEST(Screens, ResumeFollowsPlayOffersContinueAndGoesWithTheGame) {
  TScreensGame g("screens_resume");
  g.NewGame(rules::kStrategy);
  const std::string resume = g.Saves() + shell::kResumeFile;
  ASSERT_TRUE(std::filesystem::exists(resume));
  const auto board = g.Board();
  g.rules().Game.Score = 55;
  g.Call("WGame_BSwap_MouseUp");  // any helper move writes the game again
  // Back on the title the game offers to continue, and continuing loads it like a save.
  g.rules().Game.GameState = rules::gsTitle;
  g.rules().Game.Score = 0;
  g.rules().Game.Mode = rules::kPuzzle;
  g.Call("WTitle_BContinue_MouseUp");
  EXPECT_EQ(g.rules().Game.GameState, rules::gsGamePlay);
  EXPECT_EQ(g.rules().Game.Score, 55);
  EXPECT_EQ(g.rules().Game.Mode, rules::kStrategy);
  EXPECT_EQ(g.Board(), board);
  g.Call("WExitToMainMenu_BOk_MouseUp");
  EXPECT_FALSE(std::filesystem::exists(resume));
  EXPECT_EQ(g.window().Interface().GetObjectProperty("WTitle_BContinue", "Visible"), "False");
}

TEST(Screens, FinishedGamesEnterTheirTableAndNoLoseTouchesNoFile) {
  TScreensGame g("screens_scores");
  const std::string realTime = g.folder.Folder() + shell::kRealTimeScoresFile;
  const std::string turnBased = g.folder.Folder() + shell::kTurnBasedScoresFile;
  for (const auto& [mode, score, name] :
       {std::tuple{rules::kPuzzle, 300, "Ann"}, std::tuple{rules::kPuzzle, 300, "Bob"}}) {
    g.NewGame(mode);
    g.rules().Game.Score = score;
    g.rules().Game.GameState = rules::gsBetweenLevels;
    g.Call("WLevelComplete_BOk_MouseUp");  // the folder has one level: the game is finished
    EXPECT_EQ(g.rules().Game.GameState, rules::gsGameFinished);
    g.Type("WGameFinished_EYourName", name);
    g.Call("WGameFinished_BOk_MouseUp");
    EXPECT_EQ(g.Top(), "WHighScores");
  }
  shell::THighScores table;
  shell::LoadHighScores(realTime, table);
  EXPECT_EQ(table, (shell::THighScores{{"Ann", 300}, {"Bob", 300}}));  // ties rank below
  EXPECT_EQ(g.window().Interface().GetObjectProperty("WHighScores_GHighScores", "Position"), "1");
  EXPECT_FALSE(std::filesystem::exists(turnBased));
  // The name edit refuses the quotation mark that would end a name in the file.
  g.Type("WGameFinished_EYourName", "say \"hi\"");
  EXPECT_EQ(g.window().Interface().GetObjectProperty("WGameFinished_EYourName", "Caption"),
            "say hi");
  // NoLose: the title, no name, no file.
  std::filesystem::remove(realTime);
  g.NewGame(rules::kNoLose);
  g.rules().Game.GameState = rules::gsBetweenLevels;
  g.Call("WLevelComplete_BOk_MouseUp");
  g.Call("WGameFinished_BOk_MouseUp");
  EXPECT_EQ(g.Top(), "WTitle");
  EXPECT_FALSE(std::filesystem::exists(realTime));
  EXPECT_FALSE(std::filesystem::exists(turnBased));
  // The real-time table shows while its button is checked; clearing asks only for a table with
  // entries, and empties it and its file.
  shell::SaveHighScores(realTime, {{"Cy", 9}});
  g.window().PrepareScreensHook();
  g.Call("WTitle_BHighScores_MouseUp");
  auto* grid =
      dynamic_cast<ui::TOrlGrid*>(g.window().Interface().FindObject("WHighScores_GHighScores"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->GridCells().size(), 3u);
  g.window().Interface().ShowModal("WHighScores");
  g.Call("WHighScores_BClear_MouseUp");
  EXPECT_EQ(g.Top(), "WClearHighScores");
  g.Call("WClearHighScores_BOk_MouseUp");
  EXPECT_FALSE(std::filesystem::exists(realTime));
  EXPECT_TRUE(grid->GridCells().empty());
  g.window().Interface().HideModalList();
  // An empty table: no question.
  g.window().Interface().SetObjectProperty("WHighScores_RBRealTimePuzzle", "Checked", "true");
  g.window().Interface().ShowModal("WHighScores");
  g.Call("WHighScores_BClear_MouseUp");
  EXPECT_EQ(g.Top(), "WHighScores");
}

}  // namespace
