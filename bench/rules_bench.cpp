// bench/rules_bench.cpp — the game rules on a layer of 300 placed pieces: a pointer move, a put
// that clears a row of ten and drops the forty pieces below it, and one frame of updates.
#include <benchmark/benchmark.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

namespace {

constexpr int kGroupRow = 14;

// Rows 10..39 full of Cells hanging from the main piece at (39, 4), except (14, 9): 299 pieces.
// Row 14 is one colour; elsewhere neighbours alternate, so no other group can form.
std::string BigLevel() {
  TLevelPlan plan;
  plan.Extra = "<MoveInterval Action=\"1000\" Strategic=\"5\"/>";
  std::string layer;
  for (int row = 39; row >= 10; --row)
    for (int col = 0; col < 10; ++col)
      if (!(row == kGroupRow && col == 9)) layer += TLevelPlan::Piece("Cell", row, col);
  plan.Layers = {layer};
  plan.Bosses = TLevelPlan::Boss(39, 4, 0, true);
  return plan.Xml();
}

struct TBigWorld {
  TBigWorld() { AddEntry(world.Services.Archive(TArchiveKind::Level), "Big.xml", BigLevel()); }

  std::unique_ptr<TRulesGame> NewGame() {
    // The fake remembers every request; a benchmark makes millions.
    world.Services.Sounds.clear();
    world.Services.PropertyLog.clear();
    world.Services.Properties.clear();
    auto game = std::make_unique<TRulesGame>(world.Catalogues, world.Services, 11);
    game->StartNewGame(kPuzzle);
    game->LoadLevel("Big.xml", true);
    game->Game.GameState = gsGamePlay;
    for (int i = 0; i < game->PieceCount(); ++i) {
      const TFishka& piece = game->Piece(i);
      if (piece.State != kOnBoard) continue;
      const int row = (piece.Y - 10) / 42 - 1;
      const int col = (piece.X - 21 * row) / 48;
      Paint(*game, i, row == kGroupRow ? 1 : ((row + col) % 2 == 0 ? 0 : 2));
    }
    return game;
  }

  TWorld world;
};

void BM_PointerMove300(benchmark::State& state) {
  TBigWorld big;
  auto game = big.NewGame();
  MoveHandTo(*game, 9, 3);
  const int x0 = game->CursorX, y0 = game->CursorY;
  int flip = 0;
  for (auto _ : state) {
    flip ^= 1;
    game->MouseMoved(x0 + flip * 48, y0);
    benchmark::DoNotOptimize(game->Level.SnapFrags.Count());
  }
}
BENCHMARK(BM_PointerMove300);

void BM_PutClearDrop300(benchmark::State& state) {
  TBigWorld big;
  for (auto _ : state) {
    state.PauseTiming();
    auto game = big.NewGame();
    game->Piece(game->HandIndex).TypeIndex = big.world.Type(kCell, 1);
    MoveHandTo(*game, kGroupRow, 9);
    state.ResumeTiming();
    game->MouseDown(TRulesGame::kLeftButton, false);
    state.PauseTiming();
    if (game->Game.Score != 10 * 10 + 40 * 20)
      state.SkipWithError("the put did not clear and drop");
    game.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PutClearDrop300)->Unit(benchmark::kMicrosecond);

void BM_FrameRules300(benchmark::State& state) {
  TBigWorld big;
  auto game = big.NewGame();
  TTick now = 1000;
  for (auto _ : state) {
    now += 16;
    game->UpdatePieces(now);
    game->UpdateRules(now);
  }
}
BENCHMARK(BM_FrameRules300);

}  // namespace
