// shell/game_log.hpp — the plain-text log "Zerith.log": the start-up sequence, the system it ran
// on and the average frame rate, each line stamped with the time since start.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace shell {

// "{minutes:seconds:millis} " for ms since start; minutes do not wrap at 60.
std::string LogStamp(uint32_t msSinceStart);

class TGameLog {
 public:
  // NOTE: the clock must outlive the log.
  TGameLog(std::string path, std::function<uint32_t()> clock);

  // Deletes the old log and takes the start tick; every line is stamped relative to it.
  void Restart();
  // Appends one stamped line and flushes it, so everything logged before a crash is on disk.
  // Raises data::Error when the file cannot be written.
  void WriteLog(const std::string& message);

  const std::string& Path() const { return path; }
  uint32_t StartTick() const { return startTick; }

 private:
  std::string path;
  std::function<uint32_t()> clock;
  uint32_t startTick = 0;
};

}  // namespace shell
