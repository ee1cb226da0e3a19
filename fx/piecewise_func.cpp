// fx/piecewise_func.cpp — piece data, look-up by time with the four endings, evaluation and
// arc lengths. Path scripts are read in path_script.cpp, point editing is in path_smoothing.cpp.
#include "fx/piecewise_func.hpp"

#include <cmath>
#include <limits>

#include "data/error.hpp"
#include "data/number_text.hpp"
#include "data/rounding.hpp"
#include "fx/text_utils.hpp"

namespace fx {
namespace {

constexpr double kLengthTolerance = 1e-6;
// Arcs with huge coordinates never get within kLengthTolerance in double precision: they stop
// at a relative tolerance far below anything visible, or at this depth (65536 segments).
constexpr double kRelativeTolerance = 1e-12;
constexpr int kMaxHalvings = 16;

struct TCurve {
  double p[4][3];  // control point k, axis
};

double Distance(const double* a, const double* b, int dim) {
  double sum = 0.0;
  for (int i = 0; i < dim; ++i) sum += (b[i] - a[i]) * (b[i] - a[i]);
  return std::sqrt(sum);
}

double BezierLength(const TCurve& c, int dim, int depth) {
  const double chord = Distance(c.p[0], c.p[3], dim);
  const double polygon =
      Distance(c.p[0], c.p[1], dim) + Distance(c.p[1], c.p[2], dim) + Distance(c.p[2], c.p[3], dim);
  const double gap = polygon - chord;
  if (!(gap > kLengthTolerance) || gap <= polygon * kRelativeTolerance || depth >= kMaxHalvings)
    return polygon;
  // de Casteljau at u = 1/2: the two halves share the midpoint m.
  TCurve left, right;
  for (int i = 0; i < 3; ++i) {
    const double a = (c.p[0][i] + c.p[1][i]) / 2, b = (c.p[1][i] + c.p[2][i]) / 2,
                 d = (c.p[2][i] + c.p[3][i]) / 2;
    const double ab = (a + b) / 2, bd = (b + d) / 2, m = (ab + bd) / 2;
    left.p[0][i] = c.p[0][i];
    left.p[1][i] = a;
    left.p[2][i] = ab;
    left.p[3][i] = m;
    right.p[0][i] = m;
    right.p[1][i] = bd;
    right.p[2][i] = d;
    right.p[3][i] = c.p[3][i];
  }
  return BezierLength(left, dim, depth + 1) + BezierLength(right, dim, depth + 1);
}

}  // namespace

float PieceLength(const TPiece& piece, int dim) {
  TCurve c;
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 3; ++i) c.p[k][i] = piece.P[i][k];
  if (piece.Kind == kPieceLinear) return static_cast<float>(Distance(c.p[0], c.p[3], dim));
  return static_cast<float>(BezierLength(c, dim, 0));
}

bool TOrlPiecewiseFunc::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlPiecewiseFunc*>(source);
  if (!other || !TOrlMorphFunc::Assign(source)) return false;
  pieces = other->pieces;
  endsIndexed = false;
  totalTime = other->totalTime;
  totalLength = other->totalLength;
  pointCount = other->pointCount;
  EndPosition = other->EndPosition;
  Ending = other->Ending;
  Timing = other->Timing;
  FirstAngle = other->FirstAngle;
  SecondAngle = other->SecondAngle;
  PosCorrectionFirst = other->PosCorrectionFirst;
  PosCorrectionSecond = other->PosCorrectionSecond;
  Bezier = other->Bezier;
  return true;
}

