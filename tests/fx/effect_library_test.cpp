// Effect libraries: a seed reproduces every effect of its owner, and owners stay apart.
#include "fx/effect_library.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fx/particle_effect.hpp"

namespace {

const std::string kSparkle = std::string(ZERITH_TEST_DATA) + "/fx/sparkle.xml";

// Every particle's position, alpha and colour, system by system, as text.
std::string Snapshot(const fx::TOrlParticleEffect& effect) {
  std::ostringstream out;
  for (int s = 0; s < effect.SystemCount(); ++s) {
    const fx::TOrlParticleSystem& system = *effect.System(s);
    for (int i = 0; i < system.ParticleCount(); ++i) {
      const fx::TOrlParticle& p = *system.Particle(i);
      out << p.Position() << ' ' << p.Alpha() << ' ' << p.Color() << '\n';
    }
  }
  return out.str();
}

// Starts the effect at 0 and records it every 100 ms for two seconds (three bursts of sparks).
std::vector<std::string> Record(fx::TOrlParticleEffect& effect) {
  std::vector<std::string> frames;
  effect.Start(0);
  effect.Init();
  for (uint32_t t = 0; t <= 2000; t += 100) {
    effect.Update(t);
    frames.push_back(Snapshot(effect));
  }
  return frames;
}

std::unique_ptr<fx::TOrlParticleEffect> LoadTemplate(fx::TEffectLibrary& library) {
  std::unique_ptr<fx::TOrlParticleEffect> effect = library.NewEffect();
  effect->LoadFromFile(kSparkle);
  return effect;
}

}  // namespace

TEST(EffectLibrary, OneTemplateAndOneSeedGiveIdenticalParticles) {
  fx::TEffectLibrary library(42);
  const auto templ = LoadTemplate(library);
  auto first = templ->Clone();
  auto second = templ->Clone();
  ASSERT_EQ(first->Library(), &library);
  // Clones take fresh seeds from the library, so two showings of an effect differ...
  const std::vector<std::string> unseeded = Record(*first);
  EXPECT_NE(unseeded, Record(*second));
  EXPECT_NE(unseeded.back(), "");
  // ...and the same seed makes them alike, particle for particle.
  auto third = templ->Clone();
  auto fourth = templ->Clone();
  third->Seed(9);
  fourth->Seed(9);
  EXPECT_EQ(Record(*third), Record(*fourth));
}

TEST(EffectLibrary, ASeedReproducesItsOwnersEffectsWhateverOthersDo) {
  auto showings = [](fx::TEffectLibrary& library, fx::TEffectLibrary* other) {
    const auto templ = LoadTemplate(library);
    std::vector<std::vector<std::string>> runs;
    for (int i = 0; i < 3; ++i) {
      auto effect = templ->Clone();
      if (other) {  // another owner's effects run in between and draw from their own library
        auto noise = LoadTemplate(*other);
        Record(*noise->Clone());
      }
      runs.push_back(Record(*effect));
    }
    return runs;
  };
  fx::TEffectLibrary alone(7);
  const auto expected = showings(alone, nullptr);

  fx::TEffectLibrary game(7), neighbour(7);
  EXPECT_EQ(showings(game, &neighbour), expected);
  // A new game seeded alike replays the same effects in the same library.
  game.Seed(7);
  EXPECT_EQ(showings(game, nullptr), expected);
  fx::TEffectLibrary otherSeed(8);
  EXPECT_NE(showings(otherSeed, nullptr), expected);
}

TEST(EffectLibrary, MorphsOutsideEffectsUseTheirOwnersLibraries) {
  fx::TEffectLibrary first(1), second(1);
  fx::TOrlMorph morph(first.MorphContext());
  EXPECT_EQ(morph.Context().Morphs, &first.Morphs());
  EXPECT_EQ(morph.Context().Functions, &first.Functions());
  EXPECT_NE(morph.Context().Random, second.MorphContext().Random);
  // The log is off until its owner gives it a sink, and each owner has its own.
  std::ostringstream out;
  first.Log().SetSink(&out);
  EXPECT_TRUE(first.Log().Enabled());
  EXPECT_FALSE(second.Log().Enabled());
}
