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
  RenumberPaintOrder(index);
  RenumberQueue(index);
  for (TUndoRecord& record : Game.UndoList)
    if (record.PieceIndex > index) --record.PieceIndex;
  // The main piece leaves only after the layer ended; nothing may point at a stranger then.
  if (layer.MainIndex == index)
    layer.MainIndex = -1;
  else if (layer.MainIndex > index)
    --layer.MainIndex;
}

// A cleared piece stays drawn, fading, for kHitMs and then leaves the array; a piece with
// Count n needs n clears, and a second clear within kHitMs counts at once.
void TRulesGame::UpdatePieces(TTick tick) {
  now = tick;
  AdvanceLevelEffects();
  AdvanceBonusIcons();
  if (Game.GameState == gsGamePlay && HasLayer()) {
    EndHits();
    StartRemovals();
  }
  AdvanceScreenEffects();
}

// Running entries advance and leave when finished; a delayed contour starts once due.
void TRulesGame::AdvanceLevelEffects() {
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
}

void TRulesGame::AdvanceBonusIcons() {
  if (!HasLayer()) return;
  for (TFishka& piece : Layer().Pieces)
    if (piece.BonusEffect.Effect) UpdatePartEffect(piece.BonusEffect, now);
}

// A hit that has run its course removes a piece on its last count, else takes one count.
void TRulesGame::EndHits() {
  for (int i = 0; i < PieceCount();) {
    TFishka& piece = Piece(i);
    if (piece.Hit && piece.HitUntil < now) {
      if (piece.Count <= 1) {
        DeletePiece(i);
        continue;  // the next piece now has index i
      }
      piece.Count -= 1;
      piece.Hit = false;
    }
    ++i;
  }
}

// Pieces removed with a delay (dropped, blasted) start fading once due.
void TRulesGame::StartRemovals() {
  for (TFishka& piece : Layer().Pieces) {
    if (piece.State != kOffBoard || !(0 < piece.RemoveAt && piece.RemoveAt < now)) continue;
    piece.Hit = true;
    FreeBonusEffect(piece);
    piece.HitUntil = now + kHitMs;
    if (piece.Count > 1) piece.Count = 1;
    piece.RemoveAt = -1;
  }
}

void TRulesGame::AdvanceScreenEffects() {
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
