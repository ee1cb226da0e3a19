// tests/rules/putting_test.cpp
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

namespace {

// A column of five: main (8,4) red with the main boss, then (7,4)..(4,4) in the given colours.
std::unique_ptr<TRulesGame> Column(TWorld& world, int mode, std::vector<int> colors) {
  auto game = world.NewGame(mode, ColumnLevel(static_cast<int>(colors.size())));
  for (int i = 0; i < static_cast<int>(colors.size()); ++i)
    Paint(*game, i, colors[static_cast<size_t>(i)]);
  return game;
}

}  // namespace

TEST(Putting, APutThatTouchesTheStructureFillsItsFragmentsAndAnimatesTheQueue) {
  TWorld world;
  auto game = Column(world, kPuzzle, {0, 1});
  const int hand = game->HandIndex;
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 2)));
  const TFishka& put = game->Piece(hand);
  EXPECT_EQ(put.State, kOnBoard);
  EXPECT_EQ(put.X, 48 * 4 + 21 * 6);
  EXPECT_EQ(put.FlashUntil, 1200);
  EXPECT_EQ(game->Layer().Occupied.Count(), 12);
  EXPECT_EQ(game->Layer().Owners.Last(), hand);
  ASSERT_EQ(game->Game.UndoList.size(), 1u);
  EXPECT_EQ(game->Game.UndoList[0].PieceIndex, hand);
  EXPECT_EQ(world.Services.Hints, (std::vector<std::string>{"WGame_HDisappear"}));
  EXPECT_FALSE(game->Game.ShowPutHint);
  EXPECT_EQ(game->PieceQueue.Count(), 3);
  EXPECT_EQ(game->HandIndex, game->PieceQueue[0]);
  EXPECT_EQ(game->PaintOrder.Count(), 3);
  // The queue moves up: the new hand piece flies to the cursor, the others one slot each.
  const auto& effects = game->Game.ScreenEffects;
  ASSERT_EQ(effects.size(), 3u);
  EXPECT_EQ(effects[0].Name, "ToMouseMove2");
  EXPECT_EQ(effects[0].Path, "Set Linear; Set Timing 0.3; Path (688,356) (" +
                                 std::to_string(game->CursorX) + "," +
                                 std::to_string(game->CursorY) + "); Ending Stop;");
  EXPECT_EQ(effects[1].Path, "Set Linear; Set Timing 0.3; Path (646,440) (688,356); Ending Stop;");
  EXPECT_EQ(effects[2].Path, "Set Linear; Set Timing 0.3; Path (520,692) (646,440); Ending Stop;");
  EXPECT_EQ(effects[2].Clip, kQueueClip);
  EXPECT_EQ(game->Piece(game->PieceQueue[2]).MoveUntil, 1300);
  EXPECT_EQ(world.Services.Property("WGame_LScoreCount", "Caption"), "0");

  // Far from the structure the put fails where the pointer is over the board.
  const int next = game->HandIndex;
  EXPECT_FALSE(PutHandAt(*game, 3, 0));
  EXPECT_EQ(game->Piece(next).State, kDealt);
  EXPECT_EQ(world.Services.Sounds.back(), "9_wrong_place.ogg");
  EXPECT_TRUE(game->OverBoard);
  // A fragment already filled cannot be filled again.
  EXPECT_FALSE(PutHandAt(*game, 7, 4));
}

TEST(Putting, SnappingAcceptsVerticesWithin24Units) {
  TWorld world;
  auto game = Column(world, kPuzzle, {0});
  game->Piece(game->HandIndex).TypeIndex = world.Type(kTriA, 0);
  MoveHandTo(*game, 3, 2);
  TPoint anchor;
  TIntegers covered;
  ASSERT_TRUE(game->SnapPiece(game->HandIndex, anchor, covered));
  EXPECT_EQ(covered, (TIntegers{3 * 40 + 8}));
  game->Piece(game->HandIndex).Y -= 24;  // every vertex 24 higher
  ASSERT_TRUE(game->SnapPiece(game->HandIndex, anchor, covered));
  EXPECT_EQ(covered, (TIntegers{3 * 40 + 8}));
  game->Piece(game->HandIndex).Y -= 1;
  EXPECT_FALSE(game->SnapPiece(game->HandIndex, anchor, covered));
  EXPECT_TRUE(covered.Empty());
  // Null fragments refuse the piece.
  game->Piece(game->HandIndex).Y += 25;
  game->Level.NullFrags.Append(3 * 40 + 8);
  EXPECT_FALSE(game->SnapPiece(game->HandIndex, anchor, covered));
}

