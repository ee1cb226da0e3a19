// tests/platform/sdl_display_test.cpp — what reaches the window's pixels is the frame, in
// either depth, after partial updates, when scaled and after the window was covered.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/display.hpp"

namespace {

// SDL's off-screen video driver keeps a window's pixels in memory, where the test reads them.
class SdlDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
    display = platform::CreateSdlDisplay();
    platform::TDisplayConfig config;
    config.Width = 80, config.Height = 60;
    ASSERT_TRUE(display->Open(config)) << display->LastError();
    frame.assign(80 * 60, 0x00203040);
  }
  void TearDown() override {
    display.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  // The display's window: the only one there is.
  static SDL_Window* Window() {
    for (Uint32 id = 1; id < 1000; ++id)
      if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
    return nullptr;
  }
  static SDL_Surface* Shown() { return SDL_GetWindowSurface(Window()); }
  // 0xRRGGBB of a pixel of the window.
  static uint32_t ShownAt(int x, int y) {
    const SDL_Surface* s = Shown();
    Uint32 value;
    std::memcpy(&value, static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * 4, 4);
    Uint8 r, g, b;
    SDL_GetRGB(value, s->format, &r, &g, &b);
    return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | b;
  }
  void Present() { display->Present({frame.data(), 80, 60, 80 * 4, 32}); }

  std::unique_ptr<platform::IDisplay> display;
  std::vector<uint32_t> frame;
};

TEST_F(SdlDisplay, FramesArriveWholeThenChangeByChange) {
  ASSERT_TRUE(display->SetupDisplay(32, false)) << display->LastError();
  Present();
  if (Shown()->w != 80 || Shown()->format->BytesPerPixel != 4)
    GTEST_SKIP() << "this machine's window is not a plain 32-bit picture";
  EXPECT_EQ(ShownAt(0, 0), 0x203040u);
  EXPECT_EQ(ShownAt(79, 59), 0x203040u);
  frame[5 * 80 + 7] = 0x00FF0000;
  frame[59 * 80 + 79] = 0x0000FF00;
  Present();
  EXPECT_EQ(ShownAt(7, 5), 0xFF0000u);
  EXPECT_EQ(ShownAt(79, 59), 0x00FF00u);
  EXPECT_EQ(ShownAt(8, 5), 0x203040u);

  // Something else drew over the window; once it is shown again, all of the frame returns.
  SDL_FillRect(Shown(), nullptr, 0);
  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  SDL_PushEvent(&exposed);
  Present();
  EXPECT_EQ(ShownAt(0, 0), 0x203040u);
  EXPECT_EQ(ShownAt(7, 5), 0xFF0000u);
}

TEST_F(SdlDisplay, SixteenBitFramesAreWidenedAndOtherDepthsRefused) {
  ASSERT_TRUE(display->SetupDisplay(16, false)) << display->LastError();
  std::vector<uint16_t> wide(80 * 60, 0xF800);  // 5-6-5 red
  wide[80 + 1] = 0x001F;                        // blue
  display->Present({wide.data(), 80, 60, 80 * 2, 16});
  if (Shown()->w != 80 || Shown()->format->BytesPerPixel != 4)
    GTEST_SKIP() << "this machine's window is not a plain 32-bit picture";
  EXPECT_EQ(ShownAt(0, 0), 0xFF0000u);
  EXPECT_EQ(ShownAt(1, 1), 0x0000FFu);
  Present();  // a 32-bit frame on a 16-bit display is not shown
  EXPECT_EQ(ShownAt(0, 0), 0xFF0000u);
  EXPECT_FALSE(display->SetupDisplay(24, false));
  EXPECT_FALSE(display->DisplayReady());
}

TEST_F(SdlDisplay, ALargerWindowShowsTheFrameScaledBetweenBlackBars) {
  ASSERT_TRUE(display->SetupDisplay(32, false)) << display->LastError();
  Present();
  SDL_SetWindowSize(Window(), 160, 60);
  frame.assign(frame.size(), 0x00FFFFFF);
  Present();
  if (Shown()->w != 160 || Shown()->format->BytesPerPixel != 4)
    GTEST_SKIP() << "the window keeps its size on this machine";
  EXPECT_EQ(ShownAt(0, 30), 0u);  // bar: the picture keeps its 4:3 shape
  EXPECT_EQ(ShownAt(159, 30), 0u);
  EXPECT_EQ(ShownAt(80, 30), 0xFFFFFFu);
  EXPECT_EQ(ShownAt(41, 0), 0xFFFFFFu);
}

}  // namespace
