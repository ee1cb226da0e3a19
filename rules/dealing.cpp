// rules/dealing.cpp — dealing pieces into the queue and keeping their colours among the
// colours the player can see.
#include "rules/rules_game.hpp"

namespace rules {

TIntegers TRulesGame::ColorsOnView() {
  TIntegers colors;
  for (const TFishka& piece : Layer().Pieces)
    if (piece.State == kOnBoard && piece.Y < CurrentY + 590) colors.AppendOnce(ColorOf(piece));
  if (colors.Empty()) {
    const int drawn = Rand.Random(Level.Colors.Count());
    // A level without colours cannot deal properly; colour 0 keeps it playable.
    colors.Append(Level.Colors.Empty() ? 0 : Level.Colors[drawn] - 1);
  }
  return colors;
}

void TRulesGame::DealPiece() {
  const TIntegers colors = ColorsOnView();
  TFishka piece;
  const int picked = Rand.WeightedPick(Level.TypeWeights);
  piece.TypeIndex = picked >= 0 && picked < Cat.TypeCount() ? picked : 0;
  const int color = colors[Rand.Random(colors.Count())];
  if (ColorOf(piece) != color) SetType(piece, ShapeIndexOf(piece), color);
  piece.Count = 1;
  piece.Hit = false;
  piece.BossIndex = -1;
  piece.Bonus = kNoBonus;
  piece.RemoveAt = -1;
  piece.NoColor = Rand.RandomReal() < Level.NoColorChance;
  Layer().Pieces.push_back(std::move(piece));
  Enqueue(PieceCount() - 1);
}

void TRulesGame::RecolorQueue() {
  const TIntegers colors = ColorsOnView();
  for (int entry : PieceQueue) {
    TFishka& piece = Piece(entry);
    if (colors.Contains(ColorOf(piece))) continue;
    const int color = colors[Rand.Random(colors.Count())];
    SetType(piece, ShapeIndexOf(piece), color);
  }
}

TPoint TRulesGame::CentringOffset(const TFishka& piece) const {
  const TFishkaShape& shape = ShapeOf(piece);
  int n = 0, sumX = 0, sumY = 0;
  for (const TOneFish& fish : shape.Fishes)
    for (const TPoint& v : fish.Points) {
      ++n;
      sumX += v.X;
      sumY += v.Y;
    }
  if (n == 0) return {0, 0};
  return {sumX / n - shape.MinX, sumY / n};
}

void TRulesGame::CentrePieceOnCursor(int index) {
  if (index < 0 || index >= PieceCount()) return;
  TFishka& piece = Piece(index);
  const TPoint offset = CentringOffset(piece);
  piece.X = CursorX - offset.X;
  piece.Y = CursorY - offset.Y;
}

}  // namespace rules
