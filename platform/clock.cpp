// platform/clock.cpp — SDL's millisecond tick count.
#include "platform/clock.hpp"

#include <SDL.h>
#include <time.h>

namespace platform {
namespace {

class TSystemClock final : public IClock {
 public:
  uint32_t Ticks() override { return SDL_GetTicks(); }
  void Sleep(uint32_t ms) override { SDL_Delay(ms); }
};

}  // namespace

std::unique_ptr<IClock> CreateSystemClock() {
  return std::make_unique<TSystemClock>();
}

double ThreadCpuMs() {
  timespec now{};
  if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) return 0;
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

}  // namespace platform
