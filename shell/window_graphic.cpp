// shell/window_graphic.cpp — the toolkit's drawing calls as surface-engine operations.
#include "shell/window_graphic.hpp"

#include "graphics/surf_engine.hpp"

namespace shell {

using graphics::kBackBufferName;

void TWindowGraphic::Draw(const std::string& picture, const std::string&, int x, int y,
                          uint8_t alpha) {
  engine.DrawPicture(picture, kBackBufferName, x, y, alpha);
}

void TWindowGraphic::ExtDraw(const std::string& fontPicture,
                             std::span<const ui::TOrlGlyphDraw> glyphs) {
  engine.DrawGlyphs(fontPicture, kBackBufferName, static_cast<int>(glyphs.size()), glyphs);
}

void TWindowGraphic::LowExtDraw(const std::string& picture, const ui::TRect& source,
                                const std::string&, int x, int y, uint32_t color, uint8_t alpha) {
  engine.DrawPicture(picture, kBackBufferName, x, y, alpha, &source, color, 1);
}

void TWindowGraphic::DrawRect(const std::string&, const ui::TRect& rect, uint32_t color,
                              uint8_t alpha, uint8_t) {
  engine.FillRect(kBackBufferName, rect, color, alpha);
}

void TWindowGraphic::DrawColoredAlpha(const std::string& picture, const std::string&, int x, int y,
                                      uint32_t color, uint8_t alpha) {
  engine.DrawPicture(picture, kBackBufferName, x, y, alpha, nullptr, color, 1);
}

void TWindowGraphic::DrawColored(const std::string& picture, const std::string&, int x, int y,
                                 uint32_t color) {
  engine.DrawPicture(picture, kBackBufferName, x, y, 255, nullptr, color, 1);
}

ui::TSize TWindowGraphic::GetPictureSize(const std::string& picture) {
  ui::TSize size;
  engine.GetPictureSize(picture, size.Width, size.Height);
  return size;
}

}  // namespace shell
