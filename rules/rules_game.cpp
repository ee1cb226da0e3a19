// rules/rules_game.cpp — the game object, start values and the helpers the rule files share.
#include "rules/rules_game.hpp"

#include <algorithm>

#include "rules/names.hpp"
#include "rules/piece_geometry.hpp"
#include "rules/rounding.hpp"

namespace rules {

TRulesGame::TRulesGame(const TCatalogues& catalogues, TRulesServices& services, uint32_t seed)
    : Cat(catalogues), Services(services), Rand(seed) {}

TRulesGame::~TRulesGame() = default;

void TRulesGame::StartNewGame(int mode) {
  Game.Mode = mode;
  Game.DangerTime = kDangerTimeMs;
  Game.Danger = false;
  ResetView();
  CurrentY = 0;
  Game.Level = 1;
  Game.Score = Game.PrevScore = 0;
  Game.Shifts = Game.Shuffles = 3;
  Game.SecondChance = Game.ShowBossHint = Game.ShowPutHint = true;
  Game.UndoList.clear();
  SetPosition("0");
  const bool strategy = mode == kStrategy;
  SetBarPicture(strategy ? names::kBarGreen : names::kBarSafe);
  Services.SetObjectProperty(names::kPutsLeftLabel, names::kVisible, strategy ? "true" : "false");
  if (strategy) ShowPutsLeft();
  ShowScore();
  Services.SetObjectProperty(names::kShiftLabel, names::kCaption, std::to_string(Game.Shifts));
  Services.SetObjectProperty(names::kShuffleLabel, names::kCaption, std::to_string(Game.Shuffles));
}

void TRulesGame::StartNextLevel(const std::function<void()>& setUp) {
  Game.Level += 1;
  // The view starts at the bottom again; a line left where the last level raised it would sink
  // a structure too low to lift it to, and the first rise would lose the game.
  CurrentY = ScrollTarget = 0;
  ScrollSpeed = 0;
  if (setUp)
    setUp();
  else
    LoadLevel(LevelEntryName(Game.Level), true);
  Game.DangerTime = kDangerTimeMs;
  Game.Danger = false;
  Game.PrevScore = Game.Score;
  if (Game.Mode == kStrategy) {
    SetBarPicture(Level.PutLeft > 1 ? names::kBarGreen : names::kBarSafe);
    ShowPutsLeft();
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
  Services.SetObjectProperty(names::kDeadBar, names::kPosition, value);
}

void TRulesGame::SetBarPicture(const std::string& value) {
  BarPicture = value;
  Services.SetObjectProperty(names::kDeadBar, names::kBarPicture, value);
}

void TRulesGame::ShowPutsLeft() {
  Services.SetObjectProperty(names::kPutsLeftLabel, names::kCaption, std::to_string(Level.PutLeft));
}

void TRulesGame::ShowScore() {
  Services.SetObjectProperty(names::kScoreLabel, names::kCaption, std::to_string(Game.Score));
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
