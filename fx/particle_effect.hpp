// fx/particle_effect.hpp — a self-contained animation read from an effect file: its own
// functions, morphs, particle templates and systems. The game loads each effect once as a
// prototype, and for every showing clones it, starts it, may rewrite the path scripts of named
// functions, runs Init, then calls Update every frame and draws the particles. Each effect draws
// its random values from a generator of its own, seeded from the effect library that made it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fx/morph.hpp"
#include "fx/morph_func.hpp"
#include "fx/orl_object.hpp"
#include "fx/particle_system.hpp"
#include "fx/particle_template.hpp"
#include "fx/random.hpp"

namespace data {
class TMemoryStream;
class TOrlXMLTag;
}  // namespace data

namespace fx {

class TEffectLibrary;

class TOrlParticleEffect : public TOrlObject {
 public:
  // An effect of the library takes its seed from it and reports to its log; an effect without
  // one starts from kDefaultEffectSeed and reports nothing.
  // NOTE: the library must outlive the effect.
  explicit TOrlParticleEffect(TEffectLibrary* library = nullptr);
  ~TOrlParticleEffect() override;

  const char* ClassName() const override { return "TOrlParticleEffect"; }
  // An empty effect of the same library.
  std::unique_ptr<TOrlObject> NewInstance() const override;
  // A deep copy that shares nothing mutable with the source, particles included; this effect
  // keeps its own library and generator.
  bool Assign(const TOrlObject* source) override;
  // A copy in the same library with a fresh seed from it (kDefaultEffectSeed without one).
  std::unique_ptr<TOrlParticleEffect> Clone() const;

  TEffectLibrary* Library() const { return library; }
  // Restarts this effect's generator: two copies of one template with one seed run alike.
  void Seed(uint32_t seed) { random.Seed(seed); }
  TRandom& Random() { return random; }
  // What the effect's morphs work in: its own libraries and generator.
  TMorphContext MorphContext() { return {&functions, &morphs, &random}; }

  // Raises data::Error with the loader's message at the first fault ("Invalid effect XML
  // stream" for a null or empty stream); the half-read effect is then to be thrown away.
  void LoadFromStream(data::TMemoryStream* stream);
  void LoadFromText(std::string_view xml);
  void LoadFromFile(const std::string& path);

  void Start(uint32_t timeMs);  // global ms
  // The initial emission of every system; false (and a log report) when one fails.
  bool Init() override;
  // Runs every system at global time t; returns Finished.
  bool Update(uint32_t timeMs);

  uint32_t StartTime() const { return startTime; }
  uint32_t CurrentTime() const { return currentTime; }
  uint32_t ElapsedTime() const { return currentTime - startTime; }  // ms, wraps like the clock
  int LiveCount() const { return liveCount; }  // particles after the last Update
  bool Finished() const { return finished; }

  bool HasLifetime = false;
  int32_t Lifetime = 0;  // ms
  bool HasMinParticles = false;
  int32_t MinParticles = 0;

  TOrlMorphFuncLib& Functions() { return functions; }
  TOrlMorphLib& Morphs() { return morphs; }
  TOrlParticleTemplateLib& Templates() { return templates; }
  TOrlParticleSystemLib& Systems() { return systems; }
  const TOrlMorphFuncLib& Functions() const { return functions; }
  const TOrlMorphLib& Morphs() const { return morphs; }
  const TOrlParticleTemplateLib& Templates() const { return templates; }
  const TOrlParticleSystemLib& Systems() const { return systems; }

  // Look-ups ignore case and give −1 when absent; by index, null when out of range.
  int FunctionIndex(std::string_view name) const { return functions.IndexOf(name); }
  TOrlMorphFunc* Function(int index) const { return functions.Get(index); }
  int MorphIndex(std::string_view name) const { return morphs.IndexOf(name); }
  TOrlMorph* Morph(int index) const { return morphs.Get(index); }
  int TemplateIndex(std::string_view name) const { return templates.IndexOf(name); }
  TOrlParticleTemplate* Template(int index) const { return templates.Get(index); }
  int SystemIndex(std::string_view name) const { return systems.IndexOf(name); }
  TOrlParticleSystem* System(int index) const { return systems.Get(index); }
  int SystemCount() const { return systems.Count(); }

 private:
  void ReadDocument(const data::TOrlXMLTag& root);
  void ReadFunctions(const data::TOrlXMLTag& tag);
  void ReadMorphs(const data::TOrlXMLTag& tag);
  void ReadParticles(const data::TOrlXMLTag& tag);
  void ReadSystems(const data::TOrlXMLTag& tag);

  TEffectLibrary* library;
  TRandom random;
  uint32_t startTime = 0;
  uint32_t currentTime = 0;
  int liveCount = 0;
  bool finished = false;
  TOrlMorphFuncLib functions;
  TOrlMorphLib morphs;
  TOrlParticleTemplateLib templates;
  TOrlParticleSystemLib systems;
};

}  // namespace fx
