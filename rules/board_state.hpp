// rules/board_state.hpp — what fills the board: fragment occupancy, the group under test and
// the order placed pieces are drawn in.
#pragma once

#include "rules/game_model.hpp"
#include "rules/level_model.hpp"

namespace rules {

// NOTE: the occupancy itself lives in each TLayer (Occupied with Owners); these operations
// keep the two lists parallel.
struct TBoardState {
  static void Occupy(TLayer& layer, const TIntegers& frags, int piece);
  static void RemoveOccupied(TLayer& layer, int piece);
  // One pass for many pieces; every index is below pieceCount.
  static void RemoveOccupied(TLayer& layer, const TIntegers& pieces, int pieceCount);
  void RemovePaintOrder(int piece);
  // After the record of piece `removed` was deleted from the layer.
  void RenumberPaintOrder(int removed);

  TIntegers GroupList;  // the group being tested, piece indices
  TPaintOrder PaintOrder;
};

}  // namespace rules
