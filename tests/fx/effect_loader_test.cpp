// Reading effect documents: every loader message, and what loading builds.
#include <gtest/gtest.h>

#include <cmath>

#include "data/memory_stream.hpp"
#include "fx/particle_effect.hpp"
#include "fx/periodic_func.hpp"
#include "fx/piecewise_func.hpp"
#include "test_util.hpp"
#include "tests/support/error_of.hpp"

using support_test::ErrorOf;

namespace {

constexpr const char* kFunctions =
    "<Function Name=\"Path\" Dim=\"2\" Type=\"piecewise\"><Script>Path (0,0) (10,0);</Script>"
    "</Function><Function Name=\"Wave\" Dim=\"1\" Type=\"periodic\"/>";
constexpr const char* kMorphs =
    "<Morph Name=\"Move\" Dim=\"2\"><Functions><Function Name=\"Path\"/></Functions></Morph>"
    "<Morph Name=\"Pulse\" Dim=\"1\"><Functions><Function Name=\"Wave\"/></Functions></Morph>";
constexpr const char* kParticles =
    "<Particle Name=\"Dot\"><Parameter Name=\"Position\" Dim=\"2\" Morph=\"Move\"/></Particle>";
constexpr const char* kSystems = "<ParticleSystem Name=\"Dots\" Template=\"Dot\"/>";

std::string Doc(std::string functions = kFunctions, std::string morphs = kMorphs,
                std::string particles = kParticles, std::string systems = kSystems) {
  return "<ParticleEffect Name=\"Test\"><Functions>" + functions + "</Functions><Morphs>" + morphs +
         "</Morphs><Particles>" + particles + "</Particles><ParticleSystems>" + systems +
         "</ParticleSystems></ParticleEffect>";
}

std::string LoadError(const std::string& xml) {
  fx::TOrlParticleEffect effect;
  return ErrorOf([&] { effect.LoadFromText(xml); });
}

std::string Param(const std::string& inner,
                  const std::string& attrs = "Name=\"Position\" Dim=\"2\" Morph=\"Move\"") {
  return "<Particle Name=\"Dot\"><Parameter " + attrs + ">" + inner + "</Parameter></Particle>";
}

std::string InitMorph(const std::string& inner, const char* name = "Move") {
  return Param("<InitMorphs><InitMorph Name=\"" + std::string(name) + "\">" + inner +
               "</InitMorph></InitMorphs>");
}

}  // namespace

TEST(EffectLoader, DocumentStructureMessages) {
  fx::TOrlParticleEffect effect;
  EXPECT_EQ(ErrorOf([&] { effect.LoadFromStream(nullptr); }), "Invalid effect XML stream");
  data::TMemoryStream empty;
  EXPECT_EQ(ErrorOf([&] { effect.LoadFromStream(&empty); }), "Invalid effect XML stream");
  EXPECT_EQ(LoadError("<Other/>"),
            "Effect \"OrlParticleEffect_Default\" XML description has no <ParticleEffect> tag");
  EXPECT_EQ(LoadError("<ParticleEffect/>"), "Tag <ParticleEffect> has no \"Name\" attribute");
  std::string noSystems = Doc();
  noSystems.replace(noSystems.find("<ParticleSystems>"), 17, "<Systems>");
  EXPECT_EQ(LoadError(noSystems), "Effect \"Test\" XML description has no <ParticleSystems> tag");
  EXPECT_EQ(LoadError("<ParticleEffect Name=\"E\"><Morphs/><Particles/><ParticleSystems/>"
                      "</ParticleEffect>"),
            "Effect \"E\" XML description has no <Functions> tag");
  EXPECT_EQ(LoadError("<ParticleEffect Name=\"E\" Lifetime=\"soon\"/>"),
            "\"soon\" is not a valid floating point value");
  EXPECT_EQ(LoadError("<ParticleEffect Name=\"E\" MinParticles=\"1.5\"/>"),
            "\"1.5\" is not a valid integer value");
}

TEST(EffectLoader, FunctionAndMorphMessages) {
  EXPECT_EQ(LoadError(Doc("<Function Name=\"F\" Type=\"periodic\"/>")),
            "<Function> tag has no \"Dim\" attribute");
  EXPECT_EQ(LoadError(Doc("<Function Name=\"F\" Dim=\"1\"/>")),
            "<Function> tag has no \"Type\" attribute");
  EXPECT_EQ(LoadError(Doc("<Function Name=\"F\" Dim=\"1\" Type=\"Periodic\"/>")),
            "Invalid <Function> tag \"Type\" attribute value");
  EXPECT_EQ(LoadError(Doc("<Function Name=\"F\" Dim=\"4\" Type=\"periodic\"/>")),
            "<Function> tag \"Dim\" attribute has invalid value \"4\"");
  EXPECT_EQ(LoadError(Doc("<Function Name=\"F\" Dim=\"1\" Type=\"parabolic\"><P0>1,2,3,4</P0>"
                          "</Function>")),
            "\"1,2,3,4\" string-to-vector convertation failed");
  EXPECT_EQ(LoadError(Doc(std::string(kFunctions) + "<Function Name=\"wave\" Dim=\"1\" "
                                                    "Type=\"parabolic\"/>")),
            "<Function> tag \"wave\" gives another type to an existing function");
  EXPECT_EQ(LoadError(Doc(kFunctions, "<Morph Dim=\"2\"/>")),
            "<Morph> tag has no \"Name\" attribute");
  EXPECT_EQ(LoadError(Doc(kFunctions, "<Morph Name=\"M\"/>")),
            "<Morph> tag has no \"Dim\" attribute");
  EXPECT_EQ(LoadError(Doc(kFunctions, "<Morph Name=\"M\" Dim=\"2\" StartTime=\"x\"/>")),
            "\"x\" is not a valid integer value");
}

