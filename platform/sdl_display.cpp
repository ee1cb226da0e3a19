// platform/sdl_display.cpp — the SDL window: the back buffer's changed parts copied straight
// into the window's own pixels (or, with a graphics card, into a texture the card scales).
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/display.hpp"
#include "platform/frame_changes.hpp"

namespace platform {
namespace {

// Mesa's software rasterisers (virtual X servers, machines without a GPU driver) spend several
// ms a frame scaling a texture that is cheaper to copy into the window's pixels directly.
bool SoftwareGl(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0)
    return false;
  using TGetString = const unsigned char* (*)(unsigned);
  constexpr unsigned kGlRenderer = 0x1F01;
  const auto getString = reinterpret_cast<TGetString>(SDL_GL_GetProcAddress("glGetString"));
  const auto* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
  return name && (std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe") ||
                  std::strstr(name, "swrast"));
}

// A graphics card's driver shows as a device node. Without one, GL could only be Mesa's
// software rasteriser, and loading it just to find that out costs a few hundred ms at start.
// SDL_RENDER_DRIVER, when set, is the player's own choice and always tried.
bool MayHaveGraphicsCard() {
  if (const char* chosen = SDL_getenv("SDL_RENDER_DRIVER"); chosen && *chosen) return true;
  std::error_code ec;
  if (std::filesystem::exists("/dev/nvidia0", ec)) return true;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec))
    if (const std::string name = entry.path().filename().string();
        name.starts_with("card") || name.starts_with("renderD"))
      return true;
  return false;
}

Uint32 FormatOf(int bitCount) {
  // 32 bits: bytes blue, green, red, unused, which SDL calls RGB888 on little-endian machines.
  return bitCount == 32   ? SDL_PIXELFORMAT_RGB888
         : bitCount == 16 ? SDL_PIXELFORMAT_RGB565
                          : SDL_PIXELFORMAT_UNKNOWN;
}

// The largest rectangle of the picture's aspect that fits the window, centred.
SDL_Rect Letterbox(int pictureW, int pictureH, int windowW, int windowH) {
  SDL_Rect r{0, 0, windowW, windowH};
  if (static_cast<int64_t>(windowW) * pictureH > static_cast<int64_t>(windowH) * pictureW)
    r.w = static_cast<int>(static_cast<int64_t>(windowH) * pictureW / pictureH);
  else
    r.h = static_cast<int>(static_cast<int64_t>(windowW) * pictureH / pictureW);
  r.x = (windowW - r.w) / 2;
  r.y = (windowH - r.h) / 2;
  return r;
}

class TSdlDisplay final : public IDisplay {
 public:
  ~TSdlDisplay() override { Close(); }

