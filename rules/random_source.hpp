// rules/random_source.hpp — the rules' own generator; every chance in a game comes from it, in
// a fixed order, so a seed replays a game exactly.
#pragma once

#include <cstdint>

#include "rules/grow_list.hpp"

namespace rules {

class TRandomSource {
 public:
  explicit TRandomSource(uint32_t seed = 0) : Seed(seed) {}

  // 0..n-1; 0 for n <= 0 (the step is still taken, so the sequence does not depend on n).
  int32_t Random(int32_t n);
  // [0, 1) with 2^-32 resolution.
  double RandomReal();
  // Index of the first running sum of weights that reaches r + 1 for r = Random(sum); negative
  // weights count as 0; -1 when every weight is 0.
  int32_t WeightedPick(const TIntegers& weights);

  uint32_t Seed;

 private:
  void Step() { Seed = Seed * 134775813u + 1u; }
};

}  // namespace rules
