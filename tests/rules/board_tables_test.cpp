// tests/rules/board_tables_test.cpp
#include "rules/board_tables.hpp"

#include <gtest/gtest.h>

using namespace rules;

TEST(BoardTables, LatticeRowsHoldCornersThenCentresShiftedPerRow) {
  TBoardTables tables;
  std::vector<int> rows;
  tables.Build([&](int row) { rows.push_back(row); });
  ASSERT_EQ(tables.LatticePoints.Count(), 6321);
  ASSERT_EQ(tables.FragTable.Count(), 12000);
  EXPECT_EQ(rows.size(), 300u);
  EXPECT_EQ(tables.LatticePoints[0], (TPoint{0, 0}));
  EXPECT_EQ(tables.LatticePoints[10], (TPoint{480, 0}));
  EXPECT_EQ(tables.LatticePoints[11], (TPoint{34, 21}));
  EXPECT_EQ(tables.LatticePoints[2 * 21 + 3], (TPoint{48 * 3 + 42, 84}));
  EXPECT_EQ(tables.LatticePoints[300 * 21 + 20], (TPoint{48 * 9 + 6300 + 34, 12621}));
}

TEST(BoardTables, FragmentsCutEachCellIntoFourTrianglesWithTheirKindData) {
  TBoardTables tables;
  tables.Build();
  // Cell (row 2, column 3): lower-left (186, 84), centre (220, 105), upper-left (207, 126).
  const int base = 2 * 40 + 3 * 4;
  const TPoint top[3] = {{207, 126}, {255, 126}, {220, 105}};
  const TPoint left[3] = {{186, 84}, {207, 126}, {220, 105}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tables.FragPoint(base + 0, i), top[i]);
    EXPECT_EQ(tables.FragPoint(base + 3, i), left[i]);
  }
  EXPECT_EQ(tables.FragPoint(base + 1, 2), (TPoint{234, 84}));  // right: lower-right corner
  EXPECT_EQ(tables.FragPoint(base + 2, 0), (TPoint{186, 84}));  // bottom: lower-left corner
  for (int k = 0; k < 4; ++k) EXPECT_EQ(tables.FragTable[base + k].Kind, k);
  EXPECT_EQ(tables.FragKindTable[2].UpperCount, 2);
  EXPECT_EQ(tables.FragKindTable[2].UpperKinds[0], 1);
  EXPECT_EQ(tables.FragKindTable[2].UpperKinds[1], 3);
  EXPECT_EQ(tables.FragKindTable[1].YPoint, 1);
  EXPECT_EQ(tables.FragKindTable[3].ImageName, "Frag4.png");
}
