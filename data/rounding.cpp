// data/rounding.cpp
#include "data/rounding.hpp"

#include <cmath>

namespace data {

double RoundHalfEvenReal(double value) {
  if (!std::isfinite(value)) return value;
  const double below = std::floor(value);
  const double fraction = value - below;  // exact in binary floating point
  if (fraction > 0.5) return below + 1.0;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

int32_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = RoundHalfEvenReal(value);
  if (rounded >= 2147483647.0) return INT32_MAX;
  if (rounded <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(rounded);
}

}  // namespace data
