// rules/layout.hpp — where the rules put things on the 800 x 600 screen.
#pragma once

#include "rules/grow_list.hpp"

namespace rules {

// The board view: 790 x 590 px with its top-left corner at screen (11, 3).
constexpr int kViewLeft = 11;
constexpr int kViewTop = 3;
constexpr int kViewWidth = 790;
constexpr int kViewHeight = 590;

// Top-left corner (screen px) of queue slot k's picture; each slot lies 42 px left of and 84 px
// below the one before. Slots 1 and 2 hold the waiting pieces (the hand flies out of and back
// into slot 1); the slots beyond them (k <= 0, k >= 3) are where pieces fly in from and out to.
constexpr TPoint QueueSlot(int k) {
  return {730 - 42 * k, 272 + 84 * k};
}

}  // namespace rules
