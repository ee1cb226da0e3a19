// tests/rules/modes_test.cpp
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

TEST(Modes, ANewGameStartsWithFullStocksAndTheBarOfItsMode) {
  for (int mode : {kNoLose, kPuzzle, kStrategy}) {
    TWorld world;
    TFakeServices& s = world.Services;
    TRulesGame game(world.Catalogues, s);
    game.Line().CurrentY = game.Line().ScrollY = 300;
    game.Game.Score = 70;
    game.StartNewGame(mode);
    const bool strategy = mode == kStrategy;
    EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "0");
    EXPECT_EQ(s.Property("WGame_PBDead", "BarPicture"),
              strategy ? "DeadProgressBarGreen.png" : "DeadProgressBar.png");
    EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Visible"), strategy ? "true" : "false");
    EXPECT_EQ(s.Property("WGame_LScoreCount", "Caption"), "0");
    EXPECT_EQ(s.Property("WGame_LShiftCount", "Caption"), "3");
    EXPECT_EQ(s.Property("WGame_LShuffleCount", "Caption"), "3");
    EXPECT_EQ(game.Line().CurrentY + game.Line().ScrollY + game.Game.PrevScore, 0);
    EXPECT_EQ(game.Game.Level, 1);
    EXPECT_EQ(game.Game.DangerTime, 3000);
    EXPECT_TRUE(game.Game.SecondChance && game.Game.ShowBossHint && game.Game.ShowPutHint);
  }
}

TEST(Modes, TheFirstHandPieceIsHeldAtThePointerBeforeItMoves) {
  TWorld world;
  TRulesGame game(world.Catalogues, world.Services);
  game.MouseMoved(412, 333);  // over the title's buttons, before play
  game.StartNewGame(kPuzzle);
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level1.xml", ColumnLevel(2).Xml());
  game.LoadLevel("Level1.xml", true);
  ASSERT_TRUE(game.HasHand());
  const int x = game.Piece(game.HandIndex).X, y = game.Piece(game.HandIndex).Y;
  EXPECT_TRUE(x != 0 || y != 0);
  game.CentrePieceOnCursor(game.HandIndex);
  EXPECT_EQ(game.Piece(game.HandIndex).X, x);
  EXPECT_EQ(game.Piece(game.HandIndex).Y, y);
}

TEST(Modes, DangerStartsWithin40AndDeathOneBelowTheLine) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  // The lowest picture bottom is 294 (row 7).
  game->Line().CurrentY = 254;
  EXPECT_FALSE(game->CheckDanger());
  EXPECT_FALSE(game->Game.Danger);
  game->Line().CurrentY = 255;
  EXPECT_FALSE(game->CheckDanger());
  EXPECT_TRUE(game->Game.Danger);
  EXPECT_EQ(game->Level.DangerGrace, 3000);
  game->Line().CurrentY = 295;  // bottom = line - 1
  EXPECT_FALSE(game->CheckDanger());
  game->Line().CurrentY = 296;  // bottom = line - 2
  EXPECT_TRUE(game->CheckDanger());
}

TEST(Modes, PuzzleLineRisesOnTimeFillsTheBarBlinksAndGivesOneSecondChance) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  EXPECT_EQ(game->Line().CurrentY, 42);
  game->UpdateRules(11000);
  EXPECT_EQ(game->Line().CurrentY, 42);
  game->UpdateRules(11001);
  EXPECT_EQ(game->Line().CurrentY, 84);
  EXPECT_EQ(game->Line().ScrollTarget, game->Line().ScrollY + 21);
  EXPECT_EQ(game->Level.MoveDeadline, 21001);

  game->Line().CurrentY = 260;  // 34 below the lowest bottom: danger from the next check on
  game->CheckDanger();
  ASSERT_TRUE(game->Game.Danger);
  const TTick start = game->Game.DangerStart;
  game->UpdateRules(start + 5000);
  EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "50");
  const TTick deadline = game->Level.MoveDeadline;
  s.Sounds.clear();
  game->UpdateRules(deadline);
  EXPECT_EQ(s.Property("WGame_PBDead", "BarPicture"), "DeadProgressBarOn.png");
  game->UpdateRules(deadline + 100);
  game->UpdateRules(deadline + 300);
  EXPECT_EQ(s.Property("WGame_PBDead", "BarPicture"), "DeadProgressBar.png");
  EXPECT_EQ(s.Sounds, (std::vector<std::string>{"alert.ogg", "alert.ogg"}));
  // The rise comes DangerTime after the bar filled; the piece then lies below the line.
  game->UpdateRules(deadline + 3000);
  EXPECT_EQ(game->Line().CurrentY, 260);
  game->UpdateRules(deadline + 3001);
  EXPECT_EQ(s.Hints.back(), "WGame_HLose");
  EXPECT_EQ(s.Hints.front(), "WGame_HBoss@300,100");  // the boss came into view on the way
  EXPECT_EQ(game->Line().CurrentY, 294 - 126);
  EXPECT_FALSE(game->Game.SecondChance);
  EXPECT_EQ(game->Game.GameState, gsGamePlay);

  game->Line().CurrentY = 280;
  game->UpdateRules(game->Level.MoveDeadline + game->Level.DangerGrace + 1);
  EXPECT_EQ(s.Windows, (std::vector<std::string>{"WGameOver"}));
  EXPECT_EQ(game->Game.GameState, gsGameOver);
  EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "100");
  EXPECT_EQ(s.Sounds.back(), "10_looser.ogg");
  EXPECT_GE(s.MusicStops, 1);
}

