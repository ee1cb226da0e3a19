// rules/moves.cpp — rotating the hand piece and cycling the queue, and the game window's move
// buttons.
#include "rules/effect_runner.hpp"
#include "rules/rounding.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

std::string Point(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

std::string BezierPath(TPoint from, TPoint control, TPoint to) {
  return "Set Bezier; Set Timing 0.15; Path " + Point(from.X, from.Y) + " " +
         Point(control.X, control.Y) + " " + Point(to.X, to.Y) + "; Ending Stop;";
}

}  // namespace

bool TRulesGame::CanMove() const {
  return Game.GameState == gsGamePlay && HasLayer() && HasHand() &&
         PieceQueue.Count() == kQueueLength;
}

int TRulesGame::NextRotation(int type) const {
  const int next = Cat.TypeByName(Cat.Types[static_cast<size_t>(type)].NextRotateName);
  return next >= 0 ? next : type;
}

void TRulesGame::RotateForward() {
  if (!HasHand()) return;
  TFishka& hand = Piece(HandIndex);
  hand.TypeIndex = NextRotation(hand.TypeIndex);
  CentrePieceOnCursor(HandIndex);
  Services.PlaySound("rotate.ogg");
}

void TRulesGame::RotateBackward() {
  if (!HasHand()) return;
  TFishka& hand = Piece(HandIndex);
  const int start = hand.TypeIndex;
  const std::string& startName = Cat.Types[static_cast<size_t>(start)].Name;
  // A chain that never returns to the start (a broken shapes file) leaves the piece as it is.
  int type = start;
  for (int steps = 0; steps <= Cat.TypeCount(); ++steps) {
    if (Cat.Types[static_cast<size_t>(type)].NextRotateName == startName) {
      hand.TypeIndex = type;
      break;
    }
    const int next = NextRotation(type);
    if (next == type) break;
    type = next;
  }
  CentrePieceOnCursor(HandIndex);
  Services.PlaySound("rotate.ogg");
}

// The keys reach the moves directly, not through the buttons: each move reads the clock.
void TRulesGame::CycleQueue() {
  BeginInput();
  if (!CanMove()) return;
  for (int k = 2; k <= kQueueLength - 1; ++k)
    AddQueueFlight(PieceQueue[k], "",
                   LinearPath(730 - 42 * k, 84 * k + 272, 772 - 42 * k, 84 * k + 188),
                   kFullScreenClip);
  const int oldHand = PieceQueue[0];
  for (int k = 0; k < kQueueLength - 1; ++k) PieceQueue[k] = PieceQueue[k + 1];
  PieceQueue[kQueueLength - 1] = oldHand;
  HandIndex = PieceQueue[0];
  CentrePieceOnCursor(HandIndex);

  const int mx = CursorX, my = CursorY;
  const int v = 356 - my;
  const double f = v <= 0 ? 0.25 : 0.75, g = v <= 0 ? 0.75 : 0.25;
  const TPoint control{RoundHalfEven(mx + (688 - mx) * f), RoundHalfEven(my + v * g)};
  AddQueueFlight(HandIndex, "ToMouseMove3", BezierPath({688, 356}, control, {mx, my}),
                 kFullScreenClip);

  const int q = kQueueLength;
  const TPoint slot{772 - 42 * q, 84 * q + 188};
  const int s = slot.X - mx, u = slot.Y - my;
  const double g2 = u <= 0 ? 0.25 : 0.75, f2 = u <= 0 ? 0.75 : 0.25;
  const TPoint back{RoundHalfEven(mx + s * f2), RoundHalfEven(my + u * g2)};
  AddQueueFlight(oldHand, "", BezierPath({mx, my}, back, slot), kFullScreenClip);

  RefreshSnapFrags();
  Services.PlaySound("4_change.ogg");
}

void TRulesGame::WGame_BSwap_MouseUp() {
  BeginInput();
  CycleQueue();
}

void TRulesGame::WGame_BUndo_MouseUp() {
  BeginInput();
  UndoPut();
}

void TRulesGame::WGame_BShuffle_MouseUp() {
  BeginInput();
  if (Game.Shuffles <= 0 || !CanMove()) return;
  Shuffle();
  Game.Shuffles -= 1;
  Services.SetObjectProperty("WGame_LShuffleCount", "Caption", std::to_string(Game.Shuffles));
}

void TRulesGame::WGame_BShift_MouseUp() {
  BeginInput();
  if (Game.Shifts <= 0 || Game.GameState != gsGamePlay || !HasLayer()) return;
  Shift();
  Game.Shifts -= 1;
  Services.SetObjectProperty("WGame_LShiftCount", "Caption", std::to_string(Game.Shifts));
}

}  // namespace rules
