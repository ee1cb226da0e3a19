// fx/periodic_func.hpp — a sine per axis with optional amplitude and phase modulation:
// value = g1·sin(a1·t [+ g3·sin(a3·t + b3)] + b1) [· sin(a2·t + b2)] + c, t in seconds.
#pragma once

#include <cstdint>
#include <string_view>

#include "fx/morph_func.hpp"

namespace fx {

struct TPeriodicParams {
  uint8_t AmplitudeModulation = 0;  // on exactly when |a2| > 1e-6 after a parameter text
  uint8_t PhaseModulation = 0;      // on exactly when |g3| > 1e-6 and |a3| > 1e-6
  float g1 = 1.0f, a1 = 1.0f, b1 = 0.0f, a2 = 0.0f, b2 = 0.0f, g3 = 0.0f, a3 = 0.0f, b3 = 0.0f,
        c = 0.0f;

  float& Param(int k);  // k = 1..9 in the order g1, a1, b1, a2, b2, g3, a3, b3, c
};

class TOrlPeriodicFunc : public TOrlMorphFunc {
 public:
  TOrlPeriodicFunc() : TOrlMorphFunc("TOrlPeriodicFunc") {}

  const char* ClassName() const override { return "TOrlPeriodicFunc"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlPeriodicFunc>();
  }
  bool Assign(const TOrlObject* source) override;

  int ParamIndex(std::string_view paramName) const override;  // "g1" 1 … "c" 9, exact case
  // Sets parameter k of every axis below Dim; the modulation flags stay as they are.
  void SetParam(int index, const TVector& values) override;
  TVector GetValue(uint32_t timeMs) const override;

  // Reads "g1=10; a1=6.28; c=5" for one axis (0..2): names in any case, unknown names and parts
  // without "=" ignored, then the modulation flags follow the values. A malformed number raises
  // data::Error and leaves the axis unchanged.
  void SetAxisParams(int axis, std::string_view text);

  TPeriodicParams Axis[3];
};

}  // namespace fx