  bool Open(const TDisplayConfig& config) override {
    Close();
    cfg = config;
    const int x = config.WindowX >= 0 ? config.WindowX : SDL_WINDOWPOS_CENTERED;
    const int y = config.WindowY >= 0 ? config.WindowY : SDL_WINDOWPOS_CENTERED;
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (config.FullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow(config.Title.c_str(), x, y, config.Width, config.Height, flags);
    if (!window) return Fail("Cannot create the game window");
    SDL_AddEventWatch(&TSdlDisplay::WatchWindow, this);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    const Uint32 vsync = config.VSync ? SDL_RENDERER_PRESENTVSYNC : 0;
    if (MayHaveGraphicsCard())
      renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | vsync);
    if (renderer && SoftwareGl(renderer)) {
      SDL_DestroyRenderer(renderer);
      renderer = nullptr;
    }
    if (renderer) {
      SDL_RenderSetLogicalSize(renderer, config.Width, config.Height);
      SDL_RendererInfo info{};
      vsyncActive = SDL_GetRendererInfo(renderer, &info) == 0 &&
                    (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 && config.VSync;
      SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
      SDL_RenderClear(renderer);
      SDL_RenderPresent(renderer);
    } else {
      // The window's own pixels (shared memory under X), not an emulated texture.
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      SDL_Surface* target = SDL_GetWindowSurface(window);
      if (!target) return Fail("Cannot draw into the game window");
      SDL_FillRect(target, nullptr, 0);
      SDL_UpdateWindowSurface(window);
    }
    SDL_ShowCursor(SDL_DISABLE);
    return true;
  }

  bool SetupDisplay(int bitCount, bool fullScreen) override {
    if (!window) return Fail("The game window is not open");
    ReleaseDisplay();
    const Uint32 format = FormatOf(bitCount);
    if (format == SDL_PIXELFORMAT_UNKNOWN) {
      error = "Colour depth " + std::to_string(bitCount) + " is not supported";
      return false;
    }
    if (SDL_SetWindowFullscreen(window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
      return Fail("Cannot switch between full screen and window");
    if (renderer) {
      texture =
          SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, cfg.Width, cfg.Height);
      if (!texture) return Fail("Cannot create the screen texture");
      SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    }
    depth = bitCount;
    changes.Forget();
    barsShown = false;
    return true;
  }

  void ReleaseDisplay() override {
    if (texture) SDL_DestroyTexture(texture);
    texture = nullptr;
    if (stage) SDL_FreeSurface(stage);
    stage = nullptr;
    depth = 0;
  }
  bool DisplayReady() const override { return depth != 0; }

  void Close() override {
    ReleaseDisplay();
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) {
      SDL_DelEventWatch(&TSdlDisplay::WatchWindow, this);
      SDL_DestroyWindow(window);
    }
    renderer = nullptr;
    window = nullptr;
    shownOn = nullptr;
  }

  void Present(const TPixelsView& frame) override {
    if (!depth || frame.BitCount != depth || !frame.Pixels) return;
    if (renderer)
      PresentByRenderer(frame);
    else
      PresentToWindow(frame);
  }

  void SetTitle(const std::string& title) override {
    if (window) SDL_SetWindowTitle(window, title.c_str());
  }
  void ShowSystemCursor(bool show) override { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }
  bool VSyncActive() const override { return vsyncActive; }

  int RefreshRateHz() const override {
    SDL_DisplayMode mode{};
    const int index = window ? SDL_GetWindowDisplayIndex(window) : 0;
    if (SDL_GetCurrentDisplayMode(index < 0 ? 0 : index, &mode) == 0 && mode.refresh_rate > 0)
      return mode.refresh_rate;
    return 60;
  }
  std::string LastError() const override { return error; }

 private:
  // Runs inside SDL's event pump: a window shown again, or of another size, has lost its picture.
  static int WatchWindow(void* self, SDL_Event* event) {
    if (event->type != SDL_WINDOWEVENT) return 0;
    switch (event->window.event) {
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SHOWN:
      case SDL_WINDOWEVENT_RESTORED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        static_cast<TSdlDisplay*>(self)->lost = true;
        break;
      default:
        break;
    }
    return 0;
  }

  const std::vector<TChangedRect>& Changes(const TPixelsView& frame) {
    if (lost.exchange(false)) {
      changes.Forget();
      barsShown = false;
    }
    return changes.Update(frame);
  }

  void PresentByRenderer(const TPixelsView& frame) {
    const std::vector<TChangedRect>& rects = Changes(frame);
    if (rects.empty()) return;  // the screen already shows this frame
    const auto* pixels = static_cast<const uint8_t*>(frame.Pixels);
    for (const TChangedRect& r : rects) {
      const SDL_Rect area{r.X, r.Y, r.Width, r.Height};
      SDL_UpdateTexture(texture, &area, pixels + Offset(frame, r), frame.PitchBytes);
    }
    // The letter-box bars; a window of the picture's own size has none.
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer, &width, &height) != 0 || width != cfg.Width ||
        height != cfg.Height)
      SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
  }

  void PresentToWindow(const TPixelsView& frame) {
    SDL_Surface* target = SDL_GetWindowSurface(window);
    if (!target) return;
    if (target != shownOn || target->w != shownW || target->h != shownH) {
      changes.Forget();
      shownOn = target;
      shownW = target->w;
      shownH = target->h;
      barsShown = false;
    }
    const std::vector<TChangedRect>& rects = Changes(frame);
    if (rects.empty()) return;  // the window already shows this frame
    if (target->w == frame.Width && target->h == frame.Height) {
      CopyRects(frame, rects, target);
      areas.clear();
      for (const TChangedRect& r : rects) areas.push_back({r.X, r.Y, r.Width, r.Height});
      SDL_UpdateWindowSurfaceRects(window, areas.data(), static_cast<int>(areas.size()));
      return;
    }
    // Another size (full screen, a resized window): scaled with its aspect kept.
    if (!stage || stage->w != frame.Width || stage->h != frame.Height ||
        stage->format->format != target->format->format) {
      if (stage) SDL_FreeSurface(stage);
      stage =
          SDL_CreateRGBSurfaceWithFormat(0, frame.Width, frame.Height, 32, target->format->format);
      if (!stage) return;
      changes.Forget();
      CopyRects(frame, changes.Update(frame), stage);
    } else {
      CopyRects(frame, rects, stage);
    }
    SDL_Rect area = Letterbox(frame.Width, frame.Height, target->w, target->h);
    if (!barsShown) SDL_FillRect(target, nullptr, 0);
    barsShown = true;
    if (SDL_SoftStretchLinear(stage, nullptr, target, &area) != 0)
      SDL_BlitScaled(stage, nullptr, target, &area);
    SDL_UpdateWindowSurface(window);
  }

  static size_t Offset(const TPixelsView& frame, const TChangedRect& r) {
    return static_cast<size_t>(r.Y) * static_cast<size_t>(frame.PitchBytes) +
           static_cast<size_t>(r.X) * static_cast<size_t>(frame.BitCount / 8);
  }

  // Converts the rectangles of the frame into the same places of the surface.
  void CopyRects(const TPixelsView& frame, const std::vector<TChangedRect>& rects,
                 SDL_Surface* into) {
    if (SDL_MUSTLOCK(into) && SDL_LockSurface(into) != 0) return;
    const auto* pixels = static_cast<const uint8_t*>(frame.Pixels);
    const int targetBytes = into->format->BytesPerPixel;
    for (const TChangedRect& r : rects) {
      auto* destination = static_cast<uint8_t*>(into->pixels) +
                          static_cast<size_t>(r.Y) * static_cast<size_t>(into->pitch) +
                          static_cast<size_t>(r.X) * static_cast<size_t>(targetBytes);
      SDL_ConvertPixels(r.Width, r.Height, FormatOf(frame.BitCount), pixels + Offset(frame, r),
                        frame.PitchBytes, into->format->format, destination, into->pitch);
    }
    if (SDL_MUSTLOCK(into)) SDL_UnlockSurface(into);
  }

  bool Fail(const std::string& what) {
    error = what + ": " + SDL_GetError();
    return false;
  }

  TDisplayConfig cfg;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;  // only with a graphics card
  SDL_Texture* texture = nullptr;
  SDL_Surface* stage = nullptr;  // the frame in the window's format, before scaling
  SDL_Surface* shownOn = nullptr;
  int shownW = 0, shownH = 0;
  bool barsShown = false;  // the letter-box bars, which never change
  std::vector<SDL_Rect> areas;
  TFrameChanges changes;  // what the screen shows now
  std::atomic<bool> lost{false};
  int depth = 0;
  bool vsyncActive = false;
  std::string error;
};

class TMemoryDisplay final : public IDisplay {
 public:
  bool Open(const TDisplayConfig&) override { return open = true; }
  bool SetupDisplay(int bitCount, bool) override {
    depth = bitCount == 16 || bitCount == 32 ? bitCount : 0;
    return depth != 0;
  }
  void ReleaseDisplay() override { depth = 0; }
  bool DisplayReady() const override { return open && depth != 0; }
  void Close() override { open = false; }
  void Present(const TPixelsView&) override {}
  void SetTitle(const std::string&) override {}
  void ShowSystemCursor(bool) override {}
  bool VSyncActive() const override { return false; }
  int RefreshRateHz() const override { return 60; }
  std::string LastError() const override { return {}; }

 private:
  bool open = false;
  int depth = 0;
};

}  // namespace

std::unique_ptr<IDisplay> CreateSdlDisplay() {
  return std::make_unique<TSdlDisplay>();
}
std::unique_ptr<IDisplay> CreateMemoryDisplay() {
  return std::make_unique<TMemoryDisplay>();
}

}  // namespace platform
