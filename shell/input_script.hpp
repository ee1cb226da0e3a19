// shell/input_script.hpp — the timed event files of --input (replay) and --record: pointer,
// wheel, key and text events, the game's seed and frame marks, one a line.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The file, plain text (UTF-8), one event a line:
//   TICK seed N                 the game's seed (0..4294967295); usually the first event
//   TICK frame                  a frame began at TICK (written by --record; replay may check)
//   TICK move X Y               pointer moved to X Y (game pixels, 800 × 600, y down)
//   TICK down X Y left|right|middle [double]   "double": the second press of a double click
//   TICK up X Y left|right|middle
//   TICK wheel DELTA            wheel turned; DELTA as the interface receives it, + is away
//   TICK key NAME               key pressed: an SDL key name ("F2", "Escape", "Space",
//   TICK keyup NAME             "Return", "A", "Keypad Enter"...) after any of the prefixes
//                               "Alt+", "Ctrl+", "Shift+" (any order, any letter case)
//   TICK text TEXT              typed text, to the end of the line
//   TICK focus lost|gained      the window lost or regained the keyboard focus (pauses play)
// TICK is whole milliseconds since the start on the game clock; ticks never go down from one
// event to the next (equal ticks keep their file order). Blank lines are ignored, and so is a
// line whose first non-blank character is "#". Events with numbers only (seed, frame, move,
// down, up, wheel) may end in a "#" comment; key names and text run to the end of the line.
// In TEXT a backslash starts an escape: "\\" backslash, "\s" blank (the writer uses it for
// blanks at either end, which editors drop), "\t", "\n", "\r", "\xHH" any byte.
//
// How a run uses it (shell/input_replay.hpp): --input FILE is read once at start-up (an error
// ends the run naming the line); each frame hands on the events whose Tick has been reached.
// A file with frame events (a recording) is replayed frame by frame instead: each frame takes
// the next frame event's tick as its game time and the events after it. --record FILE gets
// the seed, one frame event per frame and every input event as the window receives it.
enum class TInputKind : uint8_t { Seed, Frame, Move, Down, Up, Wheel, Key, KeyUp, Text, Focus };
enum class TInputButton : uint8_t { Left, Right, Middle };

struct TInputEvent {
  uint32_t Tick = 0;  // ms on the game clock
  TInputKind Kind = TInputKind::Frame;
  int32_t X = 0, Y = 0;                           // Move, Down, Up
  TInputButton Button = TInputButton::Left;       // Down, Up
  bool Double = false;                            // Down: second press of a double click
  bool Focused = false;                           // Focus: gained (true) or lost
  int32_t Delta = 0;                              // Wheel
  uint32_t Seed = 0;                              // Seed
  std::string Key;                                // Key, KeyUp: the SDL name without prefixes
  bool Alt = false, Ctrl = false, Shift = false;  // Key, KeyUp
  std::string Text;                               // Text: UTF-8, never empty
  int Line = 0;  // 1-based line it was read from; 0 when made in memory. Not compared.

  bool operator==(const TInputEvent& other) const;
};

std::ostream& operator<<(std::ostream& os, const TInputEvent& event);

// Raises data::Error "Line N: WHAT" for the first malformed line, or for a tick lower than
// the one before it.
std::vector<TInputEvent> ParseInputScript(std::string_view text);
// The event as one line, without the line break.
std::string FormatInputEvent(const TInputEvent& event);
// A short comment naming the format, then one line per event.
std::string WriteInputScript(const std::vector<TInputEvent>& events);

// File forms: errors are data::Error, prefixed with the path for reading ("PATH: Line N: ...").
std::vector<TInputEvent> LoadInputScript(const std::string& path);
void SaveInputScript(const std::string& path, const std::vector<TInputEvent>& events);

}  // namespace shell
