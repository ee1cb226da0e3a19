// rules/undo_shuffle.cpp — taking back the last put, shifting the dead line down and dealing a
// fresh queue.
#include <algorithm>

#include "rules/effect_runner.hpp"
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
  const int mx = CursorX, my = CursorY;
  AddQueueFlight(PieceQueue[0], "", LinearPath(mx, my, 688, 356), kFullScreenClip);
  for (int k = 1; k <= kQueueLength - 2; ++k)
    AddQueueFlight(PieceQueue[k], "",
                   LinearPath(730 - 42 * k, 84 * k + 272, 688 - 42 * k, 84 * k + 356),
                   kFullScreenClip);
  const int last = kQueueLength - 1;
  AddQueueFlight(PieceQueue[last], "",
                 LinearPath(730 - 42 * last, 84 * last + 272, 646 - 42 * last, 84 * last + 440),
                 kQueueClip);
  {
    const TFishka& piece = Piece(s);
    const TPoint offset = CentringOffset(piece);
    AddQueueFlight(
        s, "",
        LinearPath(piece.X + offset.X - ScrollX + 11, ScrollY + offset.Y - piece.Y + 593, mx, my),
        kFullScreenClip);
  }
  HandIndex = s;
  DeletePiece(PieceQueue[last]);
  s = HandIndex;
  for (int k = last; k >= 1; --k) PieceQueue[k] = PieceQueue[k - 1];
  PieceQueue[0] = s;

  TFishka& piece = Piece(s);
  piece.State = kOffBoard;
  piece.MoveUntil = now + 300;
  CentrePieceOnCursor(s);
  RemoveOccupied(s);
  RemovePaintOrder(s);
  const TUndoRecord record = Game.UndoList.back();
  Game.UndoList.pop_back();
  UpdateFrontier();

  if (Game.Mode == kStrategy) {
    Level.PutLeft += 1;
    if (Level.PutLeft > Level.StrategicPuts) {
      Level.PutLeft = 1;
      CurrentY -= kRowHeight;
      ScrollTarget = (CurrentY - ScrollY) / 2 + ScrollY;
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
    Services.SetObjectProperty("WGame_LPutsLeftCount", "Caption", std::to_string(Level.PutLeft));
  }
  Services.PlaySound("8_undo.ogg");
}

void TRulesGame::Shift() {
  BeginInput();
  const int low = LowestBottom();
  if (low - ScrollY < 252) {
    CurrentY = std::max(low - 252, 0);
    ScrollTarget = (CurrentY + ScrollY) / 2 + 1;
    Level.MoveDeadline = now + Level.MoveInterval;
  }
  AddScreenEffect("particle_shift.png", kSlotShift);
  Game.Danger = false;
  SetPosition("0");
  Services.PlaySound("11_magic.ogg");
}

void TRulesGame::Shuffle() {
  BeginInput();
  if (!CanMove()) return;
  for (int k = 1; k <= kQueueLength - 1; ++k)
    AddQueueFlight(PieceQueue[k], "",
                   LinearPath(730 - 42 * k, 84 * k + 272, 856 - 42 * k, 84 * k + 20), kQueueClip);
  while (!PieceQueue.Empty()) {
    const int index = PieceQueue[0];
    PieceQueue.DeleteAt(0);
    DeletePiece(index);
  }
  HandIndex = -1;
  for (int i = 0; i < kQueueLength; ++i) DealPiece();
  CentrePieceOnCursor(HandIndex);
  AddScreenEffect("particle_shuffle.png", kSlotShuffle);
  for (int k = 1; k <= kQueueLength - 1; ++k)
    AddQueueFlight(PieceQueue[k], "",
                   LinearPath(604 - 42 * k, 84 * k + 524, 730 - 42 * k, 84 * k + 272), kQueueClip);
  Services.PlaySound("12_magic.ogg");
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
