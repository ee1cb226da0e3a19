// fx/error_log.cpp
#include "fx/error_log.hpp"

#include <ctime>
#include <fstream>
#include <memory>
#include <ostream>

#include "data/error.hpp"

namespace fx {
namespace {

struct TLogState {
  std::ostream* sink = nullptr;
  std::unique_ptr<std::ofstream> file;
  std::function<std::string()> clock;
};

TLogState& State() {
  static TLogState state;
  return state;
}

std::string LocalDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace

std::string FormatErrorReport(int32_t code, std::string_view message, bool timeStamp,
                              const std::string& stamp) {
  std::string text;
  if (timeStamp) text = "(" + stamp + ") ";
  if (code < 0) text += "ERROR (code " + std::to_string(code) + "): ";
  text.append(message);
  return text;
}

void ReportError(int32_t code, std::string_view message, bool lineEnd, bool timeStamp) {
  TLogState& state = State();
  if (!state.sink) return;
  const std::string stamp = timeStamp ? (state.clock ? state.clock() : LocalDateTime()) : "";
  *state.sink << FormatErrorReport(code, message, timeStamp, stamp);
  if (lineEnd) *state.sink << '\n';
  state.sink->flush();
}

void SetErrorLogSink(std::ostream* sink) {
  State().file.reset();
  State().sink = sink;
}

void SetErrorLogFile(const std::string& path) {
  auto file = std::make_unique<std::ofstream>(path, std::ios::app);
  if (!*file) throw data::Error("Cannot open the effects log \"" + path + "\"");
  State().sink = file.get();
  State().file = std::move(file);
}

void SetErrorLogClock(std::function<std::string()> clock) {
  State().clock = std::move(clock);
}

}  // namespace fx
