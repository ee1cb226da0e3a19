// shell/file_names.hpp — names players type for saved games: plain file names, never paths.
#pragma once

#include <string>
#include <string_view>

namespace shell {

constexpr size_t kMaxSaveNameBytes = 64;

// Empty when the name can be a saved game's file name in the saves folder; otherwise the
// message to show, naming the reason. NOTE: the empty name is refused too; the windows skip it
// before asking, as an empty edit does nothing.
std::string SaveNameProblem(std::string_view name);

// Raises data::Error with the message above for a name that is not a plain file name.
void CheckSaveName(std::string_view name);

}  // namespace shell
