// bench/fx_bench.cpp — speed of the effects engine: updating a busy effect every frame, and
// cloning a prototype for every piece that flies.
#include <benchmark/benchmark.h>

#include <string>

#include "fx/particle_effect.hpp"

namespace {

// Six morph-driven parameters per particle: a path, a pulse, a colour cycle, a tint weight, a
// frame counter and a breathing size.
std::string BusyEffect(int particles) {
  return "<ParticleEffect Name=\"Busy\"><Functions>"
         "<Function Name=\"Path\" Dim=\"2\" Type=\"piecewise\"><Script>Path (0,0) (100,50) "
         "(200,0) (300,80); Ending Loop;</Script></Function>"
         "<Function Name=\"Pulse\" Dim=\"1\" Type=\"periodic\"><XParam>g1=0.3; a1=4; c=0.7"
         "</XParam></Function>"
         "<Function Name=\"Cycle\" Dim=\"3\" Type=\"periodic\"><XParam>g1=100; c=155</XParam>"
         "<YParam>g1=100; a1=2; c=155</YParam><ZParam>g1=100; a1=3; c=155; a2=1</ZParam>"
         "</Function>"
         "<Function Name=\"Tint\" Dim=\"1\" Type=\"parabolic\"><V0>0.1</V0></Function>"
         "<Function Name=\"Count\" Dim=\"1\" Type=\"parabolic\"><V0>12</V0></Function>"
         "<Function Name=\"Breath\" Dim=\"2\" Type=\"periodic\"><XParam>g1=0.2; c=1</XParam>"
         "<YParam>g1=0.2; c=1; g3=0.5; a3=2</YParam></Function>"
         "</Functions><Morphs>"
         "<Morph Name=\"Move\" Dim=\"2\"><Functions><Function Name=\"Path\"/></Functions>"
         "<Properties><Property Name=\"Position\">-5..5</Property></Properties></Morph>"
         "<Morph Name=\"Glow\" Dim=\"1\"><Functions><Function Name=\"Pulse\"/></Functions></Morph>"
         "<Morph Name=\"Hue\" Dim=\"3\"><Functions><Function Name=\"Cycle\"/></Functions></Morph>"
         "<Morph Name=\"Weight\" Dim=\"1\"><Functions><Function Name=\"Tint\"/></Functions></Morph>"
         "<Morph Name=\"Frames\" Dim=\"1\"><Functions><Function "
         "Name=\"Count\"/></Functions></Morph>"
         "<Morph Name=\"Size\" Dim=\"2\"><Functions><Function Name=\"Breath\"/></Functions>"
         "<Properties><Property Name=\"Scale\">2, 2</Property></Properties></Morph>"
         "</Morphs><Particles><Particle Name=\"Dot\">"
         "<Parameter Name=\"Position\" Dim=\"2\" Morph=\"Move\" ClonedMorph=\"true\"/>"
         "<Parameter Name=\"Alpha\" Dim=\"1\" Morph=\"Glow\"/>"
         "<Parameter Name=\"Color\" Dim=\"3\" Morph=\"Hue\"/>"
         "<Parameter Name=\"ColorValue\" Dim=\"1\" Morph=\"Weight\"/>"
         "<Parameter Name=\"Frame\" Dim=\"1\" Morph=\"Frames\"/>"
         "<Parameter Name=\"Size\" Dim=\"2\" Morph=\"Size\"/>"
         "</Particle></Particles><ParticleSystems><ParticleSystem Name=\"Dots\" Template=\"Dot\">"
         "<InitParticles>" +
         std::to_string(particles) +
         "</InitParticles>"
         "<InitInterval>/" +
         std::to_string(particles) +
         "</InitInterval>"
         "</ParticleSystem></ParticleSystems></ParticleEffect>";
}

// Fifteen systems, each with its own template, morphs and functions, like the game's largest
// effects.
std::string WideEffect(int systems) {
  std::string functions, morphs, particles, list;
  for (int i = 0; i < systems; ++i) {
    const std::string n = std::to_string(i);
    functions += "<Function Name=\"Path" + n + "\" Dim=\"2\" Type=\"piecewise\"><Script>Path (0," +
                 n + ") (50,60) (100,0);</Script></Function><Function Name=\"Fade" + n +
                 "\" Dim=\"1\" Type=\"parabolic\"><P0>1</P0><V0>-1</V0></Function>";
    morphs += "<Morph Name=\"Move" + n + "\" Dim=\"2\"><Functions><Function Name=\"Path" + n +
              "\" Clone=\"true\"/></Functions><Properties><Property Name=\"Scale\">0.5..1.5"
              "</Property></Properties></Morph><Morph Name=\"Alpha" +
              n + "\" Dim=\"1\"><Functions><Function Name=\"Fade" + n + "\"/></Functions></Morph>";
    particles += "<Particle Name=\"P" + n +
                 "\"><Parameter Name=\"Position\" Dim=\"2\" Morph=\"Move" + n +
                 "\" ClonedMorph=\"true\"/><Parameter Name=\"Alpha\" Dim=\"1\" Morph=\"Alpha" + n +
                 "\"><LiveValue>(0.05)-(1)</LiveValue></Parameter></Particle>";
    list += "<ParticleSystem Name=\"S" + n + "\" Template=\"P" + n +
            "\"><InitParticles>3"
            "</InitParticles><ThrowInterval>0.05</ThrowInterval><ParticlesPerThrow>1"
            "</ParticlesPerThrow><Resource>spark</Resource></ParticleSystem>";
  }
  return "<ParticleEffect Name=\"Wide\"><Functions>" + functions + "</Functions><Morphs>" + morphs +
         "</Morphs><Particles>" + particles + "</Particles><ParticleSystems>" + list +
         "</ParticleSystems></ParticleEffect>";
}

void BM_EffectUpdate1000(benchmark::State& state) {
  fx::TOrlParticleEffect effect;
  effect.LoadFromText(BusyEffect(1000));
  effect.Start(1000);
  effect.Init();
  uint32_t t = 1000;
  for (auto _ : state) {
    t += 16;
    benchmark::DoNotOptimize(effect.Update(t));
  }
  if (effect.LiveCount() != 1000) state.SkipWithError("the effect lost particles");
  state.SetItemsProcessed(state.iterations() * effect.LiveCount());
}
BENCHMARK(BM_EffectUpdate1000)->Unit(benchmark::kMicrosecond);

void BM_EffectAssign15(benchmark::State& state) {
  fx::TOrlParticleEffect prototype;
  prototype.LoadFromText(WideEffect(15));
  for (auto _ : state) {
    fx::TOrlParticleEffect effect;
    benchmark::DoNotOptimize(effect.Assign(&prototype));
  }
}
BENCHMARK(BM_EffectAssign15)->Unit(benchmark::kMicrosecond);

}  // namespace
