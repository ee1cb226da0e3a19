#include "fx/vector.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "fx/text_utils.hpp"
#include "test_util.hpp"
#include "tests/support/error_of.hpp"

using support_test::ErrorOf;

using fx::TVector;

TEST(Vector, OperationsTouchOnlyTheFirstNComponents) {
  const TVector a{1, 2, 3}, b{4, 6, 8};
  EXPECT_EQ(fx::VecAdd(a, b, 2), (TVector{5, 8, 0}));
  EXPECT_EQ(fx::VecSub(b, a, 1), (TVector{3, 0, 0}));
  EXPECT_FLOAT_EQ(fx::VecDot(a, b, 3), 40.0f);
  EXPECT_FLOAT_EQ(fx::VecLength(TVector{3, 4, 12}, 2), 5.0f);
  EXPECT_EQ(fx::VecNormalize(TVector{1e-7f, 0, 0}), TVector{});
  EXPECT_VEC_NEAR(fx::VecNormalize(TVector{0, 3, 4}), 0, 0.6, 0.8, 1e-6);
  EXPECT_VEC_NEAR(fx::VecBlend(a, b, 0.5f, 3), 2.5, 4, 5.5, 1e-6);
  EXPECT_EQ(fx::VecCross(TVector{1, 0, 0}, TVector{0, 1, 0}), (TVector{0, 0, 1}));
}

TEST(Vector, RotationTurnsClockwiseInScreenTerms) {
  EXPECT_VEC_NEAR(fx::VecRotate2D(TVector{1, 0, 0}, M_PI / 2), 0, -1, 0, 1e-6);
  EXPECT_VEC_NEAR(fx::VecRotate2D(TVector{2, 5, 0}, M_PI, 1), -2, 0, 0, 1e-6);
  // The matrix of a Z rotation maps row vectors; its translation row moves the point.
  fx::TMatrix4 m = fx::RotationZ(M_PI / 2);
  m.m[3][0] = 10;
  EXPECT_VEC_NEAR(fx::TransformPoint(TVector{1, 0, 0}, m), 10, 1, 0, 1e-6);
  const fx::TMatrix4 q = fx::MatrixFromQuaternion(fx::QuaternionFromAxisAngle({0, 0, 1}, 0.7f));
  const fx::TMatrix4 z = fx::RotationZ(0.7f);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(q.m[i][j], z.m[i][j], 1e-6) << i << j;
}

TEST(Vector, StrToVectorReadsOneToThreeNumbers) {
  EXPECT_EQ(fx::StrToVector("(1.5, 2)"), (TVector{1.5f, 2, 0}));
  EXPECT_EQ(fx::StrToVector("7"), (TVector{7, 0, 0}));
  EXPECT_EQ(fx::StrToVector("  ( 3 )  "), (TVector{3, 0, 0}));
  EXPECT_EQ(fx::StrToVector("-1e2,+.5,3."), (TVector{-100, 0.5f, 3}));
  EXPECT_EQ(ErrorOf([] { fx::StrToVector("1,2,3,4"); }),
            "\"1,2,3,4\" string-to-vector convertation failed");
  EXPECT_EQ(ErrorOf([] { fx::StrToVector(""); }), "\"\" string-to-vector convertation failed");
  EXPECT_EQ(ErrorOf([] { fx::StrToVector("1,x"); }), "\"x\" is not a valid floating point value");
  EXPECT_EQ(ErrorOf([] { fx::StrToVector("1,,2"); }), "\"\" is not a valid floating point value");
  EXPECT_EQ(ErrorOf([] { fx::StrToVector("inf"); }), "\"inf\" is not a valid floating point value");
  EXPECT_EQ(ErrorOf([] { fx::StrToVector("1e39"); }),
            "\"1e39\" is not a valid floating point value");
}

TEST(TextUtils, SplittingAndNumbers) {
  EXPECT_EQ(fx::SplitText("a;;b;", ';'), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(fx::SplitText("x( 1,2 )y", ',', true), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(fx::ReadFloatOrZero("abc"), 0.0f);
  EXPECT_EQ(fx::SecondsToMs(0.0025), 2);  // halves to even
  EXPECT_EQ(fx::SecondsToMs(1e300), 2147483647);
  EXPECT_EQ(fx::CutName(std::string(40, 'n')).size(), 32u);
}
