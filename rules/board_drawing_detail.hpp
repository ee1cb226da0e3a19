// rules/board_drawing_detail.hpp — helpers the board drawing files share.
#pragma once

#include <string>

#include "rules/part_effect.hpp"
#include "rules/rounding.hpp"
#include "rules/services.hpp"
#include "rules/timings.hpp"

namespace rules {

class TRulesGame;

namespace drawing {

TSourceRect Whole(TPictureSize size);
bool Loaded(TPictureSize size);  // a picture not in the store reads 0 x 0
// Alpha of a picture or boss the hand covers: towards half over kCoverFadeMs and back.
int CoverAlpha(bool covered, TTick coverStart, TTick coverEnd, TTick now);
// Every particle of the entry's effect. onBoard: the entry's position is in board units and
// raised by raise, and its picture is clipped to the board view; otherwise screen px, clipped
// to the entry's Clip.
void DrawEffectEntry(const TRulesGame& game, const TPartEffect& entry, const std::string& target,
                     bool onBoard, int raise = 0);

}  // namespace drawing
}  // namespace rules
