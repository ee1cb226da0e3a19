// rules/placed_index.cpp
#include "rules/placed_index.hpp"

#include <algorithm>

#include "rules/rules_game.hpp"

namespace rules {
namespace {

int64_t VertexKey(TPoint p) {
  return (int64_t{p.X} << 32) ^ static_cast<uint32_t>(p.Y);
}

// NOTE: a hash of the pair; a collision only adds a candidate that the exact test then rejects.
int64_t EdgeKey(TPoint a, TPoint b) {
  int64_t ka = VertexKey(a), kb = VertexKey(b);
  if (ka > kb) std::swap(ka, kb);
  return static_cast<int64_t>(static_cast<uint64_t>(ka) * 1000003u + static_cast<uint64_t>(kb));
}

std::vector<int> Sorted(std::vector<int> list) {
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

}  // namespace

TPlacedIndex::TPlacedIndex(const TRulesGame& game, const TIntegers& pieces, TKind kind)
    : slots(static_cast<size_t>(game.PieceCount()), -1) {
  std::vector<int64_t> own;  // one piece's keys, each once
  entries.reserve(static_cast<size_t>(pieces.Count()));
  for (int index : pieces) {
    const TFishka& piece = game.Piece(index);
    const TFishkaShape& shape = game.ShapeOf(piece);
    const TPictureSize size = game.PictureSize(piece);
    TEntry entry;
    entry.FirstTriangle = static_cast<int>(triangles.size());
    entry.Rect = {piece.X, piece.Y - size.Height - 5, piece.X + size.Width, piece.Y + 5};
    own.clear();
    for (const TOneFish& fish : shape.Fishes) {
      TTriangle t{};
      for (int i = 0; i < 3 && i < fish.Points.Count(); ++i)
        t[i] = PlaceVertex(shape, piece.X, piece.Y, fish.Points[i]);
      triangles.push_back(t);
      for (int i = 0; i < 3; ++i)
        own.push_back(kind == kByVertex ? VertexKey(t[i]) : EdgeKey(t[i], t[(i + 1) % 3]));
    }
    std::sort(own.begin(), own.end());
    own.erase(std::unique(own.begin(), own.end()), own.end());
    for (int64_t key : own) keys.emplace_back(key, index);
    entry.TriangleCount = static_cast<int>(triangles.size()) - entry.FirstTriangle;
    slots[static_cast<size_t>(index)] = static_cast<int>(entries.size());
    entries.push_back(entry);
  }
  std::sort(keys.begin(), keys.end());
}

std::vector<TTriangle> TPlacedIndex::TrianglesOf(int piece) const {
  const TEntry& entry = EntryOf(piece);
  const auto first = triangles.begin() + entry.FirstTriangle;
  return {first, first + entry.TriangleCount};
}

template <typename Fn>
void TPlacedIndex::ForEachMatch(const std::vector<TKeyed>& table, int64_t key, Fn&& fn) const {
  auto it = std::lower_bound(table.begin(), table.end(), TKeyed{key, INT32_MIN});
  for (; it != table.end() && it->first == key; ++it) fn(it->second);
}

std::vector<int> TPlacedIndex::VertexNeighbours(int piece) const {
  std::vector<int> out;
  const TEntry& entry = EntryOf(piece);
  for (int t = entry.FirstTriangle; t < entry.FirstTriangle + entry.TriangleCount; ++t)
    for (const TPoint& p : triangles[static_cast<size_t>(t)])
      ForEachMatch(keys, VertexKey(p), [&](int other) {
        if (other != piece) out.push_back(other);
      });
  return Sorted(std::move(out));
}

std::vector<int> TPlacedIndex::EdgeNeighbours(int piece) const {
  std::vector<int> candidates;
  const TEntry& entry = EntryOf(piece);
  for (int t = entry.FirstTriangle; t < entry.FirstTriangle + entry.TriangleCount; ++t) {
    const TTriangle& tri = triangles[static_cast<size_t>(t)];
    for (int i = 0; i < 3; ++i)
      ForEachMatch(keys, EdgeKey(tri[i], tri[(i + 1) % 3]), [&](int other) {
        if (other != piece) candidates.push_back(other);
      });
  }
  std::vector<int> out;
  const std::vector<TTriangle> mine = TrianglesOf(piece);
  for (int other : Sorted(std::move(candidates)))
    if (PiecesShareEdge(mine, TrianglesOf(other))) out.push_back(other);
  return out;
}

bool TPlacedIndex::Touch(int a, int b) const {
  return a != b && RectsOverlap(EntryOf(a).Rect, EntryOf(b).Rect) &&
         PiecesShareVertex(TrianglesOf(a), TrianglesOf(b));
}

}  // namespace rules
