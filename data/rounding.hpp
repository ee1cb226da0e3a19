// data/rounding.hpp — the program's one rounding rule: to the nearest whole number, halves to
// the even neighbour, for every subsystem (rules, effects, pictures, controls).
#pragma once

#include <cstdint>

namespace data {

// The nearest whole number as a double, halves to even; NaN and infinities come back unchanged.
// Does not depend on the floating-point unit's rounding mode.
double RoundHalfEvenReal(double value);

// The nearest 32-bit integer, halves to even. Values beyond the 32-bit range (infinities too)
// saturate to INT32_MIN or INT32_MAX; NaN gives 0.
int32_t RoundHalfEven(double value);

}  // namespace data
