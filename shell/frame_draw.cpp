// shell/frame_draw.cpp — composing each frame into the back buffer for the current state, the
// cached background, the hand piece, the animated cursor and the frame-rate text.
#include <algorithm>
#include <cstdio>

#include "graphics/surf_engine.hpp"
#include "platform/display.hpp"
#include "shell/main_window.hpp"
#include "ui/form.hpp"
#include "ui/orl_font.hpp"

namespace shell {
namespace {

using graphics::kBackBufferName;
constexpr const char* kBackground = "Background";
constexpr const char* kFontName = "OrlUnicode";

bool FrozenState(int state) {
  return state == rules::gsGameOver || state == rules::gsBetweenLevels ||
         state == rules::gsGameMenu;
}

}  // namespace

void TMainWindow::SetGameState(int state) {
  game->Game.GameState = state;
  RebuildBackground();
}

void TMainWindow::RebuildBackground() {
  backgroundStale = false;
  const int state = GameState();
  if (state != rules::gsGamePlay && !FrozenState(state)) return;
  surfaces.CopyPicture("GamePlay2.jpg", kBackground, 0, 0);
  DrawBoardBackground(kBackground);
  if (FrozenState(state)) DrawBoardScene(kBackground);
}

void TMainWindow::DrawFrame() {
  const int state = GameState();
  const std::string top = TopFormName();
  switch (state) {
    case rules::gsGamePlay:
      surfaces.CopyPicture(kBackground, kBackBufferName, 0, 0);
      interfaceEngine->DrawForms();
      DrawBoardLive(kBackBufferName);
      DrawHandPiece();
      interfaceEngine->DrawTopHints();
      break;
    case rules::gsGameOver:
    case rules::gsGameFinished:
      DrawFrozenScene();
      break;
    case rules::gsBetweenLevels:
      DrawFrozenScene();
      if (top == "WBetweenLevel" || top == "WStartGame") DrawScreenEffects(kBackBufferName);
      break;
    case rules::gsGameMenu:
      DrawFrozenScene();
      if (top == "WGameMenu") DrawScreenEffects(kBackBufferName);
      break;
    case rules::gsTitle:
      interfaceEngine->DrawAll();
      DrawScreenEffects(kBackBufferName);
      break;
    case rules::gsIntro:
      surfaces.CopyPicture(kBackground, kBackBufferName, 0, 0);
      if (clock.SketchAlpha > 0)
        surfaces.DrawPicture("TitleSketch.jpg", kBackBufferName, 0, 0, clock.SketchAlpha);
      if (clock.TitleAlpha > 0)
        surfaces.DrawPicture("Title.jpg", kBackBufferName, 0, 0, clock.TitleAlpha);
      interfaceEngine->DrawAll();
      break;
    default:
      break;
  }
  DrawCursor();
  ++clock.FrameCounter;
  if (clock.ShowFps) DrawFpsText();
}

void TMainWindow::DrawFrozenScene() {
  surfaces.CopyPicture(kBackground, kBackBufferName, 0, 0);
  interfaceEngine->DrawAll();
}

void TMainWindow::PresentFrame() {
  const graphics::TFrameView view = surfaces.View(kBackBufferName);
  if (!view.Pixels) return;
  host.Display->Present({view.Pixels, view.Width, view.Height, view.PitchBytes, view.BitCount});
}

std::string TMainWindow::TopFormName() const {
  const ui::TOrlForm* form = interfaceEngine ? interfaceEngine->TopForm() : nullptr;
  return form ? form->Name() : std::string();
}

void TMainWindow::DrawHandPiece() {
  if (!game->HasHand()) return;
  const rules::TFishka& hand = game->Piece(game->HandIndex);
  if (hand.MoveUntil > static_cast<rules::TTick>(clock.FrameTime)) return;
  const auto alpha = static_cast<uint8_t>(std::clamp(game->HandAlpha, 0, 255));
  if (hand.NoColor) {
    const std::string picture =
        game->ShapeOf(hand).Name + "_" + std::to_string(game->ColorCycle) + ".pNg";
    surfaces.DrawPicture(picture, kBackBufferName, hand.X, hand.Y, alpha, nullptr, 0, 180);
  } else {
    const std::string& picture = catalogues.Types[static_cast<size_t>(hand.TypeIndex)].PictureName;
    surfaces.DrawPicture(picture, kBackBufferName, hand.X, hand.Y, alpha);
  }
}

void TMainWindow::DrawCursor() {
  if (cursorHeight <= 0) return;
  graphics::TRect source{clock.CursorFrame * cursorWidth, 0,
                         clock.CursorFrame * cursorWidth + cursorWidth - 1, cursorHeight - 1};
  // Cut at the screen's right and bottom edges so the cursor never wraps round.
  if (mouseX + cursorWidth > 800) source.Right -= mouseX + cursorWidth - 800;
  if (mouseY + cursorHeight > 600) source.Bottom -= mouseY + cursorHeight - 600;
  if (source.Right < source.Left || source.Bottom < source.Top) return;
  surfaces.DrawPicture("cursor_line.png", kBackBufferName, mouseX, mouseY, 255, &source);
}

void TMainWindow::DrawFpsText() {
  const ui::TOrlFont* font = fontEngine ? fontEngine->FindFont(kFontName) : nullptr;
  if (!font) return;
  char text[32];
  std::snprintf(text, sizeof text, "FPS: %.2g ", static_cast<double>(clock.Fps));
  std::u16string wide;
  for (const char* c = text; *c; ++c) wide += static_cast<char16_t>(*c);
  font->DrawText(1, 10, wide, 255, 0xFFFFFF);
}

}  // namespace shell
