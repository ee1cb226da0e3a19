// shell/game_runner.hpp — one run of zerith from the command line to the exit status: the
// platform, the main window, the loop of frames, and what a headless or scripted run adds
// (virtual clock, replayed or recorded input, the built-in player, screenshots).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace shell {

// args without the program name. Messages go to err (and to an error box when there is a
// window); autoplay's level lines go to out.
int RunZerith(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes the back buffer of a finished frame as a PNG picture; raises data::Error.
class TMainWindow;
void WriteScreenshot(TMainWindow& window, const std::string& path);

}  // namespace shell