// Every value of a morph evaluates the morphs it takes values from, recursively: chains and
// diamonds beyond 256 evaluations are refused at load, however the file builds them.
TEST(EffectLoader, MorphReferenceChainsStayShallow) {
  auto morph = [](int i, const std::string& properties) {
    return "<Morph Name=\"M" + std::to_string(i) +
           "\" Dim=\"1\"><Functions><Function "
           "Name=\"Wave\"/></Functions><Properties>" +
           properties + "</Properties></Morph>";
  };
  auto position = [](int from) {
    return "<Property Name=\"Position\">M" + std::to_string(from) + "</Property>";
  };
  auto particles = [](int last) {
    return "<Particle Name=\"Dot\"><Parameter Name=\"Alpha\" Dim=\"1\" Morph=\"M" +
           std::to_string(last) + "\"/></Particle>";
  };
  // M(k) follows M(k-1): M255 takes 256 evaluations, M256 would take 257.
  std::string chain = morph(0, "");
  for (int i = 1; i <= 255; ++i) chain += morph(i, position(i - 1));
  fx::TOrlParticleEffect fits;
  fits.LoadFromText(Doc(kFunctions, chain, particles(255),
                        "<ParticleSystem Name=\"Dots\" Template=\"Dot\"><InitParticles>1"
                        "</InitParticles></ParticleSystem>"));
  fits.Start(0);
  fits.Init();
  fits.Update(500);
  ASSERT_EQ(fits.LiveCount(), 1);
  // Each morph adds its own sin(0.5 s) to the value of the one before it.
  EXPECT_NEAR(fits.System(0)->Particle(0)->Alpha(), 256 * std::sin(0.5), 1e-3);
  EXPECT_EQ(LoadError(Doc(kFunctions, chain + morph(256, position(255)), particles(256))),
            "Morph \"M256\" takes its values through more than 256 morph evaluations");

  // Declared first and linked afterwards by reused tags, the chain grows above M0.
  std::string topDown;
  for (int i = 0; i <= 300; ++i) topDown += morph(i, "");
  for (int i = 0; i < 300; ++i) topDown += morph(i, position(i + 1));
  EXPECT_EQ(LoadError(Doc(kFunctions, topDown, particles(0))),
            "Morph \"M0\" takes its values through more than 256 morph evaluations");

  // Few morphs, many paths: M(k) follows M(k-1) and scales by M(k-2).
  std::string diamonds = morph(0, "") + morph(1, position(0));
  for (int i = 2; i <= 20; ++i)
    diamonds += morph(
        i, position(i - 1) + "<Property Name=\"Scale\">M" + std::to_string(i - 2) + "</Property>");
  EXPECT_EQ(LoadError(Doc(kFunctions, diamonds, particles(20))),
            "Morph \"M11\" takes its values through more than 256 morph evaluations");
}

