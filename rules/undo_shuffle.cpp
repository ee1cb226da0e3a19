// rules/undo_shuffle.cpp — taking back the last put, shifting the dead line down and dealing a
// fresh queue.
#include <algorithm>

#include "rules/effect_runner.hpp"
#include "rules/layout.hpp"
#include "rules/names.hpp"
#include "rules/rules_game.hpp"

namespace rules {

void TRulesGame::UndoPut() {
  BeginInput();
  if (Game.UndoList.empty() || !CanMove()) return;
  int s = Game.UndoList.back().PieceIndex;
  if (s < 0 || s >= PieceCount() || Piece(s).State != kOnBoard) {
    Game.UndoList.pop_back();  // a record that no longer names a placed piece
    return;
  }
  const TPoint cursor{CursorX, CursorY};
  AddQueueFlight(PieceQueue[0], "", LinearPath(cursor, QueueSlot(1)), kFullScreenClip);
  for (int k = 1; k <= kQueueLength - 2; ++k)
    AddQueueFlight(PieceQueue[k], "", LinearPath(QueueSlot(k), QueueSlot(k + 1)), kFullScreenClip);
  const int last = kQueueLength - 1;
  AddQueueFlight(PieceQueue[last], "", LinearPath(QueueSlot(last), QueueSlot(last + 2)),
                 kQueueClip);
  {
    const TFishka& piece = Piece(s);
    const TPoint offset = CentringOffset(piece);
    const TPoint from{ViewX(piece.X + offset.X) + kViewLeft, ViewY(piece.Y - offset.Y) + kViewTop};
    AddQueueFlight(s, "", LinearPath(from, cursor), kFullScreenClip);
  }
  // The piece dealt after that put goes; deleting it renumbers the hand (s) with the rest.
  HandIndex = s;
  DeletePiece(PieceQueue[last]);
  ReturnToHand(HandIndex);
  s = HandIndex;

  TFishka& piece = Piece(s);
  piece.State = kOffBoard;
  piece.MoveUntil = now + kFlightMs;
  CentrePieceOnCursor(s);
  RemoveOccupied(Layer(), s);
  RemovePaintOrder(s);
  const TUndoRecord record = Game.UndoList.back();
  Game.UndoList.pop_back();
  UpdateFrontier();

  if (Game.Mode == kStrategy) {
    Level.PutLeft += 1;
    if (Level.PutLeft > Level.StrategicPuts) {
      Level.PutLeft = 1;
      CurrentY -= kRowHeight;
      AimHalfway();
    }
  }
  // In every mode: a danger the taken-back put started must end with it, and the Puzzle clock
  // goes back to where it stood, not to a fresh interval.
  CheckDanger();
  if (!Game.Danger && record.StartedDanger) {
    Level.MoveDeadline = record.DeadlineBefore;
    Level.DangerGrace = record.GraceBefore;
  }
  if (Game.Mode == kStrategy) {
    SetPosition(std::to_string(PutsProgress()));
    ShowPutsLeft();
  }
  Services.PlaySound(names::kSoundUndo);
}

void TRulesGame::Shift() {
  BeginInput();
  const int low = LowestBottom();
  if (low - ScrollY < 252) {
    CurrentY = std::max(low - 252, 0);
    ScrollTarget = (CurrentY + ScrollY) / 2 + 1;
    Level.MoveDeadline = now + Level.MoveInterval;
  }
  AddScreenEffect(names::kShiftParticles, kSlotShift);
  Game.Danger = false;
  SetPosition("0");
  Services.PlaySound(names::kSoundShift);
}

void TRulesGame::Shuffle() {
  BeginInput();
  if (!CanMove()) return;
  for (int k = 1; k <= kQueueLength - 1; ++k)
    AddQueueFlight(PieceQueue[k], "", LinearPath(QueueSlot(k), QueueSlot(k - 3)), kQueueClip);
  while (!PieceQueue.Empty()) {
    const int index = PieceQueue[0];
    PieceQueue.DeleteAt(0);
    DeletePiece(index);
  }
  EmptyQueue();
  for (int i = 0; i < kQueueLength; ++i) DealPiece();
  CentrePieceOnCursor(HandIndex);
  AddScreenEffect(names::kShuffleParticles, kSlotShuffle);
  for (int k = 1; k <= kQueueLength - 1; ++k)
    AddQueueFlight(PieceQueue[k], "", LinearPath(QueueSlot(k + 3), QueueSlot(k)), kQueueClip);
  Services.PlaySound(names::kSoundShuffle);
}

void TRulesGame::AddScreenEffect(const std::string& image, int slot) {
  TPartEffect entry;
  entry.ImageName = image;
  entry.Clip = kFullScreenClip;
  entry.StartAt = now;
  StartPartEffect(entry, Services.EffectTemplate(slot), now);
  Game.ScreenEffects.push_back(std::move(entry));
}

}  // namespace rules
