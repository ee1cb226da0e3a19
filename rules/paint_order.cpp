// rules/paint_order.cpp — the order placed pieces are drawn in: strips one lattice row high,
// higher rows first, and within a row the pieces a triangle above overlaps drawn before it.
#include <algorithm>

#include "rules/piece_geometry.hpp"
#include "rules/rules_game.hpp"

namespace rules {

bool TRulesGame::PaintBefore(int a, int b, int top) const {
  if (a == b) return false;
  const int bottom = top - kRowHeight;
  const TFishka& pa = Piece(a);
  const TFishka& pb = Piece(b);
  const TFishkaShape& sa = ShapeOf(pa);
  const TFishkaShape& sb = ShapeOf(pb);
  const std::vector<TTriangle> ta = PlacedTriangles(sa, pa.X, pa.Y);
  const std::vector<TTriangle> tb = PlacedTriangles(sb, pb.X, pb.Y);
  for (size_t i = 0; i < ta.size(); ++i) {
    const int low = std::min({ta[i][0].Y, ta[i][1].Y, ta[i][2].Y});
    const int high = std::max({ta[i][0].Y, ta[i][1].Y, ta[i][2].Y});
    if (low < bottom || high > top) continue;
    const TFragType& kind = Cat.Tables.FragKindTable[sa.Fishes[i].Kind];
    for (size_t j = 0; j < tb.size(); ++j) {
      const int kindB = sb.Fishes[j].Kind;
      bool upper = false;
      for (int u = 0; u < kind.UpperCount; ++u) upper = upper || kind.UpperKinds[u] == kindB;
      if (upper && TrianglesShareEdge(ta[i], tb[j])) return true;
    }
  }
  return false;
}

int TRulesGame::StripKey(int position) const {
  return Piece(PaintOrder.Pieces[position]).Y - kRowHeight * PaintOrder.Strips[position];
}

void TRulesGame::InsertPaintOrder(int index) {
  const TFishka& piece = Piece(index);
  const int strips = std::max(PictureSize(piece).Height / kRowHeight, 1);
  for (int d = 0; d < strips; ++d) {
    const int key = piece.Y - kRowHeight * d;
    const int count = PaintOrder.Count();
    int c = 0;
    while (c < count) {
      const int k = StripKey(c);
      if (k < key || (k == key && Piece(PaintOrder.Pieces[c]).X >= piece.X)) break;
      ++c;
    }
    int e = c;
    for (int i = c; i < count && StripKey(i) == key; ++i)
      if (PaintBefore(index, PaintOrder.Pieces[i], key)) e = i + 1;
    for (int i = e - 1; i >= 0 && StripKey(i) == key; --i)
      if (PaintBefore(PaintOrder.Pieces[i], index, key)) e = i;
    PaintOrder.Pieces.InsertAt(e, index);
    PaintOrder.Strips.InsertAt(e, d);
  }
}

}  // namespace rules
