// tests/rules/random_games_test.cpp — long random games in every mode; after every step the
// fragments, owners and every index held anywhere must agree with the pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rules/piece_geometry.hpp"

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

namespace {

TLevelPlan RandomLevel() {
  TLevelPlan plan;
  plan.Extra = "<MoveInterval Action=\"4\" Strategic=\"3\"/><NullFrags>" +
               std::to_string(17 * 40 + 9) + " " + std::to_string(16 * 40 + 20) + "</NullFrags>";
  plan.Weights =
      "<Shape Name=\"Cell\" Weight=\"4\"/><Shape Name=\"Bar\" Weight=\"1\"/>"
      "<Shape Name=\"TriA\" Weight=\"1\"/><Shape Name=\"TriB\" Weight=\"1\"/><Shape Name=\"TriC\" "
      "Weight=\"1\"/>";
  plan.Probabilities =
      "<FishkaWithBonus>0.6</FishkaWithBonus><NoColorFishka>0.2</NoColorFishka>"
      "<BonusTypeWeights>1 1 1 1 1 1 1 3 1 1 1 0 0 0 0 2</BonusTypeWeights>";
  std::string first, second;
  for (int c = 2; c <= 7; ++c) first += TLevelPlan::Piece("Cell", 20, c, c % 3 == 0 ? 2 : 1);
  for (int c = 3; c <= 6; ++c) first += TLevelPlan::Piece("Cell", 19, c);
  first += TLevelPlan::Piece("Bar", 18, 3);
  for (int c = 1; c <= 8; ++c) second += TLevelPlan::Piece("Cell", 22, c);
  second += TLevelPlan::Piece("Bar", 21, 4);
  plan.Layers = {first, second};
  plan.Bosses = TLevelPlan::Boss(20, 4, 0, true) + TLevelPlan::Boss(19, 5, 1, false) +
                TLevelPlan::Boss(22, 5, 1, true) + TLevelPlan::Boss(22, 7, 0, false);
  return plan;
}

void CheckInvariants(const TRulesGame& game) {
  const TLevel& level = game.Level;
  const int bosses = static_cast<int>(level.Bosses.size());
  for (const TLayer& layer : level.Layers) {
    const int count = static_cast<int>(layer.Pieces.size());
    ASSERT_EQ(layer.Occupied.Count(), layer.Owners.Count());
    for (int owner : layer.Owners) ASSERT_TRUE(owner >= 0 && owner < count);
    ASSERT_TRUE(layer.MainIndex >= -1 && layer.MainIndex < count);
    for (const TFishka& piece : layer.Pieces) {
      ASSERT_TRUE(piece.BossIndex >= -1 && piece.BossIndex < bosses) << piece.BossIndex;
      ASSERT_TRUE(piece.TypeIndex >= 0 && piece.TypeIndex < game.Cat.TypeCount());
      ASSERT_GE(piece.Count, 1);
    }
  }
  ASSERT_TRUE(game.HasLayer());
  const TLayer& layer = game.Layer();
  const int count = game.PieceCount();
  std::set<int> frags;
  for (int i = 0; i < layer.Occupied.Count(); ++i) {
    ASSERT_TRUE(frags.insert(layer.Occupied[i]).second) << "fragment filled twice";
    ASSERT_TRUE(layer.Occupied[i] >= 0 && layer.Occupied[i] < kFragCount);
    ASSERT_EQ(game.Piece(layer.Owners[i]).State, kOnBoard);
  }
  // Each placed piece fills exactly the fragments under its triangles (its anchor lies its
  // relief height above them); nothing else fills any.
  using TCorners = std::vector<std::pair<int, int>>;
  const auto corners = [](TPoint a, TPoint b, TPoint c) {
    TCorners out{{a.X, a.Y}, {b.X, b.Y}, {c.X, c.Y}};
    std::sort(out.begin(), out.end());
    return out;
  };
  std::vector<std::multiset<TCorners>> owned(static_cast<size_t>(count));
  const TBoardTables& tables = game.Cat.Tables;
  for (int i = 0; i < layer.Occupied.Count(); ++i) {
    const int f = layer.Occupied[i];
    owned[static_cast<size_t>(layer.Owners[i])].insert(
        corners(tables.FragPoint(f, 0), tables.FragPoint(f, 1), tables.FragPoint(f, 2)));
  }
  for (int p = 0; p < count; ++p) {
    const TFishka& piece = game.Piece(p);
    const int strips = std::max(game.PictureSize(piece).Height / 42, 1);
    const int painted = static_cast<int>(
        std::count(game.PaintOrder.Pieces.begin(), game.PaintOrder.Pieces.end(), p));
    if (piece.State == kDealt) {
      ASSERT_EQ(painted, 0) << "dealt piece " << p << " painted";
    }
    if (piece.State != kOnBoard) continue;
    ASSERT_EQ(painted, strips) << "placed piece " << p << " painted " << painted << " times";
    const TFishkaShape& shape = game.ShapeOf(piece);
    std::multiset<TCorners> under;
    for (const TTriangle& t : PlacedTriangles(shape, piece.X, piece.Y - shape.Height))
      under.insert(corners(t[0], t[1], t[2]));
    ASSERT_EQ(owned[static_cast<size_t>(p)], under) << "piece " << p << " fragments disagree";
  }
  ASSERT_TRUE(game.GroupList.Empty());
  std::set<int> queue;
  for (int entry : game.PieceQueue) {
    ASSERT_TRUE(entry >= 0 && entry < count);
    ASSERT_TRUE(queue.insert(entry).second);
  }
  if (!game.PieceQueue.Empty() && game.HandIndex >= 0) {
    ASSERT_EQ(game.HandIndex, game.PieceQueue[0]);
  }
  ASSERT_TRUE(game.HandIndex >= -1 && game.HandIndex < count);
  ASSERT_EQ(game.PaintOrder.Pieces.Count(), game.PaintOrder.Strips.Count());
  for (int entry : game.PaintOrder.Pieces) ASSERT_TRUE(entry >= 0 && entry < count);
  for (const TUndoRecord& record : game.Game.UndoList) {
    ASSERT_TRUE(record.PieceIndex >= 0 && record.PieceIndex < count);
    ASSERT_EQ(game.Piece(record.PieceIndex).State, kOnBoard);
  }
}

// A cell next to a random placed piece, or anywhere when there is none.
std::pair<int, int> NearCell(const TRulesGame& game, std::mt19937& rng) {
  std::vector<int> placed;
  for (int i = 0; i < game.PieceCount(); ++i)
    if (game.Piece(i).State == kOnBoard) placed.push_back(i);
  if (placed.empty()) return {static_cast<int>(rng() % 30), static_cast<int>(rng() % 10)};
  const TFishka& piece = game.Piece(placed[rng() % placed.size()]);
  const int row = std::max((piece.Y - 10) / 42 - 1, 0);
  const int col = (piece.X - 21 * row) / 48;
  return {std::clamp(row + static_cast<int>(rng() % 3) - 1, 0, 299),
          std::clamp(col + static_cast<int>(rng() % 3) - 1, 0, 9)};
}

// Plays one game of its own world with random actions drawn from its own generator.
class TRandomPlayer {
 public:
  TRandomPlayer(int mode, uint32_t seed)
      : mode(mode), game(world.NewGame(mode, RandomLevel(), seed)), rng(seed) {}

