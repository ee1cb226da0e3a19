// shell/input_replay.hpp — timed input files at work: replaying one through the event queue a
// person's input arrives by, and recording a run's seed, frames and input as it happens.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "shell/input_script.hpp"

namespace platform {
class IEventQueue;
struct TEvent;
}  // namespace platform

namespace shell {

// The queue's form of a file event (none for seed and frame events). Raises data::Error
// "Line N: ..." for a key name SDL does not know. NOTE: key names need a started SdlSession.
// Text longer than one system text event holds comes out in several pieces.
std::vector<platform::TEvent> ToQueueEvents(const TInputEvent& event);
// The file's form of an event the window received; none for events the file has no line for
// (quit, exposure) or keys without a name.
std::optional<TInputEvent> FromQueueEvent(const platform::TEvent& event, uint32_t tick);

class TInputReplay {
 public:
  // Checks every event (key names) up front, so a bad file ends the run before it starts.
  explicit TInputReplay(std::vector<TInputEvent> events);

  std::optional<uint32_t> Seed() const { return seed; }
  // A recording: frames follow its frame events rather than the clock.
  bool FollowsFrames() const { return followsFrames; }
  // At the start of a frame: the tick of the frame event this frame replays, if any.
  std::optional<uint32_t> BeginFrame();
  // Pushes this frame's events: those up to the next frame event (a recording), or those whose
  // tick has been reached (now, ms of the game clock).
  void Feed(uint32_t now, platform::IEventQueue& queue);
  bool Finished() const { return next == events.size(); }

 private:
  std::vector<TInputEvent> events;
  std::vector<std::vector<platform::TEvent>> queued;  // ToQueueEvents of each event
  size_t next = 0;
  std::optional<uint32_t> seed;
  bool followsFrames = false;
};

// Writes as the run goes, so a run that ends badly still leaves its input behind.
class TInputRecorder {
 public:
  // Raises data::Error when the file cannot be created.
  explicit TInputRecorder(const std::string& path);
  void Seed(uint32_t seed);
  void Frame(uint32_t tick);
  void Event(const platform::TEvent& event, uint32_t tick);
  // Raises data::Error when something could not be written.
  void Finish();

 private:
  void Write(const TInputEvent& event);

  std::string path;
  std::ofstream file;
  int unflushedFrames = 0;
};

}  // namespace shell
