// rules/modes.cpp — the dead line in the three modes, the danger bar, the second chance and
// losing, and the per-frame rules update with the scroll glide.
#include "rules/names.hpp"
#include "rules/rounding.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

constexpr int kWarnDistance = 40;       // board units between a picture bottom and the line
constexpr int kSecondChanceDrop = 126;  // board units the line goes below the lowest piece
using names::kBarGreen;
using names::kBarOn;
using names::kBarSafe;

}  // namespace

bool TRulesGame::CheckDanger() {
  bool warn = false, dead = false;
  if (HasLayer()) {
    for (const TFishka& piece : Layer().Pieces) {
      if (piece.State != kOnBoard) continue;
      const int bottom = piece.Y - PictureSize(piece).Height;
      if (bottom - CurrentY < kWarnDistance) warn = true;
      if (bottom - CurrentY + 1 < 0) dead = true;
    }
  }
  if (warn) {
    if (Game.Mode == kStrategy) SetBarPicture(kBarSafe);
    if (!Game.Danger) {
      Game.Danger = true;
      Level.DangerGrace = Game.DangerTime;
      Game.DangerStart = now;
      Level.MoveDeadline = now + Level.MoveInterval;
    }
  } else {
    Game.Danger = false;
    Level.DangerGrace = 0;
    SetPosition("0");
    SetBarPicture(Game.Mode == kStrategy && Level.PutLeft > 1 ? kBarGreen : kBarSafe);
  }
  return dead;
}

void TRulesGame::Lose() {
  if (Game.SecondChance) {
    Services.ShowHint(names::kLoseHint);
    CurrentY = LowestBottom() - kSecondChanceDrop;
    AimHalfway();
    Game.SecondChance = false;
    SetPosition("0");
    Game.Danger = false;
    return;
  }
  Services.ShowWindow(names::kGameOverWindow);
  Game.GameState = gsGameOver;
  SetPosition("100");
  Services.InvalidateBackground();
  Services.StopMusic();
  Level.Music.clear();
  Services.PlaySound(names::kSoundLose);
}

void TRulesGame::StrategyPutDone() {
  const int old = Level.PutLeft;
  Level.PutLeft -= 1;
  if (old != 1) {
    CheckDanger();
    if (Level.StrategicPuts != 0) SetPosition(std::to_string(PutsProgress()));
  } else {
    Level.PutLeft = Level.StrategicPuts;
    CurrentY += kRowHeight;
    AimHalfway();
    if (!CheckDanger()) {
      SetPosition("0");
    } else {
      Lose();
      if (Game.GameState == gsGameOver) return;
    }
  }
  ShowPutsLeft();
}

bool TRulesGame::LiftDeadLine() {
  const int low = LowestBottom();
  if (low - ScrollY < 253) return false;
  CurrentY = low - 252;
  ScrollSpeed = 0;
  ScrollTarget = (low + ScrollY - 252) / 2 + 1;
  return true;
}

void TRulesGame::UpdateRules(TTick tick) {
  now = tick;
  if (Game.GameState != gsGamePlay) return;
  if (Level.LevelDone && now > Level.LevelDoneTime) {
    Game.GameState = gsBetweenLevels;
    Services.InvalidateBackground();
    Services.ShowWindow(names::kLevelCompleteWindow);
  }
  if (!Level.DelayedSound.empty() && now > Level.DelayedSoundTime) {
    Services.PlaySound(Level.DelayedSound);
    Level.DelayedSound.clear();
  }
  if (now > Level.ColorCycleTick) {
    NextColor(Cat.ColorCount());
    Level.ColorCycleTick = now + kColorCycleMs;
  }
  if (Game.Mode == kPuzzle && !PuzzleTimer()) return;
  if (Game.Mode == kStrategy && Game.Danger && Level.PutLeft == 1 && now >= Game.BlinkTick) {
    Game.BlinkTick = now + kStrategyBlinkMs;
    if (BarPicture == kBarSafe) {
      SetBarPicture(kBarGreen);
    } else {
      SetBarPicture(kBarSafe);
      Services.PlaySound(names::kSoundAlert);
    }
  }
  ScrollGlide();
  CheckBossHint();
}

bool TRulesGame::PuzzleTimer() {
  if (now > Level.MoveDeadline + Level.DangerGrace) {
    CurrentY += kRowHeight;
    ScrollTarget = ScrollY + 21;
    Level.MoveDeadline = now + Level.MoveInterval;
    if (CheckDanger()) {
      Lose();
      if (Game.GameState == gsGameOver) return false;
    }
  }
  if (!Game.Danger) return true;
  if (now < Level.MoveDeadline) {
    if (Level.MoveInterval != 0)
      SetPosition(std::to_string(
          RoundHalfEven(static_cast<double>(now - Game.DangerStart) * 100.0 / Level.MoveInterval)));
  } else if (now >= Game.BlinkTick) {
    Game.BlinkTick = now + kPuzzleBlinkMs;
    SetBarPicture(BarPicture == kBarSafe ? kBarOn : kBarSafe);
    Services.PlaySound(names::kSoundAlert);
  }
  return true;
}

void TRulesGame::ScrollGlide() {
  if (!Glide(now)) return;
  if (HasHand()) RefreshSnapFrags();
  Services.InvalidateBackground();
}

void TRulesGame::MarkPause() {
  PauseTick = Services.Now();
}

void TRulesGame::ResumeTimers() {
  const TTick d = static_cast<TTick>(Services.Now()) - PauseTick;
  Game.DangerStart += d;
  Level.MoveDeadline += d;
  for (TUndoRecord& record : Game.UndoList)
    if (record.StartedDanger) record.DeadlineBefore += d;
}

}  // namespace rules
