#include "fx/morph_func.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "fx/parabolic_func.hpp"
#include "fx/periodic_func.hpp"
#include "fx/piecewise_func.hpp"
#include "test_util.hpp"
#include "tests/support/error_of.hpp"

using support_test::ErrorOf;

using fx::TVector;

TEST(MorphFunc, ParameterNamesAndIndexes) {
  fx::TOrlPeriodicFunc f;
  f.SetName("Wave");
  EXPECT_EQ(f.ParamIndex("Weight"), 0);
  EXPECT_EQ(f.ParamIndex("b3"), 8);
  EXPECT_EQ(ErrorOf([&] { f.ParamIndex("weight"); }),
            "Invalid TOrlPeriodicFunc function \"Wave\" parameter \"weight\"");
  EXPECT_EQ(ErrorOf([&] { f.SetParam(10, {}); }),
            "Invalid TOrlPeriodicFunc function \"Wave\" parameter index 10");
  f.SetParamByName("Weight", {0.5f, 0, 0});
  EXPECT_EQ(f.Weight, 0.5f);

  fx::TOrlPiecewiseFunc path;
  EXPECT_EQ(path.ParamIndex("Point[3]"), 3);
  EXPECT_EQ(path.Name(), "OrlPiecewiseFunc_Default");
  EXPECT_EQ(ErrorOf([&] { path.SetParam(3, {}); }),
            "Invalid TOrlPiecewiseFunc function \"OrlPiecewiseFunc_Default\" parameter index 3");

  fx::TOrlParabolicFunc p;
  EXPECT_EQ(p.ParamIndex("V0"), 2);
  EXPECT_EQ(ErrorOf([&] { p.ParamIndex("v0"); }),
            "Invalid TOrlParabolicFunc function \"OrlParabolicFunc_Default\" parameter \"v0\"");
}

TEST(PeriodicFunc, DefaultsAndModulation) {
  fx::TOrlPeriodicFunc f;
  f.SetDim(3);
  EXPECT_VEC_NEAR(f.GetValue(1000), std::sin(1.0), std::sin(1.0), std::sin(1.0), 1e-6);

  f.SetAxisParams(0, "g1=10; A1 = 6.28; c=5; junk; zz=3");
  EXPECT_FALSE(f.Axis[0].AmplitudeModulation);
  EXPECT_NEAR(f.GetValue(250).x, 10 * std::sin(6.28 * 0.25) + 5, 1e-4);
  f.SetAxisParams(1, "a2=0; g3=1");
  EXPECT_FALSE(f.Axis[1].AmplitudeModulation);
  EXPECT_FALSE(f.Axis[1].PhaseModulation);  // a3 is still 0

  f.SetAxisParams(2, "a2=2; b2=0.5; g3=0.5; a3=3; b3=1");
  const double t = 0.7;
  EXPECT_NEAR(f.GetValue(700).z, std::sin(t + 0.5 * std::sin(3 * t + 1)) * std::sin(2 * t + 0.5),
              1e-5);

  // SetParam changes values on every axis below Dim, but not the flags.
  f.SetDim(2);
  f.SetParam(4, {0, 0, 7});
  EXPECT_EQ(f.Axis[0].a2, 0.0f);
  EXPECT_EQ(f.Axis[2].a2, 2.0f);

  const fx::TPeriodicParams before = f.Axis[0];
  EXPECT_EQ(ErrorOf([&] { f.SetAxisParams(0, "g1=2; c=five"); }),
            "\"five\" is not a valid floating point value");
  EXPECT_EQ(f.Axis[0].g1, before.g1);
}

TEST(ParabolicFunc, ThrowUnderConstantAcceleration) {
  fx::TOrlParabolicFunc f;
  f.V0 = {10, 0, 0};
  f.A = {0, 5, 0};
  EXPECT_VEC_NEAR(f.GetValue(1000), 10, 5, 0, 1e-6);
  f.SetDim(1);
  f.SetParam(1, {3, 4, 5});
  EXPECT_EQ(f.P0, (TVector{3, 0, 0}));
  EXPECT_VEC_NEAR(f.GetValue(2000), 23, 0, 0, 1e-5);
}

TEST(MorphFunc, AssignCopiesEverythingOfTheSameClassOnly) {
  fx::TOrlPeriodicFunc a, b;
  a.SetName("A");
  a.SetDim(1);
  a.Weight = 3;
  a.OwnedByMorph = 0;
  a.SetAxisParams(0, "g1=4");
  ASSERT_TRUE(b.Assign(&a));
  EXPECT_EQ(b.Name(), "A");
  EXPECT_EQ(b.Dim(), 1);
  EXPECT_EQ(b.Weight, 3.0f);
  EXPECT_EQ(b.OwnedByMorph, 0);
  EXPECT_EQ(b.Axis[0].g1, 4.0f);
  fx::TOrlParabolicFunc other;
  EXPECT_FALSE(other.Assign(&a));
  EXPECT_FALSE(other.Assign(nullptr));
}
