// platform/events.hpp — pointer, keyboard and window events as the game sees them, and the queue
// they arrive through.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

enum class TEventKind : uint8_t {
  None,
  Quit,  // the window's close box or the desktop asks the game to end
  MouseMove,
  MouseDown,
  MouseUp,
  MouseWheel,
  KeyDown,
  KeyUp,
  Text,  // typed characters, UTF-8
  FocusLost,
  FocusGained,
  Exposed,  // the window must be drawn again
};

// Button numbers of mouse events.
inline constexpr int kButtonLeft = 1, kButtonMiddle = 2, kButtonRight = 3;
// Modifier bits of key events; the same values as the interface toolkit's shift state.
inline constexpr uint8_t kModShift = 1, kModAlt = 2, kModCtrl = 4;

// NOTE: positions are in the 800×600 picture's own pixels whatever the window's size.
struct TEvent {
  TEventKind Kind = TEventKind::None;
  int X = 0;
  int Y = 0;
  int Button = 0;      // MouseDown, MouseUp
  int Clicks = 1;      // 2 on the second press of a double click
  int WheelDelta = 0;  // 120 per notch, positive away from the player
  uint16_t Key = 0;    // KeyDown, KeyUp: classic desktop virtual-key code
  uint8_t Mods = 0;    // KeyDown, KeyUp
  bool Repeat = false;
  std::string Text;  // Text
};

// The two-way names of event kinds ("MouseDown", ...), for recorded input files.
std::string_view EventKindName(TEventKind kind);
TEventKind EventKindFromName(std::string_view name);  // None for an unknown name

class IEventQueue {
 public:
  virtual ~IEventQueue() = default;
  // The next waiting event; false when none waits.
  virtual bool Poll(TEvent& event) = 0;
  // Puts an event at the end of the queue as if the system had sent it (scripted input).
  virtual void Push(const TEvent& event) = 0;
};

// The system's queue. NOTE: needs an SdlSession.
std::unique_ptr<IEventQueue> CreateSdlEventQueue();
// A queue that only holds what is pushed (tests).
std::unique_ptr<IEventQueue> CreateMemoryEventQueue();

}  // namespace platform
