// fx/path_script.cpp — path scripts: "Set Linear; Set Timing 0.3; Path (0,0) (30,40);
// Ending Stop;". Scripts come from effect files and from the game itself; they never fail.
#include <cmath>
#include <string>
#include <vector>

#include "data/rounding.hpp"
#include "data/text_helpers.hpp"
#include "fx/piecewise_func.hpp"
#include "fx/text_utils.hpp"

namespace fx {

// One point of a Path statement with the script state it was read under.
struct TPathPoint {
  float Timing = 1.0f;
  float FirstAngle = 0.0f, SecondAngle = 0.0f;
  float PosCorrectionFirst = 1.0f, PosCorrectionSecond = 1.0f;
  TVector At;
  TPieceKind Kind = kPieceBezier;  // of the piece the point starts
};

namespace {

constexpr float kDegToRad = 3.14159265358979323846f / 180.0f;

// Line breaks of any kind and tabs become blanks (a CR LF pair one blank).
std::string Blanked(std::string_view script) {
  std::string out = data::FlattenLineBreaks(script);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// Splits at the first blank; false when there is none.
bool SplitWord(std::string_view text, std::string_view& word, std::string_view& rest) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return false;
  word = text.substr(0, blank);
  rest = data::Trim(text.substr(blank + 1));
  return true;
}

// The text after open up to close, or to the end when close is missing; false without open.
bool Enclosed(std::string_view text, char open, char close, std::string_view& inner) {
  const size_t from = text.find(open);
  if (from == std::string_view::npos) return false;
  const size_t to = text.find(close, from + 1);
  inner =
      text.substr(from + 1, to == std::string_view::npos ? std::string_view::npos : to - from - 1);
  return true;
}

// A timing text: a leading "+" means constant speed, stored as a negative timing.
float ReadTiming(std::string_view text) {
  const std::string_view t = data::Trim(text);
  const float value = ReadFloatOrZero(t);
  return (!t.empty() && t.front() == '+') ? -value : value;
}

TVector ReadCoordinates(std::string_view inner) {
  const std::vector<std::string> parts = SplitText(inner, ',');
  TVector v;
  for (size_t i = 0; i < parts.size() && i < 3; ++i)
    v[static_cast<int>(i)] = ReadFloatOrZero(parts[i]);
  return v;
}

// "a,b" sets both values, "a" sets both to a; an empty part leaves its value.
void ReadPair(std::string_view inner, float& first, float& second) {
  const std::vector<std::string> parts = SplitText(inner, ',');
  auto set = [](const std::string& part, float& target) {
    if (!data::Trim(part).empty()) target = ReadFloatOrZero(part);
  };
  set(parts[0], first);
  set(parts.size() > 1 ? parts[1] : parts[0], second);
}

TPathPoint ReadPoint(std::string_view text, const TPathPoint& state) {
  TPathPoint point = state;
  std::string_view inner;
  if (Enclosed(text, '(', ')', inner)) point.At = ReadCoordinates(inner);
  if (Enclosed(text, '[', ']', inner)) ReadPair(inner, point.FirstAngle, point.SecondAngle);
  if (Enclosed(text, '{', '}', inner))
    ReadPair(inner, point.PosCorrectionFirst, point.PosCorrectionSecond);
  if (Enclosed(text, '"', '"', inner) && !data::Trim(inner).empty())
    point.Timing = ReadTiming(inner);
  if (text.find("..") != std::string_view::npos) {
    point.Kind = kPieceBezier;
  } else if (text.find("--") != std::string_view::npos) {
    point.Kind = kPieceLinear;
  }
  return point;
}

// "Set Bezier", "Set Linear" or "Set NAME NUMBER": changes the script state.
void ReadSet(std::string_view arg, TOrlPiecewiseFunc& f) {
  std::string_view name, number;
  if (data::SameText(arg, "bezier")) {
    f.Bezier = kPieceBezier;
  } else if (data::SameText(arg, "linear")) {
    f.Bezier = kPieceLinear;
  } else if (SplitWord(arg, name, number)) {
    if (data::SameText(name, "timing"))
      f.Timing = ReadTiming(number);
    else if (data::SameText(name, "firstangle"))
      f.FirstAngle = ReadFloatOrZero(number);
    else if (data::SameText(name, "secondangle"))
      f.SecondAngle = ReadFloatOrZero(number);
    else if (data::SameText(name, "poscorrectionfirst"))
      f.PosCorrectionFirst = ReadFloatOrZero(number);
    else if (data::SameText(name, "poscorrectionsecond"))
      f.PosCorrectionSecond = ReadFloatOrZero(number);
  }
}

// "Path (x,y) (x,y) ...": each "(" starts a point that takes the script state unless it says
// otherwise.
void ReadPath(std::string_view arg, const TOrlPiecewiseFunc& f, std::vector<TPathPoint>& points) {
  const TPathPoint state{
      f.Timing, f.FirstAngle, f.SecondAngle, f.PosCorrectionFirst, f.PosCorrectionSecond,
      {},       f.Bezier};
  for (size_t open = arg.find('('); open != std::string_view::npos;) {
    const size_t next = arg.find('(', open + 1);
    points.push_back(ReadPoint(
        arg.substr(open, next == std::string_view::npos ? std::string_view::npos : next - open),
        state));
    open = next;
  }
}

// "Ending Loop", "Ending Reverse", "Ending Stop (x,y)" or "Ending ReverseStop (x,y)".
void ReadEnding(std::string_view arg, TOrlPiecewiseFunc& f) {
  if (data::SameText(arg, "loop")) {
    f.Ending = kEndingLoop;
  } else if (data::SameText(arg, "reverse")) {
    f.Ending = kEndingReverse;
  } else {
    std::string_view inner;
    const size_t open = arg.find('(');
    if (!Enclosed(arg, '(', ')', inner)) return;
    const std::string_view name = data::Trim(arg.substr(0, open));
    f.EndPosition = ReadCoordinates(inner);
    if (data::SameText(name, "reversestop"))
      f.Ending = kEndingReverseStop;
    else if (data::SameText(name, "stop"))
      f.Ending = kEndingStop;
  }
}

}  // namespace

void TOrlPiecewiseFunc::SetScript(std::string_view script) {
  if (data::Trim(script).empty()) return;
  const std::string text = Blanked(script);
  std::vector<TPathPoint> points;
  size_t from = 0;
  for (size_t semicolon = text.find(';'); semicolon != std::string::npos;
       from = semicolon + 1, semicolon = text.find(';', from)) {
    std::string_view keyword, arg;
    if (!SplitWord(data::Trim(std::string_view(text).substr(from, semicolon - from)), keyword, arg))
      continue;
    if (data::SameText(keyword, "set"))
      ReadSet(arg, *this);
    else if (data::SameText(keyword, "path"))
      ReadPath(arg, *this, points);
    else if (data::SameText(keyword, "ending"))
      ReadEnding(arg, *this);
  }
  if (points.size() < 2) return;

  const int firstNewPoint = pointCount;
  const int firstNewPiece = PieceCount();
  for (size_t i = 0; i + 1 < points.size(); ++i)
    AddPiece(points[i].Kind, points[i].At, points[i + 1].At);
  SmoothScriptPoints(points, firstNewPoint);
  TimeScriptPieces(points, firstNewPiece);
}

// Numbered once: smoothing moves handles only, so the numbering holds throughout. The first
// new point is smoothed last, once the handles after it are in place.
void TOrlPiecewiseFunc::SmoothScriptPoints(const std::vector<TPathPoint>& points,
                                           int firstNewPoint) {
  const std::vector<TPointRef> refs = AllPoints();
  auto smooth = [&](int m) {
    const size_t scriptPoint = static_cast<size_t>(m - firstNewPoint - 1);
    if (scriptPoint >= points.size() || m < 1 || static_cast<size_t>(m) > refs.size()) return;
    const TPathPoint& p = points[scriptPoint];
    SmoothAt(refs[static_cast<size_t>(m - 1)], false, false, p.SecondAngle * kDegToRad,
             p.FirstAngle * kDegToRad, p.PosCorrectionFirst, p.PosCorrectionFirst);
  };
  for (int m = firstNewPoint + 2; m <= pointCount; ++m) smooth(m);
  smooth(firstNewPoint + 1);
}

// A point's timing is the duration of the piece it starts: seconds, or a constant speed in
// units per second when negative.
void TOrlPiecewiseFunc::TimeScriptPieces(const std::vector<TPathPoint>& points, int firstNewPiece) {
  for (size_t k = 0; k + 1 < points.size(); ++k) {
    const int index = firstNewPiece + static_cast<int>(k);
    const float timing = points[k].Timing;
    if (timing >= 0.0f) {
      SetDurationRaw(index, SecondsToMs(timing));
    } else {
      const int32_t speed = SecondsToMs(-static_cast<double>(timing));
      SetDurationRaw(index, speed > 0
                                ? data::RoundHalfEven(pieces[static_cast<size_t>(index)].Length *
                                                      1000.0 / speed)
                                : 0);
    }
  }
}

}  // namespace fx
