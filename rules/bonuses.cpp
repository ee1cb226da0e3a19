// rules/bonuses.cpp — bonus icons on level pieces and what clearing them pays out: coins, extra
// moves, bombs, colour bombs and the tricolor.
#include "rules/effect_runner.hpp"
#include "rules/rounding.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

struct TBonusKind {
  const char* Icon;  // empty for the colour bombs, whose picture depends on the colour
  int FrameCount;
  int Slot;
  int Offset;  // board units the icon sits above the piece's centre
};

constexpr TBonusKind kBonusTable[kBonusKinds] = {
    {"small_coin_line.png", 12, kSlotBonusCoin, 0},
    {"silver_coin_line.png", 12, kSlotBonusCoin, 0},
    {"gold_coin_line.png", 12, kSlotBonusCoin, 0},
    {"smallshuffle_small_line.png", 24, kSlotBonusBomb, 0},
    {"shuffle_small_line.png", 24, kSlotBonusBomb, 9},
    {"smallshift_small_line.png", 24, kSlotBonusBomb, 0},
    {"shift_small_line.png", 24, kSlotBonusBomb, 0},
    {"bomb_small_line.png", 24, kSlotBonusBomb, 0},
    {"", 24, kSlotBonusBomb, 12},
    {"", 24, kSlotBonusBomb, 12},
    {"", 24, kSlotBonusBomb, 12},
    {"", 24, kSlotBonusBomb, 12},
    {"", 24, kSlotBonusBomb, 12},
    {"", 24, kSlotBonusBomb, 12},
    {"", 24, kSlotBonusBomb, 12},
    {"tricolor_line.png", 24, kSlotBonusBomb, 9},
};

constexpr int kCoinPoints[3] = {50, 100, 200};
constexpr int kFirstColorBomb = 8;
constexpr int kBomb = 7;
constexpr int kTricolor = 15;

std::string BonusIcon(int kind) {
  return kBonusTable[kind].Icon[0] ? kBonusTable[kind].Icon
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
    Services.PlaySound("7_bonus.ogg");
    AddLevelEffect(BonusIcon(kind), c, kSlotGiveBonus, 12);
  } else if (kind <= 6) {
    const bool shuffle = kind <= 4;
    int& stock = shuffle ? Game.Shuffles : Game.Shifts;
    stock += shuffle ? kind - 2 : kind - 4;
    Services.SetObjectProperty(shuffle ? "WGame_LShuffleCount" : "WGame_LShiftCount", "Caption",
                               std::to_string(stock));
    Services.PlaySound("7_bonus.ogg");
    AddLevelEffect(BonusIcon(kind), c, kSlotGiveBonus, 24);
  } else if (kind == kBomb) {
    BombBlast(c, 100);
    AddLevelEffect("boomstar.png", c, kSlotGiveBonusBomb, 1);
  } else if (kind < kTricolor) {
    ColorBombBlast(c, 100, kind - kFirstColorBomb);
    AddLevelEffect(ColorStarPicture(kind - kFirstColorBomb), c, kSlotGiveBonusColorBomb, 1);
  } else {
    Tricolor();
    AddLevelEffect("tricolor_line.png", c, kSlotGiveBonus, 24);
  }
}

void TRulesGame::BombBlast(TPoint c, int radius) {
  for (int i = 0; i < PieceCount(); ++i) {
    TFishka& piece = Piece(i);
    if (piece.State != kOnBoard || piece.BossIndex >= 0) continue;
    const TPoint at = Centre(piece);
    if (RoundedDistance(at.X - c.X, at.Y - c.Y) >= radius) continue;
    AddLevelEffect("boomstar.png", at, kSlotGiveBonusBomb, 1);
    piece.RemoveAt = now + 500;
    piece.State = kOffBoard;
    FreeBonusEffect(piece);
    piece.Bonus = kNoBonus;
    RemoveOccupied(i);
  }
  DropLoose(now + 1000);
  Services.PlaySound("BonusBoom.ogg");
}

void TRulesGame::ColorBombBlast(TPoint c, int radius, int color) {
  for (TFishka& piece : Layer().Pieces) {
    if (piece.State != kOnBoard || ColorOf(piece) == color) continue;
    const TPoint at = Centre(piece);
    if (RoundedDistance(at.X - c.X, at.Y - c.Y) >= radius) continue;
    SetType(piece, ShapeIndexOf(piece), color);
    piece.FlashUntil = now + 600;
  }
  Services.PlaySound("BonusBoom.ogg");
}

void TRulesGame::Tricolor() {
  int previous = -1;
  for (TFishka& piece : Layer().Pieces) {
    if (piece.State != kOnBoard || piece.Y >= CurrentY + 590) continue;
    const int k = Rand.Random(3);
    int color = k < Level.Colors.Count() ? Level.Colors[k] - 1 : previous;
    if (color < 0) color = ColorOf(piece);
    SetType(piece, ShapeIndexOf(piece), color);
    piece.FlashUntil = now + 600;
    previous = color;
  }
}

}  // namespace rules
