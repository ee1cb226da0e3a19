// rules/hand_queue.hpp — the hand piece, the queue of dealt pieces behind it and the pointer
// that holds the hand.
#pragma once

#include "rules/grow_list.hpp"

namespace rules {

constexpr int kQueueLength = 3;

// NOTE: entries are piece indices of the current layer; PieceQueue[0] is always HandIndex
// while the queue is full.
struct THandQueue {
  // Stores the pointer (screen px) and decides OverBoard and how opaque the hand is drawn:
  // fully inside the slanted board view, fading out over 64 px beyond its edges.
  void PointerAt(int x, int y);
  // Appends a dealt piece; the first entry becomes the hand.
  void Enqueue(int piece);
  void EmptyQueue();
  // Every entry moves one up, the old hand goes last; returns the old hand.
  int CycleLeft();
  // Undo: every entry moves one down (the last is dropped) and piece becomes the hand.
  void ReturnToHand(int piece);
  // After the record of piece `removed` was deleted from the layer.
  void RenumberQueue(int removed);
  // The next picture of the colour-cycling pieces, 0 after the last colour.
  void NextColor(int colorCount) { ColorCycle = ColorCycle >= colorCount - 1 ? 0 : ColorCycle + 1; }

  int HandIndex = -1;    // -1: no hand piece
  TIntegers PieceQueue;  // kQueueLength entries in play
  int ColorCycle = 0;    // colour shown by NoColor pieces, 0-based
  bool OverBoard = false;
  int HandAlpha = 255;  // 0..255
  int CursorX = 0;      // screen px
  int CursorY = 0;
};

}  // namespace rules
