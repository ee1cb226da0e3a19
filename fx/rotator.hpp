// fx/rotator.hpp — a chain of axis rotations for three-dimensional morphs, described by a
// rotation pattern such as "(0,0,5); X[1]; Y=0.5; Z[3]".
#pragma once

#include <cstdint>
#include <vector>

#include "fx/orl_object.hpp"
#include "fx/vector.hpp"

namespace fx {

struct TRotationStep {
  char Axis = 'X';         // X, Y or Z in either case
  float Angle = 0.0f;      // radians
  uint8_t Param = 0;       // 0 fixed, 1..3 driven by that rotation parameter
  int NextParamStep = -1;  // the next step driven by a parameter, −1 none
  TVector Translation;     // the fourth row of the step's matrix
  TMatrix4 Matrix;
};

class TOrlRotator : public TOrlObject {
 public:
  TOrlRotator() : TOrlObject("TOrlRotator") { matrix = Identity4(); }

  const char* ClassName() const override { return "TOrlRotator"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlRotator>();
  }
  bool Assign(const TOrlObject* source) override;

  void Clear();
  // Raises data::Error "Invalid base axis value \"L\"" for an axis other than X, Y, Z (any case)
  // and "Invalid rotation pattern parameter index" for a parameter above 3.
  void AddRotation(char axis, int param, float tx, float ty, float tz, float angleRad);
  // Every step driven by parameter k (1..3) takes angle k.
  void SetRotationParams(float angle1, float angle2, float angle3);

  const std::vector<TRotationStep>& Steps() const { return steps; }
  // The product of the step matrices in step order (first on the left); identity when empty.
  const TMatrix4& Matrix() const { return matrix; }

 private:
  void Recombine(size_t from);

  std::vector<TRotationStep> steps;
  std::vector<TMatrix4> prefix;  // prefix[i]: product of steps 0..i
  TMatrix4 matrix;
  int firstParamStep = -1;
};

}  // namespace fx
