// rules/layer_end.cpp — a cleared main piece ends its layer; the last layer ends the level.
#include "rules/names.hpp"
#include "rules/rules_game.hpp"

namespace rules {

void TRulesGame::LayerCleared() {
  if (Level.CurrentLayer + 1 >= static_cast<int>(Level.Layers.size())) {
    LevelCompleted();
    return;
  }
  HandIndex = -1;
  Level.CurrentLayer += 1;
  RebuildPaintOrder();
  EmptyQueue();
  for (int i = 0; i < kQueueLength; ++i) DealPiece();
  ScrollStepTick = now + kLayerRestMs;
  ScrollSpeed = 0;
  Level.MoveDeadline = now + Level.MoveInterval;
  UpdateFrontier();
  Services.PlaySound(names::kSoundLayer);
  Game.Danger = false;
  SetPosition("0");
  RecolorQueue();
  AnimateQueue();
  // As after any put: the new hand piece is held at the cursor, not at the screen's corner,
  // and the preview no longer shows the piece that was just put on the old layer.
  CentrePieceOnCursor(HandIndex);
  RefreshSnapFrags();
  if (Game.Mode == kStrategy) {
    Level.PutLeft = Level.StrategicPuts;
    SetPosition(std::to_string(PutsProgress()));
    ShowPutsLeft();
  }
}

void TRulesGame::RebuildPaintOrder() {
  PaintOrder.Clear();
  for (int i = 0; i < PieceCount(); ++i)
    if (Piece(i).State == kOnBoard) InsertPaintOrder(i);
}

void TRulesGame::LevelCompleted() {
  Level.LevelDone = true;
  Level.LevelDoneTime = now + kLevelDoneMs;
  TIntegers placed;
  for (int i = 0; i < PieceCount(); ++i)
    if (Piece(i).State == kOnBoard) placed.Append(i);
  for (const TIntegers& cluster : EdgeClusters(placed)) ClearContour(cluster, now + kLevelBurstMs);
  RemovePieces(placed, now + kLevelBurstMs, false);
  Services.StopMusic();
  Services.PlaySound(names::kSoundLevelDone);
}

}  // namespace rules
