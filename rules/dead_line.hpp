// rules/dead_line.hpp — the dead line under the structure, the view whose bottom glides after
// it, and the danger bar's picture and pause clock that go with them.
#pragma once

#include <cstdint>
#include <string>

#include "rules/part_effect.hpp"

namespace rules {

// NOTE: board units, y upwards. A board point (x, y) is at view (x - ScrollX, ScrollY - y + 590).
struct TDeadLine {
  // ScrollTarget halfway between the view's bottom and the line: the glide speeds up until it
  // passes this point and slows down after it.
  void AimHalfway() { ScrollTarget = (CurrentY - ScrollY) / 2 + ScrollY; }
  // One step of the glide when its clock is due; true when the view moved.
  bool Glide(TTick now);
  void ResetView() { ScrollX = ScrollY = 0; }
  int ViewX(int boardX) const { return boardX - ScrollX; }
  int ViewY(int boardY) const { return ScrollY - boardY + 590; }

  int ScrollY = 0;   // board y at the bottom of the view
  int ScrollX = 0;   // always ScrollY / 2: each lattice row lies 21 right of the one below
  int CurrentY = 0;  // the dead line
  int ScrollTarget = 0;
  int8_t ScrollSpeed = 0;                          // board units per glide step
  TTick ScrollStepTick = 0;                        // the next glide step
  TTick PauseTick = 0;                             // when play was paused
  std::string BarPicture = "DeadProgressBar.png";  // what the danger bar shows now
};

}  // namespace rules
