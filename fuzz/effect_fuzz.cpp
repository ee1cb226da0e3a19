// fuzz/effect_fuzz.cpp — any bytes as an effect description: loading, a deep copy, and the
// first moments of running it.
#include <cstddef>
#include <cstdint>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "fx/particle_effect.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  fx::TOrlParticleEffect effect;
  try {
    effect.LoadFromText(fuzz::Text(bytes, size));
  } catch (const data::Error&) {
    return 0;
  }
  const auto copy = effect.Clone();
  copy->Start(1000);
  if (!copy->Init()) return 0;
  for (uint32_t t : {1000u, 1016u, 1500u, 3000u}) copy->Update(t);
  return 0;
}
