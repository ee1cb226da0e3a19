// platform/system.hpp — the operating system as the game needs it: the SDL session, folders,
// the system description for the log, error boxes and opening links.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// SDL for the lifetime of the object. Headless sessions use SDL's dummy video and audio
// drivers, so no display is needed.
class TSdlSession {
 public:
  TSdlSession() = default;
  ~TSdlSession();
  TSdlSession(const TSdlSession&) = delete;
  TSdlSession& operator=(const TSdlSession&) = delete;

  // False with Error when SDL cannot start (for a window: no display available).
  bool Start(bool headless);
  const std::string& Error() const { return error; }
  bool Headless() const { return headless; }

 private:
  bool started = false;
  bool headless = false;
  std::string error;
};

// The folder of the running executable, with a trailing '/'.
std::string ProgramFolder();
// True when the folder exists and files can be created in it.
bool IsWritableFolder(const std::string& folder);
// $XDG_DATA_HOME or ~/.local/share, and $XDG_CONFIG_HOME or ~/.config; no trailing '/'.
std::string DataHome();
std::string ConfigHome();

// "PRETTY_NAME (kernel release)", from /etc/os-release and uname; empty parts are left out.
std::string GetOSName();
// The processor's brand string (CPUID on x86, /proc/cpuinfo elsewhere); empty when unknown.
std::string GetProcessorName();
uint64_t TotalMemoryBytes();

// An error box with one OK button over the game's window; on stderr when there is no display.
void ShowErrorBox(const std::string& title, const std::string& message, bool useWindow);

// Opens a link or file with the desktop's handler (xdg-open), never through a shell; false when
// it could not be started.
bool OpenWithDesktop(const std::string& target);

}  // namespace platform

namespace platform {

// The desktop clipboard as UTF-8 text; empty when it holds no text.
std::string GetClipboardText();
void SetClipboardText(const std::string& text);

}  // namespace platform
