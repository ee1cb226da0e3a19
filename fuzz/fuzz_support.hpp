// fuzz/fuzz_support.hpp — helpers shared by the harnesses: inputs as files that never touch the
// disk, and small pictures the composition harnesses draw from.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/file_folder.hpp"

namespace fuzz {

// Readers that take a path (archives) get one anonymous in-memory file per process, rewritten
// for every input; nothing is left behind in /tmp when the process ends, however it ends.
inline std::string MemoryFile(std::string_view bytes) {
  static const int fd = ::memfd_create("zerith-fuzz-input", MFD_CLOEXEC);
  if (fd < 0) return {};
  if (::ftruncate(fd, 0) != 0) return {};
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n <= 0) return {};
    done += static_cast<size_t>(n);
  }
  return "/proc/self/fd/" + std::to_string(fd);
}

inline std::string_view Text(const uint8_t* bytes, size_t size) {
  return {reinterpret_cast<const char*>(bytes), size};
}

// Puts new bytes into an archive entry that was added in memory.
inline void ReplaceEntry(data::TFileFolder& archive, std::string_view name,
                         std::string_view bytes) {
  const int index = archive.IndexOf(name);
  if (index < 0) {
    archive.AddFile(name, 0, data::TMemoryStream(bytes));
    return;
  }
  archive.ReplaceFile(index, data::TMemoryStream(bytes));
}

}  // namespace fuzz
