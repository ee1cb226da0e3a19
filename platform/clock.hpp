// platform/clock.hpp — the millisecond tick count every time in the game is measured in.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

// NOTE: ticks are unsigned 32-bit and wrap after about 49.7 days like the system's.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual uint32_t Ticks() = 0;
  // Waits about ms milliseconds (frame pacing); a virtual clock does not wait.
  virtual void Sleep(uint32_t ms) = 0;
};

// Time that moves only when told to: headless runs advance it once per frame, so a run with the
// same input gives the same game.
class TVirtualClock final : public IClock {
 public:
  explicit TVirtualClock(uint32_t start = 0) : value(start) {}
  uint32_t Ticks() override { return value; }
  void Sleep(uint32_t) override {}
  void Advance(uint32_t ms) { value += ms; }
  void Set(uint32_t ticks) { value = ticks; }

 private:
  uint32_t value;
};

// SDL's tick count. NOTE: needs an SdlSession.
std::unique_ptr<IClock> CreateSystemClock();

// Processor time the calling thread has used, in milliseconds. Unlike the process's time it
// leaves out helper threads (audio mixing, sanitizer bookkeeping), so it measures one thread's
// work, such as a frame's.
double ThreadCpuMs();

}  // namespace platform

namespace platform {

// Another clock read once per frame: every reading between two Latch calls gives the same tick,
// counted from the first Latch. Recorded runs use it so a replay on a virtual clock sees
// exactly the ticks the recorded game saw.
class TLatchedClock final : public IClock {
 public:
  explicit TLatchedClock(IClock& source) : source(source), base(source.Ticks()) {}
  uint32_t Ticks() override { return value; }
  void Sleep(uint32_t ms) override { source.Sleep(ms); }
  void Latch() { value = source.Ticks() - base; }

 private:
  IClock& source;
  uint32_t base;
  uint32_t value = 0;
};

}  // namespace platform
