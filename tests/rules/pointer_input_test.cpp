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
  } cases[] = {{400, 300, 255, true},
               {100, 300, 71, false},
               {50, 100, 0, false},
               {700, 500, 64, false},
               {600, 400, 225, false}};
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
  plan.Extra +=
      "<Pictures><Picture x=\"100\" y=\"300\" Sx=\"0\" Sy=\"0\" Name=\"p\">"
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
  for (TTick t = 1000; game->Line().ScrollY < game->Line().CurrentY; t += 30) game->UpdateRules(t);
  EXPECT_EQ(game->Line().ScrollY, 42);
  EXPECT_EQ(game->Level.SnapFrags, (TIntegers{7 * 40 + 20, 7 * 40 + 21, 7 * 40 + 22, 7 * 40 + 23}));
}

TEST(PointerInput, ButtonsReachTheInterfaceFirstAndRotateOrPutOnlyInPlay) {
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  TFakeServices& s = world.Services;
  TFishka& hand = game->Piece(game->HandIndex);
  hand.TypeIndex = world.Type(kTriA, 2);
  MoveHandTo(*game, 6, 4);
  const TIntegers preview = game->Level.SnapFrags;
  s.Forwarded = 0;
  // Right button: the next shape of the chain, Shift the previous; the preview follows.
  game->MouseDown(TRulesGame::kRightButton, false);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriB, 2));
  EXPECT_EQ(game->Level.SnapFrags, (TIntegers{6 * 40 + 16 + 1}));
  game->MouseDown(TRulesGame::kRightButton, true);
  game->MouseDown(TRulesGame::kRightButton, true);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriC, 2));
  // Re-centred on the same pointer, the bottom triangle lies nearest the cell (5,5).
  EXPECT_EQ(game->Level.SnapFrags, (TIntegers{5 * 40 + 5 * 4 + 2}));
  EXPECT_EQ(s.Forwarded, 3);
  // The wheel turns forwards for a delta of 0 or less, backwards above.
  game->MouseWheel(-120);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriA, 2));
  game->MouseWheel(0);
  game->MouseWheel(120);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriA, 2));
  EXPECT_EQ(s.Forwarded, 3);  // in play the wheel is the rules' alone
  EXPECT_EQ(preview, (TIntegers{6 * 40 + 16}));

  // Outside play every button and wheel event goes to the interface and nothing turns.
  game->Game.GameState = gsGameMenu;
  game->MouseDown(TRulesGame::kRightButton, false);
  game->MouseWheel(-120);
  game->MouseDown(TRulesGame::kLeftButton, false);
  EXPECT_EQ(hand.TypeIndex, world.Type(kTriA, 2));
  EXPECT_EQ(hand.State, kDealt);
  EXPECT_EQ(s.Forwarded, 6);
  // While a finished level bursts, clicks on the board are the rules' and put nothing.
  game->Game.GameState = gsGamePlay;
  game->Level.LevelDone = true;
  game->MouseDown(TRulesGame::kLeftButton, false);
  EXPECT_EQ(s.Forwarded, 6);
}
