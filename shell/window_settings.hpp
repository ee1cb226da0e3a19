// shell/window_settings.hpp — the option values the main window itself works with (display,
// hints, debug keys, volumes), as read from "options.cfg".
#pragma once

#include <string>

namespace shell {

struct TWindowSettings {
  int ScreenWidth = 800;
  int ScreenHeight = 600;
  int BitsPerPixel = 32;  // 16 or 32
  bool FullScreen = false;
  bool TurnOffHint = false;
  int DebugMode = 0;  // 739 unlocks the debug keys
  int SoundVolume = 100;
  int MusicVolume = 100;
  int WindowModeX = 0;
  int WindowModeY = 0;
  std::string PlayerName = "Player";
};

}  // namespace shell
