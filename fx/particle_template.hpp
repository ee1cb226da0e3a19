// fx/particle_template.hpp — what every particle of a system is made of: an ordered list of
// parameters (the first six fixed: Position, Alpha, Color, ColorValue, Frame, Size), each driven
// by a morph of the effect and set up at birth by its InitMorphs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fx/morph.hpp"
#include "fx/orl_object.hpp"
#include "fx/vector.hpp"

namespace data {
class TOrlXMLTag;
}

namespace fx {

class TOrlParticleEffect;

enum TParamSlot : int {
  kSlotPosition = 0,
  kSlotAlpha = 1,
  kSlotColor = 2,
  kSlotColorValue = 3,
  kSlotFrame = 4,
  kSlotSize = 5,
};
constexpr int kBuiltInParams = 6;

// The value of a slot whose parameter has no morph; zero beyond the six built-in slots.
TVector DefaultSlotValue(int slot);

// Where an InitMorph setting of kind 2 reads its value.
struct TInitSource {
  enum Kind : uint8_t { kNone, kLocal, kLibrary, kClone } kind = kNone;
  int index = -1;  // tree index, effect morph index, or the index of an InitMorph of the param
};

struct TInitSetting {
  int Target = kCodePosition;  // an initialiser index of the target morph, or −1..−5
  int FuncIndex = -1;
  int ParamIndex = -1;
  uint8_t SourceKind = kSourceConstant;
  TVector Low, High;
  TInitSource Source;
  bool FromEffectStart = false;  // the "T" flag: the source is timed from the effect's start
  std::string SourceName;        // kept to resolve clones once the parameter is read
};

struct TInitMorph {
  std::string Name;
  int TreeIndex = -1;  // local: index in the parameter morph's tree
  int LibIndex = -1;   // private: the effect morph it is a clone of
  std::unique_ptr<TOrlMorph> Clone;
  std::vector<TInitSetting> Settings;

  bool IsLocal() const { return TreeIndex >= 0; }
};

struct TTemplateParam {
  std::string Name;  // ≤ 32 bytes, matched ignoring case
  int Dim = 2;
  int MorphIndex = -1;  // in the effect's morph library, −1 none
  uint8_t ClonedMorph = 0;
  std::vector<TInitMorph> InitMorphs;
  bool HasLiveRange = false;
  TVector LiveLow, LiveHigh;
};

class TOrlParticleTemplate : public TOrlObject {
 public:
  explicit TOrlParticleTemplate(TOrlParticleEffect* effect = nullptr);

  const char* ClassName() const override { return "TOrlParticleTemplate"; }
  std::unique_ptr<TOrlObject> NewInstance() const override;
  // Deep copy; private InitMorph clones are copied into this template's effect.
  bool Assign(const TOrlObject* source) override;

  TOrlParticleEffect* Effect() const { return effect; }
  void SetEffect(TOrlParticleEffect* owner) { effect = owner; }

  int ParamCount() const { return static_cast<int>(Params.size()); }
  int ParamIndex(std::string_view paramName) const;  // ignoring case; −1

  // A <Particle> tag's <Parameter> children; a parameter with an existing name replaces that
  // parameter's settings in place.
  void LoadFromTag(const data::TOrlXMLTag& tag);

  std::vector<TTemplateParam> Params;

 private:
  void LoadParameter(const data::TOrlXMLTag& tag);
  void LoadInitMorph(TTemplateParam& param, const std::vector<TOrlMorph*>& tree,
                     const data::TOrlXMLTag& tag);
  void ResolveAndOrder(TTemplateParam& param);

  TOrlParticleEffect* effect;
};

class TOrlParticleTemplateLib : public TOrlTypedCollection<TOrlParticleTemplate> {
 public:
  TOrlParticleTemplateLib() : TOrlTypedCollection("TOrlParticleTemplateLib") {}
  const char* ClassName() const override { return "TOrlParticleTemplateLib"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlParticleTemplateLib>();
  }
};

}  // namespace fx
