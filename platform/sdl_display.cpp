// platform/sdl_display.cpp — the SDL window: a renderer scaled to the window with the aspect
// kept, and one streaming texture of the back buffer.
#include <SDL.h>

#include <cstring>

#include "platform/display.hpp"

namespace platform {
namespace {

// Mesa's software rasterisers (virtual X servers, machines without a GPU driver) spend several
// ms a frame scaling the texture that SDL's own blitter copies in a fraction of that.
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
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    const Uint32 vsync = config.VSync ? SDL_RENDERER_PRESENTVSYNC : 0;
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | vsync);
    if (renderer && SoftwareGl(renderer)) {
      SDL_DestroyRenderer(renderer);
      renderer = nullptr;
    }
    if (!renderer) {
      // Straight to the window's own framebuffer (shared memory under X), not through GL.
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!renderer) return Fail("Cannot create a renderer for the game window");
    SDL_RenderSetLogicalSize(renderer, config.Width, config.Height);
    SDL_RendererInfo info{};
    vsyncActive = SDL_GetRendererInfo(renderer, &info) == 0 &&
                  (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 && config.VSync;
    SDL_ShowCursor(SDL_DISABLE);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
    return true;
  }

  bool SetupDisplay(int bitCount, bool fullScreen) override {
    if (!renderer) return Fail("The game window is not open");
    ReleaseDisplay();
    const Uint32 format = bitCount == 32   ? SDL_PIXELFORMAT_ARGB8888
                          : bitCount == 16 ? SDL_PIXELFORMAT_RGB565
                                           : SDL_PIXELFORMAT_UNKNOWN;
    if (format == SDL_PIXELFORMAT_UNKNOWN) {
      error = "Colour depth " + std::to_string(bitCount) + " is not supported";
      return false;
    }
    if (SDL_SetWindowFullscreen(window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
      return Fail("Cannot switch between full screen and window");
    texture =
        SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, cfg.Width, cfg.Height);
    if (!texture) return Fail("Cannot create the screen texture");
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    depth = bitCount;
    return true;
  }

  void ReleaseDisplay() override {
    if (texture) SDL_DestroyTexture(texture);
    texture = nullptr;
    depth = 0;
  }
  bool DisplayReady() const override { return texture != nullptr; }

  void Close() override {
    ReleaseDisplay();
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    renderer = nullptr;
    window = nullptr;
  }

  void Present(const TPixelsView& frame) override {
    if (!texture || frame.BitCount != depth || !frame.Pixels) return;
    SDL_UpdateTexture(texture, nullptr, frame.Pixels, frame.PitchBytes);
    // The letter-box bars; a window of the picture's own size has none, and clearing it would
    // cost the software renderer a pass over every pixel.
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer, &width, &height) != 0 || width != cfg.Width ||
        height != cfg.Height)
      SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
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
  bool Fail(const std::string& what) {
    error = what + ": " + SDL_GetError();
    return false;
  }

  TDisplayConfig cfg;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
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
