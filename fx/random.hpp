// fx/random.hpp — the one random generator of the effects engine. Seeding it makes every effect
// run reproducible (tests, zerith-tool, recorded games).
#pragma once

#include <cstdint>
#include <random>

namespace fx {

class TRandom {
 public:
  void Seed(uint32_t seed) { engine.seed(seed); }
  // Uniform in [0, 1); 24 random bits, so the sequence for a seed is the same on every machine.
  float NextFloat() { return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 engine{5489u};
};

// The engine-wide generator.
TRandom& Random();

}  // namespace fx
