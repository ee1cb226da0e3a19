// platform/clock.cpp — SDL's millisecond tick count.
#include "platform/clock.hpp"

#include <SDL.h>

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

}  // namespace platform
