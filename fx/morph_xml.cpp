// fx/morph_xml.cpp — a <Morph> tag's <Functions> and <Properties> children, and rotation
// patterns.
#include <string>

#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "data/xml_parser.hpp"
#include "fx/morph.hpp"
#include "fx/text_utils.hpp"
#include "fx/xml_attributes.hpp"

namespace fx {
namespace {

using data::Error;
using data::TOrlXMLTag;

// A range "low..high" needs at least one character before the dots.
bool SplitRange(std::string_view text, std::string_view& low, std::string_view& high) {
  const size_t dots = text.find("..");
  if (dots == std::string_view::npos || dots < 1) return false;
  low = text.substr(0, dots);
  high = text.substr(dots + 2);
  return true;
}

}  // namespace

void TOrlMorph::LoadFunctionsTag(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "Function")
      throw Error("<Functions> tag contains invalid child tag <" + child->Name + ">");
    const std::string* name = Attribute(*child, "Name");
    if (!name) throw Error("<Function> tag has no \"Name\" attribute");
    const std::string* clone = Attribute(*child, "Clone");
    const int index =
        (clone && *clone == "true") ? AddClonedFunctionByName(*name) : AddFunctionByName(*name);
    const std::string* weight = Attribute(*child, "Weight");
    if (index >= 0 && weight) Function(index)->Weight = ParseFloat(*weight);
  }
}

uint32_t TOrlMorph::PropertyTarget(std::string_view propName, int& funcIndex,
                                   int& paramIndex) const {
  funcIndex = paramIndex = -1;
  if (propName == "Position") return kTargetPosition;
  if (propName == "Rotation") return kTargetRotation;
  if (propName == "Scale") return kTargetScale;
  if (propName == "StartTime") return kTargetStartTime;
  const size_t dot = propName.find('.');
  if (dot == std::string_view::npos || dot < 1)
    throw Error("<Property> tag \"Name\" attribute has invalid value \"" + std::string(propName) +
                "\"");
  const std::string_view funcName = propName.substr(0, dot);
  funcIndex = FunctionIndex(funcName);
  if (funcIndex < 0)
    throw Error("<Property> tag \"Name\" attribute value contains unknown Function name \"" +
                std::string(funcName) + "\"");
  paramIndex = Function(funcIndex)->ParamIndex(propName.substr(dot + 1));
  return kTargetParam;
}

void TOrlMorph::LoadPropertiesTag(const TOrlXMLTag& tag) {
  for (const auto& child : tag.Tags) {
    if (child->Name != "Property")
      throw Error("Morph + \"" + Name() + "\" <Properties> tag contains invalid tag \"" +
                  child->Name + "\"");
    const std::string* name = Attribute(*child, "Name");
    if (!name) throw Error("<Property> tag has no \"Name\" attribute");
    const std::string& value = child->Text;
    if (*name == "RotationPattern") {
      SetRotationPattern(value);
      continue;
    }
    int funcIndex = -1, paramIndex = -1;
    const uint32_t target = PropertyTarget(*name, funcIndex, paramIndex);
    std::string_view low, high;
    if (context.Morphs->Find(value)) {
      AddInit(target, {}, paramIndex, funcIndex, value, {});
    } else if (SplitRange(value, low, high)) {
      AddInit(target, StrToVector(low), paramIndex, funcIndex, {}, StrToVector(high));
    } else {
      const TVector v = StrToVector(value);
      if (VecLength2(v, dim) > 1e-12f)
        SetProperty(-1 - static_cast<int>(target), v, paramIndex, funcIndex);
    }
  }
}

void TOrlMorph::SetRotationPattern(std::string_view pattern) {
  if (dim != 3) return;
  Rotator.Clear();
  TVector translation;
  bool any = false;
  for (const std::string& part : SplitText(data::FlattenLineBreaks(pattern), ';')) {
    const std::string_view item = data::Trim(part);
    if (item.empty()) continue;
    if (item.front() == '(') {
      translation = StrToVector(item);
      continue;
    }
    std::string_view rest = item.substr(1);
    int param = 0;
    float angle = 0.0f;
    const size_t eq = rest.find('=');
    if (eq != std::string_view::npos) {
      angle = ParseFloat(rest.substr(eq + 1));
      rest = rest.substr(0, eq);
    }
    const size_t open = rest.find('[');
    if (open != std::string_view::npos) {
      const size_t close = rest.find(']', open + 1);
      const std::string_view k = data::Trim(rest.substr(
          open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
      if (k != "1" && k != "2" && k != "3") throw Error("Invalid rotation pattern parameter index");
      param = k[0] - '0';
    }
    Rotator.AddRotation(item.front(), param, translation.x, translation.y, translation.z, angle);
    any = true;
  }
  if (any) Rotated = true;
}

}  // namespace fx
