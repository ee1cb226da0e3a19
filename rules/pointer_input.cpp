// rules/pointer_input.cpp — the hand piece following the pointer, the cover fade of pictures and
// bosses under it, and the pointer buttons and wheel over the board.
#include <algorithm>

#include "rules/effect_runner.hpp"
#include "rules/layout.hpp"
#include "rules/names.hpp"
#include "rules/rules_game.hpp"

namespace rules {
namespace {

// Moves a cover fade's start back by what remains of the opposite fade, so a fade under way
// continues from where it is instead of jumping.
TTick FadeStart(TTick now, TTick oppositeStart) {
  return now - oppositeStart < kCoverFadeMs ? now + (now - oppositeStart) - kCoverFadeMs : now;
}

bool AnyPointInRect(const std::vector<TPoint>& points, int left, int top, int width, int height) {
  return std::any_of(points.begin(), points.end(), [&](const TPoint& p) {
    return p.X >= left && p.X <= left + width && p.Y >= top && p.Y <= top + height;
  });
}

template <typename T>
void SetCovered(T& item, bool covered, TTick now) {
  if (covered == item.Covered) return;
  item.Covered = covered;
  if (covered)
    item.CoverStart = FadeStart(now, item.CoverEnd);
  else
    item.CoverEnd = FadeStart(now, item.CoverStart);
}

}  // namespace

void TRulesGame::MouseMoved(int x, int y) {
  BeginInput();
  PointerAt(x, y);
  Services.ForwardMouseMove(x, y);
  if (HasHand() && Game.GameState == gsGamePlay) {
    CentrePieceOnCursor(HandIndex);
    CoverTest();
    RefreshSnapFrags();
  }
  for (TPartEffect& entry : Game.ScreenEffects) {
    if (entry.Name == names::kToMouseMove3) MovePathPoint(entry, 2, x, y);
    if (entry.Name == names::kToMouseMove2) MovePathPoint(entry, 1, x, y);
  }
}

void TRulesGame::CoverTest() {
  const TFishka& hand = Piece(HandIndex);
  const TFishkaShape& shape = ShapeOf(hand);
  std::vector<TPoint> points;
  for (const TOneFish& fish : shape.Fishes)
    for (const TPoint& v : fish.Points) {
      const TPoint p{hand.X + v.X - shape.MinX, hand.Y + shape.MaxY - v.Y};
      if (std::find(points.begin(), points.end(), p) == points.end()) points.push_back(p);
    }
  for (TLevelPicture& picture : Level.Pictures) {
    const bool covered = AnyPointInRect(points, ViewX(picture.X) + kViewLeft, ViewY(picture.Y),
                                        picture.Width, picture.Height);
    SetCovered(picture, covered, now);
  }
  for (int b = 0; b < static_cast<int>(Level.Bosses.size()); ++b) {
    const TBossType* type = BossTypeOf(b);
    if (!type) continue;
    TBoss& boss = Level.Bosses[static_cast<size_t>(b)];
    const bool covered =
        AnyPointInRect(points, ViewX(boss.X) + kViewLeft, ViewY(boss.Y), type->Width, type->Height);
    SetCovered(boss, covered, now);
  }
}

void TRulesGame::RefreshSnapFrags() {
  Level.SnapFrags.Clear();
  if (!HasHand()) return;
  TPoint anchor;
  TIntegers covered;
  if (SnapPiece(HandIndex, anchor, covered)) Level.SnapFrags = covered;
}

void TRulesGame::MouseDown(int button, bool shiftHeld) {
  BeginInput();
  if (Game.GameState != gsGamePlay || !Level.LevelDone)
    Services.ForwardMouseDown(button, shiftHeld);
  if (Game.GameState != gsGamePlay || !HasHand()) return;
  if (button == kLeftButton) {
    bool put = false;
    const int hand = HandIndex;
    try {
      put = PutPiece(hand, true, true);
    } catch (...) {
      // A broken level (a layer without a main piece) fails its first clear; the error is
      // shown and play goes on, so the player must still have pieces to play. The group did
      // clear: undo must not reach back past it to pieces that are gone.
      GroupList.Clear();
      Game.UndoList.clear();
      ShowScore();
      while (PieceQueue.Count() < kQueueLength) DealPiece();
      throw;
    }
    if (put)
      AfterPut(hand);
    else if (OverBoard)
      Services.PlaySound(names::kSoundWrongPlace);
  } else if (button == kRightButton) {
    if (shiftHeld)
      RotateBackward();
    else
      RotateForward();
    RefreshSnapFrags();
  }
}

void TRulesGame::AfterPut(int put) {
  if (!Level.PutSound.empty()) Services.PlaySound(Level.PutSound);
  if (Game.ShowPutHint) {
    Services.ShowHint(names::kPutHint);
    Game.ShowPutHint = false;
  }
  if (Level.LayerDone) {
    Level.LayerDone = false;
    LayerCleared();
    if (!Level.LevelDone) LiftDeadLine();
    return;
  }
  UpdateFrontier();
  DealPiece();
  AnimateQueue();
  CentrePieceOnCursor(HandIndex);
  RefreshSnapFrags();
  const bool dangerBefore = Game.Danger;
  const TTick deadline = Level.MoveDeadline, grace = Level.DangerGrace;
  if (Game.Mode == kPuzzle)
    CheckDanger();
  else if (Game.Mode == kStrategy)
    StrategyPutDone();
  // A put that clears leaves no record; otherwise the last record is this put's.
  if (!dangerBefore && Game.Danger && !Game.UndoList.empty() &&
      Game.UndoList.back().PieceIndex == put) {
    TUndoRecord& record = Game.UndoList.back();
    record.StartedDanger = true;
    record.DeadlineBefore = deadline;
    record.GraceBefore = grace;
  }
}

void TRulesGame::MouseWheel(int delta) {
  BeginInput();
  if (Game.GameState != gsGamePlay) {
    Services.ForwardMouseWheel(delta);
    return;
  }
  if (!HasHand()) return;
  if (delta <= 0)
    RotateForward();
  else
    RotateBackward();
}

}  // namespace rules
