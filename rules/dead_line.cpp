// rules/dead_line.cpp — the view's glide after the dead line.
#include "rules/dead_line.hpp"

#include <algorithm>

#include "rules/timings.hpp"

namespace rules {

bool TDeadLine::Glide(TTick now) {
  if (now < ScrollStepTick) return false;
  ScrollStepTick = now + kScrollStepInterval;
  int speed = ScrollSpeed;
  if (CurrentY > ScrollY) {
    if (ScrollTarget >= ScrollY)
      speed += 1;
    else if (speed > 0)
      speed -= 1;
    ScrollY += speed != 0 ? speed : 1;
    if (ScrollY >= CurrentY) {
      ScrollY = CurrentY;
      ScrollTarget = ScrollY;
      speed = 0;
    }
  } else if (CurrentY < ScrollY) {
    if (ScrollY >= ScrollTarget)
      speed -= 1;
    else if (speed < 0)
      speed += 1;
    ScrollY += speed != 0 ? speed : -1;
    if (ScrollY <= CurrentY) {
      ScrollY = CurrentY;
      ScrollTarget = ScrollY;
      speed = 0;
    }
  } else {
    return false;
  }
  ScrollSpeed = static_cast<int8_t>(std::clamp(speed, -127, 127));
  ScrollX = ScrollY / 2;
  return true;
}

}  // namespace rules
