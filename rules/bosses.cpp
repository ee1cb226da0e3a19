// rules/bosses.cpp — bosses raising the size a group needs, blocking it visibly, sinking when
// their piece is hit and dying when it goes.
#include "rules/effect_runner.hpp"
#include "rules/names.hpp"
#include "rules/rules_game.hpp"

namespace rules {

const TBossType* TRulesGame::BossTypeOf(int boss) const {
  if (boss < 0 || boss >= static_cast<int>(Level.Bosses.size())) return nullptr;
  const int type = Level.Bosses[static_cast<size_t>(boss)].TypeIndex;
  if (type < 0 || type >= static_cast<int>(Cat.BossTypes.size())) return nullptr;
  return &Cat.BossTypes[static_cast<size_t>(type)];
}

bool TRulesGame::GroupClears(const TIntegers& group) {
  int needed = 3;
  bool hasBoss = false;
  for (int member : group) {
    const TBossType* type = BossTypeOf(Piece(member).BossIndex);
    if (!type) continue;
    hasBoss = true;
    if (Game.Mode == kPuzzle) {
      needed += type->Power;
    } else if (Game.Mode == kStrategy) {
      needed += type->Power / 2 + (type->Power % 2 != 0 ? 1 : 0);
    }
  }
  if (group.Count() >= needed) return true;
  if (hasBoss && group.Count() > 2) BlockGroup(group, needed);
  return false;
}

void TRulesGame::BlockGroup(const TIntegers& group, int needed) {
  OutlineEffect(group, now, kSlotBossContour, true);
  for (int member : group) {
    const int b = Piece(member).BossIndex;
    const TBossType* type = BossTypeOf(b);
    if (!type) continue;
    TBoss& boss = Level.Bosses[static_cast<size_t>(b)];
    const TPartEffect* shown = AddLevelEffect(
        type->Image, {boss.X + type->Width / 2, boss.Y - type->Height / 2}, kSlotBossPrevent, 1);
    if (shown) boss.PreventUntil = now + EffectLifetime(*shown);
    AddLevelEffect("+" + std::to_string(needed - group.Count()),
                   {boss.X + type->Width, boss.Y - type->Height / 3}, kSlotBossText, 1, true);
  }
  Services.PlaySound(names::kSoundBossPrevent);
}

void TRulesGame::KillBoss(int b) {
  if (b < 0 || b >= static_cast<int>(Level.Bosses.size())) return;
  // A boss of a type the catalogue lacks (a damaged saved game) dies unseen, but it dies: left
  // behind it would stand on a piece that is gone.
  if (const TBossType* type = BossTypeOf(b)) {
    const TBoss& boss = Level.Bosses[static_cast<size_t>(b)];
    AddLevelEffect(type->Image, {boss.X + type->Width / 2, boss.Y - type->Height / 2}, kSlotBossDie,
                   1);
    AddLevelEffect(names::kParticle, {boss.X + type->X, boss.Y - type->Y}, kSlotBossDieParticles,
                   1);
  }
  Level.Bosses.erase(Level.Bosses.begin() + b);
  for (TLayer& layer : Level.Layers)
    for (TFishka& piece : layer.Pieces) {
      // The piece that carried the dead boss carries none; left alone it would name the next.
      if (piece.BossIndex == b)
        piece.BossIndex = -1;
      else if (piece.BossIndex > b)
        --piece.BossIndex;
    }
}

void TRulesGame::CheckBossHint() {
  if (!Game.ShowBossHint) return;
  for (const TBoss& boss : Level.Bosses) {
    if (boss.PreventUntil > now || ViewY(boss.Y) <= 30) continue;
    Services.ShowHintAt(names::kBossHint, 300, 100);
    Game.ShowBossHint = false;
    return;
  }
}

}  // namespace rules
