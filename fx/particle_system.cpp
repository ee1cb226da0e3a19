// fx/particle_system.cpp — particle birth (morph clones and InitMorphs), the initial emission,
// throws and bursts, and removal of dead and expired particles.
#include "fx/particle_system.hpp"

#include <algorithm>
#include <string>

#include "data/error.hpp"
#include "fx/particle_effect.hpp"
#include "fx/particle_template.hpp"
#include "fx/piecewise_func.hpp"

namespace fx {
namespace {

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// Global ms since an earlier moment of the wrapping clock.
int64_t Since(uint32_t now, uint32_t then) {
  return static_cast<uint32_t>(now - then);
}

}  // namespace

TOrlParticleSystem::TOrlParticleSystem(TOrlParticleEffect* owner)
    : TOrlObject("TOrlParticleSystem"), effect(owner) {}

std::unique_ptr<TOrlObject> TOrlParticleSystem::NewInstance() const {
  return std::make_unique<TOrlParticleSystem>(effect);
}

TOrlParticle* TOrlParticleSystem::Particle(int index) const {
  if (index < 0 || index >= ParticleCount()) return nullptr;
  return particles[static_cast<size_t>(index)].get();
}

bool TOrlParticleSystem::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlParticleSystem*>(source);
  if (!other || other == this || !TOrlObject::Assign(source)) return other == this;
  InitParticles = other->InitParticles;
  InitInterval = other->InitInterval;
  InitIntervalDivisor = other->InitIntervalDivisor;
  InitDivisor = other->InitDivisor;
  MinParticles = other->MinParticles;
  MaxParticles = other->MaxParticles;
  MaxLifetime = other->MaxLifetime;
  ThrowInterval = other->ThrowInterval;
  ParticlesPerThrow = other->ParticlesPerThrow;
  EmissionInterval = other->EmissionInterval;
  ThrowsPerEmission = other->ThrowsPerEmission;
  FrameCount = other->FrameCount;
  Resource = other->Resource;
  Position = other->Position;
  lastThrow = other->lastThrow;
  lastEmissionEnd = other->lastEmissionEnd;
  emitting = other->emitting;
  throws = other->throws;
  particles.clear();
  particles.reserve(other->particles.size());
  for (const auto& p : other->particles) {
    auto copy = std::make_unique<TOrlParticle>(this);
    if (!copy->Assign(p.get())) return false;
    particles.push_back(std::move(copy));
  }
  return true;
}

void TOrlParticleSystem::ApplyInitMorphs(int paramIndex, TParticleSlot& slot, uint32_t birthTime) {
  TTemplateParam& param = templ->Params[static_cast<size_t>(paramIndex)];
  std::vector<TOrlMorph*> tree;
  bool treeBuilt = false;
  auto treeMorph = [&](int index) -> TOrlMorph* {
    if (!treeBuilt) {
      slot.Morph->CollectTree(tree);
      treeBuilt = true;
    }
    return index >= 0 && index < static_cast<int>(tree.size()) ? tree[static_cast<size_t>(index)]
                                                               : nullptr;
  };
  for (TInitMorph& im : param.InitMorphs) {
    TOrlMorph* target = im.IsLocal() ? treeMorph(im.TreeIndex) : im.Clone.get();
    if (!target) continue;
    for (const TInitSetting& s : im.Settings) {
      TVector value = s.Low;
      if (s.SourceKind == kSourceRandom) {
        for (int c = 0; c < param.Dim; ++c)
          value[c] = s.Low[c] + effect->Random().NextFloat() * (s.High[c] - s.Low[c]);
      } else if (s.SourceKind == kSourceMorph) {
        TOrlMorph* source = nullptr;
        if (s.Source.kind == TInitSource::kLocal)
          source = treeMorph(s.Source.index);
        else if (s.Source.kind == TInitSource::kLibrary)
          source = effect->Morph(s.Source.index);
        else if (s.Source.kind == TInitSource::kClone)
          source = param.InitMorphs[static_cast<size_t>(s.Source.index)].Clone.get();
        if (!source) continue;
        source->SetBaseTime(s.FromEffectStart ? effect->StartTime() : birthTime);
        value = source->GetValue(birthTime);
      }
      try {
        target->SetProperty(s.Target, value, s.ParamIndex, s.FuncIndex);
      } catch (const data::Error&) {
        // A running effect raises nothing: a path point that does not exist is skipped.
      }
    }
    if (!im.IsLocal()) im.Clone->Init();
  }
}

