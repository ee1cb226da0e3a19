// rules/queue_animation.cpp — pieces flying between the queue slots and the hand.
#include "rules/effect_runner.hpp"
#include "rules/layout.hpp"
#include "rules/names.hpp"
#include "rules/rules_game.hpp"

namespace rules {

std::string LinearPath(TPoint from, TPoint to) {
  return "Set Linear; Set Timing 0.3; Path (" + std::to_string(from.X) + "," +
         std::to_string(from.Y) + ") (" + std::to_string(to.X) + "," + std::to_string(to.Y) +
         "); Ending Stop;";
}

void TRulesGame::AddQueueFlight(int index, const std::string& name, const std::string& path,
                                TClipRect clip) {
  TFishka& piece = Piece(index);
  TPartEffect entry;
  entry.Name = name;
  entry.ImageName = Cat.Types[static_cast<size_t>(piece.TypeIndex)].PictureName;
  entry.Clip = clip;
  entry.Path = path;
  entry.StartAt = now;
  StartPartEffect(entry, Services.EffectTemplate(kSlotSwap), now);
  Game.ScreenEffects.push_back(std::move(entry));
  piece.MoveUntil = now + kFlightMs;
}

// After a put: the new hand flies from slot 1 to the pointer, the others move up a slot and
// the new last piece comes in from below the queue.
void TRulesGame::AnimateQueue() {
  if (PieceQueue.Count() < kQueueLength) return;
  AddQueueFlight(PieceQueue[0], names::kToMouseMove2, LinearPath(QueueSlot(1), {CursorX, CursorY}),
                 kFullScreenClip);
  for (int k = 1; k <= kQueueLength - 2; ++k)
    AddQueueFlight(PieceQueue[k], "", LinearPath(QueueSlot(k + 1), QueueSlot(k)), kFullScreenClip);
  const int k = kQueueLength - 1;
  AddQueueFlight(PieceQueue[k], "", LinearPath(QueueSlot(k + 3), QueueSlot(k)), kQueueClip);
}

}  // namespace rules
