// rules/rules_game.cpp — the game object, start values and the helpers the rule files share.
#include "rules/rules_game.hpp"

#include <algorithm>

#include "rules/piece_geometry.hpp"
#include "rules/rounding.hpp"

namespace rules {

TRulesGame::TRulesGame(const TCatalogues& catalogues, TRulesServices& services, uint32_t seed)
    : Cat(catalogues), Services(services), Rand(seed) {}

TRulesGame::~TRulesGame() = default;

void TRulesGame::StartNewGame(int mode) {
  Game.Mode = mode;
  Game.DangerTime = 3000;
  Game.Danger = false;
  ScrollY = ScrollX = 0;
  CurrentY = 0;
  Game.Level = 1;
  Game.Score = Game.PrevScore = 0;
  Game.Shifts = Game.Shuffles = 3;
  Game.SecondChance = Game.ShowBossHint = Game.ShowPutHint = true;
  Game.UndoList.clear();
  SetPosition("0");
  const bool strategy = mode == kStrategy;
  SetBarPicture(strategy ? "DeadProgressBarGreen.png" : "DeadProgressBar.png");
  Services.SetObjectProperty("WGame_LPutsLeftCount", "Visible", strategy ? "true" : "false");
  if (strategy)
    Services.SetObjectProperty("WGame_LPutsLeftCount", "Caption", std::to_string(Level.PutLeft));
  ShowScore();
  Services.SetObjectProperty("WGame_LShiftCount", "Caption", std::to_string(Game.Shifts));
  Services.SetObjectProperty("WGame_LShuffleCount", "Caption", std::to_string(Game.Shuffles));
}

void TRulesGame::StartNextLevel() {
  Game.Level += 1;
  // The view starts at the bottom again; a line left where the last level raised it would sink
  // a structure too low to lift it to, and the first rise would lose the game.
  CurrentY = ScrollTarget = 0;
  ScrollSpeed = 0;
  LoadLevel(LevelEntryName(Game.Level), true);
  Game.DangerTime = 3000;
  Game.Danger = false;
  Game.PrevScore = Game.Score;
  if (Game.Mode == kStrategy) {
    SetBarPicture(Level.PutLeft > 1 ? "DeadProgressBarGreen.png" : "DeadProgressBar.png");
    Services.SetObjectProperty("WGame_LPutsLeftCount", "Caption", std::to_string(Level.PutLeft));
  }
}

TPictureSize TRulesGame::PictureSize(const TFishka& piece) const {
  const size_t type = static_cast<size_t>(piece.TypeIndex);
  if (typeSizes.size() != Cat.Types.size()) typeSizes.assign(Cat.Types.size(), TPictureSize{});
  TPictureSize& size = typeSizes[type];
  // A picture not loaded yet reads 0 x 0 and is asked for again next time.
  if (size.Width == 0 && size.Height == 0)
    size = Services.GetPictureSize(Cat.Types[type].PictureName);
  return size;
}

TPoint TRulesGame::Centre(const TFishka& piece) const {
  const TFishkaShape& shape = ShapeOf(piece);
  return {piece.X + shape.Sx, piece.Y - shape.Sy};
}

bool TRulesGame::PointInPiece(const TFishka& piece, TPoint point) const {
  for (const TTriangle& triangle : PlacedTriangles(ShapeOf(piece), piece.X, piece.Y))
    if (PointInTriangle(triangle, point)) return true;
  return false;
}

void TRulesGame::SetType(TFishka& piece, int shapeIndex, int color) {
  const int type = Cat.TypeWithShapeAndColor(shapeIndex, color);
  if (type >= 0) piece.TypeIndex = type;
}

void TRulesGame::SetPosition(const std::string& value) {
  Services.SetObjectProperty("WGame_PBDead", "Position", value);
}

void TRulesGame::SetBarPicture(const std::string& value) {
  BarPicture = value;
  Services.SetObjectProperty("WGame_PBDead", "BarPicture", value);
}

void TRulesGame::ShowScore() {
  Services.SetObjectProperty("WGame_LScoreCount", "Caption", std::to_string(Game.Score));
}

void TRulesGame::RemoveOccupied(int piece) {
  TLayer& layer = Layer();
  for (int i = layer.Owners.Count() - 1; i >= 0; --i) {
    if (layer.Owners[i] != piece) continue;
    layer.Owners.DeleteAt(i);
    layer.Occupied.DeleteAt(i);
  }
}

void TRulesGame::RemoveOccupied(const TIntegers& pieces) {
  std::vector<bool> gone(static_cast<size_t>(PieceCount()), false);
  for (int piece : pieces) gone[static_cast<size_t>(piece)] = true;
  TLayer& layer = Layer();
  TIntegers occupied, owners;
  for (int i = 0; i < layer.Owners.Count(); ++i) {
    if (gone[static_cast<size_t>(layer.Owners[i])]) continue;
    occupied.Append(layer.Occupied[i]);
    owners.Append(layer.Owners[i]);
  }
  layer.Occupied = std::move(occupied);
  layer.Owners = std::move(owners);
}

void TRulesGame::RemovePaintOrder(int piece) {
  for (int i = PaintOrder.Count() - 1; i >= 0; --i) {
    if (PaintOrder.Pieces[i] != piece) continue;
    PaintOrder.Pieces.DeleteAt(i);
    PaintOrder.Strips.DeleteAt(i);
  }
}

void TRulesGame::FreeBonusEffect(TFishka& piece) {
  piece.BonusEffect.Effect.reset();
}

int TRulesGame::LowestBottom() const {
  int low = 100000;
  if (!HasLayer()) return low;
  for (const TFishka& piece : Layer().Pieces)
    if (piece.State == kOnBoard) low = std::min(low, piece.Y - PictureSize(piece).Height);
  return low;
}

int TRulesGame::PutsProgress() const {
  if (Level.StrategicPuts == 0) return 0;
  return RoundHalfEven((Level.StrategicPuts - Level.PutLeft) * 100.0 / Level.StrategicPuts);
}

}  // namespace rules
