// fuzz/options_fuzz.cpp — any bytes as "options.cfg": read with defaults, then rewritten the way
// the options window saves it; the values written must read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "shell/options.hpp"
#include "shell/options_ini.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string text(fuzz::Text(bytes, size));
  std::vector<std::string> problems;
  const shell::TOptions options = shell::LoadOptions(fuzz::MemoryFile(text), problems);
  if (options.SoundVolume < 0 || options.SoundVolume > 100) std::abort();
  if (options.BitsPerPixel != 16 && options.BitsPerPixel != 32) std::abort();

  shell::TIniFile ini(text);
  const std::string volume = std::to_string(options.SoundVolume);
  ini.Write("Version", "Build", std::to_string(shell::kOptionsBuild));
  ini.Write(shell::kOptionsSection, "SoundVolume", volume);
  ini.Write(shell::kOptionsSection, "FullScreenMode", "1");
  const shell::TIniFile reread(ini.Text());
  if (reread.Read(shell::kOptionsSection, "SoundVolume") != volume) std::abort();
  if (reread.Read(shell::kOptionsSection, "FullScreenMode") != "1") std::abort();
  if (reread.Read("Version", "Build") != std::to_string(shell::kOptionsBuild)) std::abort();
  return 0;
}
