// Emission, lifetime and removal rules of particle systems, and when an effect is finished.
#include "fx/particle_system.hpp"

#include <gtest/gtest.h>

#include "fx/particle_effect.hpp"
#include "test_util.hpp"

namespace {

// An effect with one system of "Dot" particles: alpha falls from 1 by 1 per second and must
// stay within [lowAlpha, 1]; settings are the system's child tags.
std::unique_ptr<fx::TOrlParticleEffect> Effect(const std::string& settings,
                                               const std::string& effectAttrs = "",
                                               const char* lowAlpha = "0") {
  auto effect = std::make_unique<fx::TOrlParticleEffect>();
  effect->LoadFromText(
      "<ParticleEffect Name=\"E\" " + effectAttrs +
      "><Functions><Function Name=\"Fall\" Dim=\"1\" Type=\"parabolic\"><P0>1</P0><V0>-1</V0>"
      "</Function></Functions><Morphs><Morph Name=\"Fade\" Dim=\"1\"><Functions>"
      "<Function Name=\"Fall\"/></Functions></Morph></Morphs><Particles><Particle Name=\"Dot\">"
      "<Parameter Name=\"Alpha\" Dim=\"1\" Morph=\"Fade\"><LiveValue>(" +
      lowAlpha +
      ")-(1)</LiveValue></Parameter></Particle></Particles><ParticleSystems>"
      "<ParticleSystem Name=\"S\" Template=\"Dot\">" +
      settings + "</ParticleSystem></ParticleSystems></ParticleEffect>");
  return effect;
}

}  // namespace

TEST(ParticleSystem, ThrowsRespectMaxParticlesAndLifetime) {
  auto effect = Effect(
      "<ThrowInterval>0.1</ThrowInterval><ParticlesPerThrow>2</ParticlesPerThrow>"
      "<MaxParticles>10</MaxParticles><MaxLifetime>0.5</MaxLifetime>");
  effect->Start(1000);
  ASSERT_TRUE(effect->Init());
  fx::TOrlParticleSystem& s = *effect->System(0);
  int most = 0;
  for (uint32_t t = 1000; t <= 3000; t += 20) {
    effect->Update(t);
    most = std::max(most, s.ParticleCount());
    EXPECT_LE(s.ParticleCount(), 10) << t;
    for (int i = 0; i < s.ParticleCount(); ++i) EXPECT_LE(t - s.Particle(i)->BirthTime, 500u) << t;
  }
  EXPECT_EQ(most, 10);
  // A particle stays while it is exactly 500 ms old and goes at the next update.
  auto exact = Effect(
      "<ThrowInterval>10</ThrowInterval><ParticlesPerThrow>1</ParticlesPerThrow>"
      "<MaxLifetime>0.5</MaxLifetime>");
  exact->Start(0);
  exact->Update(10000);
  EXPECT_EQ(exact->System(0)->Particle(0)->Name(), "Dot0");
  exact->Update(10500);
  EXPECT_EQ(exact->LiveCount(), 1);
  exact->Update(10501);
  EXPECT_EQ(exact->LiveCount(), 0);
}

TEST(ParticleSystem, BurstsOfThrowsWithPauses) {
  auto effect = Effect(
      "<EmissionInterval>1</EmissionInterval><ThrowsPerEmission>3"
      "</ThrowsPerEmission><ThrowInterval>0.1</ThrowInterval>"
      "<ParticlesPerThrow>1</ParticlesPerThrow>",
      "", "-100");
  effect->Start(5000);
  effect->Init();
  std::vector<uint32_t> births;
  int count = 0;
  for (uint32_t t = 5000; t <= 8000; t += 50) {
    effect->Update(t);
    if (effect->LiveCount() > count) births.push_back(t);
    count = effect->LiveCount();
  }
  EXPECT_EQ(births, (std::vector<uint32_t>{5000, 5100, 5200, 6200, 6300, 6400, 7400, 7500, 7600}));
}

TEST(ParticleSystem, LiveRangesRemoveParticlesDownToTheMinimum) {
  auto effect = Effect("<InitParticles>3</InitParticles><MinParticles>1</MinParticles>", "", "0.1");
  effect->Start(0);
  effect->Init();
  effect->Update(850);
  EXPECT_EQ(effect->LiveCount(), 3);
  effect->Update(901);  // alpha 0.099 leaves (0.1)-(1): two go, the last one stays
  ASSERT_EQ(effect->LiveCount(), 1);
  EXPECT_TRUE(effect->System(0)->Particle(0)->Dead);
  EXPECT_EQ(effect->System(0)->Particle(0)->Name(), "Dot2");
}

TEST(ParticleSystem, SlotsWithoutMorphsKeepDefaultsAndDrift) {
  auto effect = Effect(
      "<InitParticles>2</InitParticles><InitInterval>0.25</InitInterval>"
      "<Position>1, 2</Position>");
  effect->Start(100);
  effect->Init();
  const fx::TOrlParticle& p = *effect->System(0)->Particle(1);
  EXPECT_EQ(p.Color(), (fx::TVector{255, 255, 255}));
  EXPECT_EQ(p.Size(), (fx::TVector{1, 1, 1}));
  EXPECT_EQ(p.Frame(), 0);
  EXPECT_EQ(p.TimeShift(), 250);
  EXPECT_FLOAT_EQ(p.Alpha(), 1.0f);  // the time shift moves the first parameter only
  effect->Update(200);
  effect->Update(300);
  EXPECT_EQ(p.Position(), (fx::TVector{2, 4, 0}));  // moved by Position at each update
  EXPECT_FLOAT_EQ(p.Alpha(), 0.8f);
}