  void Step() {
    now += rng() % 5 == 0 ? rng() % 3000 : rng() % 120;
    world.Services.Clock = world.Services.FrameStart = static_cast<uint32_t>(now);
    if (game->Game.GameState != gsGamePlay) {
      game->StartNewGame(mode);
      game->LoadLevel("Level1.xml", true);
      game->Game.GameState = gsGamePlay;
      ++Restarts;
    }
    const int action = static_cast<int>(rng() % 100);
    if (action < 45 && game->HasHand()) {
      const auto [row, col] = NearCell(*game, rng);
      if (PutHandAt(*game, row, col)) ++Puts;
    } else if (action < 52) {
      game->MouseMoved(static_cast<int>(rng() % 800), static_cast<int>(rng() % 600));
      game->MouseDown(1 + static_cast<int>(rng() % 2), rng() % 2 == 0);
    } else if (action < 57) {
      game->MouseWheel(rng() % 2 ? 120 : -120);
    } else if (action < 65) {
      game->WGame_BSwap_MouseUp();
    } else if (action < 75) {
      game->WGame_BUndo_MouseUp();
    } else if (action < 78) {
      if (rng() % 4 == 0) game->Game.Shifts = 3;
      game->WGame_BShift_MouseUp();
    } else if (action < 81) {
      if (rng() % 4 == 0) game->Game.Shuffles = 3;
      game->WGame_BShuffle_MouseUp();
    } else if (action < 83) {
      game->MarkPause();
      world.Services.Clock += 5000;
      game->ResumeTimers();
    }
    game->UpdatePieces(now);
    if (game->Game.GameState == gsGamePlay) game->UpdateRules(now);
  }

