// fx/periodic_func.cpp
#include "fx/periodic_func.hpp"

#include <cmath>
#include <string>
#include <vector>

#include "data/text_helpers.hpp"
#include "fx/text_utils.hpp"

namespace fx {
namespace {

constexpr const char* kParamNames[] = {"g1", "a1", "b1", "a2", "b2", "g3", "a3", "b3", "c"};

}  // namespace

float& TPeriodicParams::Param(int k) {
  float* const fields[] = {&g1, &a1, &b1, &a2, &b2, &g3, &a3, &b3, &c};
  return *fields[k < 1 ? 0 : (k > 9 ? 8 : k - 1)];
}

bool TOrlPeriodicFunc::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlPeriodicFunc*>(source);
  if (!other || !TOrlMorphFunc::Assign(source)) return false;
  for (int i = 0; i < 3; ++i) Axis[i] = other->Axis[i];
  return true;
}

int TOrlPeriodicFunc::ParamIndex(std::string_view paramName) const {
  for (int k = 0; k < 9; ++k)
    if (paramName == kParamNames[k]) return k + 1;
  return TOrlMorphFunc::ParamIndex(paramName);
}

void TOrlPeriodicFunc::SetParam(int index, const TVector& values) {
  if (index < 1 || index > 9) {
    TOrlMorphFunc::SetParam(index, values);
    return;
  }
  for (int i = 0; i < Dim(); ++i) Axis[i].Param(index) = values[i];
}

void TOrlPeriodicFunc::SetAxisParams(int axis, std::string_view text) {
  if (axis < 0 || axis > 2) return;
  TPeriodicParams params = Axis[axis];
  for (const std::string& part : SplitText(text, ';')) {
    const size_t eq = part.find('=');
    if (eq == std::string::npos) continue;
    const std::string_view name = data::Trim(std::string_view(part).substr(0, eq));
    for (int k = 0; k < 9; ++k) {
      if (data::SameText(name, kParamNames[k])) {
        params.Param(k + 1) = ParseFloat(data::Trim(std::string_view(part).substr(eq + 1)));
        break;
      }
    }
  }
  params.AmplitudeModulation = std::fabs(params.a2) > 1e-6f;
  params.PhaseModulation = std::fabs(params.g3) > 1e-6f && std::fabs(params.a3) > 1e-6f;
  Axis[axis] = params;
}

TVector TOrlPeriodicFunc::GetValue(uint32_t timeMs) const {
  const double t = timeMs * 0.001;
  TVector value;
  for (int i = 0; i < Dim(); ++i) {
    const TPeriodicParams& p = Axis[i];
    double phase = p.a1 * t;
    if (p.PhaseModulation) phase += p.g3 * std::sin(p.a3 * t + p.b3);
    double v = p.g1 * std::sin(phase + p.b1);
    if (p.AmplitudeModulation) v *= std::sin(p.a2 * t + p.b2);
    value[i] = static_cast<float>(v + p.c);
  }
  return value;
}

}  // namespace fx
