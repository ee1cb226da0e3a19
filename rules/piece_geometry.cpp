// rules/piece_geometry.cpp
#include "rules/piece_geometry.hpp"

namespace rules {

std::vector<TTriangle> PlacedTriangles(const TFishkaShape& shape, int x, int y) {
  std::vector<TTriangle> triangles;
  triangles.reserve(shape.Fishes.size());
  for (const TOneFish& fish : shape.Fishes) {
    TTriangle t{};
    for (int i = 0; i < 3 && i < fish.Points.Count(); ++i)
      t[i] = PlaceVertex(shape, x, y, fish.Points[i]);
    triangles.push_back(t);
  }
  return triangles;
}

bool PointInTriangle(const TTriangle& triangle, TPoint point) {
  for (int i = 0; i < 3; ++i) {
    const TPoint& a = triangle[i];
    const TPoint& b = triangle[(i + 1) % 3];
    const int64_t side =
        int64_t{point.Y - a.Y} * (b.X - a.X) - int64_t{point.X - a.X} * (b.Y - a.Y);
    if (side > 0) return false;
  }
  return true;
}

bool TrianglesShareEdge(const TTriangle& a, const TTriangle& b) {
  int equal = 0;
  for (const TPoint& p : a)
    for (const TPoint& q : b)
      if (p == q) ++equal;
  return equal >= 2;
}

bool PiecesShareEdge(const std::vector<TTriangle>& a, const std::vector<TTriangle>& b) {
  for (const TTriangle& s : a)
    for (const TTriangle& t : b)
      if (TrianglesShareEdge(s, t)) return true;
  return false;
}

bool PiecesShareVertex(const std::vector<TTriangle>& a, const std::vector<TTriangle>& b) {
  for (const TTriangle& s : a)
    for (const TTriangle& t : b)
      for (const TPoint& p : s)
        for (const TPoint& q : t)
          if (p == q) return true;
  return false;
}

namespace {

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x <= r.Right && y >= r.Bottom && y <= r.Top;
}

bool AnyCornerInside(const TRect& corners, const TRect& area) {
  return Inside(area, corners.Left, corners.Bottom) || Inside(area, corners.Left, corners.Top) ||
         Inside(area, corners.Right, corners.Bottom) || Inside(area, corners.Right, corners.Top);
}

}  // namespace

bool RectsOverlap(const TRect& a, const TRect& b) {
  return AnyCornerInside(a, b) || AnyCornerInside(b, a);
}

}  // namespace rules
