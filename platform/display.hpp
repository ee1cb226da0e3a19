// platform/display.hpp — the game's one window and the way a finished back buffer gets onto it.
#pragma once

#include <memory>
#include <string>

namespace platform {

// A read-only view of a finished frame, valid for the duration of the call.
struct TPixelsView {
  const void* Pixels = nullptr;
  int Width = 0;  // px
  int Height = 0;
  int PitchBytes = 0;
  int BitCount = 0;  // 32: bytes blue, green, red, unused; 16: 5-6-5
};

struct TDisplayConfig {
  std::string Title = "Zerith";
  int Width = 800;  // logical size of the picture, px
  int Height = 600;
  bool FullScreen = false;  // desktop full screen, the picture letter-boxed
  bool VSync = true;
  int WindowX = -1;  // left and top of a window; -1 centres it
  int WindowY = -1;
};

class IDisplay {
 public:
  virtual ~IDisplay() = default;

  // Creates the window (hidden system cursor) and its renderer; false with LastError when the
  // system gives none. The window shows black until the first Present.
  virtual bool Open(const TDisplayConfig& config) = 0;
  // The back buffer's way onto the screen in the given depth (16 or 32 bits); false when the
  // renderer cannot take that depth. Switches between full screen and window.
  virtual bool SetupDisplay(int bitCount, bool fullScreen) = 0;
  // Drops what SetupDisplay made; the window stays open.
  virtual void ReleaseDisplay() = 0;
  virtual bool DisplayReady() const = 0;
  virtual void Close() = 0;

  // Copies the frame to the screen, scaled into the window with its aspect kept. NOTE: the
  // frame's BitCount must be the depth given to SetupDisplay; other frames are not shown.
  virtual void Present(const TPixelsView& frame) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void ShowSystemCursor(bool show) = 0;

  // True when Present waits for the vertical blank, so the caller need not pace frames.
  virtual bool VSyncActive() const = 0;
  virtual int RefreshRateHz() const = 0;  // 60 when the system does not say
  virtual std::string LastError() const = 0;
};

// The SDL window. NOTE: needs an SdlSession with video.
std::unique_ptr<IDisplay> CreateSdlDisplay();
// No window at all: frames are counted and dropped (headless runs and tests).
std::unique_ptr<IDisplay> CreateMemoryDisplay();

}  // namespace platform
