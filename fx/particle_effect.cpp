// fx/particle_effect.cpp — running and copying effects. Reading effect files is in
// effect_loader.cpp.
#include "fx/particle_effect.hpp"

#include "fx/effect_library.hpp"

namespace fx {

TOrlParticleEffect::TOrlParticleEffect(TEffectLibrary* owner)
    : TOrlObject("TOrlParticleEffect"),
      library(owner),
      random(owner ? owner->NextEffectSeed() : kDefaultEffectSeed) {
  if (library) systems.SetErrorLog(&library->Log());
}

TOrlParticleEffect::~TOrlParticleEffect() {
  // Particles and templates point into the morph and function libraries: free them first.
  systems.Clear();
  templates.Clear();
  morphs.Clear();
}

std::unique_ptr<TOrlObject> TOrlParticleEffect::NewInstance() const {
  return std::make_unique<TOrlParticleEffect>(library);
}

std::unique_ptr<TOrlParticleEffect> TOrlParticleEffect::Clone() const {
  auto copy = std::make_unique<TOrlParticleEffect>(library);
  if (!copy->Assign(this)) return nullptr;
  return copy;
}

bool TOrlParticleEffect::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlParticleEffect*>(source);
  if (!other || other == this || !TOrlObject::Assign(source)) return other == this;
  startTime = other->startTime;
  currentTime = other->currentTime;
  liveCount = other->liveCount;
  finished = other->finished;
  HasLifetime = other->HasLifetime;
  Lifetime = other->Lifetime;
  HasMinParticles = other->HasMinParticles;
  MinParticles = other->MinParticles;

  systems.Clear();
  templates.Clear();
  morphs.Clear();
  if (!functions.Assign(&other->functions)) return false;
  // Every morph exists before any is assigned, so references to later morphs resolve too.
  for (int i = 0; i < other->morphs.Count(); ++i) {
    const TOrlMorph* from = other->morphs.Get(i);
    auto morph = std::make_unique<TOrlMorph>(MorphContext());
    if (from) {
      morph->SetName(from->Name());
      morph->SetDim(from->Dim());
      morph->SetBaseTime(from->BaseTime());
    }
    morphs.Add(std::move(morph));
  }
  for (int i = 0; i < other->morphs.Count(); ++i)
    if (const TOrlMorph* from = other->morphs.Get(i); from && !morphs.Get(i)->Assign(from))
      return false;
  for (int i = 0; i < other->templates.Count(); ++i) {
    auto templ = std::make_unique<TOrlParticleTemplate>(this);
    if (!templ->Assign(other->templates.Get(i))) return false;
    templates.Add(std::move(templ));
  }
  for (int i = 0; i < other->systems.Count(); ++i) {
    const TOrlParticleSystem* from = other->systems.Get(i);
    auto system = std::make_unique<TOrlParticleSystem>(this);
    if (from && from->Template()) system->SetTemplate(templates.Find(from->Template()->Name()));
    if (!system->Assign(from)) return false;
    systems.Add(std::move(system));
  }
  return true;
}

void TOrlParticleEffect::Start(uint32_t timeMs) {
  startTime = timeMs;
  currentTime = timeMs;
}

bool TOrlParticleEffect::Init() {
  return systems.Init();
}

bool TOrlParticleEffect::Update(uint32_t timeMs) {
  currentTime = timeMs;
  int live = 0;
  for (int i = 0; i < systems.Count(); ++i) {
    if (TOrlParticleSystem* system = systems.Get(i)) {
      system->Update(timeMs);
      live += system->ParticleCount();
    }
  }
  liveCount = live;
  finished =
      (HasLifetime && static_cast<int64_t>(Lifetime) < static_cast<int64_t>(ElapsedTime())) ||
      (HasMinParticles && liveCount < MinParticles);
  return finished;
}

}  // namespace fx
