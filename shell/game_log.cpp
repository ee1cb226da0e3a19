// shell/game_log.cpp — writing "Zerith.log".
#include "shell/game_log.hpp"

#include <cstdio>
#include <filesystem>

#include "data/error.hpp"

namespace shell {

std::string LogStamp(uint32_t ms) {
  return "{" + std::to_string(ms / 60000) + ":" + std::to_string((ms / 1000) % 60) + ":" +
         std::to_string(ms % 1000) + "} ";
}

TGameLog::TGameLog(std::string logPath, std::function<uint32_t()> tickClock)
    : path(std::move(logPath)), clock(std::move(tickClock)) {}

void TGameLog::Restart() {
  std::error_code ec;
  std::filesystem::remove(path, ec);
  startTick = clock();
}

void TGameLog::WriteLog(const std::string& message) {
  // Appending and flushing each line keeps what a rewrite of the whole file kept: every line
  // logged before a crash is on disk. Lines end with CR LF as the log always did.
  const std::string line = LogStamp(clock() - startTick) + message + "\r\n";
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) throw data::Error("Cannot write the log \"" + path + "\"");
  const bool ok = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  const bool closed = std::fclose(file) == 0;
  if (!ok || !closed) throw data::Error("Cannot write the log \"" + path + "\"");
}

}  // namespace shell
