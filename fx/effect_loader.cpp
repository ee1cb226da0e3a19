// fx/effect_loader.cpp — reading an effect document: <ParticleEffect> with <Functions>,
// <Morphs>, <Particles> and <ParticleSystems>, in that order. The first fault ends the load.
#include <string>

#include "data/error.hpp"
#include "data/files.hpp"
#include "data/memory_stream.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"
#include "data/xml_parser.hpp"
#include "fx/parabolic_func.hpp"
#include "fx/particle_effect.hpp"
#include "fx/periodic_func.hpp"
#include "fx/piecewise_func.hpp"
#include "fx/text_utils.hpp"
#include "fx/xml_attributes.hpp"

namespace fx {
namespace {

using data::Error;
using data::TOrlXMLTag;

std::unique_ptr<TOrlMorphFunc> NewFunction(const std::string& type) {
  if (type == "piecewise") return std::make_unique<TOrlPiecewiseFunc>();
  if (type == "periodic") return std::make_unique<TOrlPeriodicFunc>();
  if (type == "parabolic") return std::make_unique<TOrlParabolicFunc>();
  throw Error("Invalid <Function> tag \"Type\" attribute value");
}

void ReadFunctionData(TOrlMorphFunc& func, const TOrlXMLTag& tag) {
  if (auto* path = dynamic_cast<TOrlPiecewiseFunc*>(&func)) {
    if (const TOrlXMLTag* script = tag.TagByName("Script")) path->SetScript(script->Text);
  } else if (auto* wave = dynamic_cast<TOrlPeriodicFunc*>(&func)) {
    const char* names[] = {"XParam", "YParam", "ZParam"};
    for (int axis = 0; axis < 3; ++axis)
      if (const TOrlXMLTag* p = tag.TagByName(names[axis])) wave->SetAxisParams(axis, p->Text);
  } else if (auto* arc = dynamic_cast<TOrlParabolicFunc*>(&func)) {
    if (const TOrlXMLTag* p = tag.TagByName("P0")) arc->P0 = StrToVector(p->Text);
    if (const TOrlXMLTag* p = tag.TagByName("V0")) arc->V0 = StrToVector(p->Text);
    if (const TOrlXMLTag* p = tag.TagByName("A")) arc->A = StrToVector(p->Text);
  }
}

// A system setting of whole particles; beyond the engine's limit is an error, not a stall.
int32_t ReadCount(const TOrlXMLTag& tag) {
  const int32_t count = data::LenientInt32(tag.Text);
  if (count > kParticleLimit)
    throw Error("<" + tag.Name + "> value " + std::to_string(count) + " is above the limit of " +
                std::to_string(kParticleLimit) + " particles");
  return count;
}

void ReadSystemSettings(TOrlParticleSystem& system, const TOrlXMLTag& tag) {
  auto child = [&](const char* name) { return tag.TagByName(name); };
  if (auto* t = child("Position")) system.Position = StrToVector(t->Text);
  if (auto* t = child("InitParticles")) system.InitParticles = ReadCount(*t);
  if (auto* t = child("InitInterval")) {
    const std::string_view text = data::Trim(t->Text);
    system.InitIntervalDivisor = !text.empty() && text.front() == '/';
    if (system.InitIntervalDivisor)
      system.InitDivisor = data::LenientInt32(text.substr(1));
    else
      system.InitInterval = SecondsToMs(ParseDouble(text));
  }
  if (auto* t = child("MinParticles")) system.MinParticles = data::LenientInt32(t->Text);
  if (auto* t = child("MaxParticles")) system.MaxParticles = data::LenientInt32(t->Text);
  if (auto* t = child("ParticlesPerThrow")) system.ParticlesPerThrow = ReadCount(*t);
  if (auto* t = child("ThrowsPerEmission")) system.ThrowsPerEmission = data::LenientInt32(t->Text);
  if (auto* t = child("FrameCount")) system.FrameCount = data::LenientInt32(t->Text);
  if (auto* t = child("ThrowInterval")) system.ThrowInterval = SecondsToMs(ParseDouble(t->Text));
  if (auto* t = child("EmissionInterval"))
    system.EmissionInterval = SecondsToMs(ParseDouble(t->Text));
  if (auto* t = child("MaxLifetime")) system.MaxLifetime = SecondsToMs(ParseDouble(t->Text));
  if (auto* t = child("Resource")) system.Resource = CutName(data::Trim(t->Text));
}

}  // namespace

void TOrlParticleEffect::LoadFromStream(data::TMemoryStream* stream) {
  if (!stream || stream->Size() == 0) throw Error("Invalid effect XML stream");
  data::TOrlParser parser;
  parser.LoadFromStream(*stream);
  ReadDocument(parser);
}

void TOrlParticleEffect::LoadFromText(std::string_view xml) {
  data::TMemoryStream stream(xml);
  LoadFromStream(&stream);
}

void TOrlParticleEffect::LoadFromFile(const std::string& path) {
  LoadFromText(data::ReadWholeFile(path));
}

void TOrlParticleEffect::ReadDocument(const TOrlXMLTag& root) {
  const TOrlXMLTag* effect = root.TagByName("ParticleEffect");
  if (!effect) throw Error("Effect \"" + Name() + "\" XML description has no <ParticleEffect> tag");
  const std::string* name = Attribute(*effect, "Name");
  if (!name) throw Error("Tag <ParticleEffect> has no \"Name\" attribute");
  SetName(*name);
  if (const std::string* lifetime = Attribute(*effect, "Lifetime")) {
    Lifetime = SecondsToMs(ParseDouble(*lifetime));
    HasLifetime = true;
  }
  if (const std::string* minimum = Attribute(*effect, "MinParticles")) {
    MinParticles = data::LenientInt32(*minimum);
    HasMinParticles = true;
  }
  auto part = [&](const char* tagName) -> const TOrlXMLTag& {
    const TOrlXMLTag* tag = effect->TagByName(tagName);
    if (!tag) throw Error("Effect \"" + Name() + "\" XML description has no <" + tagName + "> tag");
    return *tag;
  };
  // Every part must be present before any is read.
  const TOrlXMLTag& functionsTag = part("Functions");
  const TOrlXMLTag& morphsTag = part("Morphs");
  const TOrlXMLTag& particlesTag = part("Particles");
  const TOrlXMLTag& systemsTag = part("ParticleSystems");
  ReadFunctions(functionsTag);
  ReadMorphs(morphsTag);
  ReadParticles(particlesTag);
  ReadSystems(systemsTag);
}

void TOrlParticleEffect::ReadFunctions(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "Function") continue;
    const std::string* name = Attribute(*child, "Name");
    const std::string& dimText = Required(*child, "Dim", "Function");
    const std::string& type = Required(*child, "Type", "Function");
    std::unique_ptr<TOrlMorphFunc> fresh = NewFunction(type);
    const int dim = ReadDim(dimText, "Function");
    TOrlMorphFunc* func = name ? functions.Find(*name) : nullptr;
    if (func && std::string_view(func->ClassName()) != fresh->ClassName())
      throw Error("<Function> tag \"" + *name + "\" gives another type to an existing function");
    if (!func) {
      if (name) fresh->SetName(*name);
      fresh->SetDim(dim);
      fresh->OwnedByMorph = 0;
      func = fresh.get();
      functions.Add(std::move(fresh));
    }
    ReadFunctionData(*func, *child);
  }
}

