// fx/error_log.cpp
#include "fx/error_log.hpp"

#include <ctime>
#include <fstream>
#include <ostream>

#include "data/error.hpp"

namespace fx {
namespace {

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

TErrorLog::TErrorLog() = default;
TErrorLog::~TErrorLog() = default;

void TErrorLog::Report(int32_t code, std::string_view message, bool lineEnd, bool timeStamp) {
  if (!sink) return;
  const std::string stamp = timeStamp ? (clock ? clock() : LocalDateTime()) : "";
  *sink << FormatErrorReport(code, message, timeStamp, stamp);
  if (lineEnd) *sink << '\n';
  sink->flush();
}

void TErrorLog::SetSink(std::ostream* newSink) {
  file.reset();
  sink = newSink;
}

void TErrorLog::SetFile(const std::string& path) {
  auto opened = std::make_unique<std::ofstream>(path, std::ios::app);
  if (!*opened) throw data::Error("Cannot open the effects log \"" + path + "\"");
  sink = opened.get();
  file = std::move(opened);
}

void TErrorLog::SetClock(std::function<std::string()> newClock) {
  clock = std::move(newClock);
}

}  // namespace fx
