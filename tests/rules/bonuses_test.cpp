// tests/rules/bonuses_test.cpp
#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

namespace {

const TPartEffect* FindEffect(const TRulesGame& game, const std::string& image) {
  for (const TPartEffect& e : game.Level.LevelEffects)
    if (e.ImageName == image) return &e;
  return nullptr;
}

}  // namespace

TEST(Bosses, ABossRaisesTheGroupSizeByModeAndShowsWhatIsMissing) {
  // Main boss of power 2 in a green group of three: Puzzle needs 5, Strategy 4, NoLose 3.
  const struct {
    int Mode;
    const char* Text;
  } cases[] = {{kPuzzle, "+2"}, {kStrategy, "+1"}, {kNoLose, nullptr}};
  for (const auto& c : cases) {
    TWorld world;
    auto game = world.NewGame(c.Mode, ColumnLevel(2));
    Paint(*game, 0, 1);
    Paint(*game, 1, 1);
    ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 1)));
    if (!c.Text) {
      EXPECT_TRUE(game->Level.LevelDone);  // the main piece went: the only layer ended
      continue;
    }
    EXPECT_EQ(game->Piece(0).State, kOnBoard);
    EXPECT_EQ(game->Game.UndoList.size(), 1u);
    const TPartEffect* text = FindEffect(*game, c.Text);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->IsText);
    const TBoss& boss = game->Level.Bosses[0];
    EXPECT_EQ(text->X, boss.X + 40);
    EXPECT_EQ(text->Y, boss.Y - 40 / 3);
    const TPartEffect* shown = FindEffect(*game, "boss1.png");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->X, boss.X + 20);
    EXPECT_EQ(boss.PreventUntil, 1000 + 500);
    // The outline around the blocked group starts at once.
    ASSERT_NE(FindEffect(*game, "particle1.png"), nullptr);
    EXPECT_TRUE(FindEffect(*game, "particle1.png")->Effect);
    EXPECT_TRUE(world.Services.Played("BossPrevent.ogg"));
  }
  // A blocked pair shows nothing.
  TWorld world;
  auto game = world.NewGame(kPuzzle, ColumnLevel(2));
  Paint(*game, 0, 1);
  Paint(*game, 1, 2);
  ASSERT_TRUE(PutHandAt(*game, 8, 5, world.Type(kCell, 1)));
  EXPECT_TRUE(game->Level.LevelEffects.empty());
  EXPECT_FALSE(world.Services.Played("BossPrevent.ogg"));
}

TEST(Bosses, HitsSinkABossAndItsPieceLeavingKillsIt) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Layers[0] += TLevelPlan::Piece("Cell", 7, 5, 2);
  plan.Bosses += TLevelPlan::Boss(7, 5, 0, false) + TLevelPlan::Boss(7, 4, 1, false);
  auto game = world.NewGame(kNoLose, plan);
  ASSERT_EQ(game->Piece(2).BossIndex, 1);
  ASSERT_EQ(game->Piece(1).BossIndex, 2);
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  Paint(*game, 2, 1);
  const int y = game->Level.Bosses[1].Y;
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 1)));
  // (7,4) went with boss 2; (7,5) counts two and only sinks its boss.
  ASSERT_EQ(game->Level.Bosses.size(), 2u);
  EXPECT_EQ(game->Level.Bosses[1].Y, y - 9);
  EXPECT_EQ(game->Piece(1).BossIndex, -1);
  EXPECT_EQ(game->Piece(2).BossIndex, 1);
  ASSERT_NE(FindEffect(*game, "boss2.png"), nullptr);
  // A second clear within the second removes (7,5) and its boss with it.
  ASSERT_TRUE(PutHandAt(*game, 6, 5, world.Type(kCell, 1)));
  ASSERT_TRUE(PutHandAt(*game, 6, 6, world.Type(kCell, 1)));
  EXPECT_EQ(game->Piece(2).State, kOffBoard);
  EXPECT_EQ(game->Level.Bosses.size(), 1u);
  EXPECT_EQ(game->Piece(2).BossIndex, -1);
  EXPECT_EQ(game->Piece(0).BossIndex, 0);
}

