// fx/vector.cpp
#include "fx/vector.hpp"

#include <cmath>
#include <ostream>

#include "data/error.hpp"
#include "data/text_helpers.hpp"
#include "fx/text_utils.hpp"

namespace fx {
namespace {

int Clamp(int n) {
  return n < 1 ? 1 : (n > 3 ? 3 : n);
}

template <class Fn>
TVector PerAxis(int n, Fn&& fn) {
  TVector r;
  for (int i = 0; i < Clamp(n); ++i) r[i] = fn(i);
  return r;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const TVector& v) {
  return out << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

TVector VecAdd(const TVector& a, const TVector& b, int n) {
  return PerAxis(n, [&](int i) { return a[i] + b[i]; });
}

TVector VecSub(const TVector& a, const TVector& b, int n) {
  return PerAxis(n, [&](int i) { return a[i] - b[i]; });
}

TVector VecScale(const TVector& a, float factor, int n) {
  return PerAxis(n, [&](int i) { return a[i] * factor; });
}

float VecDot(const TVector& a, const TVector& b, int n) {
  float sum = 0.0f;
  for (int i = 0; i < Clamp(n); ++i) sum += a[i] * b[i];
  return sum;
}

float VecLength2(const TVector& a, int n) {
  return VecDot(a, a, n);
}

float VecLength(const TVector& a, int n) {
  return std::sqrt(VecLength2(a, n));
}

TVector VecNormalize(const TVector& a, int n) {
  const float length = VecLength(a, n);
  if (!(length >= 1e-6f)) return {};
  return VecScale(a, 1.0f / length, n);
}

TVector VecBlend(const TVector& a, const TVector& b, float t, int n) {
  return PerAxis(n, [&](int i) { return a[i] + t * (b[i] - a[i]); });
}

TVector VecCross(const TVector& a, const TVector& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

TVector VecRotate2D(const TVector& a, float angleRad, int n) {
  const float c = std::cos(angleRad), s = std::sin(angleRad);
  if (Clamp(n) == 1) return {a.x * c, 0.0f, 0.0f};
  TVector r{a.x * c + a.y * s, -a.x * s + a.y * c, 0.0f};
  if (n >= 3) r.z = a.z;
  return r;
}

TMatrix3 Identity3() {
  TMatrix3 r;
  for (int i = 0; i < 3; ++i) r.m[i][i] = 1.0f;
  return r;
}

TMatrix4 Identity4() {
  TMatrix4 r;
  for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
  return r;
}

TMatrix3 Multiply(const TMatrix3& a, const TMatrix3& b) {
  TMatrix3 r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) r.m[i][j] += a.m[i][k] * b.m[k][j];
  return r;
}

TMatrix4 Multiply(const TMatrix4& a, const TMatrix4& b) {
  TMatrix4 r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      for (int k = 0; k < 4; ++k) r.m[i][j] += a.m[i][k] * b.m[k][j];
  return r;
}

TMatrix4 RotationX(float angleRad) {
  const float c = std::cos(angleRad), s = std::sin(angleRad);
  TMatrix4 r = Identity4();
  r.m[1][1] = c;
  r.m[1][2] = s;
  r.m[2][1] = -s;
  r.m[2][2] = c;
  return r;
}

TMatrix4 RotationY(float angleRad) {
  const float c = std::cos(angleRad), s = std::sin(angleRad);
  TMatrix4 r = Identity4();
  r.m[0][0] = c;
  r.m[0][2] = -s;
  r.m[2][0] = s;
  r.m[2][2] = c;
  return r;
}

TMatrix4 RotationZ(float angleRad) {
  const float c = std::cos(angleRad), s = std::sin(angleRad);
  TMatrix4 r = Identity4();
  r.m[0][0] = c;
  r.m[0][1] = s;
  r.m[1][0] = -s;
  r.m[1][1] = c;
  return r;
}

TVector TransformPoint(const TVector& p, const TMatrix4& m) {
  TVector r;
  for (int j = 0; j < 3; ++j)
    r[j] = p.x * m.m[0][j] + p.y * m.m[1][j] + p.z * m.m[2][j] + m.m[3][j];
  return r;
}

TQuaternion QuaternionFromAxisAngle(const TVector& axis, float angleRad) {
  const TVector u = VecNormalize(axis);
  const float s = std::sin(angleRad * 0.5f);
  return {u.x * s, u.y * s, u.z * s, std::cos(angleRad * 0.5f)};
}

TMatrix4 MatrixFromQuaternion(const TQuaternion& q) {
  // Row-vector form: the transpose of the usual column-vector rotation matrix.
  const float x = q.x, y = q.y, z = q.z, w = q.w;
  TMatrix4 r = Identity4();
  r.m[0][0] = 1 - 2 * (y * y + z * z);
  r.m[0][1] = 2 * (x * y + z * w);
  r.m[0][2] = 2 * (x * z - y * w);
  r.m[1][0] = 2 * (x * y - z * w);
  r.m[1][1] = 1 - 2 * (x * x + z * z);
  r.m[1][2] = 2 * (y * z + x * w);
  r.m[2][0] = 2 * (x * z + y * w);
  r.m[2][1] = 2 * (y * z - x * w);
  r.m[2][2] = 1 - 2 * (x * x + y * y);
  return r;
}

TVector StrToVector(std::string_view text) {
  const std::string_view trimmed = data::Trim(text);
  int parts = 1;
  for (char c : trimmed) parts += c == ',';
  if (trimmed.empty() || parts > 3)
    throw data::Error("\"" + std::string(text) + "\" string-to-vector convertation failed");
  const std::vector<std::string> values = SplitText(trimmed, ',', true);
  TVector v;
  for (size_t i = 0; i < values.size() && i < 3; ++i)
    v[static_cast<int>(i)] = ParseFloat(values[i]);
  return v;
}

}  // namespace fx
