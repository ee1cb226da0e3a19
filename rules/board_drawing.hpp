// rules/board_drawing.hpp — the board's contents as pictures: map, attach hints, snap preview,
// pieces with level pictures and bonus icons, bosses, queue, and the particle effects.
#pragma once

#include <string>

#include "rules/part_effect.hpp"
#include "rules/services.hpp"

namespace rules {

class TRulesGame;

// Each draws onto the surface named target through the game's services, at the services'
// current tick. In play a frame calls, after the background copy: DrawSnapPreview (unless the
// level is done), DrawPieces, DrawBosses, DrawQueue, DrawLevelEffects, DrawScreenEffects; the
// cached background holds DrawMap and, unless the hints are turned off, DrawHints.
void DrawMap(const TRulesGame& game, const std::string& target);
void DrawHints(const TRulesGame& game, const std::string& target);
void DrawSnapPreview(const TRulesGame& game, const std::string& target);
void DrawPieces(const TRulesGame& game, const std::string& target);
// Bosses standing on a finished layer's pieces are not drawn: that structure is gone from view.
void DrawBosses(const TRulesGame& game, const std::string& target);
void DrawQueue(const TRulesGame& game, const std::string& target);
void DrawLevelEffects(const TRulesGame& game, const std::string& target);
void DrawScreenEffects(const TRulesGame& game, const std::string& target);

// The part of a picture (source, at screen (x, y)) that lies inside clip (screen px, Right and
// Bottom exclusive) is drawn; nothing when none of it does.
void DrawClippedTo(TRulesServices& services, const std::string& picture, const std::string& target,
                   int x, int y, TSourceRect source, const TClipRect& clip, int alpha,
                   uint32_t color = 0, int mix = 0);
// The same against the board view, at view position (vx, vy).
void DrawClipped(TRulesServices& services, const std::string& picture, const std::string& target,
                 int vx, int vy, TSourceRect source, int alpha, uint32_t color = 0, int mix = 0);

}  // namespace rules
