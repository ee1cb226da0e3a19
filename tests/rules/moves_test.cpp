// tests/rules/moves_test.cpp
#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

TEST(Moves, RotationStepsThroughTheChainBothWaysAndKeepsTheColour) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFishka& hand = game->Piece(game->HandIndex);
  hand.TypeIndex = world.Type(kTriA, 2);
  game->RotateForward();
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriB, 2));
  game->RotateBackward();
  game->RotateBackward();
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriC, 2));
  // Right button rotates forward, with Shift backward; the wheel down forward.
  game->MouseDown(TRulesGame::kRightButton, false);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriA, 2));
  game->MouseDown(TRulesGame::kRightButton, true);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriC, 2));
  game->MouseWheel(-120);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriA, 2));
  game->MouseWheel(120);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriC, 2));
  EXPECT_EQ(world.Services.Sounds.back(), "rotate.ogg");
  // A shape rotating into itself, and a chain that never closes, stay put both ways.
  for (int shape : {kCell, kBroken}) {
    hand.TypeIndex = world.Type(shape, 1);
    game->RotateForward();
    EXPECT_EQ(hand.TypeIndex, world.Type(shape, 1));
    game->RotateBackward();
    EXPECT_EQ(hand.TypeIndex, world.Type(shape, 1));
  }
}

TEST(Moves, SwapCyclesTheQueueWithBezierFlights) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  const TIntegers before = game->PieceQueue;
  game->MouseMoved(400, 300);
  game->WGame_BSwap_MouseUp();
  EXPECT_EQ(game->PieceQueue, (TIntegers{before[1], before[2], before[0]}));
  EXPECT_EQ(game->HandIndex, before[1]);
  const auto& effects = game->Game.ScreenEffects;
  ASSERT_EQ(effects.size(), 3u);
  EXPECT_EQ(effects[0].Path, "Set Linear; Set Timing 0.3; Path (646,440) (688,356); Ending Stop;");
  EXPECT_EQ(effects[1].Name, "ToMouseMove3");
  EXPECT_EQ(effects[1].Path,
            "Set Bezier; Set Timing 0.15; Path (688,356) (616,314) (400,300); Ending Stop;");
  EXPECT_EQ(effects[2].Path,
            "Set Bezier; Set Timing 0.15; Path (400,300) (462,405) (646,440); Ending Stop;");
  EXPECT_EQ(world.Services.Sounds.back(), "4_change.ogg");
  // A pointer below the slot bends the flights the other way.
  game->MouseMoved(100, 500);
  game->CycleQueue();
  EXPECT_EQ(effects[4].Path,
            "Set Bezier; Set Timing 0.15; Path (688,356) (247,392) (100,500); Ending Stop;");
  EXPECT_EQ(effects[5].Path,
            "Set Bezier; Set Timing 0.15; Path (100,500) (510,485) (646,440); Ending Stop;");
  // The piece flying to the hand keeps aiming at the pointer.
  EXPECT_NO_THROW(game->MouseMoved(120, 480));
  // The space key swaps without the button: the flights still start at the time of the key.
  world.Services.Clock = 7000;
  game->CycleQueue();
  EXPECT_EQ(game->Piece(game->HandIndex).MoveUntil, 7300);
}

TEST(Moves, UndoTakesBackPutsNewestFirstUntilAClear) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  game->UndoPut();  // nothing to undo
  EXPECT_TRUE(world.Services.Sounds.empty());
  const int first = game->HandIndex;
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 2)));
  const int second = game->HandIndex;
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 0)));
  const int count = game->PieceCount();
  game->MouseMoved(300, 200);
  game->WGame_BUndo_MouseUp();
  EXPECT_EQ(game->PieceCount(), count - 1);  // the piece dealt after that put is gone
  EXPECT_EQ(game->HandIndex, second);
  EXPECT_EQ(game->PieceQueue[0], second);
  EXPECT_EQ(game->Piece(second).State, kOffBoard);
  EXPECT_EQ(game->Layer().Occupied.Count(), 12);
  EXPECT_FALSE(game->PaintOrder.Pieces.Contains(second));
  {
    // Hand back to slot 1, slot 1 down to 2, slot 2 out of view, the put piece (at (297, 262),
    // centring offset (34, 21)) up from the board to the pointer.
    const auto& flights = game->Game.ScreenEffects;
    ASSERT_GE(flights.size(), 4u);
    const TPartEffect* last4 = &flights[flights.size() - 4];
    EXPECT_EQ(last4[0].Path, "Set Linear; Set Timing 0.3; Path (300,200) (688,356); Ending Stop;");
    EXPECT_EQ(last4[1].Path, "Set Linear; Set Timing 0.3; Path (688,356) (646,440); Ending Stop;");
    EXPECT_EQ(last4[2].Path, "Set Linear; Set Timing 0.3; Path (646,440) (562,608); Ending Stop;");
    EXPECT_EQ(last4[2].Clip, kQueueClip);
    EXPECT_EQ(last4[3].Path, "Set Linear; Set Timing 0.3; Path (342,352) (300,200); Ending Stop;");
    EXPECT_EQ(last4[3].Clip, kFullScreenClip);
    EXPECT_EQ(game->Piece(second).MoveUntil, 1300);
  }
  EXPECT_EQ(world.Services.Sounds.back(), "8_undo.ogg");
  game->UndoPut();
  EXPECT_EQ(game->HandIndex, first);
  EXPECT_EQ(game->Layer().Occupied.Count(), 8);
  EXPECT_TRUE(game->Game.UndoList.empty());
  // The piece taken back can be put again.
  ASSERT_TRUE(PutHandAt(*game, 6, 4));
  EXPECT_EQ(game->Piece(first).State, kOnBoard);

  // After a clear the list is empty: undo does nothing.
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 2)));
  ASSERT_TRUE(PutHandAt(*game, 5, 5, world.Type(kCell, 2)));
  EXPECT_TRUE(game->Game.UndoList.empty());
  const size_t sounds = world.Services.Sounds.size();
  game->UndoPut();
  EXPECT_EQ(world.Services.Sounds.size(), sounds);
}

