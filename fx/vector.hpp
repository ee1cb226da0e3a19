// fx/vector.hpp — the effects' small vector and matrix library. Every morph value is a TVector.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>

namespace fx {

// Three floats; operations take a component count n (1..3) and touch only the first n
// components, leaving the rest of the result zero.
struct TVector {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  float& operator[](int axis) { return axis == 0 ? x : (axis == 1 ? y : z); }
  float operator[](int axis) const { return axis == 0 ? x : (axis == 1 ? y : z); }
  bool operator==(const TVector&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TVector& v);

TVector VecAdd(const TVector& a, const TVector& b, int n = 3);
TVector VecSub(const TVector& a, const TVector& b, int n = 3);
TVector VecScale(const TVector& a, float factor, int n = 3);
float VecDot(const TVector& a, const TVector& b, int n = 3);
float VecLength(const TVector& a, int n = 3);
float VecLength2(const TVector& a, int n = 3);
// The zero vector when the length is below 1e-6.
TVector VecNormalize(const TVector& a, int n = 3);
// a + t·(b − a)
TVector VecBlend(const TVector& a, const TVector& b, float t, int n = 3);
TVector VecCross(const TVector& a, const TVector& b);
// x' = x·cos θ + y·sin θ, y' = −x·sin θ + y·cos θ (θ in radians); for n = 1 only x·cos θ.
TVector VecRotate2D(const TVector& a, float angleRad, int n = 2);

// Row-vector convention: a point p maps to p × M; the translation stands in the fourth row.
struct TMatrix3 {
  float m[3][3] = {};
};
struct TMatrix4 {
  float m[4][4] = {};
};
struct TQuaternion {
  float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;
};

TMatrix3 Identity3();
TMatrix4 Identity4();
TMatrix3 Multiply(const TMatrix3& a, const TMatrix3& b);
TMatrix4 Multiply(const TMatrix4& a, const TMatrix4& b);
// Rotations by angleRad about one axis, with zero translation.
TMatrix4 RotationX(float angleRad);
TMatrix4 RotationY(float angleRad);
TMatrix4 RotationZ(float angleRad);
TVector TransformPoint(const TVector& p, const TMatrix4& m);
TQuaternion QuaternionFromAxisAngle(const TVector& axis, float angleRad);
TMatrix4 MatrixFromQuaternion(const TQuaternion& q);

// "(1.5, 2)" → (1.5, 2, 0), "7" → (7, 0, 0). One to three comma-separated decimals; brackets
// around them are dropped. Raises data::Error on an empty text, on more than three parts
// ("\"TEXT\" string-to-vector convertation failed") and on a part that is not a number.
TVector StrToVector(std::string_view text);

}  // namespace fx
