// fx/parabolic_func.cpp
#include "fx/parabolic_func.hpp"

namespace fx {

bool TOrlParabolicFunc::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlParabolicFunc*>(source);
  if (!other || !TOrlMorphFunc::Assign(source)) return false;
  P0 = other->P0;
  V0 = other->V0;
  A = other->A;
  return true;
}

int TOrlParabolicFunc::ParamIndex(std::string_view paramName) const {
  if (paramName == "P0") return 1;
  if (paramName == "V0") return 2;
  if (paramName == "A") return 3;
  return TOrlMorphFunc::ParamIndex(paramName);
}

void TOrlParabolicFunc::SetParam(int index, const TVector& values) {
  TVector* const targets[] = {&P0, &V0, &A};
  if (index < 1 || index > 3) {
    TOrlMorphFunc::SetParam(index, values);
    return;
  }
  for (int i = 0; i < Dim(); ++i) (*targets[index - 1])[i] = values[i];
}

TVector TOrlParabolicFunc::GetValue(uint32_t timeMs) const {
  const double t = timeMs * 0.001;
  TVector value;
  for (int i = 0; i < Dim(); ++i)
    value[i] = static_cast<float>(P0[i] + t * (V0[i] + t * static_cast<double>(A[i])));
  return value;
}

}  // namespace fx
