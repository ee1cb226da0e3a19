// fx/particle.cpp
#include "fx/particle.hpp"

#include "data/rounding.hpp"
#include "fx/particle_effect.hpp"
#include "fx/particle_system.hpp"
#include "fx/particle_template.hpp"
#include "fx/text_utils.hpp"

namespace fx {

TOrlParticle::TOrlParticle(TOrlParticleSystem* owner) : TOrlObject("TOrlParticle"), system(owner) {}

std::unique_ptr<TOrlObject> TOrlParticle::NewInstance() const {
  return std::make_unique<TOrlParticle>(system);
}

bool TOrlParticle::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlParticle*>(source);
  if (!other || other == this || !TOrlObject::Assign(source)) return other == this;
  TOrlParticleEffect* effect = system ? system->Effect() : nullptr;
  const TOrlParticleTemplate* templ = system ? system->Template() : nullptr;
  Slots.clear();
  for (size_t i = 0; i < other->Slots.size(); ++i) {
    const TParticleSlot& from = other->Slots[i];
    TParticleSlot slot;
    slot.Value = from.Value;
    if (from.Owned) {
      slot.Owned = TOrlMorph::CloneFrom(*from.Owned,
                                        effect ? effect->MorphContext() : from.Owned->Context());
      slot.Morph = slot.Owned.get();
    } else if (from.Morph && effect && templ && i < templ->Params.size()) {
      slot.Morph = effect->Morph(templ->Params[i].MorphIndex);
    }
    Slots.push_back(std::move(slot));
  }
  BirthTime = other->BirthTime;
  CurrentTime = other->CurrentTime;
  Dead = other->Dead;
  timeShift = other->timeShift;
  return true;
}

void TOrlParticle::SetTimeShift(int32_t shiftMs) {
  timeShift = shiftMs;
  if (!Slots.empty() && Slots[0].Owned) Slots[0].Owned->TimeShift = shiftMs;
}

void TOrlParticle::Update(uint32_t timeMs) {
  CurrentTime = timeMs;
  Dead = false;
  const TOrlParticleTemplate* templ = system ? system->Template() : nullptr;
  if (!templ) return;
  const size_t count = std::min(Slots.size(), templ->Params.size());
  for (size_t i = 0; i < count; ++i) {
    TParticleSlot& slot = Slots[i];
    if (!slot.Morph) continue;
    if (!slot.Owned) {
      slot.Morph->SetBaseTime(BirthTime);
      if (i == 0) slot.Morph->TimeShift = timeShift;
    }
    const TTemplateParam& param = templ->Params[i];
    const TVector v = slot.Morph->GetValue(timeMs);
    TVector masked;
    for (int c = 0; c < param.Dim; ++c) masked[c] = v[c];
    slot.Value = masked;
    if (!param.HasLiveRange) continue;
    for (int c = 0; c < param.Dim; ++c) {
      if (masked[c] < param.LiveLow[c] || masked[c] > param.LiveHigh[c]) {
        Dead = true;
        return;
      }
    }
  }
}

int TOrlParticle::Frame() const {
  return data::RoundHalfEven(SlotValue(kSlotFrame).x);
}

TVector TOrlParticle::SlotValue(int slot) const {
  if (slot < static_cast<int>(Slots.size())) return Slots[static_cast<size_t>(slot)].Value;
  return DefaultSlotValue(slot);
}

}  // namespace fx
