// shell/splash.hpp — the progress of the first start's archive conversion, drawn into the game
// window before any picture of the game is loaded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class IDisplay;
}

namespace shell {

class TSplash {
 public:
  // NOTE: the display must be open; it is set up for 32 bits while the splash shows.
  explicit TSplash(platform::IDisplay& display);
  ~TSplash();
  void Show(const std::string& file, int percent);

 private:
  platform::IDisplay& display;
  std::vector<uint32_t> pixels;
  bool ready = false;
};

}  // namespace shell
