// rules/piece_life.cpp — removing piece records and the per-frame life cycle of pieces and
// running effects.
#include "rules/effect_runner.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

void Renumber(TIntegers& list, int removed) {
  for (int32_t& value : list)
    if (value > removed) --value;
}

}  // namespace

void TRulesGame::DeletePiece(int index) {
  TLayer& layer = Layer();
  if (index < 0 || index >= PieceCount()) return;
  layer.Pieces.erase(layer.Pieces.begin() + index);  // frees the bonus effect with the record
  RemovePaintOrder(index);
  Renumber(layer.Owners, index);
  Renumber(PaintOrder.Pieces, index);
  Renumber(PieceQueue, index);
  for (TUndoRecord& record : Game.UndoList)
    if (record.PieceIndex > index) --record.PieceIndex;
  // The main piece leaves only after the layer ended; nothing may point at a stranger then.
  if (layer.MainIndex == index)
    layer.MainIndex = -1;
  else if (layer.MainIndex > index)
    --layer.MainIndex;
  if (HandIndex >= index) --HandIndex;
}

void TRulesGame::UpdatePieces(TTick tick) {
  now = tick;
  auto& levelEffects = Level.LevelEffects;
  for (size_t i = 0; i < levelEffects.size();) {
    TPartEffect& entry = levelEffects[i];
    if (entry.Effect) {
      if (UpdatePartEffect(entry, now)) {
        levelEffects.erase(levelEffects.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
    } else if (entry.StartAt < now) {
      if (!CreatePartEffect(entry, Services.EffectTemplate(kSlotContour))) {
        levelEffects.erase(levelEffects.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      LineContourParticles(entry);
      LaunchPartEffect(entry, now);
    }
    ++i;
  }
  if (HasLayer()) {
    for (TFishka& piece : Layer().Pieces)
      if (piece.BonusEffect.Effect) UpdatePartEffect(piece.BonusEffect, now);
  }
  if (Game.GameState == gsGamePlay && HasLayer()) {
    for (int i = 0; i < PieceCount();) {
      TFishka& piece = Piece(i);
      if (piece.Hit && piece.HitUntil < now) {
        if (piece.Count <= 1) {
          DeletePiece(i);
          continue;
        }
        piece.Count -= 1;
        piece.Hit = false;
      }
      ++i;
    }
    for (TFishka& piece : Layer().Pieces) {
      if (piece.State != kOffBoard || !(0 < piece.RemoveAt && piece.RemoveAt < now)) continue;
      piece.Hit = true;
      FreeBonusEffect(piece);
      piece.HitUntil = now + 1000;
      if (piece.Count > 1) piece.Count = 1;
      piece.RemoveAt = -1;
    }
  }
  auto& screenEffects = Game.ScreenEffects;
  for (size_t i = 0; i < screenEffects.size();) {
    if (UpdatePartEffect(screenEffects[i], now)) {
      screenEffects.erase(screenEffects.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    ++i;
  }
}

}  // namespace rules
