// shell/frame_loop.cpp — one frame at a time: the update half, the frame-rate sample, the intro
// fade, activation and pauses, and the routing of the window's input.
#include <algorithm>

#include "data/error.hpp"
#include "data/rounding.hpp"
#include "data/utf8.hpp"
#include "platform/display.hpp"
#include "platform/events.hpp"
#include "shell/main_window.hpp"

namespace shell {
namespace {

constexpr int kCursorFrames = 18;
constexpr uint16_t kKeyEnter = 13, kKeyEscape = 27, kKeyShift = 16, kKeyCtrl = 17, kKeyAlt = 18;

uint8_t ModifierBit(uint16_t key) {
  switch (key) {
    case kKeyShift:
      return ui::ssShift;
    case kKeyCtrl:
      return ui::ssCtrl;
    case kKeyAlt:
      return ui::ssAlt;
    default:
      return 0;
  }
}

uint8_t ButtonBit(int button) {
  switch (button) {
    case platform::kButtonLeft:
      return ui::ssLeft;
    case platform::kButtonRight:
      return ui::ssRight;
    case platform::kButtonMiddle:
      return ui::ssMiddle;
    default:
      return 0;
  }
}

ui::TMouseButton UiButton(int button) {
  return button == platform::kButtonRight    ? ui::mbRight
         : button == platform::kButtonMiddle ? ui::mbMiddle
                                             : ui::mbLeft;
}

uint8_t Rounded255(double value) {
  return static_cast<uint8_t>(std::clamp(data::RoundHalfEven(value), 0, 255));
}

}  // namespace

void TMainWindow::FrameTick() {
  // Without the focus no frame runs: the rules must not move on while play is paused.
  if (!active) return;
  clock.FrameTime = Now();
  if (!prepared || !host.Display->DisplayReady()) return;
  UpdateFrame(clock.FrameTime);
  if (!prepared) return;
  SampleFps(Now());
  DrawFrame();
  PresentFrame();
}

void TMainWindow::SampleFps(uint32_t now) {
  if (now - clock.LastFpsTick <= 1000) return;
  clock.LastFpsTick = now;
  clock.Fps = static_cast<uint8_t>(clock.FrameCounter & 0xFF);
  if (GameState() == rules::gsGamePlay) {
    ++clock.FpsSamples;
    clock.AverageFps += (clock.Fps - clock.AverageFps) / clock.FpsSamples;
  }
  clock.FrameCounter = 0;
}

void TMainWindow::UpdateFrame(uint32_t now) {
  if (clock.CursorNextTick < now) {
    clock.CursorFrame = (clock.CursorFrame + 1) % kCursorFrames;
    clock.CursorNextTick = now + static_cast<uint32_t>(clock.CursorFrameTime);
  }
  game->UpdatePieces(now);
  if (GameState() == rules::gsGamePlay)
    game->UpdateRules(now);
  else if (GameState() == rules::gsIntro)
    IntroTimeline(now);
  if (backgroundStale) RebuildBackground();
}

void TMainWindow::IntroTimeline(uint32_t now) {
  const uint32_t elapsed = now - clock.IntroStart;
  if (elapsed <= 2000) {
    clock.SketchAlpha = Rounded255(elapsed * 255.0 / 2000.0);
  } else {
    clock.SketchAlpha = 255;
    if (!clock.GameDataLoaded) {
      interfaceEngine->ShowModal("WGameLoading");
      PresentScreen();
      try {
        catalogues.LoadGameData(*this);
      } catch (const std::exception& e) {
        // Without its catalogues the game has nothing to play: say why and end the run
        // instead of trying again every frame.
        Fail(e.what());
        return;
      }
      clock.GameDataLoaded = catalogues.Loaded;
      interfaceEngine->HideModal("WGameLoading");
      PresentScreen();
      clock.IntroStart = Now() - 2000;
      clock.TitleAlpha = 0;
      return;
    }
    clock.TitleAlpha = Rounded255((elapsed - 2000) * 255.0 / 1000.0);
  }
  if (elapsed > 3000 && clock.GameDataLoaded) {
    game->Game.GameState = rules::gsTitle;
    interfaceEngine->ShowModal("WTitle");
    clock.IntroStart = now;
    if (TitleShownHook) TitleShownHook();
  }
}

void TMainWindow::Fail(const std::string& message) {
  ShowError(message);
  exitStatus = 1;
  Close();
}

void TMainWindow::MarkPause() {
  clock.PauseTick = Now();
  if (game) game->MarkPause();
}

void TMainWindow::ResumeTimers() {
  if (game) game->ResumeTimers();
}

void TMainWindow::Activate(bool activating) {
  if (activating == active && prepared) return;
  active = activating;
  if (!prepared) return;
  if (!activating) {
    MarkPause();
    PauseAudio(true);
    RebuildBackground();
    host.Display->ShowSystemCursor(true);
  } else {
    host.Display->ShowSystemCursor(false);
    ResumeTimers();
    PauseAudio(false);
    // No frames ran while away: a sample spanning that time would count it as a slow second.
    clock.LastFpsTick = Now();
    clock.FrameCounter = 0;
  }
}

void TMainWindow::HandleEvent(const platform::TEvent& event) {
  using platform::TEventKind;
  switch (event.Kind) {
    case TEventKind::Quit:
      Close();
      return;
    case TEventKind::FocusLost:
      Activate(false);
      return;
    case TEventKind::FocusGained:
      Activate(true);
      return;
    case TEventKind::Exposed:
      if (prepared && host.Display->DisplayReady()) PresentScreen();
      return;
    case TEventKind::None:
      return;
    case TEventKind::KeyDown:
    case TEventKind::KeyUp:
    case TEventKind::Text:
      if (prepared) RouteKey(event);
      return;
    default:
      if (prepared) RouteMouse(event);
      return;
  }
}

void TMainWindow::RouteMouse(const platform::TEvent& event) {
  using platform::TEventKind;
  switch (event.Kind) {
    case TEventKind::MouseMove:
      mouseX = event.X;
      mouseY = event.Y;
      game->MouseMoved(mouseX, mouseY);
      return;
    case TEventKind::MouseDown:
      mouseX = event.X;
      mouseY = event.Y;
      mouseButtons |= ButtonBit(event.Button);
      lastClicks = event.Clicks;
      if (event.Button == platform::kButtonMiddle) {
        interfaceEngine->MouseDown(ui::mbMiddle, Shift(), mouseX, mouseY);
        return;
      }
      game->MouseDown(event.Button == platform::kButtonRight ? rules::TRulesGame::kRightButton
                                                             : rules::TRulesGame::kLeftButton,
                      (keyMods & ui::ssShift) != 0);
      if (AfterPointerHook) AfterPointerHook();
      return;
    case TEventKind::MouseUp:
      mouseX = event.X;
      mouseY = event.Y;
      mouseButtons &= static_cast<uint8_t>(~ButtonBit(event.Button));
      interfaceEngine->MouseUp(UiButton(event.Button), Shift(), mouseX, mouseY);
      return;
    case TEventKind::MouseWheel:
      game->MouseWheel(event.WheelDelta);
      return;
    default:
      return;
  }
}

uint8_t TMainWindow::Shift() const {
  uint8_t shift = static_cast<uint8_t>(mouseButtons | keyMods);
  if (lastClicks >= 2 && mouseButtons != 0) shift |= ui::ssDouble;
  return shift;
}

void TMainWindow::RouteKey(const platform::TEvent& event) {
  using platform::TEventKind;
  if (event.Kind == TEventKind::Text) {
    for (char16_t c : data::Utf8ToWide(event.Text)) interfaceEngine->KeyPress(c);
    return;
  }
  const TKeyEvent key{event.Key,
                      static_cast<uint8_t>(event.Mods & (ui::ssShift | ui::ssAlt | ui::ssCtrl)),
                      event.Repeat};
  if (event.Kind == TEventKind::KeyUp) {
    keyMods &= static_cast<uint8_t>(~ModifierBit(event.Key));
    if (KeyUpHook) KeyUpHook(key);
    return;
  }
  keyMods = static_cast<uint8_t>(key.Shift | ModifierBit(event.Key));
  if (event.Key == kKeyEnter && (key.Shift & ui::ssAlt)) {
    ToggleFullScreen();
    return;
  }
  if (KeyDownHook) KeyDownHook(key);
  interfaceEngine->KeyDown(event.Key, key.Shift);
  // Characters the desktop does not type as text: control keys and Ctrl+letter, as edits
  // expect them (Ctrl+C is 3).
  if (event.Key == 8 || event.Key == kKeyEnter || event.Key == kKeyEscape)
    interfaceEngine->KeyPress(static_cast<char16_t>(event.Key));
  else if ((key.Shift & ui::ssCtrl) && event.Key >= 'A' && event.Key <= 'Z')
    interfaceEngine->KeyPress(static_cast<char16_t>(event.Key - 'A' + 1));
}

}  // namespace shell
