// fx/parabolic_func.hpp — P0 + V0·t + A·t² per axis, t in seconds (A is not halved).
#pragma once

#include <cstdint>
#include <string_view>

#include "fx/morph_func.hpp"

namespace fx {

class TOrlParabolicFunc : public TOrlMorphFunc {
 public:
  TOrlParabolicFunc() : TOrlMorphFunc("TOrlParabolicFunc") {}

  const char* ClassName() const override { return "TOrlParabolicFunc"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlParabolicFunc>();
  }
  bool Assign(const TOrlObject* source) override;

  int ParamIndex(std::string_view paramName) const override;  // "P0" 1, "V0" 2, "A" 3
  void SetParam(int index, const TVector& values) override;   // first Dim values
  TVector GetValue(uint32_t timeMs) const override;

  TVector P0, V0, A;
};

}  // namespace fx