TEST(Modes, StrategyRaisesTheLineEveryFifthPut) {
  TWorld world;
  auto game = world.NewGame(kStrategy, ColumnLevel(2));
  TFakeServices& s = world.Services;
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  EXPECT_EQ(game->Level.PutLeft, 5);
  const int colors[5] = {2, 0, 2, 0, 2};
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(PutHandAt(*game, 6 - i, 4, world.Type(kCell, colors[i])));
    EXPECT_EQ(game->Level.PutLeft, 4 - i);
    EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), std::to_string(4 - i));
  }
  EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "80");
  EXPECT_EQ(game->Line().CurrentY, 42);
  ASSERT_TRUE(PutHandAt(*game, 2, 4, world.Type(kCell, colors[4])));
  EXPECT_EQ(game->Line().CurrentY, 84);
  EXPECT_EQ(game->Level.PutLeft, 5);
  EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), "5");
  EXPECT_TRUE(game->Game.Danger);  // the lowest bottom, 84, now sits on the line
  EXPECT_EQ(s.Property("WGame_PBDead", "BarPicture"), "DeadProgressBar.png");

  // Undo with PutLeft at StrategicPuts lowers the line again and leaves one put.
  game->UndoPut();
  EXPECT_EQ(game->Line().CurrentY, 42);
  EXPECT_EQ(game->Level.PutLeft, 1);
  EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), "1");
  // With one put left in danger the bar blinks green and red.
  game->Game.Danger = true;
  s.Sounds.clear();
  game->UpdateRules(5000);
  game->UpdateRules(5500);
  EXPECT_EQ(s.Sounds, (std::vector<std::string>{"alert.ogg"}));
}

TEST(Modes, NoLoseNeverRisesAndPausesDoNotBringARiseNearer) {
  TWorld world;
  auto calm = world.NewGame(kNoLose, ColumnLevel(2));
  for (TTick t = 1000; t < 200000; t += 997) calm->UpdateRules(t);
  EXPECT_EQ(calm->CurrentY, 42);
  EXPECT_EQ(calm->Game.GameState, gsGamePlay);

  TWorld other;
  auto game = other.NewGame(kPuzzle, ColumnLevel(2));
  other.Services.Clock = 5000;
  game->MarkPause();
  other.Services.Clock = 105000;
  game->ResumeTimers();
  EXPECT_EQ(game->Level.MoveDeadline, 11000 + 100000);
  game->UpdateRules(110999);
  EXPECT_EQ(game->Line().CurrentY, 42);
}

TEST(Modes, TheViewGlidesToTheDeadLineSpeedingUpToTheMidpointThenSlowing) {
  TWorld world;
  auto game = world.NewGame(kNoLose, ColumnLevel(2));
  // Lowest bottom 294: the line goes to 42 and the midpoint to (294 - 252) / 2 + 1.
  ASSERT_EQ(game->Line().CurrentY, 42);
  ASSERT_EQ(game->Line().ScrollTarget, 22);
  std::vector<int> ys, xs;
  for (TTick t = 1000; t < 1300; t += 30) {
    game->UpdateRules(t);
    game->UpdateRules(t + 10);  // between steps nothing moves
    ys.push_back(game->Line().ScrollY);
    xs.push_back(game->Line().ScrollX);
  }
  EXPECT_EQ(ys, (std::vector<int>{1, 3, 6, 10, 15, 21, 28, 34, 39, 42}));
  EXPECT_EQ(xs, (std::vector<int>{0, 1, 3, 5, 7, 10, 14, 17, 19, 21}));
  EXPECT_EQ(game->Line().ScrollSpeed, 0);
  EXPECT_EQ(game->Line().ScrollTarget, 42);
  // Downwards the same way, mirrored.
  game->Line().CurrentY = 0;
  game->Line().ScrollTarget = 21;
  ys.clear();
  for (TTick t = 5000; t < 5300; t += 30) {
    game->UpdateRules(t);
    ys.push_back(game->Line().ScrollY);
  }
  EXPECT_EQ(ys, (std::vector<int>{41, 39, 36, 32, 27, 21, 14, 8, 3, 0}));
  EXPECT_EQ(game->Line().ScrollX, 0);
}

