// shell/input_replay.cpp — replaying and recording timed input files.
#include "shell/input_replay.hpp"

#include <algorithm>

#include "data/error.hpp"
#include "platform/events.hpp"
#include "platform/keys.hpp"

namespace shell {
namespace {

constexpr int kWheelNotch = 120;
constexpr size_t kTextPieceBytes = 31;  // what one system text event carries, without its NUL
constexpr int kFlushEveryFrames = 60;

int QueueButton(TInputButton button) {
  switch (button) {
    case TInputButton::Right:
      return platform::kButtonRight;
    case TInputButton::Middle:
      return platform::kButtonMiddle;
    default:
      return platform::kButtonLeft;
  }
}

std::optional<TInputButton> FileButton(int button) {
  switch (button) {
    case platform::kButtonLeft:
      return TInputButton::Left;
    case platform::kButtonRight:
      return TInputButton::Right;
    case platform::kButtonMiddle:
      return TInputButton::Middle;
    default:
      return std::nullopt;
  }
}

// The queue carries whole notches; a hand-written delta keeps at least its direction.
int WheelNotches(int32_t delta) {
  const int notches = (delta + (delta < 0 ? -kWheelNotch / 2 : kWheelNotch / 2)) / kWheelNotch;
  if (notches == 0 && delta != 0) return delta < 0 ? -1 : 1;
  return notches;
}

// Splits UTF-8 text into pieces that fit one text event, never inside a character.
std::vector<std::string> TextPieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(text.size(), start + kTextPieceBytes);
    while (end < text.size() && end > start + 1 && (static_cast<uint8_t>(text[end]) & 0xC0) == 0x80)
      --end;
    pieces.push_back(text.substr(start, end - start));
    start = end;
  }
  return pieces;
}

platform::TEvent KeyEvent(const TInputEvent& event) {
  platform::TEvent out;
  out.Kind =
      event.Kind == TInputKind::Key ? platform::TEventKind::KeyDown : platform::TEventKind::KeyUp;
  out.Key = platform::VirtualKeyFromName(event.Key);
  if (out.Key == 0)
    throw data::Error("Line " + std::to_string(event.Line) + ": unknown key \"" + event.Key +
                      "\" (SDL key names such as F2, Escape, Space, Return, A)");
  out.Mods = static_cast<uint8_t>((event.Shift ? platform::kModShift : 0) |
                                  (event.Alt ? platform::kModAlt : 0) |
                                  (event.Ctrl ? platform::kModCtrl : 0));
  return out;
}

}  // namespace

std::vector<platform::TEvent> ToQueueEvents(const TInputEvent& event) {
  using platform::TEventKind;
  platform::TEvent out;
  out.X = event.X;
  out.Y = event.Y;
  switch (event.Kind) {
    case TInputKind::Seed:
    case TInputKind::Frame:
      return {};
    case TInputKind::Move:
      out.Kind = TEventKind::MouseMove;
      return {out};
    case TInputKind::Down:
    case TInputKind::Up:
      out.Kind = event.Kind == TInputKind::Down ? TEventKind::MouseDown : TEventKind::MouseUp;
      out.Button = QueueButton(event.Button);
      out.Clicks = event.Double ? 2 : 1;
      return {out};
    case TInputKind::Wheel:
      out.Kind = TEventKind::MouseWheel;
      out.WheelDelta = WheelNotches(event.Delta) * kWheelNotch;
      return {out};
    case TInputKind::Key:
    case TInputKind::KeyUp:
      return {KeyEvent(event)};
    case TInputKind::Text: {
      std::vector<platform::TEvent> pieces;
      for (std::string& piece : TextPieces(event.Text)) {
        out.Kind = TEventKind::Text;
        out.Text = std::move(piece);
        pieces.push_back(out);
      }
      return pieces;
    }
    case TInputKind::Focus:
      out.Kind = event.Focused ? TEventKind::FocusGained : TEventKind::FocusLost;
      return {out};
  }
  return {};
}

