// data/files.cpp — whole-file reading and the atomic write behind every saved file.
#include "data/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
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

TFileWriteCalls& SystemCalls() {
  static TFileWriteCalls calls;
  return calls;
}

TFileWriteCalls* installedCalls = nullptr;

TFileWriteCalls& Calls() {
  return installedCalls ? *installedCalls : SystemCalls();
}

}  // namespace

int TFileWriteCalls::Open(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}
ssize_t TFileWriteCalls::Write(int fd, const void* bytes, size_t count) {
  return ::write(fd, bytes, count);
}
int TFileWriteCalls::Fsync(int fd) {
  return ::fsync(fd);
}
int TFileWriteCalls::Close(int fd) {
  return ::close(fd);
}
int TFileWriteCalls::Rename(const char* from, const char* to) {
  return ::rename(from, to);
}

TFileWriteCalls* SetFileWriteCalls(TFileWriteCalls* calls) {
  TFileWriteCalls* before = installedCalls;
  installedCalls = calls;
  return before;
}

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

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a write to path lands in: symbolic links are followed (a relative target is taken
// from its link's folder), so the link itself survives the rename. A dangling link yields the
// file it names; a loop stops after 40 links, as the system's own resolution does.
std::string FinalTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4095) + 1, '\0');
    const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<size_t>(n) >= link.size()) break;
    link.resize(static_cast<size_t>(n));
    target = link[0] == '/' ? link : FolderOf(target) + link;
  }
  return target;
}

// A fresh temporary file beside target, never an existing one (another writer's temp file must
// not be truncated under it). Sets temp to its name.
int CreateTemporary(const std::string& target, std::string& temp) {
  std::random_device rd;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = target + ".tmp" + std::to_string(rd() % 1000000);
    const int fd = Calls().Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error worth
// failing a save that already took place.
void SyncFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = FinalTarget(path);
  std::string temp;
  FileDescriptor fd(CreateTemporary(target, temp));
  if (fd.Get() < 0) throw Error("Cannot create file \"" + path + "\": " + Reason(errno));
  auto fail = [&](const char* what, int err) {
    if (fd.Get() >= 0) ::close(fd.Release());
    ::unlink(temp.c_str());
    throw Error(std::string(what) + " \"" + path + "\": " + Reason(err));
  };
  // The replaced file's permissions and owner carry over: a private file stays private.
  struct stat old;
  if (::stat(target.c_str(), &old) == 0) {
    if (::fchmod(fd.Get(), old.st_mode & 07777) != 0) fail("Cannot write file", errno);
    (void)!::fchown(fd.Get(), old.st_uid, old.st_gid);  // only root may give files away
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = Calls().Write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail("Cannot write file", errno);
    if (n == 0) fail("Cannot write file", ENOSPC);  // no progress: the disk takes no more
    done += static_cast<size_t>(n);
  }
  if (Calls().Fsync(fd.Get()) != 0) fail("Cannot write file", errno);
  if (Calls().Close(fd.Release()) != 0) fail("Cannot write file", errno);
  if (Calls().Rename(temp.c_str(), target.c_str()) != 0) fail("Cannot replace file", errno);
  SyncFolderOf(target);
}

}  // namespace data
