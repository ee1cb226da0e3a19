// platform/system.cpp — the SDL session, folders, the system description for the log, error
// boxes and opening links with the desktop.
#include "platform/system.hpp"

#include <SDL.h>
#include <spawn.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

extern char** environ;

namespace platform {

TSdlSession::~TSdlSession() {
  if (started) SDL_Quit();
}

bool TSdlSession::Start(bool headlessRun) {
  headless = headlessRun;
  if (headless) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
  }
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (!headless && !set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("SDL_VIDEODRIVER")) {
    error = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return false;
  }
  // The screen saver stays off while the game runs (SDL's default), as players expect.
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    error = SDL_GetError();
    return false;
  }
  started = true;
  // SDL falls back to drivers that show nothing; a window on them would be invisible.
  const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if (!headless && (driver == "offscreen" || driver == "dummy" || driver == "evdev")) {
    error = "SDL found no screen, only the \"" + driver + "\" video driver";
    return false;
  }
  return true;
}

std::string ProgramFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::current_path(ec) / "zerith";
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool IsWritableFolder(const std::string& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return false;
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

namespace {

std::string HomeBased(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : "/tmp") + fallback;
}

std::string OsReleasePrettyName() {
  std::ifstream in("/etc/os-release");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("PRETTY_NAME=", 0) != 0) continue;
    std::string value = line.substr(12);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\''))
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return {};
}

}  // namespace

std::string DataHome() {
  return HomeBased("XDG_DATA_HOME", "/.local/share");
}
std::string ConfigHome() {
  return HomeBased("XDG_CONFIG_HOME", "/.config");
}

std::string GetOSName() {
  std::string name = OsReleasePrettyName();
  utsname u{};
  if (uname(&u) == 0) {
    const std::string kernel = std::string(u.sysname) + " " + u.release;
    name = name.empty() ? kernel : name + " (" + kernel + ")";
  }
  return name;
}

std::string GetProcessorName() {
#if defined(__x86_64__) || defined(__i386__)
  unsigned highest = __get_cpuid_max(0x80000000u, nullptr);
  if (highest > 0x80000003u) {
    char brand[49] = {};
    for (unsigned i = 0; i < 3; ++i) {
      unsigned regs[4] = {};
      __get_cpuid(0x80000002u + i, &regs[0], &regs[1], &regs[2], &regs[3]);
      std::memcpy(brand + 16 * i, regs, 16);
    }
    std::string text(brand);
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
  }
#endif
  std::ifstream in("/proc/cpuinfo");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("model name", 0) != 0 && line.rfind("Model", 0) != 0) continue;
    const size_t colon = line.find(':');
    if (colon != std::string::npos) return line.substr(line.find_first_not_of(" \t", colon + 1));
  }
  return {};
}

uint64_t TotalMemoryBytes() {
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return 0;
  return static_cast<uint64_t>(info.totalram) * info.mem_unit;
}

void ShowErrorBox(const std::string& title, const std::string& message, bool useWindow) {
  if (useWindow &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr) == 0)
    return;
  std::cerr << title << ": " << message << std::endl;
}

bool OpenWithDesktop(const std::string& target) {
  if (target.empty()) return false;
  const char* argv[] = {"xdg-open", target.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
    return false;
  // xdg-open hands the target on and ends at once; waiting keeps no zombie behind.
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform

namespace platform {

std::string GetClipboardText() {
  char* text = SDL_GetClipboardText();
  std::string result = text ? text : "";
  SDL_free(text);
  return result;
}

void SetClipboardText(const std::string& text) {
  SDL_SetClipboardText(text.c_str());
}

}  // namespace platform
