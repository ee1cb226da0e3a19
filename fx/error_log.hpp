// fx/error_log.hpp — an effects error log. Off unless its owner switches it on: the game never
// does, so reports are dropped; effect authors may turn it on to trace failures.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace fx {

constexpr int32_t kErrorFailCode = static_cast<int32_t>(0x80004005u);

// The text of a report: "ERROR (code N): " before the message for failure (negative) codes, and
// "(STAMP) " in front when timeStamp is set.
std::string FormatErrorReport(int32_t code, std::string_view message, bool timeStamp,
                              const std::string& stamp);

class TErrorLog {
 public:
  TErrorLog();
  ~TErrorLog();
  TErrorLog(const TErrorLog&) = delete;
  TErrorLog& operator=(const TErrorLog&) = delete;

  // Writes a report (and a line end when lineEnd) to the sink and flushes it; dropped while
  // logging is off.
  void Report(int32_t code, std::string_view message, bool lineEnd, bool timeStamp);

  // NOTE: the sink must outlive the logging; null switches logging off (the default).
  void SetSink(std::ostream* sink);
  // Opens (appending) a log file and switches logging on; raises data::Error if it cannot.
  void SetFile(const std::string& path);
  // The date-and-time text of stamped reports; by default the local date and time.
  void SetClock(std::function<std::string()> clock);
  bool Enabled() const { return sink != nullptr; }

 private:
  std::ostream* sink = nullptr;
  std::unique_ptr<std::ofstream> file;
  std::function<std::string()> clock;
};

}  // namespace fx
