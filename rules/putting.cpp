// rules/putting.cpp — snapping a piece to the fragment grid, the attach test, and putting it:
// filling its fragments, scoring and clearing its group.
#include <algorithm>
#include <climits>

#include "rules/names.hpp"
#include "rules/piece_geometry.hpp"
#include "rules/rounding.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

constexpr int kSnapDistance = 24;  // board units between a vertex and the lattice point it takes

}  // namespace

bool TRulesGame::SnapPiece(int index, TPoint& anchor, TIntegers& covered) const {
  covered.Clear();
  const TFishka& piece = Piece(index);
  const TFishkaShape& shape = ShapeOf(piece);
  const int h = PictureSize(piece).Height;
  const TBoardTables& tables = Cat.Tables;
  const TLayer& layer = Layer();
  for (const TOneFish& fish : shape.Fishes) {
    TPoint board[3];
    int lowY = INT_MAX, highY = INT_MIN;
    for (int i = 0; i < 3; ++i) {
      const TPoint& v = fish.Points[i];
      board[i] = {v.X + piece.X + ScrollX - shape.MinX - 11, ScrollY + v.Y - piece.Y - h + 593};
      lowY = std::min(lowY, board[i].Y);
      highY = std::max(highY, board[i].Y);
    }
    // Rows by truncating division: a vertex just below the board still searches row 0.
    const int from = std::max((lowY / kRowHeight) * 40 - 40, 0);
    const int to = std::min((highY / kRowHeight) * 40 + 40, kFragCount - 1);
    int match = -1;
    for (int f = from; f <= to && match < 0; ++f) {
      if (tables.FragTable[f].Kind != fish.Kind) continue;
      const bool near = std::all_of(std::begin(board), std::end(board), [&](const TPoint& p) {
        for (int position = 0; position < 3; ++position) {
          const TPoint& q = tables.FragPoint(f, position);
          if (RoundedDistance(p.X - q.X, p.Y - q.Y) <= kSnapDistance) return true;
        }
        return false;
      });
      if (near) match = f;
    }
    // A fragment can hold one triangle only, also within the same piece.
    if (match < 0 || layer.Occupied.Contains(match) || Level.NullFrags.Contains(match) ||
        covered.Contains(match)) {
      covered.Clear();
      return false;
    }
    covered.Append(match);
  }
  if (covered.Empty()) return false;
  const int first = covered[0];
  const TFragType& kind = tables.FragKindTable[tables.FragTable[first].Kind];
  anchor = {tables.FragPoint(first, kind.XPoint).X + shape.LeftOffset,
            tables.FragPoint(first, kind.YPoint).Y + shape.TopOffset + shape.Height};
  return true;
}

bool TRulesGame::Touches(int index, const TIntegers& list) const {
  const TFishka& piece = Piece(index);
  const TPictureSize size = PictureSize(piece);
  const TRect rect{piece.X, piece.Y - size.Height - 5, piece.X + size.Width, piece.Y + 5};
  std::vector<TTriangle> mine;
  for (int other : list) {
    if (other == index) continue;
    const TFishka& q = Piece(other);
    const TPictureSize qSize = PictureSize(q);
    const TRect qRect{q.X, q.Y - qSize.Height - 5, q.X + qSize.Width, q.Y + 5};
    if (!RectsOverlap(rect, qRect)) continue;
    if (mine.empty()) mine = PlacedTriangles(ShapeOf(piece), piece.X, piece.Y);
    if (PiecesShareVertex(mine, PlacedTriangles(ShapeOf(q), q.X, q.Y))) return true;
  }
  return false;
}

bool TRulesGame::PutPiece(int index, bool score, bool check) {
  TPoint anchor;
  TIntegers covered;
  if (!SnapPiece(index, anchor, covered)) return false;
  if (check) {
    TIntegers placed;
    for (int i = 0; i < PieceCount(); ++i)
      if (Piece(i).State == kOnBoard) placed.Append(i);
    const TPoint before{Piece(index).X, Piece(index).Y};
    Piece(index).X = anchor.X;
    Piece(index).Y = anchor.Y;
    if (!Touches(index, placed)) {
      Piece(index).X = before.X;
      Piece(index).Y = before.Y;
      CentrePieceOnCursor(index);
      return false;
    }
  } else {
    Piece(index).X = anchor.X;
    Piece(index).Y = anchor.Y;
  }
  Piece(index).State = kOnBoard;
  HandIndex = -1;
  if (check) InsertPaintOrder(index);
  Occupy(Layer(), covered, index);
  // Level pieces are put while the queue may still hold the previous level's entries.
  if (!PieceQueue.Empty() && PieceQueue[0] == index) PieceQueue.DeleteAt(0);
  if (score) {
    GroupList.Clear();
    CollectGroup(index);
    if (GroupClears(GroupList)) {
      ClearGroup();
    } else {
      TFishka& piece = Piece(index);
      piece.FlashUntil = now + kPutFlashMs;
      Game.UndoList.push_back({piece.TypeIndex, piece.X, piece.Y, index});
    }
    GroupList.Clear();
  }
  ShowScore();
  return true;
}

void TRulesGame::ClearGroup() {
  ClearContour(GroupList, now);
  const TTick frameStart = Services.FrameStartTick();
  for (int member : GroupList) {
    TFishka& q = Piece(member);
    if (Game.Mode != kNoLose) Game.Score += ShapeOf(q).Score;
    q.Hit = true;
    if (0 <= q.HitUntil && frameStart < q.HitUntil && q.Count > 1) q.Count -= 1;
    q.HitUntil = now + kHitMs;
    // The boss is judged after the count: a second clear within the second removes the piece
    // at once, and its boss must go with it rather than stay behind on nothing.
    if (q.BossIndex >= 0 && q.BossIndex < static_cast<int>(Level.Bosses.size())) {
      if (q.Count == 1)
        KillBoss(q.BossIndex);
      else
        Level.Bosses[static_cast<size_t>(q.BossIndex)].Y -= 9;
    }
    if (q.Count == 1) {
      FreeBonusEffect(q);
      q.State = kOffBoard;
      if (member == Layer().MainIndex) Level.LayerDone = true;
      RemoveOccupied(Layer(), member);
    }
  }
  if (!Level.LayerDone) {
    DropLoose(now);
    const TIntegers members = GroupList;
    for (int member : members)
      if (member < PieceCount() && Piece(member).State == kOffBoard) ApplyBonus(member);
    RecolorQueue();
  }
  Services.PlaySound(names::kSoundClear);
  Game.UndoList.clear();
}

}  // namespace rules
