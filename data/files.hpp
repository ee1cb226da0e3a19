// data/files.hpp — whole-file reading and crash-safe writing.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace data {

// The file's bytes; raises data::Error "Cannot open file \"PATH\": REASON" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Writes to a temporary file beside PATH, flushes it to disk and renames it over PATH, so a
// crash or a full disk leaves either the old file or the new one, never a half-written file.
// A PATH that is a symbolic link stays one: the file it points to is replaced. The new file
// keeps the old one's permissions (and owner, where allowed); a new file gets 0666 less umask.
// Raises data::Error, one line naming PATH and the reason; the old file is then untouched and
// no temporary file is left behind.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The system calls WriteFileAtomically makes. Each returns what the system call returns and
// sets errno the same way; tests replace one to make it fail.
class TFileWriteCalls {
 public:
  virtual ~TFileWriteCalls() = default;
  virtual int Open(const char* path, int flags, mode_t mode);
  virtual ssize_t Write(int fd, const void* bytes, size_t count);
  virtual int Fsync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const char* from, const char* to);
};

// Installs the calls WriteFileAtomically uses from now on (null: the system's own) and
// returns the ones installed before. NOTE: for tests; not thread-safe.
TFileWriteCalls* SetFileWriteCalls(TFileWriteCalls* calls);

}  // namespace data
