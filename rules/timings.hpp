// rules/timings.hpp — the durations of the game rules, ms of the tick count.
#pragma once

namespace rules {

constexpr int kScrollStepInterval = 30;  // between steps of the view's glide
constexpr int kFlightMs = 300;           // a queue piece flying (the paths say "Set Timing 0.3")
constexpr int kPutFlashMs = 200;         // white flash of a piece just put
constexpr int kRecolorFlashMs = 600;     // white flash of a piece a bonus recoloured
constexpr int kHitMs = 1000;             // a hit piece fades; a second clear within counts at once
constexpr int kDropDelayMs = 500;        // loose pieces burst this long after the clear
constexpr int kBombDropDelayMs = 1000;   // pieces a bomb left loose
constexpr int kCoverFadeMs = 500;        // a covered picture or boss fading to half and back
constexpr int kLayerRestMs = 1000;       // the view rests after a layer change
constexpr int kLevelDoneMs = 3000;       // from the last clear to the level-complete window
constexpr int kLevelBurstMs = 1500;      // the level's last pieces burst after its last clear
constexpr int kColorCycleMs = 100;       // between pictures of the colour-cycling pieces
constexpr int kPuzzleBlinkMs = 300;      // the full danger bar blinking
constexpr int kStrategyBlinkMs = 500;    // the bar blinking with one put left in danger
constexpr int kDangerTimeMs = 3000;      // DangerTime at every level start

}  // namespace rules
