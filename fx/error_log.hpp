// fx/error_log.hpp — the effects engine's own error log. Off unless someone switches it on: the
// game never does, so reports are dropped; effect authors may turn it on to trace failures.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace fx {

constexpr int32_t kErrorFailCode = static_cast<int32_t>(0x80004005u);

// The text of a report: "ERROR (code N): " before the message for failure (negative) codes, and
// "(STAMP) " in front when timeStamp is set.
std::string FormatErrorReport(int32_t code, std::string_view message, bool timeStamp,
                              const std::string& stamp);

// Writes a report (and a line end when lineEnd) to the log sink and flushes it; dropped while
// logging is off.
void ReportError(int32_t code, std::string_view message, bool lineEnd, bool timeStamp);

// NOTE: the sink must outlive the logging; null switches logging off (the default).
void SetErrorLogSink(std::ostream* sink);
// Opens (appending) a log file and switches logging on; raises data::Error if it cannot.
void SetErrorLogFile(const std::string& path);
// The date-and-time text of stamped reports; by default the local date and time.
void SetErrorLogClock(std::function<std::string()> clock);

}  // namespace fx
