// shell/board_frame.cpp — the board's layers within a frame, in the order the game screen stacks
// them, and the drawing services the rules' board drawing calls back into.
#include <algorithm>

#include "data/utf8.hpp"
#include "rules/board_drawing.hpp"
#include "shell/main_window.hpp"
#include "ui/orl_font.hpp"

namespace shell {
namespace {

constexpr const char* kFontName = "OrlUnicode";

}  // namespace

void TMainWindow::DrawBoardBackground(const std::string& target) {
  rules::DrawMap(*game, target);
  if (settings.TurnOffHint == 0) rules::DrawHints(*game, target);
}

void TMainWindow::DrawBoardScene(const std::string& target) {
  rules::DrawPieces(*game, target);
  rules::DrawBosses(*game, target);
  rules::DrawQueue(*game, target);
}

void TMainWindow::DrawBoardLive(const std::string& target) {
  if (!game->Level.LevelDone) rules::DrawSnapPreview(*game, target);
  DrawBoardScene(target);
  rules::DrawLevelEffects(*game, target);
  rules::DrawScreenEffects(*game, target);
}

void TMainWindow::DrawScreenEffects(const std::string& target) {
  rules::DrawScreenEffects(*game, target);
}

void TMainWindow::DrawPicture(const std::string& picture, const std::string& target, int x, int y,
                              int alpha, const rules::TSourceRect& source, uint32_t color,
                              int mix) {
  const graphics::TRect rect{source.Left, source.Top, source.Right, source.Bottom};
  surfaces.DrawPicture(picture, target, x, y, static_cast<uint8_t>(std::clamp(alpha, 0, 255)),
                       &rect, color, static_cast<uint8_t>(std::clamp(mix, 0, 255)));
}

void TMainWindow::DrawText(const std::string& text, const std::string& /*target*/, int x, int y,
                           int alpha, uint32_t color) {
  // The font engine writes into the back buffer, where every text effect is drawn.
  const ui::TOrlFont* font = fontEngine ? fontEngine->FindFont(kFontName) : nullptr;
  if (!font) return;
  font->DrawText(x, y, data::Utf8ToWide(text), static_cast<uint8_t>(std::clamp(alpha, 0, 255)),
                 color);
}

}  // namespace shell
