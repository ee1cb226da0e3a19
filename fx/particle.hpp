// fx/particle.hpp — one particle: a value per template parameter, each from its own morph
// (a private clone) or from the effect's shared morph timed from the particle's birth.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "fx/morph.hpp"
#include "fx/orl_object.hpp"
#include "fx/vector.hpp"

namespace fx {

class TOrlParticleSystem;

struct TParticleSlot {
  TOrlMorph* Morph = nullptr;  // null: the slot keeps its default value
  std::unique_ptr<TOrlMorph> Owned;
  TVector Value;  // as of the last update
};

class TOrlParticle : public TOrlObject {
 public:
  explicit TOrlParticle(TOrlParticleSystem* system = nullptr);

  const char* ClassName() const override { return "TOrlParticle"; }
  std::unique_ptr<TOrlObject> NewInstance() const override;
  // Copies times and values; owned morphs are cloned into this particle's effect, shared ones
  // are that effect's morph of the same parameter.
  bool Assign(const TOrlObject* source) override;

  TOrlParticleSystem* System() const { return system; }
  void SetSystem(TOrlParticleSystem* owner) { system = owner; }

  // Evaluates every slot at t; stops at the first value outside its parameter's live range.
  void Update(uint32_t timeMs);
  // ms added to the time of the first parameter's morph (staggered start along a path).
  void SetTimeShift(int32_t shiftMs);
  int32_t TimeShift() const { return timeShift; }

  // What the drawing side reads, as of the last update.
  TVector Position() const { return SlotValue(0); }  // the system's Position included
  float Alpha() const { return SlotValue(1).x; }     // 1.0 opaque
  TVector Color() const { return SlotValue(2); }     // red, green, blue 0..255
  float ColorWeight() const { return SlotValue(3).x; }
  int Frame() const;
  TVector Size() const { return SlotValue(5); }

  std::vector<TParticleSlot> Slots;
  uint32_t BirthTime = 0;    // ms, global
  uint32_t CurrentTime = 0;  // ms, global
  bool Dead = false;

 private:
  TVector SlotValue(int slot) const;

  TOrlParticleSystem* system;
  int32_t timeShift = 0;
};

}  // namespace fx
