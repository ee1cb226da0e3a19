// shell/frame_clock.hpp — the main window's frame-clock values: frame time, frame rate, pause,
// intro fade and the animated cursor. All times are ms ticks.
#pragma once

#include <cstdint>

namespace shell {

struct TFrameClock {
  uint32_t FrameTime = 0;  // read once at the start of each frame
  int FrameCounter = 0;    // frames drawn since the last sample; only the low byte counts
  uint8_t Fps = 0;         // frames of the last sampled second, modulo 256
  uint32_t LastFpsTick = 0;
  double AverageFps = 0;  // mean of the samples taken while a level is played
  int FpsSamples = 0;
  bool ShowFps = false;
  uint32_t PauseTick = 0;
  uint32_t IntroStart = 0;
  uint8_t SketchAlpha = 0;  // "TitleSketch.jpg" during the fade-in
  uint8_t TitleAlpha = 0;   // "Title.jpg"
  bool GameDataLoaded = false;
  int CursorFrame = 0;  // 0..17 of "cursor_line.png"
  int CursorFrameTime = 50;
  uint32_t CursorNextTick = 0;
};

}  // namespace shell