TEST(Moves, ShiftLowersTheLineOnlyWhenTheStructureIsNearAndNeverBelowZero) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  // Lowest bottom 294, view bottom 0: far enough, the line stays.
  game->Game.Danger = true;
  game->WGame_BShift_MouseUp();
  EXPECT_EQ(game->Line().CurrentY, 42);
  EXPECT_FALSE(game->Game.Danger);
  EXPECT_EQ(game->Game.Shifts, 2);
  EXPECT_EQ(s.Property("WGame_LShiftCount", "Caption"), "2");
  EXPECT_EQ(s.Sounds.back(), "11_magic.ogg");
  EXPECT_EQ(game->Game.ScreenEffects.back().ImageName, "particle_shift.png");
  // A view close to the structure: the line goes 252 below it, but not under 0.
  game->Line().ScrollY = 100;
  s.Clock = 3000;
  game->WGame_BShift_MouseUp();
  EXPECT_EQ(game->Line().CurrentY, 42);
  EXPECT_EQ(game->Line().ScrollTarget, (42 + 100) / 2 + 1);
  EXPECT_EQ(game->Level.MoveDeadline, 13000);
  game->Line().ScrollY = 200;
  game->Line().CurrentY = 250;
  game->WGame_BShift_MouseUp();
  EXPECT_EQ(game->Line().CurrentY, 42);
  EXPECT_EQ(game->Game.Shifts, 0);
  game->WGame_BShift_MouseUp();
  EXPECT_EQ(game->Game.Shifts, 0);
  TWorld low;
  TLevelPlan plan;
  plan.Layers = {TLevelPlan::Piece("Cell", 2, 4)};
  plan.Bosses = TLevelPlan::Boss(2, 4, 0, true);
  auto near = low.NewGame(kPuzzle, plan);
  near->Line().CurrentY = 60;
  near->Shift();
  EXPECT_EQ(near->Line().CurrentY, 0);
}

TEST(Moves, ShuffleDealsAFreshQueueWhileStockLasts) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  const int count = game->PieceCount();
  game->Game.Shuffles = 1;
  game->WGame_BShuffle_MouseUp();
  EXPECT_EQ(game->Game.Shuffles, 0);
  EXPECT_EQ(world.Services.Property("WGame_LShuffleCount", "Caption"), "0");
  EXPECT_EQ(game->PieceCount(), count);
  EXPECT_EQ(game->PieceQueue, (TIntegers{2, 3, 4}));
  EXPECT_EQ(world.Services.Sounds.back(), "12_magic.ogg");
  const auto& effects = game->Game.ScreenEffects;
  ASSERT_EQ(effects.size(), 5u);
  EXPECT_EQ(effects[0].Path, "Set Linear; Set Timing 0.3; Path (688,356) (814,104); Ending Stop;");
  EXPECT_EQ(effects[2].ImageName, "particle_shuffle.png");
  EXPECT_EQ(effects[4].Path, "Set Linear; Set Timing 0.3; Path (520,692) (646,440); Ending Stop;");
  EXPECT_EQ(effects[4].Clip, kQueueClip);
  const size_t sounds = world.Services.Sounds.size();
  game->WGame_BShuffle_MouseUp();
  EXPECT_EQ(game->Game.Shuffles, 0);
  EXPECT_EQ(world.Services.Sounds.size(), sounds);
}

TEST(Moves, UndoOfThePutThatStartedTheDangerEndsItAndKeepsThePuzzleClock) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  // The structure's lowest bottom is 294; a piece at row 6 has its bottom at 252.
  game->Line().CurrentY = 220;
  ASSERT_FALSE(game->CheckDanger());
  ASSERT_FALSE(game->Game.Danger);
  const TTick deadline = game->Level.MoveDeadline, grace = game->Level.DangerGrace;
  s.Clock = 4000;
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 2)));
  ASSERT_TRUE(game->Game.Danger);
  EXPECT_EQ(game->Level.DangerGrace, 3000);
  EXPECT_EQ(game->Level.MoveDeadline, 4000 + 10000);
  // A pause between the put and the undo moves the remembered clock with the running one.
  s.Clock = 5000;
  game->MarkPause();
  s.Clock = 6500;
  game->ResumeTimers();
  game->UndoPut();
  EXPECT_FALSE(game->Game.Danger);
  EXPECT_EQ(game->Level.MoveDeadline, deadline + 1500);
  EXPECT_EQ(game->Level.DangerGrace, grace);
  EXPECT_EQ(s.Property("WGame_PBDead", "Position"), "0");

  // A danger that was there before the put outlives its undo, clock untouched.
  game->Line().CurrentY = 260;
  game->CheckDanger();
  ASSERT_TRUE(game->Game.Danger);
  const TTick dangerDeadline = game->Level.MoveDeadline;
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 2)));
  game->UndoPut();
  EXPECT_TRUE(game->Game.Danger);
  EXPECT_EQ(game->Level.MoveDeadline, dangerDeadline);
  EXPECT_EQ(game->Level.DangerGrace, 3000);
}
