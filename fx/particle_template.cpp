// fx/particle_template.cpp — template parameters and their copying. Reading <Particle> tags is
// in particle_template_xml.cpp.
#include "fx/particle_template.hpp"

#include "data/text_helpers.hpp"
#include "fx/particle_effect.hpp"
#include "fx/text_utils.hpp"

namespace fx {
namespace {

struct TBuiltIn {
  const char* name;
  int dim;
};
constexpr TBuiltIn kBuiltIns[kBuiltInParams] = {{"Position", 2},   {"Alpha", 1}, {"Color", 3},
                                                {"ColorValue", 1}, {"Frame", 1}, {"Size", 2}};

}  // namespace

TVector DefaultSlotValue(int slot) {
  switch (slot) {
    case kSlotAlpha:
      return {1.0f, 0.0f, 0.0f};
    case kSlotColor:
      return {255.0f, 255.0f, 255.0f};
    case kSlotSize:
      return {1.0f, 1.0f, 1.0f};
    default:
      return {};
  }
}

TOrlParticleTemplate::TOrlParticleTemplate(TOrlParticleEffect* owner)
    : TOrlObject("TOrlParticleTemplate"), effect(owner) {
  for (const TBuiltIn& b : kBuiltIns) {
    TTemplateParam param;
    param.Name = b.name;
    param.Dim = b.dim;
    Params.push_back(std::move(param));
  }
}

std::unique_ptr<TOrlObject> TOrlParticleTemplate::NewInstance() const {
  return std::make_unique<TOrlParticleTemplate>(effect);
}

int TOrlParticleTemplate::ParamIndex(std::string_view paramName) const {
  for (size_t i = 0; i < Params.size(); ++i)
    if (data::SameText(Params[i].Name, paramName)) return static_cast<int>(i);
  return -1;
}

bool TOrlParticleTemplate::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlParticleTemplate*>(source);
  if (!other || other == this || !TOrlObject::Assign(source)) return other == this;
  std::vector<TTemplateParam> copies;
  copies.reserve(other->Params.size());
  for (const TTemplateParam& param : other->Params) {
    TTemplateParam copy;
    copy.Name = param.Name;
    copy.Dim = param.Dim;
    copy.MorphIndex = param.MorphIndex;
    copy.ClonedMorph = param.ClonedMorph;
    copy.HasLiveRange = param.HasLiveRange;
    copy.LiveLow = param.LiveLow;
    copy.LiveHigh = param.LiveHigh;
    for (const TInitMorph& im : param.InitMorphs) {
      TInitMorph imCopy;
      imCopy.Name = im.Name;
      imCopy.TreeIndex = im.TreeIndex;
      imCopy.LibIndex = im.LibIndex;
      imCopy.Settings = im.Settings;
      if (im.Clone)
        imCopy.Clone =
            TOrlMorph::CloneFrom(*im.Clone, effect ? effect->MorphContext() : im.Clone->Context());
      copy.InitMorphs.push_back(std::move(imCopy));
    }
    copies.push_back(std::move(copy));
  }
  Params = std::move(copies);
  return true;
}

}  // namespace fx