std::optional<TInputEvent> FromQueueEvent(const platform::TEvent& event, uint32_t tick) {
  using platform::TEventKind;
  TInputEvent out;
  out.Tick = tick;
  out.X = event.X;
  out.Y = event.Y;
  switch (event.Kind) {
    case TEventKind::MouseMove:
      out.Kind = TInputKind::Move;
      return out;
    case TEventKind::MouseDown:
    case TEventKind::MouseUp: {
      const std::optional<TInputButton> button = FileButton(event.Button);
      if (!button) return std::nullopt;
      out.Kind = event.Kind == TEventKind::MouseDown ? TInputKind::Down : TInputKind::Up;
      out.Button = *button;
      out.Double = event.Kind == TEventKind::MouseDown && event.Clicks >= 2;
      return out;
    }
    case TEventKind::MouseWheel:
      out.Kind = TInputKind::Wheel;
      out.Delta = event.WheelDelta;
      return out;
    case TEventKind::KeyDown:
    case TEventKind::KeyUp:
      out.Kind = event.Kind == TEventKind::KeyDown ? TInputKind::Key : TInputKind::KeyUp;
      out.Key = platform::KeyNameOf(event.Key);
      out.Shift = (event.Mods & platform::kModShift) != 0;
      out.Alt = (event.Mods & platform::kModAlt) != 0;
      out.Ctrl = (event.Mods & platform::kModCtrl) != 0;
      if (out.Key.empty()) return std::nullopt;
      return out;
    case TEventKind::Text:
      if (event.Text.empty()) return std::nullopt;
      out.Kind = TInputKind::Text;
      out.Text = event.Text;
      return out;
    case TEventKind::FocusLost:
    case TEventKind::FocusGained:
      out.Kind = TInputKind::Focus;
      out.Focused = event.Kind == TEventKind::FocusGained;
      return out;
    default:
      return std::nullopt;
  }
}

TInputReplay::TInputReplay(std::vector<TInputEvent> script) : events(std::move(script)) {
  queued.reserve(events.size());
  for (const TInputEvent& event : events) {
    queued.push_back(ToQueueEvents(event));
    if (event.Kind == TInputKind::Seed && !seed) seed = event.Seed;
    if (event.Kind == TInputKind::Frame) followsFrames = true;
  }
}

std::optional<uint32_t> TInputReplay::BeginFrame() {
  if (!followsFrames) return std::nullopt;
  while (next < events.size() && events[next].Kind == TInputKind::Seed) ++next;
  if (next == events.size() || events[next].Kind != TInputKind::Frame) return std::nullopt;
  return events[next++].Tick;
}

void TInputReplay::Feed(uint32_t now, platform::IEventQueue& queue) {
  for (; next < events.size(); ++next) {
    const TInputEvent& event = events[next];
    if (event.Kind == TInputKind::Frame && followsFrames) return;
    if (!followsFrames && event.Tick > now) return;
    for (const platform::TEvent& piece : queued[next]) queue.Push(piece);
  }
}

TInputRecorder::TInputRecorder(const std::string& filePath)
    : path(filePath), file(filePath, std::ios::binary | std::ios::trunc) {
  if (!file) throw data::Error("Cannot write the recording " + path);
  file << WriteInputScript({});
}

void TInputRecorder::Write(const TInputEvent& event) {
  file << FormatInputEvent(event) << '\n';
}

void TInputRecorder::Seed(uint32_t seed) {
  TInputEvent event;
  event.Kind = TInputKind::Seed;
  event.Seed = seed;
  Write(event);
}

void TInputRecorder::Frame(uint32_t tick) {
  TInputEvent event;
  event.Kind = TInputKind::Frame;
  event.Tick = tick;
  Write(event);
  if (++unflushedFrames >= kFlushEveryFrames) {
    file.flush();
    unflushedFrames = 0;
  }
}

void TInputRecorder::Event(const platform::TEvent& event, uint32_t tick) {
  if (const std::optional<TInputEvent> line = FromQueueEvent(event, tick)) Write(*line);
}

void TInputRecorder::Finish() {
  file.flush();
  if (!file) throw data::Error("Cannot write the recording " + path);
}

}  // namespace shell
