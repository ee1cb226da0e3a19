// fuzz/input_script_fuzz.cpp — any bytes as a --input event file; the events it holds must be
// written by --record as a file that reads back as the same events.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "shell/input_script.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::vector<shell::TInputEvent> events;
  try {
    events = shell::ParseInputScript(fuzz::Text(bytes, size));
  } catch (const data::Error&) {
    return 0;
  }
  std::vector<shell::TInputEvent> again;
  try {
    again = shell::ParseInputScript(shell::WriteInputScript(events));
  } catch (const data::Error&) {
    std::abort();  // a recording the game cannot replay
  }
  if (again != events) std::abort();
  return 0;
}
