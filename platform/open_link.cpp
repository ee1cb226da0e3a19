// platform/open_link.cpp — xdg-open started with posix_spawn; the child is reaped in the
// background so no zombie is left behind.
#include "platform/open_link.hpp"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "data/text_helpers.hpp"

extern char** environ;

namespace platform {

namespace {

std::string& Opener() {
  static std::string program = "xdg-open";
  return program;
}

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

}  // namespace

std::string ShortcutUrl(std::string_view text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.substr(0, 4) == "URL=") return std::string(line.substr(4));
    start = end + 1;
  }
  return {};
}

bool OpenLink(const std::string& target, std::string* error) {
  std::string link = target;
  if (data::EndsWithText(target, ".url")) {
    std::ifstream file(target, std::ios::binary);
    if (!file) return Fail(error, "Cannot open the link file \"" + target + "\"");
    std::ostringstream text;
    text << file.rdbuf();
    link = ShortcutUrl(text.str());
  }
  if (link.empty()) return Fail(error, "The link \"" + target + "\" names nothing to open");
  // The opener would read a leading "-" as one of its own options.
  if (link.front() == '-') return Fail(error, "Refusing to open the link \"" + link + "\"");
  const std::string program = Opener();
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(link.c_str()), nullptr};
  pid_t pid = 0;
  const int rc = ::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
  if (rc != 0)
    return Fail(error, "Cannot start " + program + " for \"" + link + "\": " + std::strerror(rc));
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

void SetLinkOpener(std::string program) {
  Opener() = program.empty() ? "xdg-open" : std::move(program);
}

}  // namespace platform
