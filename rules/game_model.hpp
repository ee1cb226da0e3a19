// rules/game_model.hpp — the running game shared with the shell: mode, score, stocks, undo.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/grow_list.hpp"
#include "rules/part_effect.hpp"

namespace rules {

enum TGameState : int {
  gsGamePlay = 1,
  gsGameOver = 2,
  gsBetweenLevels = 3,
  gsGameMenu = 4,
  gsTitle = 5,
  gsIntro = 6,
  gsGameFinished = 7
};

enum TGameMode : int { kNoLose = 1, kPuzzle = 2, kStrategy = 3 };

struct TUndoRecord {
  int TypeIndex = 0;
  int X = 0;
  int Y = 0;
  int PieceIndex = 0;
  // Set when the put's danger check started the danger: the Puzzle clock as it stood before, so
  // that taking the put back cannot be used to restart the countdown. Not saved with a game.
  bool StartedDanger = false;
  TTick DeadlineBefore = 0;
  TTick GraceBefore = 0;  // ms
};

struct TGame {
  int GameState = gsTitle;
  int Mode = kPuzzle;
  int Score = 0;
  int PrevScore = 0;  // score at the start of the level, restored when it is played again
  int Level = 1;
  std::vector<TPartEffect> ScreenEffects;  // drawn above the board, screen px
  int DangerTime = 3000;                   // ms of blinking before a rise in danger
  bool Danger = false;
  TTick DangerStart = 0;
  TTick BlinkTick = 0;
  int Shifts = 3;
  int Shuffles = 3;
  bool ShowBossHint = true;
  bool SecondChance = true;
  bool ShowPutHint = true;
  std::vector<TUndoRecord> UndoList;
};

// Placed pieces in drawing order, each cut into strips one lattice row high.
struct TPaintOrder {
  TIntegers Pieces;
  TIntegers Strips;  // parallel to Pieces
  int Count() const { return Pieces.Count(); }
  void Clear() {
    Pieces.Clear();
    Strips.Clear();
  }
};

}  // namespace rules
