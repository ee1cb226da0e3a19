// shell/splash.cpp — a progress bar on the cavern's dark blue, and the file in the title bar.
#include "shell/splash.hpp"

#include <algorithm>

#include "platform/display.hpp"

namespace shell {
namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr uint32_t kBackground = 0x0B0A1E, kFrame = 0x6C5CC4, kBar = 0x7FE3F0;

}  // namespace

TSplash::TSplash(platform::IDisplay& shown) : display(shown), pixels(kWidth * kHeight) {
  ready = display.SetupDisplay(32, false);
}

TSplash::~TSplash() {
  display.SetTitle("Zerith");
  if (ready) display.ReleaseDisplay();
}

void TSplash::Show(const std::string& file, int percent) {
  percent = std::clamp(percent, 0, 100);
  display.SetTitle("Zerith: preparing the game graphics... " + file + " " +
                   std::to_string(percent) + "%");
  if (!ready) return;
  std::fill(pixels.begin(), pixels.end(), kBackground);
  const int left = 200, right = 600, top = 290, bottom = 310;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      const bool edge = y == top || y == bottom || x == left || x == right;
      const bool filled = x - left <= (right - left) * percent / 100;
      if (edge)
        pixels[static_cast<size_t>(y * kWidth + x)] = kFrame;
      else if (filled && y > top + 2 && y < bottom - 2 && x > left + 2 && x < right - 2)
        pixels[static_cast<size_t>(y * kWidth + x)] = kBar;
    }
  display.Present({pixels.data(), kWidth, kHeight, kWidth * 4, 32});
}

}  // namespace shell
