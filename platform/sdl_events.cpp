// platform/sdl_events.cpp — SDL's event queue in the game's terms, and scripted events pushed
// through the same queue.
#include <SDL.h>

#include <array>
#include <cstring>
#include <deque>

#include "platform/events.hpp"
#include "platform/keys.hpp"

namespace platform {
namespace {

constexpr std::array<std::string_view, 12> kKindNames = {
    "None",    "Quit",  "MouseMove", "MouseDown", "MouseUp",     "MouseWheel",
    "KeyDown", "KeyUp", "Text",      "FocusLost", "FocusGained", "Exposed"};

uint8_t ModsFromSdl(Uint16 mod) {
  uint8_t mods = 0;
  if (mod & KMOD_SHIFT) mods |= kModShift;
  if (mod & KMOD_ALT) mods |= kModAlt;
  if (mod & KMOD_CTRL) mods |= kModCtrl;
  return mods;
}

Uint16 SdlFromMods(uint8_t mods) {
  Uint16 mod = 0;
  if (mods & kModShift) mod |= KMOD_LSHIFT;
  if (mods & kModAlt) mod |= KMOD_LALT;
  if (mods & kModCtrl) mod |= KMOD_LCTRL;
  return mod;
}

bool Translate(const SDL_Event& e, TEvent& out) {
  out = TEvent{};
  switch (e.type) {
    case SDL_QUIT:
      out.Kind = TEventKind::Quit;
      return true;
    case SDL_MOUSEMOTION:
      out.Kind = TEventKind::MouseMove;
      out.X = e.motion.x;
      out.Y = e.motion.y;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out.Kind = e.type == SDL_MOUSEBUTTONDOWN ? TEventKind::MouseDown : TEventKind::MouseUp;
      out.X = e.button.x;
      out.Y = e.button.y;
      out.Button = e.button.button;
      out.Clicks = e.button.clicks;
      return true;
    case SDL_MOUSEWHEEL: {
      int notches = e.wheel.y;
      if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches == 0) return false;  // sideways scrolling
      out.Kind = TEventKind::MouseWheel;
      out.WheelDelta = notches * 120;
      return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      out.Kind = e.type == SDL_KEYDOWN ? TEventKind::KeyDown : TEventKind::KeyUp;
      out.Key = VirtualKeyFromSdl(e.key.keysym.sym);
      out.Mods = ModsFromSdl(e.key.keysym.mod);
      out.Repeat = e.key.repeat != 0;
      return out.Key != 0;
    case SDL_TEXTINPUT:
      out.Kind = TEventKind::Text;
      out.Text = e.text.text;
      return true;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST:
          out.Kind = TEventKind::FocusLost;
          return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          out.Kind = TEventKind::FocusGained;
          return true;
        case SDL_WINDOWEVENT_EXPOSED:
          out.Kind = TEventKind::Exposed;
          return true;
        default:
          return false;
      }
    default:
      return false;
  }
}

// NOTE: pushed pointer events carry no window, so the renderer does not scale them again.
SDL_Event ToSdl(const TEvent& in) {
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  switch (in.Kind) {
    case TEventKind::Quit:
      e.type = SDL_QUIT;
      break;
    case TEventKind::MouseMove:
      e.type = SDL_MOUSEMOTION;
      e.motion.x = in.X;
      e.motion.y = in.Y;
      break;
    case TEventKind::MouseDown:
    case TEventKind::MouseUp:
      e.type = in.Kind == TEventKind::MouseDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
      e.button.x = in.X;
      e.button.y = in.Y;
      e.button.button = static_cast<Uint8>(in.Button);
      e.button.clicks = static_cast<Uint8>(in.Clicks);
      e.button.state = in.Kind == TEventKind::MouseDown ? SDL_PRESSED : SDL_RELEASED;
      break;
    case TEventKind::MouseWheel:
      e.type = SDL_MOUSEWHEEL;
      e.wheel.y = in.WheelDelta / 120;
      e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
      break;
    case TEventKind::KeyDown:
    case TEventKind::KeyUp:
      e.type = in.Kind == TEventKind::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
      e.key.keysym.sym = SdlFromVirtualKey(in.Key);
      e.key.keysym.mod = SdlFromMods(in.Mods);
      e.key.repeat = in.Repeat ? 1 : 0;
      e.key.state = in.Kind == TEventKind::KeyDown ? SDL_PRESSED : SDL_RELEASED;
      break;
    case TEventKind::Text:
      e.type = SDL_TEXTINPUT;
      std::strncpy(e.text.text, in.Text.c_str(), sizeof e.text.text - 1);
      break;
    case TEventKind::FocusLost:
    case TEventKind::FocusGained:
    case TEventKind::Exposed:
      e.type = SDL_WINDOWEVENT;
      e.window.event = in.Kind == TEventKind::FocusLost     ? SDL_WINDOWEVENT_FOCUS_LOST
                       : in.Kind == TEventKind::FocusGained ? SDL_WINDOWEVENT_FOCUS_GAINED
                                                            : SDL_WINDOWEVENT_EXPOSED;
      break;
    case TEventKind::None:
      break;
  }
  return e;
}

class TSdlEventQueue final : public IEventQueue {
 public:
  bool Poll(TEvent& event) override {
    SDL_Event e;
    while (SDL_PollEvent(&e))
      if (Translate(e, event)) return true;
    return false;
  }
  void Push(const TEvent& event) override {
    if (event.Kind == TEventKind::None) return;
    SDL_Event e = ToSdl(event);
    SDL_PushEvent(&e);
  }
};

class TMemoryEventQueue final : public IEventQueue {
 public:
  bool Poll(TEvent& event) override {
    if (events.empty()) return false;
    event = std::move(events.front());
    events.pop_front();
    return true;
  }
  void Push(const TEvent& event) override { events.push_back(event); }

 private:
  std::deque<TEvent> events;
};

}  // namespace

std::string_view EventKindName(TEventKind kind) {
  const auto index = static_cast<size_t>(kind);
  return index < kKindNames.size() ? kKindNames[index] : "None";
}

TEventKind EventKindFromName(std::string_view name) {
  for (size_t i = 0; i < kKindNames.size(); ++i)
    if (kKindNames[i] == name) return static_cast<TEventKind>(i);
  return TEventKind::None;
}

std::unique_ptr<IEventQueue> CreateSdlEventQueue() {
  return std::make_unique<TSdlEventQueue>();
}
std::unique_ptr<IEventQueue> CreateMemoryEventQueue() {
  return std::make_unique<TMemoryEventQueue>();
}

}  // namespace platform
