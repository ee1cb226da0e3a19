// rules/rounding.hpp — the game's rounding and integer division conventions.
#pragma once

#include <cmath>
#include <cstdint>

namespace rules {

// Nearest integer, halves to even, as everywhere in the rules.
inline int RoundHalfEven(double value) {
  const double r = std::nearbyint(value);      // the default rounding mode is to nearest, ties even
  if (!(r > -2147483648.0)) return INT32_MIN;  // also NaN
  if (r > 2147483647.0) return INT32_MAX;
  return static_cast<int>(r);
}

// Distance between two points, rounded.
inline int RoundedDistance(int dx, int dy) {
  return RoundHalfEven(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

}  // namespace rules
