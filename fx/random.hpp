// fx/random.hpp — the random generator effects draw from. Every effect owns one, seeded from the
// effect library that made it, so a seed reproduces an effect run exactly (tests, zerith-tool,
// recorded games) and two owners never disturb each other.
#pragma once

#include <cstdint>
#include <random>

namespace fx {

constexpr uint32_t kDefaultEffectSeed = 5489u;

class TRandom {
 public:
  explicit TRandom(uint32_t seed = kDefaultEffectSeed) : engine(seed) {}
  void Seed(uint32_t seed) { engine.seed(seed); }
  // Uniform in [0, 1); 24 random bits, so the sequence for a seed is the same on every machine.
  float NextFloat() { return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f); }
  // 32 random bits, for seeding another generator.
  uint32_t NextSeed() { return static_cast<uint32_t>(engine()); }

 private:
  std::mt19937 engine;
};

}  // namespace fx
