// ui/null_graphic.hpp — a host that draws and plays nothing: for tools, headless runs and
// benchmarks. It knows the sizes of the pictures it is told about and an 800 x 600 screen.
#pragma once

#include <map>
#include <string>

#include "ui/orl_graphic.hpp"

namespace ui {

class TOrlNullGraphic : public IOrlGraphic {
 public:
  void Draw(const std::string&, const std::string&, int, int, uint8_t) override {}
  void ExtDraw(const std::string&, std::span<const TOrlGlyphDraw>) override {}
  void LowExtDraw(const std::string&, const TRect&, const std::string&, int, int, uint32_t,
                  uint8_t) override {}
  void DrawRect(const std::string&, const TRect&, uint32_t, uint8_t, uint8_t) override {}
  void DrawColoredAlpha(const std::string&, const std::string&, int, int, uint32_t,
                        uint8_t) override {}
  TSize GetPictureSize(const std::string& picture) override {
    auto it = pictures.find(picture);
    return it == pictures.end() ? TSize{} : it->second;
  }
  TSize GetScreenSize() override { return screen; }
  void PlaySound(const std::string&) override {}

  void SetPictureSize(const std::string& picture, int width, int height) {
    pictures[picture] = TSize{width, height};
  }
  void SetScreenSize(int width, int height) { screen = TSize{width, height}; }

 private:
  std::map<std::string, TSize, std::less<>> pictures;
  TSize screen{800, 600};
};

}  // namespace ui
