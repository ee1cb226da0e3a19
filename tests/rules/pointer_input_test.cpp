// tests/rules/pointer_input_test.cpp
#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

TEST(PointerInput, TheHandFadesOutsideTheBoardByDistance) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  const struct {
    int X, Y, Alpha;
    bool Over;
  } cases[] = {{400, 300, 255, true},  {100, 300, 71, false}, {50, 100, 0, false},
               {700, 500, 64, false}, {600, 400, 225, false}};
  for (const auto& c : cases) {
    game->MouseMoved(c.X, c.Y);
    EXPECT_EQ(game->HandAlpha, c.Alpha) << c.X << "," << c.Y;
    EXPECT_EQ(game->OverBoard, c.Over) << c.X << "," << c.Y;
  }
  // The hand piece is centred on the pointer and every move goes to the interface first.
  const TFishka& hand = game->Piece(game->HandIndex);
  EXPECT_EQ(hand.X, 600 - 34);
  EXPECT_EQ(hand.Y, 400 - 21);
  EXPECT_EQ(world.Services.Forwarded, 5);
  // Outside play the pieces stay where they are.
  game->Game.GameState = gsGameMenu;
  game->MouseMoved(200, 200);
  EXPECT_EQ(hand.X, 600 - 34);
}

TEST(PointerInput, PicturesAndBossesUnderTheHandFadeAndAFadeUnderWayContinues) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Extra += "<Pictures><Picture x=\"100\" y=\"300\" Sx=\"0\" Sy=\"0\" Name=\"p\">"
                "<Image Name=\"deco.png\" t=\"1\"/></Picture></Pictures>";
  auto game = world.NewGame(kPuzzle, plan);
  TFakeServices& s = world.Services;
  const TLevelPicture& picture = game->Level.Pictures[0];
  game->MouseMoved(120, 300);  // the piece's centre vertex lies on the picture
  EXPECT_TRUE(picture.Covered);
  EXPECT_EQ(picture.CoverStart, 1000);
  s.Clock = 1200;
  game->MouseMoved(400, 100);
  EXPECT_FALSE(picture.Covered);
  EXPECT_EQ(picture.CoverEnd, 1200 + 200 - 500);
  s.Clock = 1300;
  game->MouseMoved(120, 300);
  EXPECT_EQ(picture.CoverStart, 1300 + 400 - 500);
  s.Clock = 5000;
  game->MouseMoved(400, 100);
  EXPECT_EQ(picture.CoverEnd, 5000);

  // The main boss stands at board (381, 412): on screen from (392, 178), 40 x 40.
  const TBoss& boss = game->Level.Bosses[0];
  game->MouseMoved(400, 190);
  EXPECT_TRUE(boss.Covered);
  EXPECT_FALSE(picture.Covered);
}

TEST(PointerInput, SnapPreviewFollowsTheHandAndTheScroll) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  game->Piece(game->HandIndex).TypeIndex = world.Type(kCell, 0);
  MoveHandTo(*game, 6, 5);
  EXPECT_EQ(game->Level.SnapFrags, (TIntegers{6 * 40 + 20, 6 * 40 + 21, 6 * 40 + 22, 6 * 40 + 23}));
  // The view glides up to the dead line (by one row); the same pointer lies one row higher.
  for (TTick t = 1000; game->ScrollY < game->CurrentY; t += 30) game->UpdateRules(t);
  EXPECT_EQ(game->ScrollY, 42);
  EXPECT_EQ(game->Level.SnapFrags, (TIntegers{7 * 40 + 20, 7 * 40 + 21, 7 * 40 + 22, 7 * 40 + 23}));
}
