// shell/end_state.hpp — where a run ended, as text a script or a test can check: the game's
// state, the windows shown, mode, level, score and the pieces on the board.
#pragma once

#include <string>

namespace shell {

class TMainWindow;

// The text form of a game state ("gsTitle"), or its number for an unknown one.
std::string GameStateName(int state);

// One KEY=VALUE a line: GameState, Windows (bottom first, space between), Mode, Level, Score,
// Pieces (on the board in the current layer).
std::string EndStateText(TMainWindow& window);

// Writes EndStateText to path; raises data::Error.
void WriteEndState(TMainWindow& window, const std::string& path);

}  // namespace shell
