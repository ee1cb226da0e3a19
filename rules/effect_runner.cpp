// rules/effect_runner.cpp
#include "rules/effect_runner.hpp"

#include "fx/particle_effect.hpp"
#include "fx/piecewise_func.hpp"
#include "rules/rounding.hpp"

namespace rules {
namespace {

fx::TOrlPiecewiseFunc* ContourFunction(const TPartEffect& entry) {
  if (!entry.Effect) return nullptr;
  return dynamic_cast<fx::TOrlPiecewiseFunc*>(entry.Effect->Functions().Find("FContour"));
}

uint32_t Tick(TTick tick) {
  return static_cast<uint32_t>(tick);
}

}  // namespace

void TEffectDeleter::operator()(fx::TOrlParticleEffect* effect) const {
  delete effect;
}

const char* const kEffectSlotFiles[kEffectSlotCount] = {
    "contour.xml",        "BossContour.xml",        "BossPreventEffect.xml",
    "BossTextEffect.xml", "ShiftEffect.xml",        "ShuffleEffect.xml",
    "SwapEffect.xml",     "BossDieEffect.xml",      "BossDieParticlesEffect.xml",
    "BonusBomb.xml",      "BonusCoin.xml",          "GiveBonus.xml",
    "GiveBonusBomb.xml",  "GiveBonusColorBomb.xml", "ClickHereEffect.xml"};

bool CreatePartEffect(TPartEffect& entry, const fx::TOrlParticleEffect* effectTemplate) {
  entry.Effect.reset();
  if (!effectTemplate) return false;
  entry.Effect = TEffectPtr(effectTemplate->Clone().release());
  if (entry.Path.empty()) return true;
  if (fx::TOrlPiecewiseFunc* path = ContourFunction(entry)) {
    path->Clear();
    path->SetScript(entry.Path);
  }
  return true;
}

void LaunchPartEffect(TPartEffect& entry, TTick tick) {
  if (!entry.Effect) return;
  entry.Effect->Start(Tick(tick));
  entry.Effect->Init();
}

void LineContourParticles(TPartEffect& entry) {
  const fx::TOrlPiecewiseFunc* path = ContourFunction(entry);
  if (!path) return;
  fx::TOrlParticleSystem* system = entry.Effect->Systems().Find("SContour");
  if (!system) return;
  const int d = RoundHalfEven(path->TotalLength()) / 10;
  system->InitParticles = d;
  system->InitIntervalDivisor = true;
  system->InitDivisor = d;
}

bool UpdatePartEffect(TPartEffect& entry, TTick now) {
  if (!entry.Effect) return true;
  return entry.Effect->Update(Tick(now));
}

void MovePathPoint(TPartEffect& entry, int index, int x, int y) {
  fx::TOrlPiecewiseFunc* path = ContourFunction(entry);
  if (!path) return;
  path->MovePoint(index + 1, false, false, 0.0f, 0.0f, path->PosCorrectionFirst,
                  path->PosCorrectionSecond, static_cast<float>(x), static_cast<float>(y), 0.0f);
}

TTick EffectLifetime(const TPartEffect& entry) {
  return entry.Effect ? entry.Effect->Lifetime : 0;
}

}  // namespace rules
