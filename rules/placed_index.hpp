// rules/placed_index.hpp — the placed pieces of a layer indexed by their vertices and edges, so
// that neighbours are found without comparing every piece with every other.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "rules/piece_geometry.hpp"

namespace rules {

class TRulesGame;

class TPlacedIndex {
 public:
  enum TKind { kByVertex, kByEdge };
  // Indexes the given pieces of the game's current layer for one kind of neighbour.
  TPlacedIndex(const TRulesGame& game, const TIntegers& pieces, TKind kind);

  // Indexed pieces sharing a vertex with an indexed piece, ascending (kByVertex).
  std::vector<int> VertexNeighbours(int piece) const;
  // Indexed pieces sharing an edge with an indexed piece, ascending (kByEdge).
  std::vector<int> EdgeNeighbours(int piece) const;
  // The attach test between two indexed pieces: overlapping rectangles and a shared vertex.
  bool Touch(int a, int b) const;

 private:
  using TKeyed = std::pair<int64_t, int>;  // vertex or edge key, piece
  struct TEntry {
    int FirstTriangle = 0;
    int TriangleCount = 0;
    TRect Rect{0, 0, 0, 0};
  };
  const TEntry& EntryOf(int piece) const {
    return entries[static_cast<size_t>(slots[static_cast<size_t>(piece)])];
  }
  std::vector<TTriangle> TrianglesOf(int piece) const;
  template <typename Fn>
  void ForEachMatch(const std::vector<TKeyed>& table, int64_t key, Fn&& fn) const;

  std::vector<int> slots;  // piece -> position in entries, -1 when not indexed
  std::vector<TEntry> entries;
  std::vector<TTriangle> triangles;
  std::vector<TKeyed> keys;  // sorted; edge keys hash unordered vertex pairs
};

}  // namespace rules
