// rules/board_tables.cpp
#include "rules/board_tables.hpp"

#include "rules/names.hpp"

namespace rules {

void TBoardTables::Build(const std::function<void(int row)>& progress) {
  LatticePoints.Clear();
  LatticePoints.Reserve(kLatticeRows * kPointsPerRow);
  for (int r = 0; r < kLatticeRows; ++r) {
    for (int c = 0; c <= 10; ++c)
      LatticePoints.Append({kCellWidth * c + kRowShift * r, kRowHeight * r});
    for (int c = 0; c <= 9; ++c)
      LatticePoints.Append({kCellWidth * c + kRowShift * r + 34, kRowHeight * r + 21});
  }

  FragKindTable[0] = {0, 0, 0, {0, 0}, names::kFragPictures[0]};
  FragKindTable[1] = {1, 0, 1, {0, 0}, names::kFragPictures[1]};
  FragKindTable[2] = {1, 0, 2, {1, 3}, names::kFragPictures[2]};
  FragKindTable[3] = {1, 0, 1, {0, 0}, names::kFragPictures[3]};

  FragTable.Clear();
  FragTable.Reserve(kFragCount);
  for (int r = 0; r < kBoardRows; ++r) {
    for (int s = 0; s < kCellsPerRow; ++s) {
      const int b = r * kPointsPerRow + s;
      const int points[4][3] = {{b + 21, b + 22, b + 11},
                                {b + 11, b + 22, b + 1},
                                {b, b + 11, b + 1},
                                {b, b + 21, b + 11}};
      for (int k = 0; k < 4; ++k)
        FragTable.Append({static_cast<uint8_t>(k), {points[k][0], points[k][1], points[k][2]}});
    }
    if (progress) progress(r);
  }
}

}  // namespace rules
