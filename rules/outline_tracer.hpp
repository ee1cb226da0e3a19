// rules/outline_tracer.hpp — the outlines of a set of lattice triangles, for the contour effects
// of clearing groups and dropping pieces.
#pragma once

#include <vector>

#include "rules/grow_list.hpp"
#include "rules/piece_geometry.hpp"

namespace rules {

struct TOutlines {
  TPoints Points;  // every outline's points in order, one outline after the other
  // Ends[0] = 0, then the position in Points of each outline's last point; outline j >= 1 runs
  // from 0 (j = 1) or Ends[j - 1] + 1 to Ends[j].
  TIntegers Ends;
};

// Traces the outer edges of the union of the triangles. Triangles must be given in the
// lattice's orientation; the trace never loops forever whatever it is given.
TOutlines TraceOutlines(const std::vector<TTriangle>& triangles);

}  // namespace rules
