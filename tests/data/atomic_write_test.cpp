// tests/data/atomic_write_test.cpp — the atomic write under every failure it can meet, through
// symbolic links, and with the permissions of the file it replaces.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "data/error.hpp"
#include "data/files.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/scratch_dir.hpp"

namespace {

using data::TFileWriteCalls;

enum class TFail { Open, Write, ShortWrites, NoProgress, Fsync, Close, Rename };

// Fails the one call it is told to, the way the system would.
class TFailingCalls : public TFileWriteCalls {
 public:
  using TWhich = TFail;
  TFailingCalls(TWhich which, int err) : which(which), err(err) {
    before = data::SetFileWriteCalls(this);
  }
  ~TFailingCalls() override { data::SetFileWriteCalls(before); }

  int Open(const char* path, int flags, mode_t mode) override {
    return which == TFail::Open ? Fail() : TFileWriteCalls::Open(path, flags, mode);
  }
  ssize_t Write(int fd, const void* bytes, size_t count) override {
    if (which == TFail::Write && written > 0) return Fail();  // part of the file is already out
    if (which == TFail::NoProgress && written > 0) return 0;
    if (which == TFail::ShortWrites || which == TFail::Write || which == TFail::NoProgress)
      count = count > 3 ? 3 : count;
    const ssize_t n = TFileWriteCalls::Write(fd, bytes, count);
    written += n > 0 ? n : 0;
    return n;
  }
  int Fsync(int fd) override { return which == TFail::Fsync ? Fail() : TFileWriteCalls::Fsync(fd); }
  int Close(int fd) override {
    const int result = TFileWriteCalls::Close(fd);  // the descriptor is gone either way
    return which == TFail::Close ? Fail() : result;
  }
  int Rename(const char* from, const char* to) override {
    return which == TFail::Rename ? Fail() : TFileWriteCalls::Rename(from, to);
  }

 private:
  int Fail() {
    errno = err;
    return -1;
  }
  TWhich which;
  int err;
  ssize_t written = 0;
  TFileWriteCalls* before = nullptr;
};

std::string WriteError(const std::string& path, const std::string& bytes) {
  return support_test::ErrorOf([&] { data::WriteFileAtomically(path, bytes); });
}

size_t FilesIn(const std::string& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST(AtomicWrite, EveryFailureKeepsTheOldFileAndSaysSoInOneLine) {
  support_test::TScratchDir dir;
  const std::string path = dir.Write("save.sav", "the old game");
  const struct {
    TFail which;
    int err;
    std::string message;
  } cases[] = {
      {TFail::Open, EACCES, "Cannot create file \"" + path + "\": Permission denied"},
      {TFail::Write, ENOSPC, "Cannot write file \"" + path + "\": No space left on device"},
      {TFail::NoProgress, 0, "Cannot write file \"" + path + "\": No space left on device"},
      {TFail::Fsync, EIO, "Cannot write file \"" + path + "\": Input/output error"},
      {TFail::Close, EDQUOT, "Cannot write file \"" + path + "\": Disk quota exceeded"},
      {TFail::Rename, EXDEV, "Cannot replace file \"" + path + "\": Invalid cross-device link"},
  };
  for (const auto& c : cases) {
    TFailingCalls failing(c.which, c.err);
    EXPECT_EQ(WriteError(path, "the new game, longer than the old"), c.message);
    EXPECT_EQ(data::ReadWholeFile(path), "the old game") << c.message;
    EXPECT_EQ(FilesIn(dir.Path()), 1u) << c.message << ": a temporary file was left behind";
  }
  {
    // Writes that take a few bytes at a time still write everything.
    TFailingCalls shortWrites(TFail::ShortWrites, 0);
    data::WriteFileAtomically(path, "written three bytes at a time");
  }
  EXPECT_EQ(data::ReadWholeFile(path), "written three bytes at a time");
  EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicWrite, ALinkStaysALinkAndItsTargetIsReplaced) {
  support_test::TScratchDir dir;
  std::filesystem::create_directory(dir / "real");
  const std::string target = dir.Write("real/game.zxc", "old");
  std::filesystem::create_symlink("real/game.zxc", dir / "game.zxc");    // relative target
  std::filesystem::create_symlink(dir / "game.zxc", dir / "chain.zxc");  // a link to a link
  data::WriteFileAtomically(dir / "chain.zxc", "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "chain.zxc"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "game.zxc"));
  EXPECT_EQ(data::ReadWholeFile(target), "new");
  EXPECT_EQ(FilesIn(dir / "real"), 1u);  // the temporary file lived beside the target
  // A dangling link gets the file it names.
  std::filesystem::create_symlink("real/new.cfg", dir / "options.cfg");
  data::WriteFileAtomically(dir / "options.cfg", "volume=3");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "options.cfg"));
  EXPECT_EQ(data::ReadWholeFile(dir / "real/new.cfg"), "volume=3");
}

TEST(AtomicWrite, TheReplacedFilesPermissionsCarryOver) {
  support_test::TScratchDir dir;
  const std::string path = dir.Write("scores.dat", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  data::WriteFileAtomically(path, "new");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  data::WriteFileAtomically(path, "newer");
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A new file follows the umask like any other program's.
  const mode_t mask = ::umask(022);
  data::WriteFileAtomically(dir / "fresh.dat", "x");
  ::umask(mask);
  ASSERT_EQ(::stat((dir / "fresh.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

}  // namespace
