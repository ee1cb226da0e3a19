// shell/board_frame.cpp — the board's layers within a frame, in the order the game screen stacks
// them; what each layer holds is the rules' board drawing.
#include "shell/main_window.hpp"

namespace shell {

void TMainWindow::DrawBoardBackground(const std::string& target) {
  (void)target;  // the map and, unless turned off, the attach hints
}

void TMainWindow::DrawBoardScene(const std::string& target) {
  (void)target;  // pieces with level pictures, bosses, queue: the frozen scene
}

void TMainWindow::DrawBoardLive(const std::string& target) {
  (void)target;  // snap preview, pieces, bosses, queue, level and screen effects
}

void TMainWindow::DrawScreenEffects(const std::string& target) {
  (void)target;
}

}  // namespace shell
