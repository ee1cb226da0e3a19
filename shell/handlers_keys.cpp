// shell/handlers_keys.cpp — the keyboard shortcuts of play, menus and the file
// windows, and the debug keys that the options' debug mode unlocks.
#include "rules/rules_game.hpp"
#include "shell/handlers_screens.hpp"
#include "shell/main_window.hpp"
#include "shell/options.hpp"
#include "ui/input.hpp"

namespace shell {

namespace {
// Classic desktop virtual-key codes, as the platform layer delivers them.
constexpr uint16_t kBackspace = 8, kEnter = 13, kEscape = 27, kSpace = 32, kUp = 38, kDown = 40,
                   kB = 'B', kF2 = 113, kF5 = 116, kF6 = 117, kF8 = 119, kF9 = 120;
}  // namespace

bool TScreens::KeyDown(const TKeyEvent& key) {
  rules::TRulesGame& game = w.Rules();
  const int state = game.Game.GameState;
  const bool play = state == rules::gsGamePlay;
  // Alt+Enter (the display toggle) is the window's own and never reaches here
  // as a shortcut.
  if (key.Key == kEnter && (key.Shift & ui::ssAlt)) return false;
  if (w.Settings().DebugMode == kDebugUnlock) DebugKey(key);
  switch (key.Key) {
    case kEnter:
      if (state == rules::gsIntro) return false;
      if (TopFormName() == "WSaveGame")
        WSaveGame_BSave_MouseUp();
      else if (TopFormName() == "WLoadGame")
        WLoadGame_BLoad_MouseUp();
      else
        return false;
      return true;
    case kF5:
      if (!play) return false;
      WGame_BShift_MouseUp();
      return true;
    case kF6:
      if (!play) return false;
      WGame_BShuffle_MouseUp();
      return true;
    case kSpace:
      // Auto-repeat must not swap again: only the key's release re-arms it.
      if (!play || !spaceArmed) return false;
      spaceArmed = false;
      game.CycleQueue();
      AfterInput();
      return true;
    case kEscape:
      if (play && !game.Level.LevelDone) {
        w.MarkPause();
        WGame_BMenu_MouseUp();
        w.Interface().ShowModal("WGameMenu");
        return true;
      }
      if (state == rules::gsGameMenu && TopFormName() == "WGameMenu") {
        WGameMenu_BResume_MouseUp();
        w.Interface().HideTop();
        return true;
      }
      return false;
    case kBackspace:
      if (!play) return false;
      game.UndoPut();
      AfterInput();
      return true;
    case kF2:
      if (!play || game.Level.LevelDone) return false;
      QuickSave();
      return true;
    default:
      return false;
  }
}

void TScreens::KeyUp(const TKeyEvent& key) {
  if (key.Key == kSpace && w.Rules().Game.GameState == rules::gsGamePlay) spaceArmed = true;
}

void TScreens::DebugKey(const TKeyEvent& key) {
  rules::TRulesGame& game = w.Rules();
  const bool play = game.Game.GameState == rules::gsGamePlay;
  if (key.Key == kUp || key.Key == kDown) {
    game.ScrollY += key.Key == kUp ? 1 : -1;
    game.ScrollX = game.ScrollY / 2;
    game.CurrentY = game.ScrollTarget = game.ScrollY;
  } else if (key.Key == kF9) {
    w.Clock().ShowFps = !w.Clock().ShowFps;
  } else if (key.Key == kB && play && !game.Level.Bosses.empty()) {
    // Kills the level's first boss with its death effects, so a level maker can try the board
    // without it (and a main boss's layer without its guard).
    game.KillBoss(0);
    AfterInput();
  } else if (key.Key == kF8 && play && game.HasLayer()) {
    if (key.Shift & ui::ssCtrl) {
      game.LayerCleared();
      if (!game.Level.LevelDone) game.LiftDeadLine();
    } else if (!game.Level.LevelDone) {
      // Won on the spot: the pieces burst as at a real level's end (their bosses die, their
      // bonuses are not paid), only the window comes sooner.
      game.LevelCompleted();
      game.Level.LevelDoneTime = w.Now() + 1000;
    }
    AfterInput();
  }
}

}  // namespace shell
