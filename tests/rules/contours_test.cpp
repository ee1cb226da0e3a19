// tests/rules/contours_test.cpp — the outline effects of clearing groups and dropping pieces,
// with paths worked out by hand from the lattice.
#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

TEST(Contours, AClearedColumnAndTheDroppedPairGetTheirOutlinesAsPathScripts) {
  TWorld world;
  // Main (8,4) red, (7,4) and (6,4) green, (5,4) and (4,4) blue: a green cell put at (7,5)
  // clears with (7,4) and (6,4), and the blue pair below loses its hold and drops.
  auto game = world.NewGame(kPuzzle, ColumnLevel(5));
  const int colors[] = {0, 1, 1, 2, 2};
  for (int i = 0; i < 5; ++i) Paint(*game, i, colors[i]);
  ASSERT_TRUE(PutHandAt(*game, 7, 5, world.Type(kCell, 1)));
  const auto& effects = game->Level.LevelEffects;
  ASSERT_EQ(effects.size(), 2u);

  // The dropped pair (5,4) over (4,4): corners B(366,252) D(345,210) F(324,168) G(276,168)
  // E(297,210) A(318,252), mean (321,210); the trace starts after the first corner A.
  const TPartEffect& drop = effects[1];
  EXPECT_EQ(drop.Path, " Path (45,42) (24,0) (3,-42) (-45,-42) (-24,0) (-3,42) (45,42);");
  EXPECT_EQ(drop.X, 321);
  EXPECT_EQ(drop.Y, 210 + 9);
  EXPECT_EQ(drop.StartAt, 1500);
  EXPECT_EQ(drop.ImageName, "particle1.png");
  EXPECT_EQ(drop.Clip, kFullScreenClip);
  EXPECT_FALSE(drop.Effect);

  // Delayed outlines start on the first frame after their tick, not at it.
  game->UpdatePieces(1000);
  EXPECT_FALSE(effects[0].Effect);
  game->UpdatePieces(1001);
  EXPECT_TRUE(effects[0].Effect);
  game->UpdatePieces(1500);
  EXPECT_FALSE(game->Level.LevelEffects.back().Effect);
  game->UpdatePieces(1501);
  EXPECT_TRUE(game->Level.LevelEffects.back().Effect);
}

TEST(Contours, AStraightColumnOfThreeIsTracedCornerByCorner) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(3));
  const int colors[] = {0, 1, 1};
  for (int i = 0; i < 3; ++i) Paint(*game, i, colors[i]);
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
  EXPECT_EQ(game->Game.Score, 30);
  ASSERT_EQ(game->Level.LevelEffects.size(), 1u);
  // Cells (7,4), (6,4), (5,4): the side points where the cells meet stay on the outline; the
  // centres are surrounded and drop out. Mean (2820 / 8, 2184 / 8) = (352, 273).
  const TPartEffect& contour = game->Level.LevelEffects[0];
  EXPECT_EQ(contour.Path,
            " Path (56,63) (35,21) (14,-21) (-7,-63) (-55,-63) (-34,-21) (-13,21) (8,63) (56,63);");
  EXPECT_EQ(contour.X, 352);
  EXPECT_EQ(contour.Y, 282);
  EXPECT_EQ(contour.StartAt, 1000);
}

TEST(Contours, FrontierPointsSurroundTheStructureExceptAtTheBoardEdges) {
  const struct {
    int Column;
    std::vector<TPoint> Frontier;
  } cases[] = {
      // Cell (8,4) from (360,336): its own lower-left corner hint (381,378) is covered.
      {4,
       {{402, 420},
        {333, 378},
        {354, 420},
        {429, 378},
        {450, 420},
        {408, 336},
        {360, 336},
        {312, 336}}},
      // At the right edge the points 480 or more right of the row start are not offered.
      {9, {{642, 420}, {573, 378}, {594, 420}, {600, 336}, {552, 336}}},
      // At the left edge nothing lies further left.
      {0, {{210, 420}, {237, 378}, {258, 420}, {216, 336}, {168, 336}}},
  };
  for (const auto& c : cases) {
    TWorld world;
    TLevelPlan plan;
    plan.Layers = {TLevelPlan::Piece("Cell", 8, c.Column)};
    plan.Bosses = TLevelPlan::Boss(8, c.Column, 0, true);
    auto game = world.NewGame(kNoLose, plan);
    TPoints expected;
    for (const TPoint& p : c.Frontier) expected.Append(p);
    EXPECT_EQ(game->Layer().Frontier, expected) << "column " << c.Column;
  }
}

TEST(Contours, ABlockedGroupsOutlineStartsAtOnceAndIsLeftOutWithoutItsTemplate) {
  for (bool haveTemplate : {true, false}) {
    TWorld world;
    if (!haveTemplate) world.Services.DropTemplate(kSlotBossContour);
    auto game = world.NewGame(kPuzzle, ColumnLevel(2));
    Paint(*game, 0, 0);
    Paint(*game, 1, 0);
    // Three with the main boss of power 2: five are needed, the group is blocked.
    ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 0)));
    EXPECT_TRUE(world.Services.Played("BossPrevent.ogg"));
    int outlines = 0;
    for (const TPartEffect& entry : game->Level.LevelEffects) {
      EXPECT_TRUE(entry.Effect) << entry.ImageName;
      outlines += entry.ImageName == "particle1.png";
    }
    EXPECT_EQ(outlines, haveTemplate ? 1 : 0);
    game->UpdatePieces(1001);
    for (const TPartEffect& entry : game->Level.LevelEffects) EXPECT_TRUE(entry.Effect);
  }
}
