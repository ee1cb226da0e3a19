// shell/options.hpp — the player's settings in "options.cfg": defaults, tolerant reading,
// crash-safe writing, and the volume sliders that change them live.
#pragma once

#include <string>
#include <vector>

#include "shell/sound_table.hpp"

namespace shell {

inline constexpr std::string_view kOptionsFile = "options.cfg";
inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr int kOptionsBuild = 115;  // written to [Version] Build
inline constexpr int kDebugUnlock = 739;   // DebugMode that unlocks the debug keys and level files

struct TOptions {
  int ScreenWidth = 800;  // full-screen mode used when the display is set up again
  int ScreenHeight = 600;
  int BitsPerPixel = 32;           // full-screen colour depth: 16 or 32
  int LoadingX = 0, LoadingY = 0;  // read and kept, not used
  int SoundVolume = 100;           // 0..100
  int MusicVolume = 100;           // 0..100
  int DebugMode = 0;
  int FullScreenMode = 0;                // 1 full screen, 0 windowed
  int WindowModeX = 0, WindowModeY = 0;  // window position; read at start, never written
  int TurnOffHint = 0;                   // 1 hides the free-place hints
  std::string PlayerName = "Player";

  bool operator==(const TOptions&) const = default;
};

// Reads the file; a missing file gives the defaults silently. A value that is no whole number
// or lies outside its key's range (BitsPerPixel 16 or 32; volumes 0..100; FullScreenMode and
// TurnOffHint 0 or 1; ScreenWidth and ScreenHeight 1..16384) takes the default, and one line
// naming the key, the value and the default goes to `problems` for the log. A file that
// exists but cannot be read is such a problem too (all defaults).
TOptions LoadOptions(const std::string& path, std::vector<std::string>& problems);

// Writes [Version] Build=115, then PlayerName, SoundVolume, MusicVolume, FullScreenMode,
// TurnOffHint and BitsPerPixel in [Options], leaving every other line of the file as it was.
// The file is replaced atomically. Raises data::Error when it cannot be written, or when an
// existing file cannot be read (writing then would lose the player's other keys).
void SaveOptions(const std::string& path, const TOptions& options);

// The volume sliders (WOptions_SMusicVolume_Change, WOptions_SSoundVolume_Change): take the
// slider's Position, store the volume (SliderVolume), apply both volumes to the device, and
// — music: when it was 0 before, start CurrentMusic again (it never started while silent);
// — sound: once the intro has begun, play kVolumeChangeSound at the new volume.
void ChangeMusicVolume(TOptions& options, TSoundTable& sounds, int sliderPosition);
void ChangeSoundVolume(TOptions& options, TSoundTable& sounds, int sliderPosition, bool introBegun);
// After LoadOptions (start-up, Cancel): the device gets the stored volumes again.
void ApplyVolumes(const TOptions& options, TSoundTable& sounds);

// How the main window uses the rest of the options window (the display changes are its own):
//   ShowOptionsState: WOptions_CBFullScreen Checked = FullScreenMode; WOptions_CB32bitColor
//     Visible = FullScreenMode, Checked = (BitsPerPixel == 32) in full screen;
//     WOptions_CBTurnOffHints Checked = TurnOffHint; the two sliders' Position = the volumes.
//   OK: TurnOffHint from its box; SaveOptions; then DecideDisplayChange below.
//   Cancel: options = LoadOptions(...); ShowOptionsState; ApplyVolumes.
//   ToggleFullScreen: FullScreenMode = 1 - FullScreenMode; SaveOptions; rebuild the display.
struct TDisplayChange {
  bool DepthChanged = false;      // BitsPerPixel was changed: SaveOptions again
  bool ToggleFullScreen = false;  // call ToggleFullScreen
  bool RebuildDisplay = false;    // call RebuildDisplay (only without a toggle)
};
// The OK button's display step, given the two check boxes: in full screen a disagreeing colour
// box sets BitsPerPixel; a disagreeing full-screen box asks for a toggle, otherwise a changed
// depth asks for a rebuild. In windowed mode the colour box has no effect.
TDisplayChange DecideDisplayChange(TOptions& options, bool fullScreenBox, bool color32Box);

}  // namespace shell
