// platform/config_paths.cpp — the per-user values folder after the XDG base directory rules.
#include "platform/config_paths.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

constexpr const char* kVendorAndGame = "/Tovrel/Zerith";

std::string Home() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

}  // namespace

std::string UserValuesFolder() {
  // Relative values are to be ignored, as the base directory rules say.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
    return std::string(config) + kVendorAndGame;
  const std::string home = Home();
  return home.empty() ? std::string() : home + "/.config" + kVendorAndGame;
}

bool MakeFolder(const std::string& path, std::string& reason) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) {
    reason = ec.message();
    return false;
  }
  return true;
}

}  // namespace platform
