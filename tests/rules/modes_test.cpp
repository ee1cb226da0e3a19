// tests/rules/modes_test.cpp
#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

TEST(Modes, DangerStartsWithin40AndDeathOneBelowTheLine) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  // The lowest picture bottom is 294 (row 7).
  game->CurrentY = 254;
  EXPECT_FALSE(game->CheckDanger());
  EXPECT_FALSE(game->Game.Danger);
  game->CurrentY = 255;
  EXPECT_FALSE(game->CheckDanger());
  EXPECT_TRUE(game->Game.Danger);
  EXPECT_EQ(game->Level.DangerGrace, 3000);
  game->CurrentY = 295;  // bottom = line - 1
  EXPECT_FALSE(game->CheckDanger());
  game->CurrentY = 296;  // bottom = line - 2
  EXPECT_TRUE(game->CheckDanger());
}

TEST(Modes, PuzzleLineRisesOnTimeFillsTheBarBlinksAndGivesOneSecondChance) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  EXPECT_EQ(game->CurrentY, 42);
  game->UpdateRules(11000);
  EXPECT_EQ(game->CurrentY, 42);
  game->UpdateRules(11001);
  EXPECT_EQ(game->CurrentY, 84);
  EXPECT_EQ(game->ScrollTarget, game->ScrollY + 21);
  EXPECT_EQ(game->Level.MoveDeadline, 21001);

  game->CurrentY = 260;  // 34 below the lowest bottom: danger from the next check on
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
  EXPECT_EQ(game->CurrentY, 260);
  game->UpdateRules(deadline + 3001);
  EXPECT_EQ(s.Hints.back(), "WGame_HLose");
  EXPECT_EQ(s.Hints.front(), "WGame_HBoss@300,100");  // the boss came into view on the way
  EXPECT_EQ(game->CurrentY, 294 - 126);
  EXPECT_FALSE(game->Game.SecondChance);
  EXPECT_EQ(game->Game.GameState, gsGamePlay);

  game->CurrentY = 280;
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
  EXPECT_EQ(game->CurrentY, 42);
  ASSERT_TRUE(PutHandAt(*game, 2, 4, world.Type(kCell, colors[4])));
  EXPECT_EQ(game->CurrentY, 84);
  EXPECT_EQ(game->Level.PutLeft, 5);
  EXPECT_EQ(s.Property("WGame_LPutsLeftCount", "Caption"), "5");
  EXPECT_TRUE(game->Game.Danger);  // the lowest bottom, 84, now sits on the line
  EXPECT_EQ(s.Property("WGame_PBDead", "BarPicture"), "DeadProgressBar.png");

  // Undo with PutLeft at StrategicPuts lowers the line again and leaves one put.
  game->UndoPut();
  EXPECT_EQ(game->CurrentY, 42);
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
  EXPECT_EQ(game->CurrentY, 42);
}

TEST(Modes, TheViewGlidesToTheDeadLineAndRests) {
  TWorld world;
  auto game = world.NewGame(kNoLose, ColumnLevel(2));
  ASSERT_EQ(game->CurrentY, 42);
  ASSERT_EQ(game->ScrollY, 0);
  int steps = 0;
  int last = 0;
  for (TTick t = 1000; game->ScrollY < game->CurrentY && steps < 100; t += 30, ++steps) {
    game->UpdateRules(t);
    EXPECT_GE(game->ScrollY, last);
    last = game->ScrollY;
  }
  EXPECT_EQ(game->ScrollY, 42);
  EXPECT_EQ(game->ScrollX, 21);
  EXPECT_EQ(game->ScrollSpeed, 0);
  EXPECT_LT(steps, 20);
  // Downwards the same way.
  game->CurrentY = 0;
  game->ScrollTarget = 21;
  for (TTick t = 5000; game->ScrollY > 0 && t < 8000; t += 30) game->UpdateRules(t);
  EXPECT_EQ(game->ScrollY, 0);
  EXPECT_EQ(game->ScrollX, 0);
}
