// fx/particle_template_xml.cpp — a <Particle> tag: parameters, their InitMorphs and live ranges.
#include <algorithm>
#include <string>

#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "data/xml_parser.hpp"
#include "fx/particle_effect.hpp"
#include "fx/particle_template.hpp"
#include "fx/text_utils.hpp"
#include "fx/xml_attributes.hpp"

namespace fx {
namespace {

using data::Error;
using data::TOrlXMLTag;

int TreeIndexOf(const std::vector<TOrlMorph*>& tree, std::string_view name) {
  for (size_t i = 0; i < tree.size(); ++i)
    if (data::SameText(tree[i]->Name(), name)) return static_cast<int>(i);
  return -1;
}

std::string ReplaceT(std::string_view text, uint32_t startTime) {
  std::string out;
  for (char c : text) {
    if (c == 'T')
      out += std::to_string(startTime);
    else
      out.push_back(c);
  }
  return out;
}

// Where an InitMorph property writes: an initialiser of the morph for that target if it has one,
// else the direct code.
int SettingTarget(const TOrlMorph& morph, const std::string& name, TInitSetting& setting) {
  static constexpr struct {
    const char* name;
    uint32_t target;
  } kDirect[] = {{"Position", kTargetPosition},
                 {"Rotation", kTargetRotation},
                 {"Scale", kTargetScale},
                 {"StartTime", kTargetStartTime}};
  for (const auto& d : kDirect) {
    if (name != d.name) continue;
    const int init = morph.InitIndex(d.target);
    return init >= 0 ? init : -1 - static_cast<int>(d.target);
  }
  const size_t dot = name.find('.');
  if (dot == std::string::npos || dot < 1)
    throw Error("<Property> tag \"Name\" attribute has invalid value \"" + name + "\"");
  setting.FuncIndex = morph.FunctionIndex(std::string_view(name).substr(0, dot));
  if (setting.FuncIndex < 0)
    throw Error("<Property> tag \"Name\" attribute value \"" + name +
                "\" contains unknown Function name");
  setting.ParamIndex = morph.Function(setting.FuncIndex)->ParamIndex(name.substr(dot + 1));
  if (setting.ParamIndex < 1)
    throw Error("<Property> tag \"Name\" attribute value \"" + name +
                "\" contains unknown parameter name");
  const int init = morph.InitIndex(kTargetParam, setting.FuncIndex, setting.ParamIndex);
  return init >= 0 ? init : kCodeParam;
}

}  // namespace

void TOrlParticleTemplate::LoadFromTag(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "Parameter")
      throw Error("<Particle> tag contains invalid tag \"" + child->Name + "\"");
    LoadParameter(*child);
  }
}

void TOrlParticleTemplate::LoadParameter(const TOrlXMLTag& tag) {
  TTemplateParam param;
  param.Name = CutName(Required(tag, "Name", "Parameter"));
  const std::string& dimText = Required(tag, "Dim", "Parameter");
  const std::string& morphName = Required(tag, "Morph", "Parameter");
  param.Dim = ReadDim(dimText, "Parameter");
  param.MorphIndex = effect->MorphIndex(morphName);
  if (param.MorphIndex < 0)
    throw Error("<Parameter> tag \"Morph\" attribute contains unknown Morph name \"" + morphName +
                "\"");
  const std::string* cloned = Attribute(tag, "ClonedMorph");
  param.ClonedMorph = cloned && data::Trim(*cloned) == "true";
  std::vector<TOrlMorph*> tree;
  effect->Morph(param.MorphIndex)->CollectTree(tree);

  for (const auto& child : tag.Tags) {
    if (child->Name == "InitMorphs") {
      for (const auto& im : child->Tags) {
        if (im->Name != "InitMorph")
          throw Error("<InitMorphs> tag contains invalid tag \"" + im->Name + "\"");
        LoadInitMorph(param, tree, *im);
      }
    } else if (child->Name == "LiveValue") {
      const std::string& text = child->Text;
      const size_t sep = text.find(")-(");
      if (sep == std::string::npos || sep < 1)
        throw Error("<LiveValue> tag value \"" + text + "\" has invalid syntax");
      param.LiveLow = StrToVector(std::string_view(text).substr(0, sep));
      param.LiveHigh = StrToVector(std::string_view(text).substr(sep + 3));
      param.HasLiveRange = true;
    }
  }
  ResolveAndOrder(param);
  const int existing = ParamIndex(param.Name);
  if (existing >= 0)
    Params[static_cast<size_t>(existing)] = std::move(param);
  else
    Params.push_back(std::move(param));
}

