// rules/rounding.hpp — the game's rounding and integer division conventions.
#pragma once

#include <cmath>

#include "data/rounding.hpp"

namespace rules {

// Nearest integer, halves to even, as everywhere in the program.
using data::RoundHalfEven;

// Distance between two points, rounded.
inline int RoundedDistance(int dx, int dy) {
  return RoundHalfEven(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

}  // namespace rules
