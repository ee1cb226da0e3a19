// rules/bonuses.cpp — bonus icons on level pieces and what clearing them pays out: coins, extra
// moves, bombs, colour bombs and the tricolor.
#include "rules/effect_runner.hpp"
#include "rules/names.hpp"
#include "rules/rounding.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

struct TBonusKind {
  int FrameCount;
  int Slot;
  int Offset;  // board units the icon sits above the piece's centre
};

constexpr TBonusKind kBonusTable[kBonusKinds] = {
    {12, kSlotBonusCoin, 0},  {12, kSlotBonusCoin, 0},  {12, kSlotBonusCoin, 0},
    {24, kSlotBonusBomb, 0},  {24, kSlotBonusBomb, 9},  {24, kSlotBonusBomb, 0},
    {24, kSlotBonusBomb, 0},  {24, kSlotBonusBomb, 0},  {24, kSlotBonusBomb, 12},
    {24, kSlotBonusBomb, 12}, {24, kSlotBonusBomb, 12}, {24, kSlotBonusBomb, 12},
    {24, kSlotBonusBomb, 12}, {24, kSlotBonusBomb, 12}, {24, kSlotBonusBomb, 12},
    {24, kSlotBonusBomb, 9},
};

constexpr int kCoinPoints[3] = {50, 100, 200};
constexpr int kFirstColorBomb = 8;
constexpr int kBomb = 7;
constexpr int kTricolor = 15;
constexpr int kBlastRadius = 100;  // board units around the bonus piece's centre

std::string BonusIcon(int kind) {
  // The colour bombs' pictures depend on their colour.
  return names::kBonusStrips[kind][0] ? names::kBonusStrips[kind]
                                      : ColorBombPicture(kind - kFirstColorBomb);
}

}  // namespace

void TRulesGame::PickBonus(int index, int kind) {
  TFishka& piece = Piece(index);
  if (kind < 0) kind = Rand.WeightedPick(Level.BonusWeights);
  piece.Bonus = kind;
  piece.BonusEffect = TPartEffect{};
  if (kind < 0 || kind >= kBonusKinds) return;
  const TBonusKind& table = kBonusTable[kind];
  const TPoint centre = Centre(piece);
  TPartEffect& icon = piece.BonusEffect;
  icon.ImageName = BonusIcon(kind);
  icon.X = centre.X;
  icon.Y = centre.Y + table.Offset;
  icon.Clip = kFullScreenClip;
  icon.FrameCount = table.FrameCount;
  icon.StartAt = now;
  StartPartEffect(icon, Services.EffectTemplate(table.Slot), now);
}

const TPartEffect* TRulesGame::AddLevelEffect(const std::string& image, TPoint at, int slot,
                                              int frameCount, bool isText) {
  TPartEffect entry;
  entry.ImageName = image;
  entry.X = at.X;
  entry.Y = at.Y;
  entry.Clip = kFullScreenClip;
  entry.FrameCount = frameCount;
  entry.IsText = isText;
  entry.StartAt = now;
  StartPartEffect(entry, Services.EffectTemplate(slot), now);
  // Without a template nothing would ever start the entry; it would only wait to be drawn.
  if (!entry.Effect) return nullptr;
  Level.LevelEffects.push_back(std::move(entry));
  return &Level.LevelEffects.back();
}

void TRulesGame::ApplyBonus(int index) {
  const int kind = Piece(index).Bonus;
  if (kind < 0 || kind >= kBonusKinds) return;
  const TPoint c = Centre(Piece(index));
  if (kind <= 2) {
    if (Game.Mode != kNoLose) Game.Score += kCoinPoints[kind];
    ShowScore();
    Services.PlaySound(names::kSoundBonus);
    AddLevelEffect(BonusIcon(kind), c, kSlotGiveBonus, 12);
  } else if (kind <= 6) {
    const bool shuffle = kind <= 4;
    int& stock = shuffle ? Game.Shuffles : Game.Shifts;
    stock += shuffle ? kind - 2 : kind - 4;
    Services.SetObjectProperty(shuffle ? names::kShuffleLabel : names::kShiftLabel, names::kCaption,
                               std::to_string(stock));
    Services.PlaySound(names::kSoundBonus);
    AddLevelEffect(BonusIcon(kind), c, kSlotGiveBonus, 24);
  } else if (kind == kBomb) {
    BombBlast(c, kBlastRadius);
    AddLevelEffect(names::kBoomStar, c, kSlotGiveBonusBomb, 1);
  } else if (kind < kTricolor) {
    ColorBombBlast(c, kBlastRadius, kind - kFirstColorBomb);
    AddLevelEffect(ColorStarPicture(kind - kFirstColorBomb), c, kSlotGiveBonusColorBomb, 1);
  } else {
    Tricolor();
    AddLevelEffect(names::kTricolorStrip, c, kSlotGiveBonus, 24);
  }
}

void TRulesGame::BombBlast(TPoint c, int radius) {
  for (int i = 0; i < PieceCount(); ++i) {
    TFishka& piece = Piece(i);
    if (piece.State != kOnBoard || piece.BossIndex >= 0) continue;
    const TPoint at = Centre(piece);
    if (RoundedDistance(at.X - c.X, at.Y - c.Y) >= radius) continue;
    AddLevelEffect(names::kBoomStar, at, kSlotGiveBonusBomb, 1);
    piece.RemoveAt = now + kDropDelayMs;
    piece.State = kOffBoard;
    FreeBonusEffect(piece);
    piece.Bonus = kNoBonus;
    RemoveOccupied(Layer(), i);
  }
  DropLoose(now + kBombDropDelayMs);
  Services.PlaySound(names::kSoundBoom);
}

void TRulesGame::ColorBombBlast(TPoint c, int radius, int color) {
  for (TFishka& piece : Layer().Pieces) {
    if (piece.State != kOnBoard || ColorOf(piece) == color) continue;
    const TPoint at = Centre(piece);
    if (RoundedDistance(at.X - c.X, at.Y - c.Y) >= radius) continue;
    SetType(piece, ShapeIndexOf(piece), color);
    piece.FlashUntil = now + kRecolorFlashMs;
  }
  Services.PlaySound(names::kSoundBoom);
}

void TRulesGame::Tricolor() {
  int previous = -1;
  for (TFishka& piece : Layer().Pieces) {
    if (piece.State != kOnBoard || piece.Y >= CurrentY + 590) continue;
    const int k = Rand.Random(3);
    int color = k < Level.Colors.Count() ? Level.Colors[k] - 1 : previous;
    if (color < 0) color = ColorOf(piece);
    SetType(piece, ShapeIndexOf(piece), color);
    piece.FlashUntil = now + kRecolorFlashMs;
    previous = color;
  }
}

}  // namespace rules
