// Path scripts: statements, script state, point options and smoothing of new points.
#include <gtest/gtest.h>

#include <cmath>

#include "fx/piecewise_func.hpp"
#include "test_util.hpp"

using fx::TVector;

TEST(PathScript, StatementsAndStateAreReadLeniently) {
  fx::TOrlPiecewiseFunc f;
  f.SetScript("  ");
  EXPECT_EQ(f.PieceCount(), 0);
  f.SetScript(
      "SET\tTiming 0.25;\r\nset bogus 3; Fly away; set; Set FirstAngle 5; Set FirstAngle x;"
      "Set SecondAngle 30; Set PosCorrectionFirst 0.5; Set PosCorrectionSecond 2;"
      "Set LINEAR; Path (1,1) (2,2)");  // no ";" after the path: ignored
  EXPECT_EQ(f.Timing, 0.25f);
  EXPECT_EQ(f.FirstAngle, 0.0f);
  EXPECT_EQ(f.SecondAngle, 30.0f);
  EXPECT_EQ(f.PosCorrectionFirst, 0.5f);
  EXPECT_EQ(f.PosCorrectionSecond, 2.0f);
  EXPECT_EQ(f.Bezier, fx::kPieceLinear);
  EXPECT_EQ(f.PieceCount(), 0);

  // Several Path statements continue one point list; Set between them affects later points.
  f.SetScript("Path (0,0); Set Timing 0.5; Path (10,0) (abc,3) (1,2,3,4);");
  ASSERT_EQ(f.PieceCount(), 3);
  EXPECT_EQ(f.Piece(0).Duration, 250);
  EXPECT_EQ(f.Piece(1).Duration, 500);
  EXPECT_EQ(f.Piece(2).Point(0), (TVector{0, 3, 0}));
  EXPECT_VEC_NEAR(f.Piece(2).Point(3), 1, 2, 3, 0);  // a fourth coordinate is dropped
  EXPECT_EQ(f.PointCount(), 4);
}

TEST(PathScript, PointOptionsOverrideTheState) {
  fx::TOrlPiecewiseFunc f;
  f.SetScript("Set Linear; Path (0,0) .. (10,0) -- (20,0) (30,0);");
  EXPECT_EQ(f.Piece(0).Kind, fx::kPieceBezier);
  EXPECT_EQ(f.Piece(1).Kind, fx::kPieceLinear);
  EXPECT_EQ(f.Piece(2).Kind, fx::kPieceLinear);

  // The second angle turns the outgoing handle of a free start: (33.3, 0) by 90° gives
  // (0, −33.3), so the curve dips below the chord.
  fx::TOrlPiecewiseFunc turned;
  turned.SetScript("Path (0,0) [0,90] (100,0);");
  EXPECT_VEC_NEAR(turned.Piece(0).Point(1), 0, -33.333, 0, 1e-3);
  EXPECT_VEC_NEAR(turned.GetValue(500), 37.5, -12.5, 0, 1e-3);

  // "{2}" doubles the handle at that point; "[,]" and "{}" keep the state.
  fx::TOrlPiecewiseFunc longer;
  longer.SetScript("Path (0,0){2}[,] (90,0) {};");
  EXPECT_VEC_NEAR(longer.Piece(0).Point(1), 60, 0, 0, 1e-3);
  EXPECT_VEC_NEAR(longer.Piece(0).Point(2), 60, 0, 0, 1e-3);
}

