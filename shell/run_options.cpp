// shell/run_options.cpp — reading zerith's command line.
#include "shell/run_options.hpp"

#include "data/error.hpp"
#include "data/number_text.hpp"
#include "data/text_helpers.hpp"

namespace shell {
namespace {

template <typename T>
T Number(const std::string& flag, const std::string& text, T low, T high) {
  const std::optional<int64_t> value = data::ParseStrictInteger(text);
  if (!value || *value < low || *value > high)
    throw data::Error(flag + " needs a whole number from " + std::to_string(low) + " to " +
                      std::to_string(high) + ", not \"" + text + "\"");
  return static_cast<T>(*value);
}

}  // namespace

bool IsSavedGameArgument(const std::string& arg) {
  return data::EndsWithText(arg, ".sav");
}

namespace {

void FileArgument(TRunOptions& o, const std::string& arg) {
  if (IsSavedGameArgument(arg)) {
    if (!o.SavedGame.empty())
      throw data::Error("Only one saved game can be opened, not also \"" + arg + "\"");
    o.SavedGame = arg;
  } else {
    if (!o.LevelFile.empty())
      throw data::Error("Only one level file can be played, not also \"" + arg + "\"");
    o.LevelFile = arg;
  }
}

}  // namespace

TRunOptions ParseRunOptions(const std::vector<std::string>& args) {
  TRunOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw data::Error(a + " needs a value (see zerith --help)");
      return args[++i];
    };
    if (a == "--help" || a == "-h")
      o.Help = true;
    else if (a == "--version")
      o.Version = true;
    else if (a == "--headless")
      o.Headless = true;
    else if (a == "--no-vsync")
      o.NoVSync = true;
    else if (a == "--autoplay")
      o.Autoplay = true;
    else if (a == "--frames")
      o.Frames = Number<int>(a, value(), 0, 1 << 30);
    else if (a == "--frame-ms")
      o.FrameMs = Number<uint32_t>(a, value(), 1, 1000);
    else if (a == "--screenshot")
      o.Screenshot = value();
    else if (a == "--screenshot-dir")
      o.ShotFolder = value();
    else if (a == "--screenshot-every")
      o.ShotEvery = Number<int>(a, value(), 1, 1 << 30);
    else if (a == "--input")
      o.InputFile = value();
    else if (a == "--record")
      o.RecordFile = value();
    else if (a == "--seed")
      o.Seed = Number<uint32_t>(a, value(), 0, UINT32_MAX);
    else if (a == "--mode")
      o.Mode = Number<int>(a, value(), 1, 3);
    else if (a == "--levels")
      o.Levels = Number<int>(a, value(), 1, 1 << 20);
    else if (a == "--data")
      o.DataFolder = value();
    else if (a == "--end-state")
      o.EndState = value();
    else if (!a.empty() && a[0] == '-')
      throw data::Error("Unknown option \"" + a + "\" (see zerith --help)");
    else
      FileArgument(o, a);
  }
  if (o.ShotEvery > 0 && o.ShotFolder.empty())
    throw data::Error("--screenshot-every needs --screenshot-dir DIR");
  if (!o.InputFile.empty() && o.Autoplay)
    throw data::Error("--input and --autoplay cannot be used together");
  return o;
}

std::string RunOptionsHelp() {
  return R"(Usage: zerith [OPTIONS] [FILE.sav] [LEVEL.xml]

Zerith, a puzzle game of crystal pieces. Without options it opens its window.

  FILE.sav               a saved game (any file whose name ends in .sav, in any case) to open
                         once the title shows
  LEVEL.xml              any other file argument: with DebugMode=739 in options.cfg, the level a
                         new game starts on instead of the first level. A path on disk; a bare
                         name that is no file is looked up in levels/levels.zxc (Level7.xml).
                         Its pictures come from the levels archive. Ignored (with a line in the
                         log) without debug mode

Options:
  --help                 this text
  --version              the version
  --headless             run without a window or sound (SDL's dummy drivers) on a virtual clock
  --frames N             stop after N frames
  --frame-ms MS          headless: milliseconds each frame moves the clock (default 16)
  --no-vsync             draw frames as fast as possible instead of at the display's rate
  --screenshot FILE.png  write the last frame as a PNG picture
  --screenshot-dir DIR   with --screenshot-every N: write every N-th frame into DIR
  --screenshot-every N
  --input FILE           replay the events of FILE (as written by --record)
  --record FILE          write the seed, frame ticks and every input event of this run to FILE
  --seed N               seed of the game's random numbers (the same seed deals the same pieces)
  --autoplay             let the built-in player play; one line per level's end on stdout,
                         and at the end the frames played and the slowest frame's real time
  --mode 1|2|3           autoplay's game mode: 1 NoLose, 2 Puzzle (default), 3 Strategy
  --levels N             autoplay: stop after N levels have ended
  --data DIR             use the game's data and files in DIR instead of the program's folder
  --end-state FILE       when the run ends, write the game's state, shown windows, mode, level,
                         score and pieces on the board to FILE, one KEY=VALUE a line
)";
}

}  // namespace shell
