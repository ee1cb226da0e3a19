// shell/autoplay.hpp — the built-in player: it moves the pointer and clicks through the same
// event queue a person's input arrives by, from the title through the mode choice and play,
// level after level.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "rules/level_model.hpp"

namespace platform {
class IEventQueue;
}

namespace shell {

class TMainWindow;

// A cursor position that puts the hand piece legally, and how good the put looks.
struct TPutChoice {
  int X = 0;  // screen px
  int Y = 0;
  int Score = 0;  // same-coloured neighbours first, then lower rows
};

// The best legal put of the hand piece as it is now turned; none when no position attaches.
// NOTE: tries positions around the layer's attach points; leaves the game as it found it.
std::optional<TPutChoice> FindPut(TMainWindow& window);

class TAutoplay {
 public:
  // mode 1 NoLose, 2 Puzzle, 3 Strategy; levels: stop after that many level ends (-1: never).
  TAutoplay(int mode, int levels, std::ostream& out) : mode(mode), levels(levels), out(out) {}

  // Called before each frame's events are drained: looks at the game and pushes the next
  // pointer events, at most one step of a click per frame.
  void Step(TMainWindow& window, platform::IEventQueue& events);
  bool Finished() const { return finished; }

 private:
  void Play(TMainWindow& window, platform::IEventQueue& events);
  void Menus(TMainWindow& window, platform::IEventQueue& events);
  void WatchLevelEnd(TMainWindow& window);
  bool ClickObject(TMainWindow& window, platform::IEventQueue& events, const std::string& name);
  void Click(platform::IEventQueue& events, int x, int y, int button);

  int mode;
  int levels;
  std::ostream& out;
  int levelsEnded = 0;
  int lastState = 0;
  int puts = 0;
  int waitFrames = 0;    // frames to let the game react before the next action
  int pendingHand = -1;  // the hand piece a click tried to put
  int misses = 0;        // frames in play without a legal put
  bool modeChosen = false;
  bool finished = false;
};

}  // namespace shell