TEST(PathScript, CornersAreSmoothedFromBothSides) {
  fx::TOrlPiecewiseFunc f;
  f.SetScript("Set Bezier; Set Timing 0.15; Path (0,0) (100,0) (100,100); Ending Stop;");
  ASSERT_EQ(f.PieceCount(), 2);
  EXPECT_EQ(f.TotalTime(), 300);
  const double h = 40 / std::sqrt(2.0);  // 0.4 of the chord, along the bisecting direction
  EXPECT_VEC_NEAR(f.Piece(0).Point(2), 100 - h, -h, 0, 1e-3);
  EXPECT_VEC_NEAR(f.Piece(1).Point(1), 100 + h, h, 0, 1e-3);
  // The free ends mirror the handles next to them.
  EXPECT_VEC_NEAR(f.Piece(1).Point(2), 100 + h, 100 - h, 0, 1e-3);
  EXPECT_VEC_NEAR(f.Piece(0).Point(1), h, -h, 0, 1e-3);
  EXPECT_VEC_NEAR(f.GetValue(150), 100, 0, 0, 1e-3);
  EXPECT_VEC_NEAR(f.GetValue(75), 50, -0.75 * h, 0, 1e-3);
}

TEST(PathScript, ClosedPathsSmoothTheirFirstPointAgainstTheLastPiece) {
  fx::TOrlPiecewiseFunc f;
  f.SetScript("Path (0,0) (10,0) (10,10) (0,0);");
  EXPECT_EQ(f.PointCount(), 3);
  const fx::TPointRef first = f.FindPoint(1);
  EXPECT_EQ(first.kind, fx::TPointRef::kSharedStart);
  EXPECT_EQ(first.prev, 2);
  EXPECT_EQ(f.FindPoint(4).kind, fx::TPointRef::kNone);
  // The handles on both sides of (0,0) lie on one line through it.
  const TVector in = f.Piece(2).Point(2), out = f.Piece(0).Point(1);
  EXPECT_NEAR(in.x * out.y - in.y * out.x, 0, 1e-3);
  EXPECT_LT(in.x * out.x + in.y * out.y, 0);

  // A path that doubles back onto a single point does not divide by zero.
  fx::TOrlPiecewiseFunc dot;
  dot.SetScript("Path (5,5) (5,5);");
  EXPECT_VEC_NEAR(dot.GetValue(500), 5, 5, 0, 1e-4);
  EXPECT_TRUE(std::isfinite(dot.TotalLength()));
}

// Angles, a shorter handle and a constant-speed piece in one path, folded back by ReverseStop.
// Values worked out separately from the smoothing rules, not read off this code.
TEST(PathScript, PointOptionsCombineInOneSmoothedPath) {
  fx::TOrlPiecewiseFunc f;
  f.SetScript(
      "Set Timing 0.2; Path (0,0) (100,0)[45,10] (110,50){0.5}\"+0.5\" (200,200);"
      "Ending ReverseStop (7,8);");
  ASSERT_EQ(f.PieceCount(), 3);
  EXPECT_EQ(f.PointCount(), 4);
  // The last piece runs at 0.5 units per ms along its 175.83 units.
  EXPECT_EQ(f.Piece(2).Duration, 352);
  EXPECT_EQ(f.TotalTime(), 752);
  EXPECT_NEAR(f.TotalLength(), 328.739, 0.01);
  // Handles at (100,0): 0.4 of each chord along the blended direction, the outgoing one turned
  // by 10°, the incoming one by 45°.
  EXPECT_VEC_NEAR(f.Piece(0).Point(2), 60.218, -4.171, 0, 0.01);
  EXPECT_VEC_NEAR(f.Piece(1).Point(1), 115.396, 13.377, 0, 0.01);
  EXPECT_VEC_NEAR(f.Piece(2).Point(1), 119.491, 83.674, 0, 0.01);
  const struct {
    uint32_t t;
    float x, y;
  } expected[] = {{100, 50.0f, -3.1285f},
                  {250, 107.6688f, 12.0757f},
                  {399, 109.9593f, 49.8515f},
                  {550, 141.2044f, 115.1062f},
                  {752, 200, 200},
                  {1000, 128.4448f, 91.8913f},
                  {1503, 0.5953f, -0.0623f},
                  {1504, 0, 0},
                  {1505, 7, 8}};  // 1504 is twice the total: back at the start
  for (const auto& e : expected) {
    SCOPED_TRACE(e.t);
    EXPECT_VEC_NEAR(f.GetValue(e.t), e.x, e.y, 0, 0.01);
  }
}
