// rules/hand_queue.cpp — the queue's moves and the hand's opacity at the board's edges.
#include "rules/hand_queue.hpp"

#include <algorithm>

namespace rules {
namespace {

constexpr int kFadeWidth = 64;  // px beyond the board's edge over which the hand fades

}  // namespace

void THandQueue::PointerAt(int x, int y) {
  CursorX = x;
  CursorY = y;
  // Over the board: right of the lattice's slanted left edge (2x + y > 593) and left of its
  // slanted right edge (x + y / 2 < 790).
  const int a = 2 * x + y - 593;
  const int b = x + y / 2 - 790;
  OverBoard = a > 0 && b < 0;
  if (OverBoard) {
    HandAlpha = 255;
    return;
  }
  const int m = std::max(b, (-a) / 2);
  if (m >= kFadeWidth)
    HandAlpha = a < 0 ? 0 : 64;
  else
    HandAlpha = a < 0 ? 255 - 4 * m : 255 - 3 * m;
}

void THandQueue::Enqueue(int piece) {
  PieceQueue.Append(piece);
  HandIndex = PieceQueue[0];
}

void THandQueue::EmptyQueue() {
  PieceQueue.Clear();
  HandIndex = -1;
}

int THandQueue::CycleLeft() {
  const int count = PieceQueue.Count();
  if (count == 0) return -1;
  const int oldHand = PieceQueue[0];
  for (int k = 0; k < count - 1; ++k) PieceQueue[k] = PieceQueue[k + 1];
  PieceQueue[count - 1] = oldHand;
  HandIndex = PieceQueue[0];
  return oldHand;
}

void THandQueue::ReturnToHand(int piece) {
  for (int k = PieceQueue.Count() - 1; k >= 1; --k) PieceQueue[k] = PieceQueue[k - 1];
  if (!PieceQueue.Empty()) PieceQueue[0] = piece;
  HandIndex = piece;
}

void THandQueue::RenumberQueue(int removed) {
  for (int32_t& entry : PieceQueue)
    if (entry > removed) --entry;
  if (HandIndex >= removed) --HandIndex;
}

}  // namespace rules
