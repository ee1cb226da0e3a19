// rules/level_model.hpp — pieces, bosses, layers, decorative pictures and the level being played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/grow_list.hpp"
#include "rules/part_effect.hpp"

namespace rules {

enum TPieceState : uint8_t {
  kDealt = 0,  // in the queue or the hand
  kOnBoard = 2,
  kOffBoard = 3  // removed and fading, or taken back into the hand by undo
};

constexpr int kNoBonus = -1;
constexpr int kBonusKinds = 16;

// A boss standing on the structure.
struct TBoss {
  int X = 0;  // board position of the picture's top-left corner
  int Y = 0;
  int TypeIndex = 0;
  bool Main = false;
  TTick PreventUntil = 0;  // not drawn before: its blocking effect shows it meanwhile
  bool Covered = false;    // the hand piece lies over it
  TTick CoverStart = 0;
  TTick CoverEnd = 0;
};
using TBossArray = std::vector<TBoss>;

// A piece. NOTE: X, Y are the board anchor (the picture's top-left corner, y up) once placed,
// screen px (y down) while in the queue or the hand.
struct TFishka {
  int X = 0;
  int Y = 0;
  int TypeIndex = 0;
  uint8_t State = kDealt;
  int BossIndex = -1;
  uint8_t Count = 1;  // clears still needed to remove it
  bool NoColor = false;
  bool Hit = false;
  TTick HitUntil = 0;  // last hit + 1000
  TTick RemoveAt = -1;
  TTick MoveUntil = 0;   // a fly animation draws it until then
  TTick FlashUntil = 0;  // white flash after a put or a recolouring
  int Bonus = kNoBonus;
  TPartEffect BonusEffect;
};
using TFishkaArray = std::vector<TFishka>;

// NOTE: Occupied and Owners are parallel and always change together.
struct TLayer {
  TIntegers Occupied;  // fragment indices filled by placed pieces
  TIntegers Owners;    // the piece filling each
  TFishkaArray Pieces;
  int MainIndex = -1;  // clearing this piece finishes the layer
  TPoints Frontier;    // where the attach hints are drawn
};

struct TLevelPicture {
  std::string Name;
  int Frame = 0;
  int X = 0;
  int Y = 0;
  int Sx = 0;
  int Sy = 0;
  std::vector<std::string> Images;
  TTick FrameTick = 0;  // animation state of the board rendering
  TIntegers Times;      // one per image
  int Width = 0;        // of the last image
  int Height = 0;
  bool Covered = false;
  TTick CoverStart = 0;
  TTick CoverEnd = 0;
};

struct TPictureMap {
  int X = 0;
  int Y = 0;
  std::vector<std::string> Images;
  int OneWidth = 0;
  int OneHeight = 0;
  int LineLength = 0;
  TIntegers Lines;  // tile numbers, bottom line first; n is Images[n - 1], 0 an empty place
};

struct TLevel {
  TIntegers NullFrags;
  TBossArray Bosses;
  TTick MoveDeadline = 0;
  TTick DangerGrace = 0;  // ms
  int MoveInterval = 0;   // ms between rises in the Puzzle mode
  int StrategicPuts = 0;  // puts per rise in the Strategy mode
  int PutLeft = 0;
  std::vector<TLevelPicture> Pictures;
  TPictureMap PictureMap;
  int CurrentLayer = 0;
  std::vector<TLayer> Layers;
  double NoColorChance = 0;
  double BonusChance = 0;
  TTick ColorCycleTick = 0;
  TIntegers TypeWeights;
  TIntegers SnapFrags;  // what the hand piece would fill if put now
  std::vector<TPartEffect> LevelEffects;
  bool LayerDone = false;
  TIntegers Colors;  // 1-based colour numbers dealt in this level
  TIntegers BonusWeights;
  std::string PutSound;
  bool LevelDone = false;
  TTick LevelDoneTime = 0;
  TTick DelayedSoundTime = 0;
  std::string DelayedSound;
  std::string Music;
};

}  // namespace rules
