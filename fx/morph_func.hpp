// fx/morph_func.hpp — a morph function maps a time in milliseconds to one to three floats; morphs
// add up weighted functions. Parameter 0 of every function is its Weight.
#pragma once

#include <cstdint>
#include <string_view>

#include "fx/orl_object.hpp"
#include "fx/vector.hpp"

namespace fx {

class TOrlMorphFunc : public TOrlObject {
 public:
  explicit TOrlMorphFunc(const char* className = "TOrlMorphFunc") : TOrlObject(className) {}

  const char* ClassName() const override { return "TOrlMorphFunc"; }
  bool Assign(const TOrlObject* source) override;  // Dim, OwnedByMorph, Weight, then own fields

  int Dim() const { return dim; }  // number of output components, 1..3
  void SetDim(int newDim);         // clamped to 1..3

  // 1 when the morph using the function frees it; 0 for functions kept in an effect's library.
  uint8_t OwnedByMorph = 1;
  float Weight = 1.0f;

  // "Weight" → 0 (exact case); other names raise data::Error
  // "Invalid CLASS function \"NAME\" parameter \"PARAM\"".
  virtual int ParamIndex(std::string_view paramName) const;
  // Index 0 sets Weight := values.x; an unknown index raises
  // "Invalid CLASS function \"NAME\" parameter index N" and changes nothing.
  virtual void SetParam(int index, const TVector& values);
  void SetParamByName(std::string_view paramName, const TVector& values) {
    SetParam(ParamIndex(paramName), values);
  }
  // Components at or beyond Dim are zero.
  virtual TVector GetValue(uint32_t timeMs) const = 0;

 protected:
  [[noreturn]] void FailParamName(std::string_view paramName) const;
  [[noreturn]] void FailParamIndex(int index) const;

 private:
  int dim = 2;
};

class TOrlMorphFuncLib : public TOrlTypedCollection<TOrlMorphFunc> {
 public:
  TOrlMorphFuncLib() : TOrlTypedCollection("TOrlMorphFuncLib") {}
  const char* ClassName() const override { return "TOrlMorphFuncLib"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlMorphFuncLib>();
  }
};

}  // namespace fx
