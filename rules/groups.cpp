// rules/groups.cpp — same-coloured groups, and the pieces that lose their hold on the layer's
// main piece and drop.
#include "data/error.hpp"
#include "rules/piece_geometry.hpp"
#include "rules/rules_game.hpp"

namespace rules {

std::vector<TTriangle> TRulesGame::TrianglesOf(int index) const {
  const TFishka& piece = Piece(index);
  return PlacedTriangles(ShapeOf(piece), piece.X, piece.Y);
}

void TRulesGame::CollectGroup(int index) {
  GroupList.Append(index);
  const int color = ColorOf(Piece(index));
  const std::vector<TTriangle> mine = TrianglesOf(index);
  for (int i = 0; i < PieceCount(); ++i) {
    if (i == index) continue;
    const TFishka& other = Piece(i);
    if (other.State != kOnBoard || GroupList.Contains(i) || ColorOf(other) != color) continue;
    if (PiecesShareEdge(mine, TrianglesOf(i))) CollectGroup(i);
  }
}

TGrowList<TIntegers> TRulesGame::EdgeClusters(const TIntegers& pieces) const {
  TGrowList<TIntegers> clusters;
  TIntegers rest = pieces;
  while (!rest.Empty()) {
    TIntegers cluster;
    std::vector<std::vector<TTriangle>> shapes;
    cluster.Append(rest[0]);
    shapes.push_back(TrianglesOf(rest[0]));
    rest.DeleteAt(0);
    bool moved = true;
    while (moved) {
      moved = false;
      for (int i = 0; i < rest.Count();) {
        const std::vector<TTriangle> candidate = TrianglesOf(rest[i]);
        bool joins = false;
        for (const auto& member : shapes)
          if (PiecesShareEdge(candidate, member)) {
            joins = true;
            break;
          }
        if (!joins) {
          ++i;
          continue;
        }
        cluster.Append(rest[i]);
        shapes.push_back(candidate);
        rest.DeleteAt(i);
        moved = true;
      }
    }
    clusters.Append(cluster);
  }
  return clusters;
}

TIntegers TRulesGame::LoosePieces() const {
  TIntegers list;
  for (int i = 0; i < PieceCount(); ++i)
    if (Piece(i).State == kOnBoard) list.Append(i);
  const int main = list.IndexOf(Layer().MainIndex);
  if (main < 0) throw data::Error("Error in GetFishkagroup, FN not in FromFishes");
  TIntegers held;
  held.Append(list[main]);
  list.DeleteAt(main);
  bool moved = true;
  while (moved) {
    moved = false;
    for (int i = 0; i < list.Count();) {
      if (Touches(list[i], held)) {
        held.Append(list[i]);
        list.DeleteAt(i);
        moved = true;
      } else {
        ++i;
      }
    }
  }
  return list;
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
    RemoveOccupied(index);
  }
}

void TRulesGame::DropLoose(TTick t) {
  const TIntegers loose = LoosePieces();
  for (const TIntegers& cluster : EdgeClusters(loose)) ClearContour(cluster, t + 500);
  RemovePieces(loose, t + 500, true);
  if (!loose.Empty()) {
    Level.DelayedSound = "3_crystal.ogg";
    Level.DelayedSoundTime = t + 500;
  }
  if (LiftDeadLine() && Game.Mode == kStrategy) Level.PutLeft = Level.StrategicPuts + 1;
}

}  // namespace rules
