// shell/screen_handlers.hpp — where the screens' handlers join the main window.
#pragma once

namespace shell {

class TMainWindow;

// Publishes every handler the interface file calls by name (WTitle_BNewGame_MouseUp, ...) into
// window.Handlers(), and may set window.KeyDownHook / KeyUpHook (keyboard shortcuts) and
// window.PrepareScreensHook (high scores, extra logos, attention points: run at start-up once
// the interface is loaded). Called once, right after the interface engine is created.
// Defined by the screens' own files (shell/handlers_*.cpp).
void RegisterScreenHandlers(TMainWindow& window);

}  // namespace shell