void TOrlParticleTemplate::LoadInitMorph(TTemplateParam& param, const std::vector<TOrlMorph*>& tree,
                                         const TOrlXMLTag& tag) {
  TInitMorph im;
  im.Name = Required(tag, "Name", "InitMorph");
  im.TreeIndex = TreeIndexOf(tree, im.Name);
  if (im.TreeIndex < 0) {
    im.LibIndex = effect->MorphIndex(im.Name);
    if (im.LibIndex < 0)
      throw Error("<InitMorph> tag \"Name\" attribute contains unknown Morph name \"" + im.Name +
                  "\"");
    im.Clone = TOrlMorph::CloneFrom(*effect->Morph(im.LibIndex), effect->MorphContext());
  }
  const TOrlMorph& target = im.IsLocal() ? *tree[static_cast<size_t>(im.TreeIndex)] : *im.Clone;
  bool fromEffectStart = false;
  for (const auto& child : tag.Tags) {
    if (child->Name != "Property")
      throw Error("<InitMorph> tag contains invalid tag <" + child->Name + ">");
    const std::string& name = Required(*child, "Name", "Property");
    const std::string& value = child->Text;
    if (name == "StartTime" && value == "T") {
      fromEffectStart = true;
      continue;
    }
    TInitSetting setting;
    setting.Target = SettingTarget(target, name, setting);
    std::string_view low, high;
    const size_t dots = value.find("..");
    if (const int local = TreeIndexOf(tree, value); local >= 0) {
      setting.SourceKind = kSourceMorph;
      setting.Source = {TInitSource::kLocal, local};
    } else if (const int lib = effect->MorphIndex(value); lib >= 0) {
      setting.SourceKind = kSourceMorph;
      setting.Source = {TInitSource::kLibrary, lib};
      setting.SourceName = value;
    } else if (dots != std::string::npos && dots >= 1) {
      setting.SourceKind = kSourceRandom;
      setting.Low = StrToVector(std::string_view(value).substr(0, dots));
      setting.High = StrToVector(std::string_view(value).substr(dots + 2));
    } else {
      setting.Low = setting.High = StrToVector(ReplaceT(value, effect->StartTime()));
    }
    im.Settings.push_back(std::move(setting));
  }
  if (fromEffectStart)
    for (TInitSetting& s : im.Settings) s.FromEffectStart = true;
  param.InitMorphs.push_back(std::move(im));
}

void TOrlParticleTemplate::ResolveAndOrder(TTemplateParam& param) {
  std::vector<TInitMorph>& ims = param.InitMorphs;
  auto cloneOf = [&](const std::string& morphName) {
    for (size_t i = 0; i < ims.size(); ++i)
      if (ims[i].Clone && data::SameText(ims[i].Name, morphName)) return static_cast<int>(i);
    return -1;
  };
  auto reads = [&](size_t reader, size_t source) {
    for (const TInitSetting& s : ims[reader].Settings)
      if (s.Source.kind == TInitSource::kLibrary &&
          cloneOf(s.SourceName) == static_cast<int>(source))
        return true;
    return false;
  };
  // Private clones first, in document order but each after the clones it reads; a cycle keeps
  // document order. Then the local ones in the order of the morph tree.
  std::vector<size_t> order, pending;
  for (size_t i = 0; i < ims.size(); ++i)
    if (ims[i].Clone) pending.push_back(i);
  while (!pending.empty()) {
    size_t pick = 0;
    for (size_t p = 0; p < pending.size(); ++p) {
      bool ready = true;
      for (size_t q = 0; q < pending.size(); ++q)
        if (q != p && reads(pending[p], pending[q])) ready = false;
      if (ready) {
        pick = p;
        break;
      }
    }
    order.push_back(pending[pick]);
    pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  std::vector<size_t> locals;
  for (size_t i = 0; i < ims.size(); ++i)
    if (!ims[i].Clone) locals.push_back(i);
  std::stable_sort(locals.begin(), locals.end(),
                   [&](size_t a, size_t b) { return ims[a].TreeIndex < ims[b].TreeIndex; });
  order.insert(order.end(), locals.begin(), locals.end());

  std::vector<TInitMorph> sorted;
  for (size_t i : order) sorted.push_back(std::move(ims[i]));
  ims = std::move(sorted);
  for (TInitMorph& im : ims)
    for (TInitSetting& s : im.Settings)
      if (s.Source.kind == TInitSource::kLibrary) {
        const int clone = cloneOf(s.SourceName);
        if (clone >= 0) s.Source = {TInitSource::kClone, clone};
      }
}

}  // namespace fx
