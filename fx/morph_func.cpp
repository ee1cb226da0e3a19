// fx/morph_func.cpp
#include "fx/morph_func.hpp"

#include <string>

#include "data/error.hpp"

namespace fx {

bool TOrlMorphFunc::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlMorphFunc*>(source);
  if (!other || !TOrlObject::Assign(source)) return false;
  dim = other->dim;
  OwnedByMorph = other->OwnedByMorph;
  Weight = other->Weight;
  return true;
}

void TOrlMorphFunc::SetDim(int newDim) {
  dim = newDim < 1 ? 1 : (newDim > 3 ? 3 : newDim);
}

int TOrlMorphFunc::ParamIndex(std::string_view paramName) const {
  if (paramName == "Weight") return 0;
  FailParamName(paramName);
}

void TOrlMorphFunc::SetParam(int index, const TVector& values) {
  if (index != 0) FailParamIndex(index);
  Weight = values.x;
}

void TOrlMorphFunc::FailParamName(std::string_view paramName) const {
  throw data::Error("Invalid " + std::string(ClassName()) + " function \"" + Name() +
                    "\" parameter \"" + std::string(paramName) + "\"");
}

void TOrlMorphFunc::FailParamIndex(int index) const {
  throw data::Error("Invalid " + std::string(ClassName()) + " function \"" + Name() +
                    "\" parameter index " + std::to_string(index));
}

}  // namespace fx