  // What a player sees of the game: score, hand, layer and every piece's kind and place.
  std::string Fingerprint() const {
    std::ostringstream out;
    out << game->Game.Score << ' ' << game->HandIndex << ' ' << game->Level.CurrentLayer << ' '
        << static_cast<int>(game->Game.GameState) << ':';
    for (int i = 0; i < game->PieceCount(); ++i) {
      const TFishka& piece = game->Piece(i);
      out << piece.TypeIndex << ',' << static_cast<int>(piece.State) << ',' << piece.X << ','
          << piece.Y << ';';
    }
    return out.str();
  }

  const TRulesGame& Game() const { return *game; }
  int Puts = 0, Restarts = 0;

 private:
  TWorld world;
  int mode;
  std::unique_ptr<TRulesGame> game;
  std::mt19937 rng;
  TTick now = 1000;
};

void PlayRandomGame(int mode, uint32_t seed, int steps) {
  TRandomPlayer player(mode, seed);
  for (int step = 0; step < steps; ++step) {
    player.Step();
    CheckInvariants(player.Game());
    if (::testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "mode " << mode << " seed " << seed << " step " << step;
      return;
    }
  }
  EXPECT_GT(player.Puts, steps / 10);
  if (mode == kNoLose) {
    EXPECT_EQ(player.Game().Game.Score, 0);
  }
  EXPECT_GT(player.Restarts, 0);  // the level was finished or lost at least once
}

}  // namespace

TEST(RandomGames, NoLoseKeepsEveryIndexValid) {
  for (uint32_t seed : {1u, 2u}) PlayRandomGame(kNoLose, seed, 4000);
}

TEST(RandomGames, PuzzleKeepsEveryIndexValid) {
  for (uint32_t seed : {3u, 4u}) PlayRandomGame(kPuzzle, seed, 4000);
}

TEST(RandomGames, StrategyKeepsEveryIndexValid) {
  for (uint32_t seed : {5u, 6u}) PlayRandomGame(kStrategy, seed, 4000);
}

// Nothing a game draws from is shared: a game played alongside another, step for step, goes
// exactly as it goes alone.
TEST(RandomGames, TwoGamesInOneProcessDoNotDisturbEachOther) {
  constexpr int kSteps = 1500;
  TRandomPlayer alone(kStrategy, 11);
  std::vector<std::string> expected;
  for (int step = 0; step < kSteps; ++step) {
    alone.Step();
    expected.push_back(alone.Fingerprint());
  }
  TRandomPlayer twin(kStrategy, 11), other(kStrategy, 12);
  for (int step = 0; step < kSteps; ++step) {
    other.Step();
    twin.Step();
    ASSERT_EQ(twin.Fingerprint(), expected[static_cast<size_t>(step)]) << "step " << step;
  }
  EXPECT_NE(other.Fingerprint(), twin.Fingerprint());
  EXPECT_GT(alone.Puts, kSteps / 10);
}