TEST(Putting, EdgeSharingChainOfThreeClearsButCornersDoNotJoin) {
  TWorld world;
  auto game = Column(world, kPuzzle, {0, 1, 1});
  // (7,3) red touches the red main piece (8,4) only at a corner: no group, nothing clears.
  ASSERT_TRUE(PutHandAt(*game, 7, 3, world.Type(kCell, 0)));
  EXPECT_EQ(game->Game.Score, 0);
  EXPECT_FALSE(world.Services.Played("2_crystal.ogg"));
  // (5,4) green completes (7,4), (6,4), (5,4).
  const int hand = game->HandIndex;
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
  EXPECT_EQ(game->Game.Score, 30);
  for (int i : {1, 2, hand}) {
    EXPECT_EQ(game->Piece(i).State, kOffBoard);
    EXPECT_TRUE(game->Piece(i).Hit);
  }
  EXPECT_TRUE(world.Services.Played("2_crystal.ogg"));
  EXPECT_TRUE(game->Game.UndoList.empty());
  EXPECT_EQ(game->Layer().Occupied.Count(), 8);  // main and (7,3) remain
  EXPECT_EQ(world.Services.Property("WGame_LScoreCount", "Caption"), "30");
  // The group's outline waits for its start: one contour entry with a closed path.
  ASSERT_FALSE(game->Level.LevelEffects.empty());
  const TPartEffect& contour = game->Level.LevelEffects[0];
  EXPECT_EQ(contour.ImageName, "particle1.png");
  EXPECT_FALSE(contour.Effect);
  EXPECT_EQ(contour.Path.rfind(" Path (", 0), 0u);
  EXPECT_EQ(contour.Path.back(), ';');
  // A second later the cleared records leave the array, and every index follows.
  game->UpdatePieces(1500);
  const TPartEffect& started = game->Level.LevelEffects[0];
  ASSERT_TRUE(started.Effect);
  // The path replaced the template's, and the particles line it about every 10 units.
  const auto* path =
      dynamic_cast<const fx::TOrlPiecewiseFunc*>(started.Effect->Functions().Find("FContour"));
  ASSERT_NE(path, nullptr);
  // Four corners and the four points where the column's cells meet, then the first again.
  EXPECT_EQ(std::count(started.Path.begin(), started.Path.end(), '('), 9);
  const fx::TOrlParticleSystem* system = started.Effect->Systems().Find("SContour");
  EXPECT_EQ(system->InitParticles, static_cast<int>(std::nearbyint(path->TotalLength())) / 10);
  EXPECT_GT(system->InitParticles, 30);
  EXPECT_TRUE(system->InitIntervalDivisor);
  game->UpdatePieces(2001);
  EXPECT_EQ(game->PieceCount(), 8 - 3);
  for (int owner : game->Layer().Owners) EXPECT_LT(owner, game->PieceCount());
  EXPECT_EQ(game->Layer().MainIndex, 0);
}

TEST(Putting, PiecesThatLoseTheirHoldDropForDoublePointsExceptInNoLose) {
  for (int mode : {kPuzzle, kNoLose}) {
    TWorld world;
    auto game = Column(world, mode, {0, 1, 1, 2, 2});
    ASSERT_TRUE(PutHandAt(*game, 7, 5, world.Type(kCell, 1)));
    EXPECT_EQ(game->Game.Score, mode == kNoLose ? 0 : 30 + 2 * 2 * 10);
    for (int i : {3, 4}) {
      EXPECT_EQ(game->Piece(i).State, kOffBoard);
      EXPECT_EQ(game->Piece(i).RemoveAt, 1500);
    }
    EXPECT_EQ(game->Level.DelayedSound, "3_crystal.ogg");
    EXPECT_EQ(game->Level.DelayedSoundTime, 1500);
    // Two contours: the group now, the dropped pair half a second later.
    ASSERT_EQ(game->Level.LevelEffects.size(), 2u);
    EXPECT_EQ(game->Level.LevelEffects[1].StartAt, 1500);
    // The dropped pieces fade from 1500 and leave at 2500.
    game->UpdatePieces(1501);
    EXPECT_TRUE(game->Piece(3).Hit);
    EXPECT_EQ(game->Piece(3).HitUntil, 2501);
    game->UpdateRules(1501);
    EXPECT_TRUE(world.Services.Played("3_crystal.ogg"));
  }
}

