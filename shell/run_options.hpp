// shell/run_options.hpp — the command line of zerith: how a run starts (window or headless),
// how long it lasts, what it records, replays or captures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace shell {

struct TRunOptions {
  bool Help = false;
  bool Version = false;
  bool Headless = false;
  bool NoVSync = false;
  int Frames = -1;         // stop after this many frames; -1 runs until the game is closed
  uint32_t FrameMs = 16;   // headless: how far each frame moves the clock
  std::string Screenshot;  // PNG of the back buffer after the last frame
  std::string ShotFolder;  // with ShotEvery: a PNG every ShotEvery frames into this folder
  int ShotEvery = 0;
  std::string InputFile;   // events to replay
  std::string RecordFile;  // where to write this run's seed, frame ticks and events
  std::optional<uint32_t> Seed;
  bool Autoplay = false;
  int Mode = 2;            // autoplay: 1 NoLose, 2 Puzzle, 3 Strategy
  int Levels = -1;         // autoplay: stop after this many level ends; -1 plays on
  std::string DataFolder;  // the game's folder instead of the executable's
  std::string SavedGame;   // a saved game to open at start
  std::string LevelFile;   // with DebugMode 739: the level a new game starts on
  std::string EndState;    // where to write the game's state when the run ends
};

// A file argument ending in ".sav" (any case) is a saved game; any other is a level file.
bool IsSavedGameArgument(const std::string& arg);

// Reads argv (without the program name). Raises data::Error with a one-line message naming the
// argument for anything it does not understand.
TRunOptions ParseRunOptions(const std::vector<std::string>& args);

// The text of --help.
std::string RunOptionsHelp();

}  // namespace shell