void TOrlParticleEffect::ReadMorphs(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "Morph") continue;
    const std::string& name = Required(*child, "Name", "Morph");
    const int dim = ReadDim(Required(*child, "Dim", "Morph"), "Morph");
    const std::string* start = Attribute(*child, "StartTime");
    const uint32_t baseTime = start ? static_cast<uint32_t>(data::LenientInt32(*start)) : 0;
    TOrlMorph* morph = morphs.Find(name);
    if (!morph) {
      auto fresh = std::make_unique<TOrlMorph>(MorphContext());
      fresh->SetName(name);
      fresh->SetDim(dim);
      fresh->SetBaseTime(baseTime);
      morph = fresh.get();
      morphs.Add(std::move(fresh));
    }
    for (const auto& part : child->Tags)
      if (part->Name == "Functions") morph->LoadFunctionsTag(*part);
    for (const auto& part : child->Tags)
      if (part->Name == "Properties") morph->LoadPropertiesTag(*part);
  }
  // A reused <Morph> tag can hang a whole chain under a morph that was checked while short.
  for (int i = 0; i < morphs.Count(); ++i)
    if (const TOrlMorph* morph = morphs.Get(i);
        morph && morph->EvaluationCount(kMorphEvaluationLimit) > kMorphEvaluationLimit)
      throw Error(TooManyEvaluationsMessage(morph->Name()));
}

void TOrlParticleEffect::ReadParticles(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "Particle") continue;
    const std::string& name = Required(*child, "Name", "Particle");
    TOrlParticleTemplate* templ = templates.Find(name);
    if (!templ) {
      auto fresh = std::make_unique<TOrlParticleTemplate>(this);
      fresh->SetName(name);
      templ = fresh.get();
      templates.Add(std::move(fresh));
    }
    templ->LoadFromTag(*child);
  }
}

void TOrlParticleEffect::ReadSystems(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "ParticleSystem") continue;
    const std::string& name = Required(*child, "Name", "ParticleSystem");
    const std::string& templateName = Required(*child, "Template", "ParticleSystem");
    TOrlParticleSystem* system = systems.Find(name);
    if (!system) {
      auto fresh = std::make_unique<TOrlParticleSystem>(this);
      fresh->SetName(name);
      system = fresh.get();
      systems.Add(std::move(fresh));
    }
    system->SetTemplate(templates.Find(templateName));
    ReadSystemSettings(*system, *child);
  }
}

}  // namespace fx
