// The one rounding rule: halves to even, saturation, and what NaN and infinities give.
#include "data/rounding.hpp"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Rounding, HalvesGoToTheEvenNeighbourOnBothSides) {
  const struct {
    double in;
    int32_t out;
  } cases[] = {{0.5, 0},           {1.5, 2},
               {2.5, 2},           {3.5, 4},
               {-0.5, 0},          {-1.5, -2},
               {-2.5, -2},         {2.4, 2},
               {2.6, 3},           {-2.6, -3},
               {0.49999999999, 0}, {-0.0, 0},
               {1e-300, 0},        {4503599627370495.5, INT32_MAX}};
  for (const auto& c : cases) EXPECT_EQ(data::RoundHalfEven(c.in), c.out) << c.in;
  // The rounding mode of the floating-point unit does not matter.
  std::fesetround(FE_UPWARD);
  EXPECT_EQ(data::RoundHalfEven(2.5), 2);
  EXPECT_EQ(data::RoundHalfEvenReal(-3.5), -4.0);
  std::fesetround(FE_TONEAREST);
}

TEST(Rounding, OutOfRangeSaturatesAndNaNGivesZero) {
  EXPECT_EQ(data::RoundHalfEven(kNaN), 0);
  EXPECT_EQ(data::RoundHalfEven(-kNaN), 0);
  EXPECT_EQ(data::RoundHalfEven(kInf), INT32_MAX);
  EXPECT_EQ(data::RoundHalfEven(-kInf), INT32_MIN);
  EXPECT_EQ(data::RoundHalfEven(1e300), INT32_MAX);
  EXPECT_EQ(data::RoundHalfEven(-1e300), INT32_MIN);
  EXPECT_EQ(data::RoundHalfEven(2147483646.5), 2147483646);
  EXPECT_EQ(data::RoundHalfEven(2147483647.4), INT32_MAX);
  EXPECT_EQ(data::RoundHalfEven(2147483648.0), INT32_MAX);
  EXPECT_EQ(data::RoundHalfEven(-2147483648.4), INT32_MIN);
  EXPECT_EQ(data::RoundHalfEven(-2147483649.0), INT32_MIN);
  // The real form keeps what has no nearest whole number, and huge values as they are.
  EXPECT_TRUE(std::isnan(data::RoundHalfEvenReal(kNaN)));
  EXPECT_EQ(data::RoundHalfEvenReal(-kInf), -kInf);
  EXPECT_EQ(data::RoundHalfEvenReal(1e300), 1e300);
  EXPECT_EQ(data::RoundHalfEvenReal(6442450943.5), 6442450944.0);
}

}  // namespace
