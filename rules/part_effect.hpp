// rules/part_effect.hpp — a running particle effect of the board or the screen, with the path
// its contour function follows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace fx {
class TOrlParticleEffect;
}

namespace rules {

using TTick = int64_t;  // ms of the system tick count; deadlines are absolute ticks

struct TEffectDeleter {
  void operator()(fx::TOrlParticleEffect* effect) const;
};
using TEffectPtr = std::unique_ptr<fx::TOrlParticleEffect, TEffectDeleter>;

struct TClipRect {
  int Left = 0;  // screen px
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TClipRect&, const TClipRect&) = default;
};

constexpr TClipRect kFullScreenClip{0, 0, 800, 600};
constexpr TClipRect kQueueClip{400, 305, 800, 566};  // pieces leaving or entering the queue

// Effect template slots, loaded at start-up from the game archive.
enum TEffectSlot : int {
  kSlotContour = 0,
  kSlotBossContour = 1,
  kSlotBossPrevent = 2,
  kSlotBossText = 3,
  kSlotShift = 4,
  kSlotShuffle = 5,
  kSlotSwap = 6,
  kSlotBossDie = 7,
  kSlotBossDieParticles = 8,
  kSlotBonusBomb = 9,
  kSlotBonusCoin = 10,
  kSlotGiveBonus = 11,
  kSlotGiveBonusBomb = 12,
  kSlotGiveBonusColorBomb = 13,
  kSlotClickHere = 14,
  kEffectSlotCount = 15
};

// The template files of the slots, in slot order.
extern const char* const kEffectSlotFiles[kEffectSlotCount];

struct TPartEffect {
  std::string Name;       // a tag such as "ToMouseMove2"
  std::string ImageName;  // picture drawn by the particles, or the text when IsText
  int X = 0;              // screen px in ScreenEffects; board units elsewhere
  int Y = 0;
  std::string Path;   // path script given to the function "FContour"; empty keeps the template's
  TTick StartAt = 0;  // a contour entry without Effect is started once this tick has passed
  TEffectPtr Effect;  // owned; null until started
  TClipRect Clip;
  int FrameCount = 1;  // frames of the picture strip
  bool IsText = false;
};

}  // namespace rules
