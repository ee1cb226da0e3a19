// tests/rules/outline_tracer_test.cpp
#include "rules/outline_tracer.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/board_tables.hpp"

using namespace rules;

namespace {

std::vector<TTriangle> CellTriangles(const TBoardTables& tables, int row, int col) {
  std::vector<TTriangle> out;
  for (int k = 0; k < 4; ++k) {
    const int f = row * 40 + col * 4 + k;
    out.push_back({tables.FragPoint(f, 0), tables.FragPoint(f, 1), tables.FragPoint(f, 2)});
  }
  return out;
}

bool SamePoints(const TPoints& points, int from, int to, std::vector<TPoint> expected) {
  std::vector<TPoint> got(points.begin() + from, points.begin() + to + 1);
  auto less = [](const TPoint& a, const TPoint& b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; };
  std::sort(got.begin(), got.end(), less);
  std::sort(expected.begin(), expected.end(), less);
  return got == expected;
}

}  // namespace

TEST(OutlineTracer, OneCellGivesItsFourCornersAndDropsTheSurroundedCentre) {
  TBoardTables tables;
  tables.Build();
  const TOutlines out = TraceOutlines(CellTriangles(tables, 0, 0));
  ASSERT_EQ(out.Points.Count(), 4);
  EXPECT_EQ(out.Ends, (TIntegers{0, 3}));
  EXPECT_TRUE(SamePoints(out.Points, 0, 3, {{0, 0}, {48, 0}, {21, 42}, {69, 42}}));
  // Consecutive points are joined by an outer edge: each step is one side of the cell.
  for (int i = 0; i < 4; ++i) {
    const TPoint a = out.Points[i], b = out.Points[(i + 1) % 4];
    EXPECT_TRUE((a.Y == b.Y && std::abs(a.X - b.X) == 48) ||
                (std::abs(a.Y - b.Y) == 42 && std::abs(a.X - b.X) == 21))
        << a << " " << b;
  }
}

TEST(OutlineTracer, SeparateRegionsGiveOneOutlineEachAndAPairOfCellsOneOutline) {
  TBoardTables tables;
  tables.Build();
  std::vector<TTriangle> two = CellTriangles(tables, 0, 0);
  const std::vector<TTriangle> far = CellTriangles(tables, 3, 5);
  two.insert(two.end(), far.begin(), far.end());
  const TOutlines apart = TraceOutlines(two);
  ASSERT_EQ(apart.Points.Count(), 8);
  EXPECT_EQ(apart.Ends, (TIntegers{0, 3, 7}));

  std::vector<TTriangle> pair = CellTriangles(tables, 0, 0);
  const std::vector<TTriangle> right = CellTriangles(tables, 0, 1);
  pair.insert(pair.end(), right.begin(), right.end());
  const TOutlines joined = TraceOutlines(pair);
  // The shared side disappears; its ends stay as points on the straight outer sides.
  EXPECT_EQ(joined.Points.Count(), 6);
  EXPECT_EQ(joined.Ends, (TIntegers{0, 5}));

  const TOutlines single = TraceOutlines({CellTriangles(tables, 1, 1)[2]});
  EXPECT_EQ(single.Points.Count(), 3);
  const TOutlines none = TraceOutlines({});
  EXPECT_EQ(none.Points.Count(), 0);
}

TEST(OutlineTracer, MalformedTrianglesEndTheTraceInsteadOfLooping) {
  // Both orientations of one triangle, and a degenerate one: no proper surface.
  const TTriangle a{TPoint{0, 0}, TPoint{10, 0}, TPoint{0, 10}};
  const TTriangle b{TPoint{0, 0}, TPoint{0, 10}, TPoint{10, 0}};
  const TTriangle flat{TPoint{5, 5}, TPoint{5, 5}, TPoint{9, 9}};
  const TOutlines out = TraceOutlines({a, b, flat, a});
  EXPECT_LE(out.Points.Count(), 5);
}
