// shell/window_graphic.hpp — the main window's drawing and sound host for the interface toolkit
// and the bitmap font, over the surface engine. Every operation draws onto the back buffer
// "MemorySurface" whatever target it names.
#pragma once

#include <functional>
#include <string>

#include "ui/orl_graphic.hpp"

namespace graphics {
class TSurfEngine;
}

namespace shell {

class TWindowGraphic final : public ui::IOrlGraphic {
 public:
  // NOTE: the engine must outlive this object.
  TWindowGraphic(graphics::TSurfEngine& engine, std::function<void(const std::string&)> playSound)
      : engine(engine), playSound(std::move(playSound)) {}

  void Draw(const std::string& picture, const std::string& text, int x, int y,
            uint8_t alpha) override;
  void ExtDraw(const std::string& fontPicture, std::span<const ui::TOrlGlyphDraw> glyphs) override;
  void LowExtDraw(const std::string& picture, const ui::TRect& source, const std::string& target,
                  int x, int y, uint32_t color, uint8_t alpha) override;
  void DrawRect(const std::string& target, const ui::TRect& rect, uint32_t color, uint8_t alpha,
                uint8_t mode) override;
  void DrawColoredAlpha(const std::string& picture, const std::string& target, int x, int y,
                        uint32_t color, uint8_t alpha) override;
  // A one-colour symbol: the picture takes the colour almost entirely, keeping its alpha.
  void DrawColored(const std::string& picture, const std::string& target, int x, int y,
                   uint32_t color);
  ui::TSize GetPictureSize(const std::string& picture) override;
  ui::TSize GetScreenSize() override { return {800, 600}; }
  void PlaySound(const std::string& sound) override {
    if (playSound) playSound(sound);
  }

 private:
  graphics::TSurfEngine& engine;
  std::function<void(const std::string&)> playSound;
};

}  // namespace shell
