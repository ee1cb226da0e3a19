// rules/queue_animation.cpp — pieces flying between the queue slots and the hand.
#include "rules/effect_runner.hpp"
#include "rules/rules_game.hpp"

namespace rules {

std::string LinearPath(int x0, int y0, int x1, int y1) {
  return "Set Linear; Set Timing 0.3; Path (" + std::to_string(x0) + "," + std::to_string(y0) +
         ") (" + std::to_string(x1) + "," + std::to_string(y1) + "); Ending Stop;";
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
  piece.MoveUntil = now + 300;
}

void TRulesGame::AnimateQueue() {
  if (PieceQueue.Count() < kQueueLength) return;
  AddQueueFlight(PieceQueue[0], "ToMouseMove2", LinearPath(688, 356, CursorX, CursorY),
                 kFullScreenClip);
  for (int k = 1; k <= kQueueLength - 2; ++k)
    AddQueueFlight(PieceQueue[k], "",
                   LinearPath(688 - 42 * k, 356 + 84 * k, 730 - 42 * k, 272 + 84 * k),
                   kFullScreenClip);
  const int k = kQueueLength - 1;
  AddQueueFlight(PieceQueue[k], "",
                 LinearPath(604 - 42 * k, 524 + 84 * k, 730 - 42 * k, 272 + 84 * k), kQueueClip);
}

}  // namespace rules
