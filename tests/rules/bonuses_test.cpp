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
  // Main boss of power 2 in a green group of three: Puzzle needs 5, Strategy 4, NoLose 3; of
  // power 3: Puzzle 6, Strategy 3 + 2 (the half rounded up).
  const struct {
    int Mode;
    int BossType;
    const char* Text;
  } cases[] = {{kPuzzle, 0, "+2"},
               {kStrategy, 0, "+1"},
               {kNoLose, 0, nullptr},
               {kPuzzle, 1, "+3"},
               {kStrategy, 1, "+2"}};
  for (const auto& c : cases) {
    TWorld world;
    TLevelPlan plan = ColumnLevel(2);
    plan.Bosses = TLevelPlan::Boss(8, 4, c.BossType, true);
    auto game = world.NewGame(c.Mode, plan);
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
    const TPartEffect* shown = FindEffect(*game, c.BossType == 0 ? "boss1.png" : "boss2.png");
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
  // The dead boss's picture at its centre and its particles at its anchor point.
  const TPartEffect* dying = FindEffect(*game, "boss2.png");
  ASSERT_NE(dying, nullptr);
  EXPECT_EQ(dying->X, 364 + 20);
  EXPECT_EQ(dying->Y, 370 - 20);
  EXPECT_EQ(dying->Effect->Name(), "BossDieEffect.xml");
  const TPartEffect* particles = &dying[1];
  EXPECT_EQ(particles->ImageName, "particle1.png");
  EXPECT_EQ(particles->X, 364 + 20);
  EXPECT_EQ(particles->Y, 370 - 30);
  EXPECT_EQ(particles->Effect->Name(), "BossDieParticlesEffect.xml");
  // A second clear within the second removes (7,5) and its boss with it.
  ASSERT_TRUE(PutHandAt(*game, 6, 5, world.Type(kCell, 1)));
  ASSERT_TRUE(PutHandAt(*game, 6, 6, world.Type(kCell, 1)));
  EXPECT_EQ(game->Piece(2).State, kOffBoard);
  EXPECT_EQ(game->Level.Bosses.size(), 1u);
  EXPECT_EQ(game->Piece(2).BossIndex, -1);
  EXPECT_EQ(game->Piece(0).BossIndex, 0);
  // A boss of a type the catalogue lacks still dies with its piece, unseen.
  game->Level.Bosses.push_back(TBoss{.TypeIndex = 99});
  game->Piece(1).BossIndex = 1;
  const size_t effects = game->Level.LevelEffects.size();
  game->KillBoss(1);
  EXPECT_EQ(game->Level.Bosses.size(), 1u);
  EXPECT_EQ(game->Piece(1).BossIndex, -1);
  EXPECT_EQ(game->Level.LevelEffects.size(), effects);
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
  // Collecting a colour bomb of colour 1 recolours what lies within 100 of the piece's centre.
  painted->PickBonus(1, 9);
  EXPECT_EQ(painted->Piece(1).BonusEffect.ImageName, "ColorBomb1");
  EXPECT_EQ(painted->Piece(1).BonusEffect.Y, 325 + 12);
  painted->ApplyBonus(1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(painted->ColorOf(painted->Piece(i)), 1);
  const TPartEffect* star = FindEffect(*painted, "boomcolorstar1");
  ASSERT_NE(star, nullptr);
  EXPECT_EQ(star->X, 373);
  EXPECT_EQ(star->Y, 325);
  EXPECT_EQ(star->Effect->Name(), "GiveBonusColorBomb.xml");
}

TEST(Bonuses, TricolorDrawsALevelColourPerPieceOrKeepsThePreviousOne) {
  TWorld world;
  TLevelPlan plan = ColumnLevel(3);
  plan.Colors = "3";  // one level colour: a draw of 1 or 2 is no valid position
  auto game = world.NewGame(kPuzzle, plan);
  Paint(*game, 0, 0);
  Paint(*game, 1, 1);
  Paint(*game, 2, 0);
  // A seed whose draws in 0..2 are: not 0 (the first piece keeps its colour), 0 (colour 3), not
  // 0 (the previous piece's colour).
  auto draws = [](uint32_t seed) {
    std::vector<int> k;
    for (int i = 0; i < 3; ++i) {
      seed = seed * 134775813u + 1u;
      k.push_back(static_cast<int>((static_cast<uint64_t>(seed) * 3u) >> 32));
    }
    return k;
  };
  uint32_t seed = 1;
  while (!(draws(seed)[0] != 0 && draws(seed)[1] == 0 && draws(seed)[2] != 0)) ++seed;
  game->UpdatePieces(4000);
  const size_t sounds = world.Services.Sounds.size();
  game->Rand.Seed = seed;
  game->Tricolor();
  EXPECT_EQ(game->ColorOf(game->Piece(0)), 0);
  EXPECT_EQ(game->ColorOf(game->Piece(1)), 2);
  EXPECT_EQ(game->ColorOf(game->Piece(2)), 2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(game->Piece(i).FlashUntil, 4600);
  EXPECT_EQ(world.Services.Sounds.size(), sounds);
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