TEST(Bonuses, CoinsMovesAndTheirEffects) {
  for (int mode : {kPuzzle, kNoLose}) {
    TWorld world;
    auto game = world.NewGame(mode, ColumnLevel(3));
    Paint(*game, 0, 0);
    Paint(*game, 1, 1);
    Paint(*game, 2, 1);
    game->PickBonus(1, 2);
    EXPECT_EQ(game->Piece(1).BonusEffect.ImageName, "gold_coin_line.png");
    EXPECT_TRUE(game->Piece(1).BonusEffect.Effect);
    game->PickBonus(2, 4);
    EXPECT_EQ(game->Piece(2).BonusEffect.Y, game->Centre(game->Piece(2)).Y + 9);
    ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
    EXPECT_EQ(game->Game.Score, mode == kNoLose ? 0 : 30 + 200);
    EXPECT_EQ(game->Game.Shuffles, 5);
    EXPECT_EQ(world.Services.Property("WGame_LShuffleCount", "Caption"), "5");
    EXPECT_TRUE(world.Services.Played("7_bonus.ogg"));
    const TPartEffect* coin = FindEffect(*game, "gold_coin_line.png");
    ASSERT_NE(coin, nullptr);
    EXPECT_EQ(coin->FrameCount, 12);
    EXPECT_EQ(coin->X, game->Centre(game->Piece(1)).X);
  }
  // Three weights only ever give coins; no weights give nothing.
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Probabilities = "<BonusTypeWeights>1 1 1</BonusTypeWeights>";
  auto game = world.NewGame(kPuzzle, plan);
  for (int i = 0; i < 50; ++i) {
    game->PickBonus(1, -1);
    EXPECT_GE(game->Piece(1).Bonus, 0);
    EXPECT_LE(game->Piece(1).Bonus, 2);
  }
  game->Level.BonusWeights.Clear();
  game->PickBonus(1, -1);
  EXPECT_EQ(game->Piece(1).Bonus, kNoBonus);
  EXPECT_FALSE(game->Piece(1).BonusEffect.Effect);
}

TEST(Bonuses, BombsSpareBossPiecesAndColourBombsRecolour) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(3);
  plan.Layers[0] += TLevelPlan::Piece("Cell", 7, 3);
  auto game = world.NewGame(kPuzzle, plan);
  for (int i : {0, 3}) Paint(*game, i, 0);
  for (int i : {1, 2}) Paint(*game, i, 1);
  game->PickBonus(1, 7);
  ASSERT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
  EXPECT_EQ(game->Piece(0).State, kOnBoard);   // the main boss's piece stands
  EXPECT_EQ(game->Piece(3).State, kOffBoard);  // (7,3) was in reach
  EXPECT_EQ(game->Piece(3).RemoveAt, 1500);
  EXPECT_TRUE(world.Services.Played("BonusBoom.ogg"));
  EXPECT_NE(FindEffect(*game, "boomstar.png"), nullptr);

  TWorld other;
  auto painted = other.NewGame(kPuzzle, ColumnLevel(3));
  for (int i = 0; i < 3; ++i) Paint(*painted, i, 0);
  painted->ColorBombBlast(painted->Centre(painted->Piece(1)), 100, 2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(painted->ColorOf(painted->Piece(i)), 2);  // bosses' pieces too
    EXPECT_EQ(painted->Piece(i).FlashUntil, 1600);
  }
  painted->Tricolor();
  for (int i = 0; i < 3; ++i) {
    const int color = painted->ColorOf(painted->Piece(i));
    EXPECT_TRUE(color >= 0 && color <= 2);
  }
}

TEST(Bonuses, ABonusOnAPieceCountingTwoWaitsForItsRemoval) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(2);
  plan.Layers[0] += TLevelPlan::Piece("Cell", 7, 5, 2);
  auto game = world.NewGame(kPuzzle, plan);
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  Paint(*game, 2, 1);
  game->PickBonus(2, 0);
  ASSERT_TRUE(PutHandAt(*game, 6, 4, world.Type(kCell, 1)));
  EXPECT_EQ(game->Game.Score, 30);
  EXPECT_EQ(game->Piece(2).Bonus, 0);
  world.Services.Clock = world.Services.FrameStart = 2100;
  game->UpdatePieces(2100);
  ASSERT_TRUE(PutHandAt(*game, 6, 5, world.Type(kCell, 1)));
  ASSERT_TRUE(PutHandAt(*game, 6, 6, world.Type(kCell, 1)));
  EXPECT_EQ(game->Piece(2).State, kOffBoard);
  EXPECT_EQ(game->Game.Score, 30 + 30 + 50);
}
