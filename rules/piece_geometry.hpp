// rules/piece_geometry.hpp — triangles of placed pieces: point inside, shared edges and shared
// vertices, and the attach rectangle.
#pragma once

#include <array>
#include <vector>

#include "rules/catalogue_types.hpp"
#include "rules/grow_list.hpp"

namespace rules {

using TTriangle = std::array<TPoint, 3>;

// NOTE: the placement the rules compare pieces in: vertex (vx, vy) of a piece anchored at
// (x, y) lies at (x + vx - MinX, y + vy - MaxY).
inline TPoint PlaceVertex(const TFishkaShape& shape, int x, int y, TPoint v) {
  return {x + v.X - shape.MinX, y + v.Y - shape.MaxY};
}
std::vector<TTriangle> PlacedTriangles(const TFishkaShape& shape, int x, int y);

// The closed-polygon rule: inside when no edge has the point strictly on its outer side.
bool PointInTriangle(const TTriangle& triangle, TPoint point);
// At least two equal vertices.
bool TrianglesShareEdge(const TTriangle& a, const TTriangle& b);
bool PiecesShareEdge(const std::vector<TTriangle>& a, const std::vector<TTriangle>& b);
bool PiecesShareVertex(const std::vector<TTriangle>& a, const std::vector<TTriangle>& b);

struct TRect {
  int Left, Bottom, Right, Top;  // board units, y up, edges inclusive
};
// True when one of the eight corners of the two rectangles lies inside the other.
bool RectsOverlap(const TRect& a, const TRect& b);

}  // namespace rules
