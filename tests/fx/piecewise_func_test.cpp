#include "fx/piecewise_func.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "test_util.hpp"
#include "tests/support/error_of.hpp"

using support_test::ErrorOf;

using fx::TVector;

namespace {

std::unique_ptr<fx::TOrlPiecewiseFunc> Path(const char* script) {
  auto f = std::make_unique<fx::TOrlPiecewiseFunc>();
  f->SetScript(script);
  return f;
}

}  // namespace

TEST(PiecewiseFunc, StraightPathsAndTheirTiming) {
  auto bezier = Path("Path (0,0) (100,0);");
  ASSERT_EQ(bezier->PieceCount(), 1);
  EXPECT_EQ(bezier->Piece(0).Kind, fx::kPieceBezier);
  EXPECT_EQ(bezier->TotalTime(), 1000);
  EXPECT_VEC_NEAR(bezier->GetValue(500), 50, 0, 0, 1e-3);

  auto linear = Path("Set Linear; Set Timing 0.3; Path (0,0) (30,40); Ending Stop;");
  EXPECT_EQ(linear->TotalTime(), 300);
  EXPECT_FLOAT_EQ(linear->TotalLength(), 50);
  EXPECT_VEC_NEAR(linear->GetValue(150), 15, 20, 0, 1e-4);
  EXPECT_VEC_NEAR(linear->GetValue(300), 30, 40, 0, 1e-4);
  EXPECT_VEC_NEAR(linear->GetValue(301), 0, 0, 0, 0);  // no end position given

  EXPECT_EQ(Path("Set Linear; Set Timing +0.5; Path (0,0) (100,0);")->TotalTime(), 200);
  EXPECT_EQ(Path("Set Timing -0.5; Path (0,0) (100,0);")->TotalTime(), 200);
  EXPECT_EQ(Path("Path (0,0) \"+0.25\" (100,0);")->TotalTime(), 400);
  EXPECT_EQ(Path("Set Timing +0; Path (0,0) (100,0);")->TotalTime(), 0);

  auto pieces = Path("Set Linear; Path (0,0) \"0.1\" (10,0) \"0.3\" (10,30);");
  EXPECT_EQ(pieces->Piece(1).Duration, 300);
  EXPECT_VEC_NEAR(pieces->GetValue(100), 10, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(pieces->GetValue(250), 10, 15, 0, 1e-4);
  pieces->SetPieceSpeed(1, 60);  // 30 units at 60 units per second
  EXPECT_EQ(pieces->TotalTime(), 600);
  pieces->SetPieceDuration(0, 0);
  EXPECT_EQ(pieces->TotalTime(), 500);
  EXPECT_VEC_NEAR(pieces->GetValue(0), 0, 0, 0, 1e-4);  // a zero-length piece takes its start
  EXPECT_EQ(ErrorOf([&] { pieces->Piece(2); }), "Invalid piece index");
  EXPECT_EQ(ErrorOf([&] { pieces->SetPieceDuration(-1, 5); }), "Invalid piece index");
}

TEST(PiecewiseFunc, EndingsFoldTimeBackIntoThePath) {
  const char* path = "Set Linear; Set Timing 0.3; Path (0,0) (30,0);";
  auto loop = Path(path), reverse = Path(path), reverseStop = Path(path);
  loop->SetScript("Ending Loop;");
  reverse->SetScript("Ending reverse;");
  reverseStop->SetScript("Ending ReverseStop (5,5,1,9);");
  EXPECT_EQ(loop->Ending, fx::kEndingLoop);
  EXPECT_VEC_NEAR(loop->GetValue(450), 15, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(reverse->GetValue(450), 15, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(reverse->GetValue(750), 15, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(reverse->GetValue(500), 10, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(reverseStop->GetValue(450), 15, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(reverseStop->GetValue(600), 0, 0, 0, 1e-4);
  EXPECT_VEC_NEAR(reverseStop->GetValue(601), 5, 5, 0, 0);  // Dim 2: z stays zero

  // "Ending Stop" without coordinates leaves the ending as it was.
  loop->SetScript("Ending Stop;");
  EXPECT_EQ(loop->Ending, fx::kEndingLoop);
  loop->SetScript("Ending Stop (1,2);");
  EXPECT_EQ(loop->Ending, fx::kEndingStop);
  EXPECT_VEC_NEAR(loop->GetValue(5000), 1, 2, 0, 0);

  // A looping path without duration stays at its start; an empty one is zero.
  auto still = Path("Set Timing 0; Path (7,8) (9,9); Ending Loop;");
  EXPECT_VEC_NEAR(still->GetValue(12345), 7, 8, 0, 1e-4);
  fx::TOrlPiecewiseFunc empty;
  empty.Ending = fx::kEndingReverse;
  EXPECT_VEC_NEAR(empty.GetValue(100), 0, 0, 0, 0);
}

TEST(PiecewiseFunc, BezierArcLength) {
  // A quarter-circle-like arc is longer than its chord and shorter than its polygon.
  fx::TPiece piece;
  piece.Kind = fx::kPieceBezier;
  piece.SetPoint(0, {0, 0, 0});
  piece.SetPoint(1, {0, 55.23f, 0});
  piece.SetPoint(2, {44.77f, 100, 0});
  piece.SetPoint(3, {100, 100, 0});
  EXPECT_NEAR(fx::PieceLength(piece, 2), 157.08, 0.05);
  // Huge coordinates still finish.
  piece.SetPoint(1, {0, 1e30f, 0});
  EXPECT_GT(fx::PieceLength(piece, 2), 8e29f);
}

TEST(PiecewiseFunc, ThreeDimensionalPathsAndClear) {
  fx::TOrlPiecewiseFunc f;
  f.SetDim(3);
  f.SetScript("Set Linear; Path (0,0,0) (10,20,30,40); Ending Stop (1,2,3);");
  EXPECT_VEC_NEAR(f.GetValue(500), 5, 10, 15, 1e-4);
  EXPECT_VEC_NEAR(f.GetValue(1001), 1, 2, 3, 0);
  f.Clear();
  EXPECT_EQ(f.PieceCount(), 0);
  EXPECT_EQ(f.PointCount(), 0);
  EXPECT_EQ(f.Bezier, fx::kPieceLinear);  // the script state survives
}