TEST(Putting, APieceCountingTwoSurvivesOneClearUnlessHitTwiceWithinASecond) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Layers[0] += TLevelPlan::Piece("Cell", 7, 5, 2);
  auto game = world.NewGame(kNoLose, plan);
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  Paint(*game, 2, 1);
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 1)));  // (7,4), (7,5) and (6,4)
  EXPECT_EQ(game->Piece(2).State, kOnBoard);
  EXPECT_TRUE(game->Piece(2).Hit);
  EXPECT_EQ(game->Piece(2).Count, 2);
  // After the second the hit counts: one clear left.
  world.Services.Clock = world.Services.FrameStart = 2100;
  game->UpdatePieces(2100);
  EXPECT_EQ(game->Piece(2).Count, 1);
  EXPECT_FALSE(game->Piece(2).Hit);

  // Hit again within a second of a hit: removed at once.
  TWorld second;
  auto quick = second.NewGame(kNoLose, plan);
  for (int i = 0; i < 3; ++i) Paint(*quick, i, i == 0 ? 0 : 1);
  ASSERT_TRUE(PutHandAt(*quick, 6, 4, second.Type(kCell, 1)));
  ASSERT_TRUE(PutHandAt(*quick, 6, 5, second.Type(kCell, 1)));
  EXPECT_EQ(quick->Piece(2).State, kOnBoard);  // only two in the group now: nothing cleared
  ASSERT_TRUE(PutHandAt(*quick, 6, 6, second.Type(kCell, 1)));
  EXPECT_EQ(quick->Piece(2).State, kOffBoard);
  EXPECT_EQ(quick->Piece(2).Count, 1);
}

TEST(Putting, ClearingTheMainPieceEndsTheLayerWithoutDropsOrBonuses) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(4, 2));
  for (int i = 0; i < 4; ++i) Paint(*game, i, 1);
  // Boss power 2 in Puzzle: five pieces are needed.
  ASSERT_TRUE(PutHandAt(*game, 4, 4, world.Type(kCell, 1)));
  EXPECT_EQ(game->Level.CurrentLayer, 1);
  EXPECT_FALSE(game->Level.LayerDone);
  EXPECT_TRUE(world.Services.Played("5_crystal.ogg"));
  EXPECT_EQ(game->Game.Score, 50);
  EXPECT_EQ(game->PieceQueue.Count(), 3);
  EXPECT_EQ(game->HandIndex, game->PieceQueue[0]);
  EXPECT_EQ(game->PaintOrder.Count(), 4);
  EXPECT_EQ(game->Level.Bosses.size(), 1u);  // the first layer's main boss died
  EXPECT_EQ(game->Layer().MainIndex, 0);
  EXPECT_EQ(game->Layer().Pieces[0].BossIndex, 0);
  EXPECT_EQ(game->Line().ScrollStepTick, 2000);

  // The last layer ends the level: everything bursts, and three seconds later it is complete.
  for (int i = 0; i < 4; ++i) Paint(*game, i, 2);
  ASSERT_TRUE(PutHandAt(*game, 4, 7, world.Type(kCell, 2)));
  EXPECT_TRUE(game->Level.LevelDone);
  EXPECT_TRUE(world.Services.Played("6_next_level.ogg"));
  EXPECT_TRUE(game->Level.Bosses.empty());
  game->UpdateRules(3999);
  EXPECT_TRUE(world.Services.Windows.empty());
  game->UpdateRules(4001);
  EXPECT_EQ(world.Services.Windows, (std::vector<std::string>{"WLevelComplete"}));
  EXPECT_EQ(game->Game.GameState, gsBetweenLevels);

  // The next level starts from a clean board and remembers the score to replay it from.
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level2.xml", ColumnLevel(2).Xml());
  game->StartNextLevel();
  EXPECT_EQ(game->Game.Level, 2);
  EXPECT_EQ(game->Game.PrevScore, 100);
  EXPECT_FALSE(game->Level.LevelDone);
  EXPECT_EQ(game->Level.CurrentLayer, 0);
  EXPECT_EQ(game->PieceCount(), 2 + 3);
  EXPECT_EQ(game->Level.Bosses.size(), 1u);
}

TEST(Putting, DealingUsesColoursOnViewOrALevelColour) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Colors = "3";
  auto game = world.NewGame(kPuzzle, plan);
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  for (int i = 0; i < 20; ++i) {
    game->DealPiece();
    const int color = game->ColorOf(game->Piece(game->PieceCount() - 1));
    EXPECT_TRUE(color == 0 || color == 1);
  }
  game->Line().CurrentY = -1000;  // nothing in view
  game->DealPiece();
  EXPECT_EQ(game->ColorOf(game->Piece(game->PieceCount() - 1)), 2);
}

TEST(Putting, PaintOrderDrawsHigherRowsFirstThenLeftToRight) {
  TWorld world;
  auto game = Column(world, kNoLose, {0, 1});
  ASSERT_TRUE(PutHandAt(*game, 7, 5, world.Type(kCell, 2)));
  ASSERT_EQ(game->HandIndex, 3);
  ASSERT_TRUE(PutHandAt(*game, 7, 3, world.Type(kCell, 0)));
  // Row 8 first; in row 7, column 3, 4, 5 from the left.
  EXPECT_EQ(game->PaintOrder.Pieces, (TIntegers{0, 3, 1, 2}));
  // Every frontier point lies beside the structure and no filled cell hides one.
  for (const TPoint& p : game->Layer().Frontier) EXPECT_EQ(p.Y % 42, 0);
  EXPECT_GT(world.Services.BackgroundRedraws, 0);
}

