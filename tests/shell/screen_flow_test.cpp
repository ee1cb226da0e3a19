// tests/shell/screen_flow_test.cpp — a game taken through every window on a headless main
// window: the modes, the menu, giving up a level, game over, level complete, between levels,
// the finished game with a name, the debug keys, the display's colour depth, the language,
// and a saved game written by hand and encoded with zerith-tool.
#include <gtest/gtest.h>

#include <sstream>

#include "app/tool/tool.hpp"
#include "data/files.hpp"
#include "rules/rules_game.hpp"
#include "shell/high_scores.hpp"
#include "shell/saved_games.hpp"
#include "tests/shell/screens_world.hpp"

namespace {

using namespace screens_test;
using rules::gsBetweenLevels;
using rules::gsGamePlay;

constexpr uint16_t kEscape = 27, kUp = 38, kF8 = 119, kF9 = 120, kB = 'B';

// Runs frames until the state is reached; false when it never is within the frames.
bool FramesUntil(TScreensGame& g, int state, int frames = 400) {
  for (int i = 0; i < frames && g.rules().Game.GameState != state; ++i) g.game.Frames(1);
  return g.rules().Game.GameState == state;
}

// Share of the back buffer's pixels that are not black.
double LitShare(shell::TMainWindow& window) {
  const graphics::TFrameView view = window.SurfEngine().View(graphics::kBackBufferName);
  if (!view.Pixels) return 0;
  long lit = 0;
  for (int y = 0; y < view.Height; ++y) {
    const auto* row = static_cast<const uint8_t*>(view.Pixels) + y * view.PitchBytes;
    for (int x = 0; x < view.Width; ++x) {
      const int bytes = view.BitCount / 8;
      bool any = false;
      for (int b = 0; b < bytes; ++b) any |= row[x * bytes + b] != 0;
      lit += any;
    }
  }
  return static_cast<double>(lit) / (view.Width * view.Height);
}

TEST(ScreenFlow, AGameThroughEveryWindowOfPlay) {
  TScreensGame g("flow_windows", 2);
  // Each mode from the start window's buttons; only Strategy shows the puts left.
  for (const auto& [button, mode] : {std::pair{"WStartGame_RBNoLose_MouseUp", rules::kNoLose},
                                     {"WStartGame_RBStrategy_MouseUp", rules::kStrategy},
                                     {"WStartGame_RBPuzzle_MouseUp", rules::kPuzzle}}) {
    g.Call("WTitle_BNewGame_MouseUp");
    EXPECT_EQ(g.rules().Game.Mode, rules::kPuzzle);
    g.Call(button);
    g.Call("WStartGame_BPlay_MouseUp");
    ASSERT_EQ(g.rules().Game.GameState, gsGamePlay) << button;
    EXPECT_EQ(g.rules().Game.Mode, mode);
    EXPECT_EQ(g.Get("WGame_LPutsLeftCount", "Visible"),
              mode == rules::kStrategy ? "True" : "False");
    EXPECT_TRUE(
        g.Get("WGame_PBDead", "BarPicture")
            .starts_with(mode == rules::kStrategy ? "DeadProgressBarGreen" : "DeadProgressBar."));
  }
  g.window().Interface().HideModalList();
  g.window().Interface().ShowModal("WGame");
  // The menu and back.
  g.Key(kEscape);
  EXPECT_EQ(g.Top(), "WGameMenu");
  g.Key(kEscape);
  EXPECT_EQ(g.rules().Game.GameState, gsGamePlay);
  // Giving the level up: between levels with the score the level began with, and on again.
  g.rules().Game.Score = 70;
  g.window().Interface().ShowModal("WAbortLevel");
  g.Call("WAbortLevel_BOk_MouseUp");
  EXPECT_EQ(g.rules().Game.GameState, gsBetweenLevels);
  EXPECT_EQ(g.rules().Game.Score, 0);
  EXPECT_EQ(g.rules().Game.Level, 0);
  g.Call("WBetweenLevel_BNextLevel_MouseUp");
  EXPECT_EQ(g.rules().Game.GameState, gsGamePlay);
  EXPECT_EQ(g.rules().Game.Level, 1);
  // Game over: the level again from its start, and no game left to continue.
  g.rules().Game.Score = 40;
  g.window().SetGameState(rules::gsGameOver);
  g.Call("WGameOver_BOk_MouseUp");
  EXPECT_EQ(g.rules().Game.Score, 0);
  EXPECT_EQ(g.Get("WBetweenLevel_TLevel1", "Visible"), "True");
  EXPECT_FALSE(std::filesystem::exists(g.Saves() + shell::kResumeFile));
  g.Call("WBetweenLevel_BNextLevel_MouseUp");
  ASSERT_EQ(g.rules().Game.Level, 1);
  // The debug key ends the level at once; its window follows when the pieces have burst.
  g.window().Settings().DebugMode = 739;
  g.rules().Game.Score = 500;
  g.Key(kF8);
  ASSERT_TRUE(FramesUntil(g, gsBetweenLevels));
  EXPECT_EQ(g.Top(), "WLevelComplete");
  g.Call("WLevelComplete_BOk_MouseUp");
  EXPECT_TRUE(std::filesystem::exists(g.Saves() + "autosave.sav"));
  EXPECT_EQ(g.Get("WBetweenLevel_TLevel2", "Visible"), "True");
  g.Call("WBetweenLevel_BNextLevel_MouseUp");
  EXPECT_EQ(g.rules().Game.Level, 2);
  EXPECT_EQ(g.rules().Game.PrevScore, 500);
  // The last level: the finished game takes a name into the real-time table.
  g.Key(kF8);
  ASSERT_TRUE(FramesUntil(g, gsBetweenLevels));
  g.Call("WLevelComplete_BOk_MouseUp");
  EXPECT_EQ(g.rules().Game.GameState, rules::gsGameFinished);
  EXPECT_EQ(g.Top(), "WGameFinished");
  g.Type("WGameFinished_EYourName", "Zoe");
  g.Call("WGameFinished_BOk_MouseUp");
  EXPECT_EQ(g.Top(), "WHighScores");
  shell::THighScores table;
  shell::LoadHighScores(g.folder.Folder() + shell::kRealTimeScoresFile, table);
  EXPECT_EQ(table, (shell::THighScores{{"Zoe", 500}}));
  EXPECT_FALSE(std::filesystem::exists(g.Saves() + shell::kResumeFile));
  // Back to the title from a running game.
  g.NewGame(rules::kPuzzle);
  g.window().Interface().ShowModal("WExitToMainMenu");
  g.Call("WExitToMainMenu_BOk_MouseUp");
  EXPECT_EQ(g.rules().Game.GameState, rules::gsTitle);
  EXPECT_EQ(g.Log().find("rror"), std::string::npos) << g.Log();
}

TEST(ScreenFlow, DebugKeysWorkOnlyInDebugMode) {
  using P = rules_test::TLevelPlan;
  P plan;
  std::string layer = P::Piece("Cell", 8, 6);
  for (int col = 3; col <= 9; ++col) layer += P::Piece("Cell", 7, col);
  plan.Layers = {layer, P::Piece("Cell", 8, 6)};
  plan.Bosses = P::Boss(7, 4, 0, false) + P::Boss(8, 6, 1, true);
  TScreensGame g("flow_debug", 1, plan.Xml());
  g.NewGame(rules::kPuzzle);
  ASSERT_EQ(g.rules().Level.Bosses.size(), 2u);
  const int scroll = g.rules().ScrollY;
  for (const uint16_t key : {kB, kUp, kF9}) g.Key(key);
  EXPECT_EQ(g.rules().Level.Bosses.size(), 2u);
  EXPECT_EQ(g.rules().ScrollY, scroll);
  EXPECT_FALSE(g.window().Clock().ShowFps);

  g.window().Settings().DebugMode = 739;
  g.Key(kUp);
  EXPECT_EQ(g.rules().ScrollY, scroll + 1);
  EXPECT_EQ(g.rules().CurrentY, scroll + 1);
  g.Key(kF9);
  EXPECT_TRUE(g.window().Clock().ShowFps);
  // B kills the first boss; the piece that carried it carries none.
  const rules::TBoss second = g.rules().Level.Bosses[1];
  g.Key(kB);
  ASSERT_EQ(g.rules().Level.Bosses.size(), 1u);
  EXPECT_EQ(g.rules().Level.Bosses[0].X, second.X);
  for (const auto& piece : g.rules().Layer().Pieces) EXPECT_LE(piece.BossIndex, 0);
  // F8 ends the level as the last clear would: the pieces burst, their bosses die.
  g.Key(kF8);
  EXPECT_TRUE(g.rules().Level.LevelDone);
  EXPECT_TRUE(g.rules().Level.Bosses.empty());
  EXPECT_TRUE(g.Board().empty());
  EXPECT_TRUE(FramesUntil(g, gsBetweenLevels, 200));
  // Ctrl+F8 moves on to the next layer.
  g.NewGame(rules::kPuzzle);
  g.Key(kF8, ui::ssCtrl);
  EXPECT_EQ(g.rules().Level.CurrentLayer, 1);
  EXPECT_FALSE(g.rules().Level.LevelDone);
}

TEST(ScreenFlow, ColourDepthAndFullScreenChangesRebuildEverySurface) {
  TScreensGame g("flow_depth");
  g.window().Settings().FullScreenMode = 1;
  g.window().Settings().BitsPerPixel = 32;
  g.NewGame(rules::kPuzzle);
  g.game.Frames(5);
  ASSERT_GT(LitShare(g.window()), 0.5);
  graphics::TFrameView title = g.window().SurfEngine().View("Title.jpg");
  ASSERT_NE(title.Pixels, nullptr);
  const std::vector<uint8_t> before(static_cast<const uint8_t*>(title.Pixels),
                                    static_cast<const uint8_t*>(title.Pixels) + 4 * 800);
  for (const int depth : {16, 32}) {
    g.window().Interface().SetObjectProperty("WOptions_CBFullScreen", "Checked", "true");
    g.window().Interface().SetObjectProperty("WOptions_CB32bitColor", "Checked",
                                             depth == 32 ? "true" : "false");
    g.Call("WOptions_BOk_MouseUp");
    EXPECT_EQ(g.window().Settings().BitsPerPixel, depth);
    EXPECT_EQ(g.window().Settings().FullScreenMode, 1);
    g.game.Frames(5);
    EXPECT_EQ(g.window().SurfEngine().View(graphics::kBackBufferName).BitCount, depth);
    EXPECT_GT(LitShare(g.window()), 0.5) << depth << " bits";
    EXPECT_NE(data::ReadWholeFile(g.folder.Folder() + "options.cfg")
                  .find("BitsPerPixel=" + std::to_string(depth)),
              std::string::npos);
  }
  // Back in 32 bits the pictures are read again, not widened from their 16-bit copies.
  title = g.window().SurfEngine().View("Title.jpg");
  ASSERT_NE(title.Pixels, nullptr);
  EXPECT_EQ(std::vector<uint8_t>(static_cast<const uint8_t*>(title.Pixels),
                                 static_cast<const uint8_t*>(title.Pixels) + 4 * 800),
            before);
  // Alt+Enter leaves full screen; the options window's box follows, so its OK keeps the mode.
  platform::TEvent altEnter;
  altEnter.Kind = platform::TEventKind::KeyDown;
  altEnter.Key = 13;
  altEnter.Mods = ui::ssAlt;
  g.game.events->Push(altEnter);
  g.game.Frames(3);
  EXPECT_EQ(g.window().Settings().FullScreenMode, 0);
  EXPECT_EQ(g.Get("WOptions_CBFullScreen", "Checked"), "False");
  g.Call("WOptions_BOk_MouseUp");
  EXPECT_EQ(g.window().Settings().FullScreenMode, 0);
  EXPECT_GT(LitShare(g.window()), 0.5);
  EXPECT_EQ(g.rules().Game.GameState, gsGamePlay);
  EXPECT_EQ(g.Log().find("Cannot"), std::string::npos) << g.Log();
}

TEST(ScreenFlow, ChosenLanguageIsShownAndRemembered) {
  TScreensGame g("flow_language");
  const std::string lng = g.folder.Folder() + "lng/";
  std::filesystem::create_directories(lng);
  const auto pack = [](const std::string& caption) {
    return "<OrlInterface>\n" +
           shell_test::Obj("TOrlLabel", {{"Name", "WGame_BSwap"}, {"Caption", caption}}) +
           "</OrlInterface>\n";
  };
  data::WriteFileAtomically(lng + "ENU_1.lng", pack("Swap"));
  data::WriteFileAtomically(lng + "DEU_2.lng", pack("Tauschen"));
  data::TMemoryStream window("<OrlInterface>\n" + shell_test::Form("WLanguage") +
                             Labelled("TOrlRadioButton", "WLanguage", "WLanguage_RBENU") +
                             "</OrlInterface>\n");
  g.window().Interface().LoadFromStream(window);
  EXPECT_EQ(g.window().Languages().BuildLanguageList(), 1);
  g.window().Interface().SetObjectProperty("WLanguage_RBENU", "Checked", "false");
  g.window().Interface().SetObjectProperty("WLanguage_RBDEU", "Checked", "true");
  g.Call("WLanguage_BOk_MouseUp");
  EXPECT_EQ(g.Get("WGame_BSwap", "Caption"), "Tauschen");
  EXPECT_NE(data::ReadWholeFile(g.folder.Folder() + "config/Tovrel/Zerith/values.cfg").find("DEU"),
            std::string::npos);
}

// A save written from the format's table, encoded by zerith-tool, shows exactly its board.
TEST(ScreenFlow, HandWrittenSaveEncodedByTheToolShowsTheStatedBoard) {
  TScreensGame g("flow_hand_save");
  g.NewGame(rules::kPuzzle);
  const auto levelBoard = g.Board();
  ASSERT_EQ(levelBoard.size(), 8u);
  // Three of the level's places (x and y as a level file writes them), in other colours.
  using P = rules_test::TLevelPlan;
  const rules::TCatalogues& cat = g.window().Catalogues();
  const int blue = cat.TypeWithShapeAndColor(0, 2), green = cat.TypeWithShapeAndColor(0, 1);
  std::string pieces;
  const std::tuple<int, int, int> stated[] = {{7, 3, blue}, {7, 4, green}, {8, 6, blue}};
  for (const auto& [row, col, type] : stated) {
    std::string tag = P::Piece("Cell", row, col);
    tag = tag.substr(0, tag.find(" Shape="));
    pieces += tag + " FType=\"" + std::to_string(type) + "\" N=\"1\" BType=\"3\"/>\n";
  }
  const std::string plain = g.folder.Folder() + "hand.xml";
  data::WriteFileAtomically(
      plain,
      "<GameSave Mode=\"3\" State=\"gsGamePlay\" Level=\"1\" Score=\"250\" "
      "PrevScore=\"100\" PutLeft=\"4\" Shifts=\"1\" Shuffles=\"2\">\n<Layers><Layer>\n" +
          pieces + "</Layer></Layers>\n<Bosses/>\n</GameSave>\n");
  std::ostringstream out, err;
  ASSERT_EQ(tool::RunTool({"encode", plain}, out, err), 0) << err.str();
  data::WriteFileAtomically(g.Saves() + "hand.sav", out.str());

  g.Call("WTitle_BLoadGame_MouseUp");
  g.Type("WLoadGame_ELoadFile", "hand");
  g.Call("WLoadGame_BLoad_MouseUp");
  ASSERT_EQ(g.rules().Game.GameState, gsGamePlay);
  const auto board = g.Board();
  ASSERT_EQ(board.size(), 3u);
  // Each stated piece lies where the level's own piece of that place lies.
  EXPECT_EQ(board[0], std::tuple(std::get<0>(levelBoard[1]), std::get<1>(levelBoard[1]), blue));
  EXPECT_EQ(board[1], std::tuple(std::get<0>(levelBoard[2]), std::get<1>(levelBoard[2]), green));
  EXPECT_EQ(board[2], std::tuple(std::get<0>(levelBoard[0]), std::get<1>(levelBoard[0]), blue));
  for (const auto& piece : g.rules().Layer().Pieces)
    if (piece.State == rules::kOnBoard) {
      EXPECT_EQ(piece.Bonus, 3);
    }
  EXPECT_EQ(g.rules().Game.Mode, rules::kStrategy);
  EXPECT_EQ(g.rules().Game.Score, 250);
  EXPECT_EQ(g.rules().Level.PutLeft, 4);
  EXPECT_EQ(g.Get("WGame_LScoreCount", "Caption"), "250");
  EXPECT_EQ(g.Get("WGame_LPutsLeftCount", "Caption"), "4");
  // Saved again and loaded again: the same pieces at the same places.
  g.Key(113);  // F2
  g.rules().Piece(0).State = rules::kOffBoard;
  g.Type("WLoadGame_ELoadFile", "QuickSave");
  g.Call("WLoadGame_BLoad_MouseUp");
  EXPECT_EQ(g.Board(), board);
  g.game.Frames(3);
  EXPECT_GT(LitShare(g.window()), 0.5);
}

}  // namespace
