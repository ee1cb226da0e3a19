// tests/rules/board_parts_test.cpp — the hand and queue, the dead line's glide and the board's
// occupancy on their own.
#include <gtest/gtest.h>

#include "rules/board_state.hpp"
#include "rules/dead_line.hpp"
#include "rules/hand_queue.hpp"
#include "rules/layout.hpp"
#include "rules/timings.hpp"

using namespace rules;

TEST(HandQueue, CyclingUndoAndRenumberingKeepTheHandFirst) {
  THandQueue hand;
  for (int piece : {4, 5, 6}) hand.Enqueue(piece);
  EXPECT_EQ(hand.HandIndex, 4);
  EXPECT_EQ(hand.CycleLeft(), 4);
  EXPECT_EQ(hand.PieceQueue, (TIntegers{5, 6, 4}));
  EXPECT_EQ(hand.HandIndex, 5);
  hand.ReturnToHand(2);  // the last entry is dropped
  EXPECT_EQ(hand.PieceQueue, (TIntegers{2, 5, 6}));
  EXPECT_EQ(hand.HandIndex, 2);
  hand.RenumberQueue(3);
  EXPECT_EQ(hand.PieceQueue, (TIntegers{2, 4, 5}));
  hand.RenumberQueue(2);  // the hand's own record went: it now names the piece after it
  EXPECT_EQ(hand.HandIndex, 1);
  hand.EmptyQueue();
  EXPECT_EQ(hand.HandIndex, -1);
  EXPECT_EQ(hand.CycleLeft(), -1);
}

TEST(HandQueue, TheHandFadesOutBeyondTheBoardsSlantedEdges) {
  THandQueue hand;
  hand.PointerAt(400, 300);
  EXPECT_TRUE(hand.OverBoard);
  EXPECT_EQ(hand.HandAlpha, 255);
  hand.PointerAt(200, 180);  // A = -13: 6 px left of the left edge
  EXPECT_FALSE(hand.OverBoard);
  EXPECT_EQ(hand.HandAlpha, 255 - 4 * 6);
  hand.PointerAt(700, 300);  // B = 60: right of the right edge
  EXPECT_EQ(hand.HandAlpha, 255 - 3 * 60);
  hand.PointerAt(790, 300);  // 150 beyond the right edge
  EXPECT_EQ(hand.HandAlpha, 64);
  hand.PointerAt(0, 0);
  EXPECT_EQ(hand.HandAlpha, 0);
  EXPECT_EQ(hand.CursorX, 0);
  hand.NextColor(3);
  hand.NextColor(3);
  hand.NextColor(3);
  EXPECT_EQ(hand.ColorCycle, 0);
}

TEST(DeadLine, TheViewSpeedsUpToHalfwayThenSlowsAndStopsOnTheLine) {
  TDeadLine line;
  line.CurrentY = 42;
  line.AimHalfway();
  EXPECT_EQ(line.ScrollTarget, 21);
  std::vector<int> steps;
  for (TTick now = 0; line.Glide(now); now += kScrollStepInterval) steps.push_back(line.ScrollY);
  EXPECT_EQ(steps, (std::vector<int>{1, 3, 6, 10, 15, 21, 28, 34, 39, 42}));
  EXPECT_EQ(line.ScrollX, 21);
  EXPECT_EQ(line.ScrollSpeed, 0);
  EXPECT_FALSE(line.Glide(100000));  // at rest on the line
  EXPECT_EQ(line.ViewY(line.ScrollY), 590);
  EXPECT_EQ(line.ViewX(121), 100);
  EXPECT_EQ(QueueSlot(1), (TPoint{688, 356}));
}

TEST(BoardState, OccupancyListsStayParallel) {
  TLayer layer;
  TBoardState board;
  TBoardState::Occupy(layer, {10, 11, 12}, 0);
  TBoardState::Occupy(layer, {20, 21}, 1);
  TBoardState::Occupy(layer, {30}, 2);
  TBoardState::RemoveOccupied(layer, 1);
  EXPECT_EQ(layer.Occupied, (TIntegers{10, 11, 12, 30}));
  EXPECT_EQ(layer.Owners, (TIntegers{0, 0, 0, 2}));
  TBoardState::RemoveOccupied(layer, {0, 2}, 3);
  EXPECT_TRUE(layer.Occupied.Empty() && layer.Owners.Empty());
  board.PaintOrder.Pieces = {3, 1, 3, 5};
  board.PaintOrder.Strips = {0, 0, 1, 0};
  board.RemovePaintOrder(3);
  board.RenumberPaintOrder(2);
  EXPECT_EQ(board.PaintOrder.Pieces, (TIntegers{1, 4}));
  EXPECT_EQ(board.PaintOrder.Strips, (TIntegers{0, 0}));
}
