// rules/board_state.cpp — keeping occupancy and paint order in step with the pieces.
#include "rules/board_state.hpp"

#include <vector>

namespace rules {

void TBoardState::Occupy(TLayer& layer, const TIntegers& frags, int piece) {
  for (int frag : frags) {
    layer.Occupied.Append(frag);
    layer.Owners.Append(piece);
  }
}

void TBoardState::RemoveOccupied(TLayer& layer, int piece) {
  for (int i = layer.Owners.Count() - 1; i >= 0; --i) {
    if (layer.Owners[i] != piece) continue;
    layer.Owners.DeleteAt(i);
    layer.Occupied.DeleteAt(i);
  }
}

void TBoardState::RemoveOccupied(TLayer& layer, const TIntegers& pieces, int pieceCount) {
  std::vector<bool> gone(static_cast<size_t>(pieceCount), false);
  for (int piece : pieces) gone[static_cast<size_t>(piece)] = true;
  TIntegers occupied, owners;
  for (int i = 0; i < layer.Owners.Count(); ++i) {
    if (gone[static_cast<size_t>(layer.Owners[i])]) continue;
    occupied.Append(layer.Occupied[i]);
    owners.Append(layer.Owners[i]);
  }
  layer.Occupied = std::move(occupied);
  layer.Owners = std::move(owners);
}

void TBoardState::RemovePaintOrder(int piece) {
  for (int i = PaintOrder.Count() - 1; i >= 0; --i) {
    if (PaintOrder.Pieces[i] != piece) continue;
    PaintOrder.Pieces.DeleteAt(i);
    PaintOrder.Strips.DeleteAt(i);
  }
}

void TBoardState::RenumberPaintOrder(int removed) {
  for (int32_t& entry : PaintOrder.Pieces)
    if (entry > removed) --entry;
}

}  // namespace rules
