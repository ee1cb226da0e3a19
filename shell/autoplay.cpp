// shell/autoplay.cpp — the built-in player's choices: which button to press on each screen and
// where to put the hand piece.
#include "shell/autoplay.hpp"

#include <ostream>

#include "platform/events.hpp"
#include "rules/rules_game.hpp"
#include "shell/main_window.hpp"
#include "ui/form.hpp"
#include "ui/interface_object.hpp"

namespace shell {
namespace {

constexpr int kReactFrames = 4;  // frames a screen gets to react to a click
constexpr int kRotationsBeforeSwap = 4;

// The board is the parallelogram of the screen that the pointer handling calls "over the board".
bool OverBoard(int x, int y) {
  return 2 * x + y - 593 > 0 && x + y / 2 - 790 < 0;
}

const char* ModeButton(int mode) {
  switch (mode) {
    case rules::kNoLose:
      return "WStartGame_RBNoLose";
    case rules::kStrategy:
      return "WStartGame_RBStrategy";
    default:
      return "WStartGame_RBPuzzle";
  }
}

// The button each screen is left by, in the order the player would try them.
const char* ScreenButton(const std::string& form) {
  if (form == "WTitle") return "WTitle_BNewGame";
  if (form == "WLevelComplete") return "WLevelComplete_BOk";
  if (form == "WGameOver") return "WGameOver_BOk";
  if (form == "WBetweenLevel") return "WBetweenLevel_BNextLevel";
  if (form == "WGameFinished") return "WGameFinished_BOk";
  if (form == "WGameMenu") return "WGameMenu_BResume";
  return nullptr;
}

struct TSavedHand {
  rules::TRulesGame& game;
  int x, y, cursorX, cursorY;
  explicit TSavedHand(rules::TRulesGame& g)
      : game(g),
        x(g.Piece(g.HandIndex).X),
        y(g.Piece(g.HandIndex).Y),
        cursorX(g.CursorX),
        cursorY(g.CursorY) {}
  ~TSavedHand() {
    game.Piece(game.HandIndex).X = x;
    game.Piece(game.HandIndex).Y = y;
    game.CursorX = cursorX;
    game.CursorY = cursorY;
  }
};

}  // namespace

std::optional<TPutChoice> FindPut(TMainWindow& window) {
  rules::TRulesGame& g = window.Rules();
  if (!g.HasLayer() || !g.HasHand()) return std::nullopt;
  const int hand = g.HandIndex;
  rules::TIntegers placed;
  rules::TIntegers sameColour;
  const bool anyColour = g.Piece(hand).NoColor;
  for (int i = 0; i < g.PieceCount(); ++i) {
    if (i == hand || g.Piece(i).State != rules::kOnBoard) continue;
    placed.Append(i);
    if (!anyColour && g.ColorOf(g.Piece(i)) == g.ColorOf(g.Piece(hand))) sameColour.Append(i);
  }
  if (placed.Empty()) return std::nullopt;
  TSavedHand saved(g);
  std::optional<TPutChoice> best;
  const rules::TPoints frontier = g.Layer().Frontier;
  for (const rules::TPoint& p : frontier) {
    const int sx = p.X - g.ScrollX + 11;
    const int sy = g.ScrollY - p.Y + 593;
    for (int dy = -24; dy <= 24; dy += 12)
      for (int dx = -24; dx <= 24; dx += 12) {
        const int cx = sx + dx, cy = sy + dy;
        if (!OverBoard(cx, cy) || cy < 3 || cy > 592) continue;
        g.CursorX = cx;
        g.CursorY = cy;
        g.CentrePieceOnCursor(hand);
        rules::TPoint anchor;
        rules::TIntegers covered;
        if (!g.SnapPiece(hand, anchor, covered)) continue;
        g.Piece(hand).X = anchor.X;
        g.Piece(hand).Y = anchor.Y;
        if (!g.Touches(hand, placed)) continue;
        int score = anchor.Y;  // higher on the board keeps away from the dead line
        for (int q : sameColour)
          if (g.Touches(hand, rules::TIntegers{q})) score += 1000;
        if (!best || score > best->Score) best = TPutChoice{cx, cy, score};
      }
  }
  return best;
}

void TAutoplay::Step(TMainWindow& window, platform::IEventQueue& events) {
  if (finished) return;
  WatchLevelEnd(window);
  if (finished) return;
  if (waitFrames > 0) {
    --waitFrames;
    return;
  }
  if (window.GameState() == rules::gsGamePlay)
    Play(window, events);
  else
    Menus(window, events);
}

void TAutoplay::WatchLevelEnd(TMainWindow& window) {
  const int state = window.GameState();
  if (lastState == rules::gsGamePlay && state != rules::gsGamePlay && state != rules::gsGameMenu) {
    const rules::TGame& game = window.Rules().Game;
    const bool won = state == rules::gsBetweenLevels || state == rules::gsGameFinished;
    out << "level " << game.Level << " mode " << game.Mode << (won ? " won" : " lost") << " score "
        << game.Score << " puts " << puts << std::endl;
    puts = 0;
    ++levelsEnded;
    if (levels > 0 && levelsEnded >= levels) finished = true;
  }
  lastState = state;
}

void TAutoplay::Play(TMainWindow& window, platform::IEventQueue& events) {
  rules::TRulesGame& g = window.Rules();
  if (pendingHand >= 0) {
    if (g.HandIndex != pendingHand) ++puts;
    pendingHand = -1;
  }
  if (g.Level.LevelDone || !g.HasHand()) return;
  if (g.Piece(g.HandIndex).MoveUntil > static_cast<rules::TTick>(window.Now())) return;
  if (const std::optional<TPutChoice> put = FindPut(window)) {
    misses = 0;
    pendingHand = g.HandIndex;
    Click(events, put->X, put->Y, platform::kButtonLeft);
    waitFrames = 1;
    return;
  }
  ++misses;
  if (misses % (kRotationsBeforeSwap + 1) != 0) {
    platform::TEvent wheel;
    wheel.Kind = platform::TEventKind::MouseWheel;
    wheel.WheelDelta = -120;
    events.Push(wheel);
  } else if (!ClickObject(window, events, "WGame_BSwap")) {
    Click(events, 300, 300, platform::kButtonLeft);  // anywhere on the board
  }
  waitFrames = 1;
}

void TAutoplay::Menus(TMainWindow& window, platform::IEventQueue& events) {
  const ui::TOrlForm* top = window.Interface().TopForm();
  if (!top) return;
  const std::string form = top->Name();
  if (form == "WStartGame") {
    if (!modeChosen) {
      modeChosen = ClickObject(window, events, ModeButton(mode));
      if (modeChosen) return;
    }
    if (ClickObject(window, events, "WStartGame_BPlay")) modeChosen = false;
    return;
  }
  if (const char* button = ScreenButton(form)) {
    ClickObject(window, events, button);
    if (form == "WGameFinished") finished = true;
  }
}

bool TAutoplay::ClickObject(TMainWindow& window, platform::IEventQueue& events,
                            const std::string& name) {
  const auto* object =
      dynamic_cast<const ui::TOrlInterfaceObject*>(window.Interface().FindObject(name));
  if (!object || !object->Visible()) return false;
  Click(events, object->AbsLeft() + object->Width() / 2, object->AbsTop() + object->Height() / 2,
        platform::kButtonLeft);
  waitFrames = kReactFrames;
  return true;
}

void TAutoplay::Click(platform::IEventQueue& events, int x, int y, int button) {
  platform::TEvent e;
  e.X = x;
  e.Y = y;
  e.Kind = platform::TEventKind::MouseMove;
  events.Push(e);
  e.Button = button;
  e.Kind = platform::TEventKind::MouseDown;
  events.Push(e);
  e.Kind = platform::TEventKind::MouseUp;
  events.Push(e);
}

}  // namespace shell