TEST(ParticleEffect, FinishedByLifetimeOrMinimum) {
  auto timed = Effect("<InitParticles>1</InitParticles>", "Lifetime=\"2\"");
  timed->Start(1000);
  timed->Init();
  EXPECT_FALSE(timed->Update(3000));
  EXPECT_TRUE(timed->Update(3001));

  auto counted = Effect("<InitParticles>2</InitParticles>", "MinParticles=\"1\"", "0.5");
  counted->Start(0);
  counted->Init();
  EXPECT_FALSE(counted->Update(400));
  EXPECT_TRUE(counted->Update(600));
  EXPECT_EQ(counted->LiveCount(), 0);
}

TEST(ParticleEffect, ClonesShareNothingWithThePrototype) {
  auto prototype = std::make_unique<fx::TOrlParticleEffect>();
  prototype->LoadFromFile(std::string(ZERITH_TEST_DATA) + "/fx/sparkle.xml");
  prototype->Start(5000);
  prototype->Init();
  prototype->Update(5000);
  prototype->Update(5100);
  std::unique_ptr<fx::TOrlParticleEffect> clone = prototype->Clone();
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->System(0)->ParticleCount(), 2);
  EXPECT_NE(clone->Morph(0), prototype->Morph(0));
  EXPECT_NE(clone->Function(0), prototype->Function(0));
  EXPECT_EQ(clone->System(0)->Template(), clone->Template(0));

  // Both run the same way from the same seed.
  auto second = prototype->Clone();
  clone->Seed(5);
  prototype->Seed(5);
  clone->Update(5300);
  prototype->Update(5300);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(clone->System(0)->Particle(i)->Position(),
              prototype->System(0)->Particle(i)->Position());
  // The prototype can go away; the copies keep running on their own data.
  prototype.reset();
  second->Update(5400);
  EXPECT_EQ(second->LiveCount(), 3);
}

// Birth of a particle: an InitMorph reads the private copy of "Offset" that a later InitMorph
// of the same parameter sets up, so that copy is prepared first; a particle that leaves its
// live range at its first update keeps the default values in the slots after that parameter.
TEST(ParticleSystem, BirthOrdersInitMorphsAndKeepsDefaultsAfterADeadSlot) {
  fx::TOrlParticleEffect effect;
  effect.LoadFromText(R"(<ParticleEffect Name="Birth">
    <Functions>
      <Function Name="Line" Dim="2" Type="piecewise">
        <Script>Set Linear; Path (0,0) (100,0);</Script>
      </Function>
      <Function Name="Off" Dim="2" Type="parabolic"/>
      <Function Name="Tint" Dim="3" Type="parabolic"><P0>10, 20, 30</P0></Function>
      <Function Name="Fade" Dim="1" Type="parabolic"><P0>1</P0><V0>-1</V0></Function>
    </Functions>
    <Morphs>
      <Morph Name="Move" Dim="2"><Functions><Function Name="Line"/></Functions></Morph>
      <Morph Name="Offset" Dim="2"><Functions><Function Name="Off" Clone="true"/></Functions></Morph>
      <Morph Name="Colour" Dim="3"><Functions><Function Name="Tint"/></Functions></Morph>
      <Morph Name="Fading" Dim="1"><Functions><Function Name="Fade"/></Functions></Morph>
    </Morphs>
    <Particles>
      <Particle Name="Dot">
        <Parameter Name="Position" Dim="2" Morph="Move" ClonedMorph="true">
          <InitMorphs>
            <InitMorph Name="Move"><Property Name="Position">Offset</Property></InitMorph>
            <InitMorph Name="Offset"><Property Name="Off.P0">5, 6</Property></InitMorph>
          </InitMorphs>
        </Parameter>
      </Particle>
      <Particle Name="Ghost">
        <Parameter Name="Alpha" Dim="1" Morph="Fading"><LiveValue>(2)-(3)</LiveValue></Parameter>
        <Parameter Name="Color" Dim="3" Morph="Colour"/>
      </Particle>
    </Particles>
    <ParticleSystems>
      <ParticleSystem Name="Dots" Template="Dot"><InitParticles>1</InitParticles></ParticleSystem>
      <ParticleSystem Name="Ghosts" Template="Ghost">
        <InitParticles>2</InitParticles><MinParticles>1</MinParticles>
      </ParticleSystem>
    </ParticleSystems>
  </ParticleEffect>)");
  effect.Start(0);
  effect.Init();
  effect.Update(0);
  const fx::TOrlParticle& dot = *effect.System(0)->Particle(0);
  EXPECT_VEC_NEAR(dot.Position(), 5, 6, 0, 1e-4);
  effect.Update(500);
  EXPECT_VEC_NEAR(dot.Position(), 55, 6, 0, 1e-4);  // the offset is taken once, at birth

  ASSERT_EQ(effect.System(1)->ParticleCount(), 1);
  const fx::TOrlParticle& ghost = *effect.System(1)->Particle(0);
  EXPECT_TRUE(ghost.Dead);
  EXPECT_FLOAT_EQ(ghost.Alpha(), 0.5f);                    // computed, then found outside (2)-(3)
  EXPECT_EQ(ghost.Color(), (fx::TVector{255, 255, 255}));  // never reached: still the default
}