std::unique_ptr<TOrlParticle> TOrlParticleSystem::CreateParticle(uint32_t birthTime) {
  auto particle = std::make_unique<TOrlParticle>(this);
  for (size_t i = 0; i < templ->Params.size(); ++i) {
    const TTemplateParam& param = templ->Params[i];
    TParticleSlot slot;
    slot.Value = DefaultSlotValue(static_cast<int>(i));
    TOrlMorph* shared = effect->Morph(param.MorphIndex);
    if (shared) {
      if (param.ClonedMorph) {
        slot.Owned = TOrlMorph::CloneFrom(*shared, effect->MorphContext());
        slot.Owned->SetBaseTime(birthTime);
        slot.Owned->Init();
        slot.Morph = slot.Owned.get();
      } else {
        slot.Morph = shared;
      }
      ApplyInitMorphs(static_cast<int>(i), slot, birthTime);
    }
    particle->Slots.push_back(std::move(slot));
  }
  particle->BirthTime = particle->CurrentTime = birthTime;
  for (TParticleSlot& slot : particle->Slots)
    if (slot.Owned) slot.Owned->SetBaseTime(birthTime);
  return particle;
}

void TOrlParticleSystem::Emit(int count, int32_t stepMs) {
  if (!effect || !templ) return;
  const uint32_t now = effect->CurrentTime();
  count = std::min(count, kParticleLimit - ParticleCount());
  for (int j = 0; j < count; ++j) {
    std::unique_ptr<TOrlParticle> particle = CreateParticle(now);
    particle->SetName(templ->Name() + std::to_string(particles.size()));
    particle->SetTimeShift(Saturate(static_cast<int64_t>(j) * stepMs));
    particle->Update(now);
    particles.push_back(std::move(particle));
  }
  lastThrow = now;
}

int32_t TOrlParticleSystem::InitStep() const {
  if (!InitIntervalDivisor) return InitInterval;
  if (InitDivisor == 0 || !templ) return 0;
  const int position = templ->ParamIndex("Position");
  const TOrlMorph* morph =
      position >= 0 ? effect->Morph(templ->Params[static_cast<size_t>(position)].MorphIndex)
                    : nullptr;
  if (!morph) return 0;
  for (int i = 0; i < morph->FunctionCount(); ++i)
    if (const auto* path = dynamic_cast<const TOrlPiecewiseFunc*>(morph->Function(i)))
      return Saturate(path->TotalTime() / InitDivisor);
  return 0;
}

bool TOrlParticleSystem::Init() {
  if (InitParticles > 0 && effect && templ) Emit(InitParticles, InitStep());
  return true;
}

void TOrlParticleSystem::Throw() {
  Emit(ParticlesPerThrow, 0);
}

void TOrlParticleSystem::Update(uint32_t timeMs) {
  int64_t remaining = ParticleCount();
  size_t kept = 0;
  for (size_t i = 0; i < particles.size(); ++i) {
    std::unique_ptr<TOrlParticle>& p = particles[i];
    p->Update(timeMs);
    const bool expired = MaxLifetime != 0 && Since(p->CurrentTime, p->BirthTime) > MaxLifetime;
    if ((p->Dead || expired) && remaining > MinParticles) {
      p.reset();
      --remaining;
      continue;
    }
    if (!p->Slots.empty()) p->Slots[0].Value = VecAdd(p->Slots[0].Value, Position);
    if (kept != i) particles[kept] = std::move(p);
    ++kept;
  }
  particles.resize(kept);

  const bool roomForThrow = static_cast<int64_t>(MaxParticles) >=
                            ParticleCount() + static_cast<int64_t>(ParticlesPerThrow);
  if (EmissionInterval != 0) {
    if (!emitting && Since(timeMs, lastEmissionEnd) >= EmissionInterval) {
      emitting = true;
      throws = 0;
    }
    if (emitting && ThrowInterval != 0 && Since(timeMs, lastThrow) >= ThrowInterval &&
        roomForThrow) {
      Throw();
      if (++throws >= ThrowsPerEmission) {
        emitting = false;
        lastEmissionEnd = timeMs;
      }
    }
  } else if (ThrowInterval != 0 && Since(timeMs, lastThrow) >= ThrowInterval && roomForThrow) {
    Throw();
  }
}

}  // namespace fx