TEST(Putting, ALayerWithoutAMainPieceReportsItsFirstClearAndPlayGoesOn) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Bosses.clear();
  auto game = world.NewGame(kPuzzle, plan);
  Paint(*game, 0, 1);
  Paint(*game, 1, 1);
  ASSERT_TRUE(PutHandAt(*game, 7, 3, world.Type(kCell, 2)));  // a put to undo
  ASSERT_EQ(game->Game.UndoList.size(), 1u);
  game->Piece(game->HandIndex).TypeIndex = world.Type(kCell, 1);
  MoveHandTo(*game, 6, 4);
  EXPECT_EQ(ErrorOf([&] { game->MouseDown(TRulesGame::kLeftButton, false); }),
            "Error in GetFishkagroup, FN not in FromFishes");
  EXPECT_EQ(game->PieceQueue.Count(), 3);
  EXPECT_EQ(game->HandIndex, game->PieceQueue[0]);
  EXPECT_EQ(game->Piece(game->HandIndex).State, kDealt);
  // The group cleared all the same: its score shows and undo no longer reaches back.
  EXPECT_EQ(world.Services.Property("WGame_LScoreCount", "Caption"), "30");
  EXPECT_TRUE(game->Game.UndoList.empty());
  EXPECT_TRUE(game->GroupList.Empty());
}

TEST(Putting, ATriangleBelowItsUpperNeighbourInTheSameCellIsDrawnAfterItWhateverItsX) {
  // In cell (7,4) under the main piece: the top triangle (TriA, from x 360) and the left one
  // (Broken, from x 339) share an edge and a strip key; by x alone the left one would come
  // first, but the top triangle borders it from above and must be drawn before it.
  for (bool topFirst : {true, false}) {
    TWorld world;
    auto game = world.NewGame(kNoLose, ColumnLevel(1));
    Paint(*game, 0, 0);
    const int top = topFirst ? game->HandIndex : game->PieceQueue[1];
    const int left = topFirst ? game->PieceQueue[1] : game->HandIndex;
    ASSERT_TRUE(PutHandAt(*game, 7, 4, world.Type(topFirst ? kTriA : kBroken, 1)));
    ASSERT_TRUE(PutHandAt(*game, 7, 4, world.Type(topFirst ? kBroken : kTriA, 2)));
    EXPECT_EQ(game->Piece(top).X, 360);
    EXPECT_EQ(game->Piece(left).X, 339);
    EXPECT_EQ(game->Piece(top).Y, game->Piece(left).Y);
    EXPECT_EQ(game->PaintOrder.Pieces, (TIntegers{0, top, left})) << "top first " << topFirst;
  }
}

TEST(Putting, ABossSinksWithAHitPieceAndDiesWithItWhenASecondClearRemovesItAtOnce) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Layers[0] += TLevelPlan::Piece("Cell", 7, 5, 2);
  plan.Bosses += TLevelPlan::Boss(7, 5, 0, false);
  auto game = world.NewGame(kNoLose, plan);
  for (int i = 0; i < 3; ++i) Paint(*game, i, i == 0 ? 0 : 1);
  ASSERT_EQ(game->Piece(2).BossIndex, 1);
  const int bossY = game->Level.Bosses[1].Y;
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 1)));  // clears (6,4), (7,4), (7,5)
  EXPECT_EQ(game->Piece(2).State, kOnBoard);
  ASSERT_EQ(game->Level.Bosses.size(), 2u);
  EXPECT_EQ(game->Level.Bosses[1].Y, bossY - 9);
  // Within the second: (6,5), then (6,6) makes a group of three with the boss's piece again.
  ASSERT_TRUE(PutHandAt(*game, 6, 5, world.Type(kCell, 1)));
  const size_t effectsBefore = game->Level.LevelEffects.size();
  ASSERT_TRUE(PutHandAt(*game, 6, 6, world.Type(kCell, 1)));
  EXPECT_EQ(game->Piece(2).State, kOffBoard);
  // The boss goes with its piece rather than staying on nothing: picture and particles.
  ASSERT_EQ(game->Level.Bosses.size(), 1u);
  EXPECT_TRUE(game->Level.Bosses[0].Main);
  EXPECT_EQ(game->Piece(2).BossIndex, -1);
  EXPECT_EQ(game->Piece(0).BossIndex, 0);
  int dying = 0;
  for (size_t i = effectsBefore; i < game->Level.LevelEffects.size(); ++i)
    dying += game->Level.LevelEffects[i].ImageName == "boss1.png";
  EXPECT_EQ(dying, 1);
}
