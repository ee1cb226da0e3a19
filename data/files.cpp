// data/files.cpp
#include "data/files.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "data/error.hpp"

namespace data {
namespace {

std::string Reason(int err) {
  return std::strerror(err);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd(fd) {}
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd; }
  int Release() {
    int f = fd;
    fd = -1;
    return f;
  }

 private:
  int fd;
};

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) throw Error("Cannot open file \"" + path + "\": " + Reason(errno));
  std::string content;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw Error("Cannot read file \"" + path + "\": " + Reason(errno));
    }
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  return content;
}

namespace {

// A fresh temporary file beside path, never an existing one (another writer's temp file must
// not be truncated under it). Sets temp to its name.
int CreateTemporary(const std::string& path, std::string& temp) {
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = path + ".tmp" + std::to_string(rd() % 1000000);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error worth
// failing a save that already took place.
void SyncFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp;
  FileDescriptor fd(CreateTemporary(path, temp));
  if (fd.Get() < 0) throw Error("Cannot create file \"" + path + "\": " + Reason(errno));
  auto fail = [&](const char* what, int err) {
    ::close(fd.Release());
    ::unlink(temp.c_str());
    throw Error(std::string(what) + " \"" + path + "\": " + Reason(err));
  };
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("Cannot write file", errno);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd.Get()) != 0) fail("Cannot write file", errno);
  if (::close(fd.Release()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    throw Error("Cannot write file \"" + path + "\": " + Reason(err));
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    throw Error("Cannot replace file \"" + path + "\": " + Reason(err));
  }
  SyncFolderOf(path);
}

}  // namespace data