int TOrlPiecewiseFunc::ParamIndex(std::string_view paramName) const {
  const size_t open = paramName.find('[');
  if (open == std::string_view::npos) return TOrlMorphFunc::ParamIndex(paramName);
  const size_t close = paramName.find(']', open + 1);
  return data::LenientInt32(paramName.substr(
      open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
}

void TOrlPiecewiseFunc::Clear() {
  pieces.clear();
  ends.clear();
  endsIndexed = false;
  totalTime = 0;
  totalLength = 0.0f;
  pointCount = 0;
  EndPosition = {};
  Ending = kEndingStop;
}

TPiece TOrlPiecewiseFunc::Piece(int index) const {
  if (index < 0 || index >= PieceCount()) throw data::Error("Invalid piece index");
  return pieces[static_cast<size_t>(index)];
}

void TOrlPiecewiseFunc::SetDurationRaw(int index, int32_t durationMs) {
  TPiece& piece = pieces[static_cast<size_t>(index)];
  totalTime += static_cast<int64_t>(durationMs) - piece.Duration;
  piece.Duration = durationMs;
}

void TOrlPiecewiseFunc::SetPieceDuration(int index, int32_t durationMs) {
  if (index < 0 || index >= PieceCount()) throw data::Error("Invalid piece index");
  SetDurationRaw(index, durationMs);
}

void TOrlPiecewiseFunc::SetPieceSpeed(int index, float unitsPerSecond) {
  if (index < 0 || index >= PieceCount()) throw data::Error("Invalid piece index");
  const double length = pieces[static_cast<size_t>(index)].Length;
  SetDurationRaw(
      index, unitsPerSecond > 1e-6f ? data::RoundHalfEven(length * 1000.0 / unitsPerSecond) : 0);
}

void TOrlPiecewiseFunc::UpdateLength(int index) {
  TPiece& piece = pieces[static_cast<size_t>(index)];
  const float length = PieceLength(piece, Dim());
  totalLength += length - piece.Length;
  piece.Length = length;
}

bool TOrlPiecewiseFunc::Coincide(const TVector& a, const TVector& b) const {
  return VecLength(VecSub(a, b, Dim()), Dim()) < 1e-6f;
}

namespace {

bool HasNan(const TVector& p) {
  return std::isnan(p.x) || std::isnan(p.y) || std::isnan(p.z);
}

}  // namespace

void TOrlPiecewiseFunc::IndexEnds() {
  ends.clear();
  for (const TPiece& piece : pieces)
    for (int k : {0, 3})
      if (!HasNan(piece.Point(k))) ends.insert({piece.P[0][k], piece.P[1][k], piece.P[2][k]});
  endsIndexed = true;
}

bool TOrlPiecewiseFunc::IsNewPoint(const TVector& p) {
  if (!endsIndexed) IndexEnds();
  if (HasNan(p)) return true;  // NaN is never close to anything
  // Candidates lie within twice the tolerance on each axis Coincide looks at (a margin for the
  // rounding of the bounds); Coincide has the last word on each.
  constexpr float kReach = 2e-6f, kInf = std::numeric_limits<float>::infinity();
  const int dim = Dim();
  auto it = ends.lower_bound({p.x - kReach, -kInf, -kInf});
  while (it != ends.end() && (*it)[0] <= p.x + kReach) {
    const float x = (*it)[0];
    if (dim >= 2) it = ends.lower_bound({x, p.y - kReach, -kInf});
    for (; it != ends.end() && (*it)[0] == x && (dim < 2 || (*it)[1] <= p.y + kReach); ++it)
      if (Coincide(p, {(*it)[0], (*it)[1], (*it)[2]})) return false;
    it = ends.upper_bound({x, kInf, kInf});
  }
  return true;
}

void TOrlPiecewiseFunc::AddPiece(TPieceKind kind, const TVector& start, const TVector& end) {
  const int newPoints = static_cast<int>(IsNewPoint(start)) + static_cast<int>(IsNewPoint(end));
  TPiece piece;
  piece.Duration = 1000;
  piece.Kind = kind;
  for (int i = 0; i < 3; ++i) {
    const float s = start[i], e = end[i];
    piece.P[i][0] = s;
    piece.P[i][1] = s + (e - s) / 3.0f;
    piece.P[i][2] = s + 2.0f * (e - s) / 3.0f;
    piece.P[i][3] = e;
  }
  pieces.push_back(piece);
  for (const TVector& p : {start, end})
    if (!HasNan(p)) ends.insert({p.x, p.y, p.z});
  totalTime += 1000;
  UpdateLength(PieceCount() - 1);
  pointCount += newPoints;
}

TOrlPiecewiseFunc::TLookup TOrlPiecewiseFunc::LookUp(uint32_t timeMs) const {
  int64_t t = timeMs;
  const int64_t total = totalTime;
  TLookup found;
  if (t > total) {
    if (Ending == kEndingStop) {
      found.pastEnd = true;
      return found;
    }
    if (Ending == kEndingReverseStop) {
      if (t > 2 * total) {
        found.pastEnd = true;
        return found;
      }
      t = 2 * total - t;
    } else if (total <= 0) {
      t = 0;  // a looping path without duration stays at its start
    } else if (Ending == kEndingLoop) {
      t %= total;
    } else if ((t / total) % 2 == 1) {
      t = total - t % total;
    } else {
      t %= total;
    }
  }
  int64_t start = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const int64_t duration = pieces[i].Duration;
    if (start + duration >= t) {
      found.piece = static_cast<int>(i);
      found.fraction = duration == 0 ? 0.0 : static_cast<double>(t - start) / duration;
      return found;
    }
    start += duration;
  }
  return found;
}

TVector TOrlPiecewiseFunc::GetValue(uint32_t timeMs) const {
  const TLookup at = LookUp(timeMs);
  TVector value;
  const int dim = Dim();
  if (at.pastEnd) {
    for (int i = 0; i < dim; ++i) value[i] = EndPosition[i];
    return value;
  }
  if (at.piece < 0) return value;
  const TPiece& piece = pieces[static_cast<size_t>(at.piece)];
  const double u = at.fraction, v = 1.0 - u;
  for (int i = 0; i < dim; ++i) {
    const float* p = piece.P[i];
    const double x =
        piece.Kind == kPieceLinear
            ? p[0] + (p[3] - p[0]) * u
            : v * v * v * p[0] + 3.0 * u * v * (v * p[1] + u * p[2]) + u * u * u * p[3];
    value[i] = static_cast<float>(x);
  }
  return value;
}

}  // namespace fx
