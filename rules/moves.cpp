// rules/moves.cpp — rotating the hand piece and cycling the queue, and the game window's move
// buttons.
#include "rules/effect_runner.hpp"
#include "rules/layout.hpp"
#include "rules/names.hpp"
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
  Services.PlaySound(names::kSoundRotate);
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
  Services.PlaySound(names::kSoundRotate);
}

// The keys reach the moves directly, not through the buttons: each move reads the clock.
void TRulesGame::CycleQueue() {
  BeginInput();
  if (!CanMove()) return;
  for (int k = 2; k <= kQueueLength - 1; ++k)
    AddQueueFlight(PieceQueue[k], "", LinearPath(QueueSlot(k), QueueSlot(k - 1)), kFullScreenClip);
  const int oldHand = CycleLeft();
  CentrePieceOnCursor(HandIndex);

  // Both flights bend towards the slot's side of the pointer.
  const int mx = CursorX, my = CursorY;
  const TPoint first = QueueSlot(1);
  const int v = first.Y - my;
  const double f = v <= 0 ? 0.25 : 0.75, g = v <= 0 ? 0.75 : 0.25;
  const TPoint control{RoundHalfEven(mx + (first.X - mx) * f), RoundHalfEven(my + v * g)};
  AddQueueFlight(HandIndex, names::kToMouseMove3, BezierPath(first, control, {mx, my}),
                 kFullScreenClip);

  const TPoint slot = QueueSlot(kQueueLength - 1);
  const int s = slot.X - mx, u = slot.Y - my;
  const double g2 = u <= 0 ? 0.25 : 0.75, f2 = u <= 0 ? 0.75 : 0.25;
  const TPoint back{RoundHalfEven(mx + s * f2), RoundHalfEven(my + u * g2)};
  AddQueueFlight(oldHand, "", BezierPath({mx, my}, back, slot), kFullScreenClip);

  RefreshSnapFrags();
  Services.PlaySound(names::kSoundSwap);
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
  Services.SetObjectProperty(names::kShuffleLabel, names::kCaption, std::to_string(Game.Shuffles));
}

void TRulesGame::WGame_BShift_MouseUp() {
  BeginInput();
  if (Game.Shifts <= 0 || Game.GameState != gsGamePlay || !HasLayer()) return;
  Shift();
  Game.Shifts -= 1;
  Services.SetObjectProperty(names::kShiftLabel, names::kCaption, std::to_string(Game.Shifts));
}

}  // namespace rules
