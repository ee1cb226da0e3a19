// rules/groups.cpp — same-coloured groups, and the pieces that lose their hold on the layer's
// main piece and drop.
#include "data/error.hpp"
#include "rules/names.hpp"
#include "rules/piece_geometry.hpp"
#include "rules/placed_index.hpp"
#include "rules/rules_game.hpp"

namespace rules {

std::vector<TTriangle> TRulesGame::TrianglesOf(int index) const {
  const TFishka& piece = Piece(index);
  return PlacedTriangles(ShapeOf(piece), piece.X, piece.Y);
}

TIntegers TRulesGame::PlacedPieces() const {
  TIntegers placed;
  for (int i = 0; i < PieceCount(); ++i)
    if (Piece(i).State == kOnBoard) placed.Append(i);
  return placed;
}

void TRulesGame::CollectGroup(int index) {
  const TPlacedIndex placed(*this, PlacedPieces(), TPlacedIndex::kByEdge);
  CollectGroupFrom(placed, index);
}

// Depth first, neighbours in index order, as the group has always been collected.
void TRulesGame::CollectGroupFrom(const TPlacedIndex& placed, int index) {
  GroupList.Append(index);
  const int color = ColorOf(Piece(index));
  for (int i : placed.EdgeNeighbours(index))
    if (!GroupList.Contains(i) && ColorOf(Piece(i)) == color) CollectGroupFrom(placed, i);
}

TGrowList<TIntegers> TRulesGame::EdgeClusters(const TIntegers& pieces) const {
  const TPlacedIndex placed(*this, pieces, TPlacedIndex::kByEdge);
  TGrowList<TIntegers> clusters;
  std::vector<bool> done(static_cast<size_t>(PieceCount()), false);
  for (int first : pieces) {
    if (done[static_cast<size_t>(first)]) continue;
    TIntegers cluster;
    std::vector<int> open{first};
    done[static_cast<size_t>(first)] = true;
    while (!open.empty()) {
      const int member = open.back();
      open.pop_back();
      cluster.Append(member);
      for (int other : placed.EdgeNeighbours(member)) {
        if (done[static_cast<size_t>(other)]) continue;
        done[static_cast<size_t>(other)] = true;
        open.push_back(other);
      }
    }
    clusters.Append(cluster);
  }
  return clusters;
}

// The pieces no chain of touching pieces links to the main piece, in index order.
TIntegers TRulesGame::LoosePieces() const {
  const TIntegers list = PlacedPieces();
  const int main = Layer().MainIndex;
  if (!list.Contains(main)) throw data::Error("Error in GetFishkagroup, FN not in FromFishes");
  const TPlacedIndex placed(*this, list, TPlacedIndex::kByVertex);
  std::vector<bool> held(static_cast<size_t>(PieceCount()), false);
  std::vector<int> open{main};
  held[static_cast<size_t>(main)] = true;
  while (!open.empty()) {
    const int piece = open.back();
    open.pop_back();
    for (int other : placed.VertexNeighbours(piece)) {
      if (held[static_cast<size_t>(other)] || !placed.Touch(piece, other)) continue;
      held[static_cast<size_t>(other)] = true;
      open.push_back(other);
    }
  }
  TIntegers loose;
  for (int piece : list)
    if (!held[static_cast<size_t>(piece)]) loose.Append(piece);
  return loose;
}

void TRulesGame::RemovePieces(const TIntegers& pieces, TTick removeAt, bool score) {
  for (int index : pieces) {
    TFishka& piece = Piece(index);
    if (piece.BossIndex >= 0) KillBoss(piece.BossIndex);
    if (score && Game.Mode != kNoLose) Game.Score += 2 * ShapeOf(piece).Score;
    piece.RemoveAt = removeAt;
    piece.State = kOffBoard;
    FreeBonusEffect(piece);
    piece.Bonus = kNoBonus;
  }
  RemoveOccupied(Layer(), pieces, PieceCount());
}

void TRulesGame::DropLoose(TTick t) {
  const TIntegers loose = LoosePieces();
  for (const TIntegers& cluster : EdgeClusters(loose)) ClearContour(cluster, t + kDropDelayMs);
  RemovePieces(loose, t + kDropDelayMs, true);
  if (!loose.Empty()) {
    Level.DelayedSound = names::kSoundDrop;
    Level.DelayedSoundTime = t + kDropDelayMs;
  }
  if (LiftDeadLine() && Game.Mode == kStrategy) Level.PutLeft = Level.StrategicPuts + 1;
}

}  // namespace rules
