// fx/path_smoothing.cpp — path point numbering and the Bezier handles that make a path run
// smoothly through its points; used by path scripts and when the game drags a point.
#include <cmath>

#include "fx/piecewise_func.hpp"

namespace fx {
namespace {

constexpr float kHandleShare = 0.4f;  // a junction handle is 0.4 of its chord

// Shapes one handle: scale, optional flattening onto the x axis, optional turn.
TVector ShapeHandle(TVector handle, float factor, float chord, bool flat, float angle, int dim) {
  handle = VecScale(handle, factor * chord * kHandleShare, dim);
  if (flat && dim >= 2) {
    const float oldY = handle.y;
    handle.y = 0.0f;
    if (VecLength(handle, dim) < 1e-6f) handle.x = oldY;
  }
  if (flat || std::fabs(angle) > 1e-6f) handle = VecRotate2D(handle, angle, dim);
  return handle;
}

// The unit directions of the handles either side of a junction. Between two Bezier pieces
// they lie on one line, leaning towards the chord of the shorter piece; next to a straight
// piece the curve leaves along it.
struct TJunction {
  TVector In, Out;
};

TJunction JunctionDirections(const TPiece& prev, const TPiece& cur, int dim) {
  TVector in = VecSub(prev.Point(0), prev.Point(3), dim);
  TVector out = VecSub(cur.Point(3), cur.Point(0), dim);
  const float lin = VecLength(in, dim), lout = VecLength(out, dim);
  const bool prevBezier = prev.Kind == kPieceBezier, curBezier = cur.Kind == kPieceBezier;
  if (prevBezier && curBezier) {
    const TVector n = VecNormalize(VecSub(cur.Point(3), prev.Point(0), dim), dim);
    if (lin >= lout) {
      const float share = lin > 0.0f ? lout / lin : 0.0f;
      out = VecNormalize(VecBlend(VecNormalize(out, dim), n, share, dim), dim);
      in = VecScale(out, -1.0f, dim);
    } else {
      in = VecNormalize(VecBlend(VecNormalize(in, dim), VecScale(n, -1.0f, dim), lin / lout, dim),
                        dim);
      out = VecScale(in, -1.0f, dim);
    }
  } else if (prevBezier) {
    in = VecScale(VecNormalize(out, dim), -1.0f, dim);
  } else {
    out = VecScale(VecNormalize(in, dim), -1.0f, dim);
  }
  return {in, out};
}

}  // namespace

TPointRef TOrlPiecewiseFunc::FindPoint(int number) const {
  if (number < 1) return {};
  const std::vector<TPointRef> points = AllPoints();
  return static_cast<size_t>(number) <= points.size() ? points[static_cast<size_t>(number - 1)]
                                                      : TPointRef{};
}

std::vector<TPointRef> TOrlPiecewiseFunc::AllPoints() const {
  std::vector<TPointRef> points;
  const int count = PieceCount();
  if (count == 0) return points;
  const bool closed = Coincide(pieces.back().Point(3), pieces.front().Point(0));
  for (int i = 0; i < count; ++i) {
    TPointRef start;
    start.cur = i;
    if (i > 0 && Coincide(pieces[i - 1].Point(3), pieces[i].Point(0))) start.prev = i - 1;
    if (i == 0 && closed) start.prev = count - 1;
    start.kind = start.prev >= 0 ? TPointRef::kSharedStart : TPointRef::kStart;
    points.push_back(start);
    const bool last = i == count - 1;
    const bool endShared = last ? closed : Coincide(pieces[i].Point(3), pieces[i + 1].Point(0));
    if (!endShared) points.push_back({TPointRef::kFreeEnd, i, -1});
  }
  return points;
}

void TOrlPiecewiseFunc::SmoothPoint(int number, bool flatIn, bool flatOut, float angleOut,
                                    float angleIn, float factorOut, float factorIn) {
  SmoothAt(FindPoint(number), flatIn, flatOut, angleOut, angleIn, factorOut, factorIn);
}

// NOTE: moves handles only, never a piece's ends, so the numbering of points stays valid.
void TOrlPiecewiseFunc::SmoothAt(const TPointRef& ref, bool flatIn, bool flatOut, float angleOut,
                                 float angleIn, float factorOut, float factorIn) {
  if (ref.kind == TPointRef::kNone) return;
  if (ref.prev < 0) {
    SmoothFreeEnd(ref, angleOut, angleIn, factorOut, factorIn);
    return;
  }
  TPiece& prev = pieces[static_cast<size_t>(ref.prev)];
  TPiece& cur = pieces[static_cast<size_t>(ref.cur)];
  const bool prevBezier = prev.Kind == kPieceBezier, curBezier = cur.Kind == kPieceBezier;
  if (!prevBezier && !curBezier) return;
  const int dim = Dim();
  const float lin = VecLength(VecSub(prev.Point(0), prev.Point(3), dim), dim);
  const float lout = VecLength(VecSub(cur.Point(3), cur.Point(0), dim), dim);
  const TJunction junction = JunctionDirections(prev, cur, dim);
  if (prevBezier) {
    const TVector in = ShapeHandle(junction.In, factorIn, lin, flatIn, angleIn, dim);
    prev.SetPoint(2, VecAdd(prev.Point(3), in, dim));
    UpdateLength(ref.prev);
  }
  if (curBezier) {
    const TVector out = ShapeHandle(junction.Out, factorOut, lout, flatOut, angleOut, dim);
    cur.SetPoint(1, VecAdd(cur.Point(0), out, dim));
    UpdateLength(ref.cur);
  }
}

// A free end mirrors the handle at the other end of its piece across the chord.
void TOrlPiecewiseFunc::SmoothFreeEnd(const TPointRef& ref, float angleOut, float angleIn,
                                      float factorOut, float factorIn) {
  TPiece& cur = pieces[static_cast<size_t>(ref.cur)];
  if (cur.Kind != kPieceBezier) return;
  const int dim = Dim();
  const bool atEnd = ref.kind == TPointRef::kFreeEnd;
  const TVector n =
      atEnd ? VecSub(cur.Point(3), cur.Point(0), dim) : VecSub(cur.Point(0), cur.Point(3), dim);
  const TVector t =
      atEnd ? VecSub(cur.Point(1), cur.Point(0), dim) : VecSub(cur.Point(2), cur.Point(3), dim);
  const TVector u = VecNormalize(n, dim);
  const TVector proj = VecScale(u, VecLength(t, dim) * VecDot(u, VecNormalize(t, dim), dim), dim);
  const TVector perp = VecSub(t, proj, dim);
  TVector handle = VecScale(VecSub(perp, proj, dim), atEnd ? factorIn : factorOut, dim);
  const float angle = atEnd ? angleIn : angleOut;
  if (std::fabs(angle) > 1e-6f) handle = VecRotate2D(handle, angle, dim);
  if (atEnd) {
    cur.SetPoint(2, VecAdd(cur.Point(3), handle, dim));
  } else {
    cur.SetPoint(1, VecAdd(cur.Point(0), handle, dim));
  }
  UpdateLength(ref.cur);
}

void TOrlPiecewiseFunc::MovePoint(int number, bool flatIn, bool flatOut, float angleOut,
                                  float angleIn, float factorOut, float factorIn, float x, float y,
                                  float z) {
  const TPointRef ref = FindPoint(number);
  if (ref.kind == TPointRef::kNone) return;
  endsIndexed = false;
  const TVector to{x, y, z};
  TPiece& cur = pieces[static_cast<size_t>(ref.cur)];
  auto third = [](const TVector& a, const TVector& b, float share) {
    return VecAdd(a, VecScale(VecSub(b, a), share));
  };
  if (ref.kind == TPointRef::kFreeEnd) {
    cur.SetPoint(3, to);
    cur.SetPoint(1, third(cur.Point(0), cur.Point(3), 1.0f / 3.0f));
  } else {
    cur.SetPoint(0, to);
    cur.SetPoint(2, third(cur.Point(0), cur.Point(3), 2.0f / 3.0f));
    if (ref.prev >= 0) {
      TPiece& prev = pieces[static_cast<size_t>(ref.prev)];
      prev.SetPoint(3, to);
      prev.SetPoint(1, third(prev.Point(0), prev.Point(3), 1.0f / 3.0f));
      UpdateLength(ref.prev);
    }
  }
  UpdateLength(ref.cur);
  SmoothPoint(number, flatIn, flatOut, angleOut, angleIn, factorOut, factorIn);
}

void TOrlPiecewiseFunc::SetParam(int index, const TVector& values) {
  const TPointRef ref = index >= 1 ? FindPoint(index) : TPointRef{};
  if (ref.kind == TPointRef::kNone) {
    TOrlMorphFunc::SetParam(index, values);
    return;
  }
  endsIndexed = false;
  const int dim = Dim();
  auto moveTo = [&](int piece, int k) {
    TPiece& p = pieces[static_cast<size_t>(piece)];
    for (int i = 0; i < dim; ++i) p.P[i][k] = values[i];
    UpdateLength(piece);
  };
  if (ref.kind == TPointRef::kFreeEnd) {
    moveTo(ref.cur, 3);
  } else {
    moveTo(ref.cur, 0);
    if (ref.prev >= 0) moveTo(ref.prev, 3);
  }
  SmoothPoint(index, false, false, 0.0f, 0.0f, 1.0f, 1.0f);
}

}  // namespace fx
