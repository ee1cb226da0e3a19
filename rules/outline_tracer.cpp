// rules/outline_tracer.cpp
#include "rules/outline_tracer.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_map>

namespace rules {
namespace {

constexpr int kMaxTrianglesPerVertex = 12;

struct TVertex {
  TPoint Point;
  std::vector<int> Triangles;  // triangle numbers, at most kMaxTrianglesPerVertex
  double AngleSum = 0;         // radians
};

int64_t Key(TPoint p) {
  return (int64_t{p.X} << 32) ^ static_cast<uint32_t>(p.Y);
}
std::pair<int64_t, int64_t> EdgeKey(TPoint a, TPoint b) {
  const int64_t ka = Key(a), kb = Key(b);
  return ka < kb ? std::pair{ka, kb} : std::pair{kb, ka};
}
struct TEdgeHash {
  size_t operator()(const std::pair<int64_t, int64_t>& e) const {
    return std::hash<int64_t>()(e.first * 1000003 ^ e.second);
  }
};

double InteriorAngle(TPoint at, TPoint previous, TPoint next) {
  const double ax = previous.X - at.X, ay = previous.Y - at.Y;
  const double bx = next.X - at.X, by = next.Y - at.Y;
  const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
  if (la == 0 || lb == 0) return 0;
  const double dot = (ax * bx + ay * by) / (la * lb);
  return std::acos(std::clamp(dot, -1.0, 1.0));
}

struct TTables {
  std::vector<TVertex> Vertices;  // only the vertices on an outline once built
  std::unordered_map<int64_t, int> VertexIndex;
  std::unordered_map<std::pair<int64_t, int64_t>, int, TEdgeHash> EdgeCount;
};

TTables BuildTables(const std::vector<TTriangle>& triangles) {
  std::vector<TVertex> all;
  std::unordered_map<int64_t, int> index;
  TTables tables;
  for (int t = 0; t < static_cast<int>(triangles.size()); ++t) {
    const TTriangle& tri = triangles[static_cast<size_t>(t)];
    for (int i = 0; i < 3; ++i) {
      const auto [it, added] = index.try_emplace(Key(tri[i]), static_cast<int>(all.size()));
      if (added) all.push_back({tri[i], {}, 0});
      TVertex& v = all[static_cast<size_t>(it->second)];
      if (static_cast<int>(v.Triangles.size()) < kMaxTrianglesPerVertex) v.Triangles.push_back(t);
      v.AngleSum += InteriorAngle(tri[i], tri[(i + 2) % 3], tri[(i + 1) % 3]);
      ++tables.EdgeCount[EdgeKey(tri[i], tri[(i + 1) % 3])];
    }
  }
  // A vertex surrounded by triangles lies inside the union. The sums are kept in double
  // precision so that the 1e-6 tolerance never depends on the order the angles come in.
  for (TVertex& v : all) {
    if (std::fabs(v.AngleSum - 2 * std::numbers::pi) < 1e-6) continue;
    tables.VertexIndex[Key(v.Point)] = static_cast<int>(tables.Vertices.size());
    tables.Vertices.push_back(std::move(v));
  }
  return tables;
}

int NextSlot(int slot, const TVertex& v) {
  return slot + 1 > static_cast<int>(v.Triangles.size()) ? 1 : slot + 1;
}

}  // namespace

TOutlines TraceOutlines(const std::vector<TTriangle>& triangles) {
  TOutlines out;
  TTables tables = BuildTables(triangles);
  const int vertexCount = static_cast<int>(tables.Vertices.size());
  if (vertexCount == 0) return out;
  std::unordered_map<int64_t, bool> taken;  // points already on an outline
  int current = 0, slot = 1;
  // Every step either appends a point or tries the next triangle of a vertex; more steps than
  // this means the triangles were not a proper surface and the trace gives up.
  const int64_t stepLimit = int64_t{vertexCount} * (kMaxTrianglesPerVertex + 2) * 4 + 16;
  for (int64_t step = 0; step < stepLimit; ++step) {
    const TVertex& v = tables.Vertices[static_cast<size_t>(current)];
    const int t = v.Triangles[static_cast<size_t>(slot - 1)];
    const TTriangle& tri = triangles[static_cast<size_t>(t)];
    int position = 0;  // of the current point in the triangle; always found in practice
    for (int i = 0; i < 3; ++i)
      if (tri[i] == v.Point) {
        position = i;
        break;
      }
    const TPoint n = tri[(position + 1) % 3];
    const auto found = tables.VertexIndex.find(Key(n));
    const auto edge = tables.EdgeCount.find(EdgeKey(v.Point, n));
    if (found == tables.VertexIndex.end() || edge == tables.EdgeCount.end() || edge->second >= 2) {
      slot = NextSlot(slot, v);
      continue;
    }
    current = found->second;
    const TVertex& next = tables.Vertices[static_cast<size_t>(current)];
    int at = 0;
    while (at < static_cast<int>(next.Triangles.size()) &&
           next.Triangles[static_cast<size_t>(at)] != t)
      ++at;
    slot = at + 1;
    if (next.Triangles.size() > 1) slot = NextSlot(slot, next);
    if (slot > static_cast<int>(next.Triangles.size())) slot = 1;  // t was beyond the list's cap
    if (!taken[Key(next.Point)]) {
      taken[Key(next.Point)] = true;
      out.Points.Append(next.Point);
      continue;
    }
    const int last = out.Points.Count() - 1;
    if (out.Points.Count() == vertexCount || out.Ends.Contains(last)) break;
    out.Ends.Append(last);
    current = -1;
    for (int i = 0; i < vertexCount && current < 0; ++i)
      if (!taken[Key(tables.Vertices[static_cast<size_t>(i)].Point)]) current = i;
    if (current < 0) break;
    slot = 1;
  }
  out.Ends.InsertAt(0, 0);
  out.Ends.Append(out.Points.Count() - 1);
  return out;
}

}  // namespace rules
