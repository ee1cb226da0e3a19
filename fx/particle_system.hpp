// fx/particle_system.hpp — a set of particles made from one template: an initial emission,
// timed throws in bursts, and removal of dead or expired particles. Times are global ms.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fx/orl_object.hpp"
#include "fx/particle.hpp"
#include "fx/vector.hpp"

namespace fx {

class TOrlParticleEffect;
class TOrlParticleTemplate;

// No system ever holds more particles than this, whatever its settings ask for.
constexpr int kParticleLimit = 100000;

class TOrlParticleSystem : public TOrlObject {
 public:
  explicit TOrlParticleSystem(TOrlParticleEffect* effect = nullptr);

  const char* ClassName() const override { return "TOrlParticleSystem"; }
  std::unique_ptr<TOrlObject> NewInstance() const override;
  // Copies settings and run state and clones every particle; the template stays this
  // system's own.
  bool Assign(const TOrlObject* source) override;

  TOrlParticleEffect* Effect() const { return effect; }
  void SetEffect(TOrlParticleEffect* owner) { effect = owner; }
  // NOTE: null means the system emits nothing.
  TOrlParticleTemplate* Template() const { return templ; }
  void SetTemplate(TOrlParticleTemplate* particleTemplate) { templ = particleTemplate; }

  int ParticleCount() const { return static_cast<int>(particles.size()); }
  TOrlParticle* Particle(int index) const;  // null when out of range

  // The initial emission, staggered along the Position path when InitInterval asks for it.
  bool Init() override;
  void Update(uint32_t timeMs);
  // Appends count particles born at the effect's current time; with a step, particle j starts
  // j·step ms along its first parameter's morph.
  void Emit(int count, int32_t stepMs);

  int32_t InitParticles = 0;
  int32_t InitInterval = 0;          // ms between initial particles
  bool InitIntervalDivisor = false;  // InitInterval given as "/n": the Position path's time ÷ n
  int32_t InitDivisor = 0;
  int32_t MinParticles = 0;
  int32_t MaxParticles = 2147483647;
  int32_t MaxLifetime = 0;    // ms, 0 for ever
  int32_t ThrowInterval = 0;  // ms, 0 never
  int32_t ParticlesPerThrow = 0;
  int32_t EmissionInterval = 0;  // ms, 0: throws run without pauses
  int32_t ThrowsPerEmission = 0;
  int32_t FrameCount = 0;
  std::string Resource;  // picture name, ≤ 32 bytes
  TVector Position;      // added to every particle's position at each update

 private:
  std::unique_ptr<TOrlParticle> CreateParticle(uint32_t birthTime);
  void ApplyInitMorphs(int paramIndex, TParticleSlot& slot, uint32_t birthTime);
  int32_t InitStep() const;
  void Throw();

  TOrlParticleEffect* effect;
  TOrlParticleTemplate* templ = nullptr;
  std::vector<std::unique_ptr<TOrlParticle>> particles;
  uint32_t lastThrow = 0;
  uint32_t lastEmissionEnd = 0;
  bool emitting = false;
  int32_t throws = 0;
};

class TOrlParticleSystemLib : public TOrlTypedCollection<TOrlParticleSystem> {
 public:
  TOrlParticleSystemLib() : TOrlTypedCollection("TOrlParticleSystemLib") {}
  const char* ClassName() const override { return "TOrlParticleSystemLib"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlParticleSystemLib>();
  }
};

}  // namespace fx
