// fx/piecewise_func.hpp — a path over time: linear and Bezier pieces, built from path scripts
// and reshaped by moving path points.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string_view>
#include <vector>

#include "fx/morph_func.hpp"

namespace fx {

// How a piece runs from its start to its end point; the numbers are those the piece's Kind and
// the path's Bezier setting hold.
enum TPieceKind : uint8_t { kPieceLinear = 0, kPieceBezier = 1 };

struct TPiece {
  int32_t Duration = 0;  // ms
  float Length = 0.0f;   // arc length over the function's Dim components
  TPieceKind Kind = kPieceLinear;
  // P[axis][k]: P0 start, P1 and P2 the Bezier handles, P3 end.
  float P[3][4] = {};

  TVector Point(int k) const { return {P[0][k], P[1][k], P[2][k]}; }
  void SetPoint(int k, const TVector& v) {
    P[0][k] = v.x;
    P[1][k] = v.y;
    P[2][k] = v.z;
  }
};

enum TPathEnding : uint8_t {
  kEndingStop = 0,
  kEndingLoop = 1,
  kEndingReverseStop = 2,
  kEndingReverse = 3
};

struct TPathPoint;

// Where a path point number lands (see FindPoint).
struct TPointRef {
  enum Kind { kNone, kStart, kSharedStart, kFreeEnd } kind = kNone;
  int cur = -1;   // the piece the point starts, or ends for a free end
  int prev = -1;  // the piece that ends at a shared start
};

class TOrlPiecewiseFunc : public TOrlMorphFunc {
 public:
  TOrlPiecewiseFunc() : TOrlMorphFunc("TOrlPiecewiseFunc") {}

  const char* ClassName() const override { return "TOrlPiecewiseFunc"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlPiecewiseFunc>();
  }
  bool Assign(const TOrlObject* source) override;

  // "Point[3]" → 3: a name with "[" numbers a path point; otherwise the base rule.
  int ParamIndex(std::string_view paramName) const override;
  // Index 0 sets Weight; an existing path point number moves that point and re-smooths it.
  void SetParam(int index, const TVector& values) override;
  TVector GetValue(uint32_t timeMs) const override;

  // Appends the pieces the script describes (existing pieces stay). Never fails: unknown
  // statements are skipped and unreadable numbers read as 0.
  void SetScript(std::string_view script);
  // Drops every piece and the ending (EndPosition, Ending); the script state stays.
  void Clear();

  int PieceCount() const { return static_cast<int>(pieces.size()); }
  const std::vector<TPiece>& Pieces() const { return pieces; }
  TPiece Piece(int index) const;  // raises "Invalid piece index"
  void SetPieceDuration(int index, int32_t durationMs);
  // Duration := round(Length · 1000 / speed), 0 when speed is not above 1e-6; speed in units/s.
  void SetPieceSpeed(int index, float unitsPerSecond);

  int64_t TotalTime() const { return totalTime; }  // ms; always the sum of the pieces' durations
  float TotalLength() const { return totalLength; }
  int PointCount() const { return pointCount; }

  TVector EndPosition;
  uint8_t Ending = kEndingStop;

  // Script state: read and changed by "Set" statements, kept between scripts.
  float Timing = 1.0f;       // seconds per piece; negative: constant speed of |Timing|·1000
  float FirstAngle = 0.0f;   // degrees
  float SecondAngle = 0.0f;  // degrees
  float PosCorrectionFirst = 1.0f;
  float PosCorrectionSecond = 1.0f;
  TPieceKind Bezier = kPieceBezier;  // of the pieces the next Path adds

  // Path points are numbered from 1 in piece order; a number beyond the last point finds
  // nothing and the operations on it change nothing.
  TPointRef FindPoint(int number) const;
  // Recomputes the Bezier handles around point n so that the path runs smoothly through it.
  // Angles in radians.
  void SmoothPoint(int number, bool flatIn, bool flatOut, float angleOut, float angleIn,
                   float factorOut, float factorIn);
  // Moves point n to (x, y, z), resets the handles next to it, then smooths it.
  void MovePoint(int number, bool flatIn, bool flatOut, float angleOut, float angleIn,
                 float factorOut, float factorIn, float x, float y, float z);

  // Appends a piece of 1000 ms from start to end with handles at the thirds (used by scripts).
  void AddPiece(TPieceKind kind, const TVector& start, const TVector& end);

 private:
  struct TLookup {
    int piece = -1;
    double fraction = 0.0;
    bool pastEnd = false;
  };
  TLookup LookUp(uint32_t timeMs) const;
  bool Coincide(const TVector& a, const TVector& b) const;
  // Every path point in FindPoint's numbering (element 0 is point 1), in one walk.
  std::vector<TPointRef> AllPoints() const;
  void SmoothAt(const TPointRef& ref, bool flatIn, bool flatOut, float angleOut, float angleIn,
                float factorOut, float factorIn);
  void SmoothFreeEnd(const TPointRef& ref, float angleOut, float angleIn, float factorOut,
                     float factorIn);
  // The last steps of SetScript over the points it read.
  void SmoothScriptPoints(const std::vector<TPathPoint>& points, int firstNewPoint);
  void TimeScriptPieces(const std::vector<TPathPoint>& points, int firstNewPiece);
  // True when no end of an existing piece coincides with p.
  bool IsNewPoint(const TVector& p);
  void IndexEnds();
  void UpdateLength(int index);
  void SetDurationRaw(int index, int32_t durationMs);

  std::vector<TPiece> pieces;
  int64_t totalTime = 0;
  float totalLength = 0.0f;
  int pointCount = 0;
  // Piece ends ordered by coordinates, so AddPiece finds a coinciding point without walking
  // the whole path; dropped whenever a point moves, rebuilt by the next AddPiece.
  std::multiset<std::array<float, 3>> ends;
  bool endsIndexed = false;
};

// Arc length of one piece over dim components; Bezier pieces by recursive halving.
float PieceLength(const TPiece& piece, int dim);

}  // namespace fx
