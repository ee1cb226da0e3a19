// fuzz/file_folder_fuzz.cpp — any bytes as a packed archive: open, then every entry read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string path = fuzz::MemoryFile(fuzz::Text(bytes, size));
  if (path.empty()) return 0;
  data::TFileFolder folder(path);
  for (size_t i = 0; i < folder.Dir().size(); ++i) {
    // A name held twice resolves to its first entry, whose size the stream must have.
    const size_t first = static_cast<size_t>(folder.IndexOf(folder.Dir()[i].Name()));
    if (first > i) __builtin_trap();
    try {
      data::TMemoryStream* stream = folder.GetFileStream(folder.Dir()[i].Name());
      if (!stream || stream->Size() != static_cast<size_t>(folder.Dir()[first].Size))
        __builtin_trap();
    } catch (const data::Error&) {
      if (folder.EntryStream(static_cast<int>(first)).Size() != 0) __builtin_trap();
    }
  }
  return 0;
}
