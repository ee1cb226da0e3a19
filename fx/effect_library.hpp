// fx/effect_library.hpp — what the effects of one owner (a game, a tool run, a test) share and
// change while they run: the generator every new effect is seeded from, the error log, and the
// libraries of morphs built outside any effect. Nothing of the effects engine is program-wide, so
// two owners never disturb each other and one seed reproduces every effect of its owner.
#pragma once

#include <cstdint>
#include <memory>

#include "fx/error_log.hpp"
#include "fx/morph.hpp"
#include "fx/morph_func.hpp"
#include "fx/random.hpp"

namespace fx {

class TOrlParticleEffect;

class TEffectLibrary {
 public:
  explicit TEffectLibrary(uint32_t seed = kDefaultEffectSeed) : random(seed) {}
  TEffectLibrary(const TEffectLibrary&) = delete;
  TEffectLibrary& operator=(const TEffectLibrary&) = delete;

  // Restarts the sequence of effect seeds (a new game seeds its library from the game's seed).
  void Seed(uint32_t seed) { random.Seed(seed); }
  // The seed of the next effect made in this library (loaded, or cloned from a template).
  uint32_t NextEffectSeed() { return random.NextSeed(); }

  TErrorLog& Log() { return log; }

  // A new empty effect of this library; load it from a file and keep it as a template: every
  // Clone of it is an effect of this library with a seed of its own.
  // NOTE: the library must outlive every effect made in it.
  std::unique_ptr<TOrlParticleEffect> NewEffect();

  // The libraries and generator of morphs built outside any effect.
  TMorphContext MorphContext() { return {&functions, &morphs, &random}; }
  TOrlMorphFuncLib& Functions() { return functions; }
  TOrlMorphLib& Morphs() { return morphs; }

 private:
  TRandom random;
  TErrorLog log;
  TOrlMorphFuncLib functions;
  TOrlMorphLib morphs;
};

}  // namespace fx
