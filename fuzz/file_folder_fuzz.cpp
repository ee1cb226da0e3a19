// fuzz/file_folder_fuzz.cpp — any bytes as a packed archive: open, then every entry read.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/error.hpp"
#include "data/file_folder.hpp"

namespace {

// One scratch file per fuzzing process, rewritten for every input.
const std::string& ScratchPath() {
  static const std::string path = [] {
    char name[] = "/tmp/zerith-fuzz-archive-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0) ::close(fd);
    return std::string(name);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string& path = ScratchPath();
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(bytes, 1, size, file);
  std::fclose(file);
  data::TFileFolder folder(path);
  for (size_t i = 0; i < folder.Dir.size(); ++i) {
    // A name held twice resolves to its first entry, whose size the stream must have.
    const size_t first = static_cast<size_t>(folder.IndexOf(folder.Dir[i].Name()));
    try {
      data::TMemoryStream* stream = folder.GetFileStream(folder.Dir[i].Name());
      if (!stream || stream->Size() != static_cast<size_t>(folder.Dir[first].Size))
        __builtin_trap();
    } catch (const data::Error&) {
      if (folder.Files[first].Stream->Size() != 0) __builtin_trap();
    }
  }
  return 0;
}
