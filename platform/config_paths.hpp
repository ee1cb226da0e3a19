// platform/config_paths.hpp — where the player's per-user values live (what the registry
// held on the game's first home): $XDG_CONFIG_HOME/Tovrel/Zerith.
#pragma once

#include <string>

namespace platform {

// $XDG_CONFIG_HOME/Tovrel/Zerith when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/Tovrel/Zerith (HOME from the password database when unset); empty when no
// home can be found. The folder is not created.
std::string UserValuesFolder();

// Creates the folder and its parents as needed; false (with the reason) when it cannot.
bool MakeFolder(const std::string& path, std::string& reason);

}  // namespace platform
