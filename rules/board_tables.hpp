// rules/board_tables.hpp — the slanted lattice the board is made of: corner and centre points,
// the four triangle kinds of a cell and the table of every fragment.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "rules/grow_list.hpp"

namespace rules {

constexpr int kLatticeRows = 301;  // rows of points; cells lie between them
constexpr int kPointsPerRow = 21;  // 11 corners, then 10 centres
constexpr int kBoardRows = 300;
constexpr int kCellsPerRow = 10;
constexpr int kFragCount = kBoardRows * kCellsPerRow * 4;
constexpr int kRowHeight = 42;  // board units between lattice rows
constexpr int kCellWidth = 48;
constexpr int kRowShift = 21;  // each row lies this far right of the one below

// One triangle of a cell. NOTE: Kind 0 top, 1 right, 2 bottom, 3 left.
struct TFrag {
  uint8_t Kind = 0;
  TIntegers Points;  // three indices into LatticePoints, in the order of the kind's table
};

struct TFragType {
  int YPoint = 0;      // position in Points of the triangle's highest point
  int XPoint = 0;      // position in Points of the triangle's leftmost point
  int UpperCount = 0;  // how many kinds of the same cell border this one from above
  int UpperKinds[2] = {0, 0};
  std::string ImageName;  // snap preview picture
};

struct TBoardTables {
  TPoints LatticePoints;  // kLatticeRows * kPointsPerRow
  TFragType FragKindTable[4];
  TGrowList<TFrag> FragTable;  // index r*40 + s*4 + k

  // Fills the three tables. progress(row) is called after each fragment row 0..299.
  void Build(const std::function<void(int row)>& progress = {});
  bool Built() const { return FragTable.Count() == kFragCount; }

  const TPoint& FragPoint(int frag, int position) const {
    return LatticePoints[FragTable[frag].Points[position]];
  }
};

}  // namespace rules