TEST(Modes, ClearingTheMainPieceDealsTheNextLayerAtTheCursor) {
  TWorld world;
  TFakeServices& s = world.Services;
  auto game = world.NewGame(kStrategy, ColumnLevel(3, 2));
  for (int i = 0; i < 3; ++i) Paint(*game, i, 1);
  s.Clock = s.FrameStart = 5000;
  // The main boss's power 2 asks one more piece in Strategy: four clear.
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
  EXPECT_EQ(game->Level.CurrentLayer, 1);
  EXPECT_FALSE(game->Level.LayerDone);
  EXPECT_EQ(game->Game.Score, 40);
  EXPECT_EQ(s.Sounds, (std::vector<std::string>{"2_crystal.ogg", "5_crystal.ogg"}));
  EXPECT_EQ(game->PieceQueue, (TIntegers{3, 4, 5}));
  EXPECT_EQ(game->HandIndex, 3);
  // The cursor stayed at (342, 352); the new hand piece is held there.
  EXPECT_EQ(game->Piece(3).X, 342 - 34);
  EXPECT_EQ(game->Piece(3).Y, 352 - 21);
  EXPECT_FALSE(game->Level.SnapFrags.Empty());
  EXPECT_EQ(game->Line().ScrollStepTick, 6000);
  EXPECT_EQ(game->Level.MoveDeadline, 15000);
  EXPECT_EQ(game->Level.PutLeft, 5);
  EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), "5");
  EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "0");
  const auto& flights = game->Game.ScreenEffects;
  ASSERT_EQ(flights.size(), 3u);
  EXPECT_EQ(flights[0].Name, "ToMouseMove2");
  EXPECT_EQ(flights[0].Path, "Set Linear; Set Timing 0.3; Path (688,356) (342,352); Ending Stop;");
  EXPECT_EQ(flights[1].Path, "Set Linear; Set Timing 0.3; Path (646,440) (688,356); Ending Stop;");
  EXPECT_EQ(flights[2].Path, "Set Linear; Set Timing 0.3; Path (520,692) (646,440); Ending Stop;");
  EXPECT_EQ(flights[2].Clip, kQueueClip);
  // The next layer's main boss is now the only one.
  ASSERT_EQ(game->Level.Bosses.size(), 1u);
  EXPECT_EQ(game->Piece(game->Layer().MainIndex).BossIndex, 0);
}

TEST(Modes, ANextLevelStartsWithTheLineAtTheBottomAndShowsItsPuts) {
  // Level 2 stands low: its lowest bottom, 126, leaves no room to lift the line.
  TLevelPlan low;
  low.Layers = {TLevelPlan::Piece("Cell", 4, 4) + TLevelPlan::Piece("Cell", 3, 4)};
  low.Bosses = TLevelPlan::Boss(4, 4, 0, true);
  for (int mode : {kPuzzle, kStrategy}) {
    TWorld world;
    TFakeServices& s = world.Services;
    auto game = world.NewGame(mode, ColumnLevel(2));
    AddEntry(s.Archive(TArchiveKind::Level), "Level2.xml", low.Xml());
    game->Line().CurrentY = game->Line().ScrollY = game->Line().ScrollTarget =
        168;  // level 1 rose four rows
    game->Level.PutLeft = 2;
    game->StartNextLevel();
    EXPECT_EQ(game->Line().CurrentY, 0);
    EXPECT_EQ(game->Line().ScrollY, 0);
    if (mode == kStrategy) {
      EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), "5");
      EXPECT_EQ(s.Property("WGame_PBDead", "BarPicture"), "DeadProgressBarGreen.png");
      continue;
    }
    game->UpdateRules(11001);  // the first rise: one row, the structure well above it
    EXPECT_EQ(game->Line().CurrentY, 42);
    EXPECT_EQ(std::count(s.Hints.begin(), s.Hints.end(), "WGame_HLose"), 0);
    EXPECT_FALSE(game->Game.Danger);
  }
}

TEST(Modes, TheLastStrategicPutLosesWhenItSinksAPieceBelowTheLine) {
  TWorld world;
  TFakeServices& s = world.Services;
  auto game = world.NewGame(kStrategy, ColumnLevel(2));
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  game->Line().CurrentY = 252;
  game->Level.PutLeft = 1;
  // The put's bottom, 252, lies below the risen line at 294: the second chance drops the line.
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 2)));
  EXPECT_EQ(s.Hints.back(), "WGame_HLose");
  EXPECT_EQ(game->Line().CurrentY, 252 - 126);
  EXPECT_EQ(game->Line().ScrollTarget, 63);
  EXPECT_EQ(game->Level.PutLeft, 5);
  EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), "5");
  EXPECT_EQ(game->Game.GameState, gsGamePlay);
  game->Line().CurrentY = 210;
  game->Level.PutLeft = 1;
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 0)));
  EXPECT_EQ(game->Game.GameState, gsGameOver);
  EXPECT_EQ(s.Windows, (std::vector<std::string>{"WGameOver"}));
  EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "100");
  EXPECT_EQ(s.Sounds.back(), "10_looser.ogg");
}