TEST(EffectLoader, ParticleMessages) {
  auto error = [](const std::string& particles) {
    return LoadError(Doc(kFunctions, kMorphs, particles));
  };
  EXPECT_EQ(error("<Particle/>"), "<Particle> tag has no \"Name\" attribute");
  EXPECT_EQ(error("<Particle Name=\"P\"><Param/></Particle>"),
            "<Particle> tag contains invalid tag \"Param\"");
  EXPECT_EQ(error(Param("", "Dim=\"2\" Morph=\"Move\"")),
            "<Parameter> tag has no \"Name\" attribute");
  EXPECT_EQ(error(Param("", "Name=\"A\" Morph=\"Move\"")),
            "<Parameter> tag has no \"Dim\" attribute");
  EXPECT_EQ(error(Param("", "Name=\"A\" Dim=\"2\"")), "<Parameter> tag has no \"Morph\" attribute");
  EXPECT_EQ(error(Param("", "Name=\"A\" Dim=\"2\" Morph=\"Gone\"")),
            "<Parameter> tag \"Morph\" attribute contains unknown Morph name \"Gone\"");
  EXPECT_EQ(error(Param("<InitMorphs><Init/></InitMorphs>")),
            "<InitMorphs> tag contains invalid tag \"Init\"");
  EXPECT_EQ(error(Param("<LiveValue>(0.1)(1)</LiveValue>")),
            "<LiveValue> tag value \"(0.1)(1)\" has invalid syntax");
  EXPECT_EQ(error(Param("<LiveValue>)-(1)</LiveValue>")),
            "<LiveValue> tag value \")-(1)\" has invalid syntax");
  EXPECT_EQ(error(Param("<InitMorphs><InitMorph/></InitMorphs>")),
            "<InitMorph> tag has no \"Name\" attribute");
  EXPECT_EQ(error(InitMorph("", "Nowhere")),
            "<InitMorph> tag \"Name\" attribute contains unknown Morph name \"Nowhere\"");
  EXPECT_EQ(error(InitMorph("<Prop/>")), "<InitMorph> tag contains invalid tag <Prop>");
  EXPECT_EQ(error(InitMorph("<Property>1</Property>")), "<Property> tag has no \"Name\" attribute");
  EXPECT_EQ(error(InitMorph("<Property Name=\"Path\">1</Property>")),
            "<Property> tag \"Name\" attribute has invalid value \"Path\"");
  EXPECT_EQ(error(InitMorph("<Property Name=\"Wave.g1\">1</Property>")),
            "<Property> tag \"Name\" attribute value \"Wave.g1\" contains unknown Function name");
  EXPECT_EQ(error(InitMorph("<Property Name=\"Path.Weight\">1</Property>")),
            "<Property> tag \"Name\" attribute value \"Path.Weight\" contains unknown parameter "
            "name");
  EXPECT_EQ(error(InitMorph("<Property Name=\"Path.Speed\">1</Property>")),
            "Invalid TOrlPiecewiseFunc function \"Path\" parameter \"Speed\"");
  EXPECT_EQ(error(InitMorph("<Property Name=\"Scale\">x</Property>")),
            "\"x\" is not a valid floating point value");
}

TEST(EffectLoader, SystemMessages) {
  auto error = [](const std::string& systems) {
    return LoadError(Doc(kFunctions, kMorphs, kParticles, systems));
  };
  EXPECT_EQ(error("<ParticleSystem Template=\"Dot\"/>"),
            "<ParticleSystem> tag has no \"Name\" attribute");
  EXPECT_EQ(error("<ParticleSystem Name=\"S\"/>"),
            "<ParticleSystem> tag has no \"Template\" attribute");
  EXPECT_EQ(error("<ParticleSystem Name=\"S\" Template=\"Dot\"><InitInterval>/x</InitInterval>"
                  "</ParticleSystem>"),
            "\"x\" is not a valid integer value");
  EXPECT_EQ(error("<ParticleSystem Name=\"S\" Template=\"Dot\"><InitParticles>2000000000"
                  "</InitParticles></ParticleSystem>"),
            "<InitParticles> value 2000000000 is above the limit of 100000 particles");
}

TEST(EffectLoader, WhatALoadBuilds) {
  fx::TOrlParticleEffect effect;
  effect.LoadFromText(Doc(
      std::string(kFunctions) + "<Function Name=\"path\" Dim=\"3\" Type=\"piecewise\">"
                                "<Script>Path (10,0) (10,10);</Script></Function><Skipped/>",
      kMorphs,
      Param("<LiveValue>(0, -1)-(5, 1)</LiveValue>",
            "Name=\"position\" Dim=\"2\" Morph=\"move\" ClonedMorph=\" true \"") +
          "<Particle Name=\"Dot\"><Parameter Name=\"Glow\" Dim=\"1\" Morph=\"Pulse\"/></Particle>",
      std::string(kSystems) +
          "<ParticleSystem Name=\"Free\" Template=\"None\">"
          "<InitInterval>0.0125</InitInterval><MaxLifetime>1.5</MaxLifetime>"
          "<Resource>  " +
          std::string(40, 'r') +
          "</Resource><Position>3,4"
          "</Position></ParticleSystem>"));
  EXPECT_EQ(effect.Name(), "Test");
  // A second function of an existing name extends it: same Dim, more pieces.
  auto* path = dynamic_cast<fx::TOrlPiecewiseFunc*>(effect.Function(0));
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(effect.Functions().Count(), 2);
  EXPECT_EQ(path->Dim(), 2);
  EXPECT_EQ(path->PieceCount(), 2);
  EXPECT_EQ(path->OwnedByMorph, 0);
  const fx::TOrlParticleTemplate& dot = *effect.Template(0);
  ASSERT_EQ(dot.ParamCount(), 7);  // the six built-in parameters and "Glow"
  EXPECT_EQ(dot.Params[0].ClonedMorph, 1);
  EXPECT_TRUE(dot.Params[0].HasLiveRange);
  EXPECT_EQ(dot.Params[0].LiveLow, (fx::TVector{0, -1, 0}));
  EXPECT_EQ(dot.Params[6].Name, "Glow");
  const fx::TOrlParticleSystem& free = *effect.System(1);
  EXPECT_EQ(free.Template(), nullptr);
  EXPECT_EQ(free.InitInterval, 12);  // 12.5 ms rounds to even
  EXPECT_EQ(free.MaxLifetime, 1500);
  EXPECT_EQ(free.Resource, std::string(32, 'r'));
  EXPECT_EQ(free.Position, (fx::TVector{3, 4, 0}));
  EXPECT_EQ(effect.System(0)->MaxParticles, 2147483647);
}
