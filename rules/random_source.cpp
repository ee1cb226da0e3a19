// rules/random_source.cpp
#include "rules/random_source.hpp"

namespace rules {

int32_t TRandomSource::Random(int32_t n) {
  Step();
  if (n <= 0) return 0;
  return static_cast<int32_t>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
}

double TRandomSource::RandomReal() {
  Step();
  return static_cast<double>(Seed) / 4294967296.0;
}

int32_t TRandomSource::WeightedPick(const TIntegers& weights) {
  int64_t sum = 0;
  for (int32_t w : weights) sum += w > 0 ? w : 0;
  // A level's weights are small; a sum beyond 32 bits would be a broken file, not a game.
  const int32_t limit = sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
  const int64_t r = Random(limit);
  int64_t running = 0;
  for (int i = 0; i < weights.Count(); ++i) {
    running += weights[i] > 0 ? weights[i] : 0;
    if (running >= r + 1) return i;
  }
  return -1;
}

}  // namespace rules
