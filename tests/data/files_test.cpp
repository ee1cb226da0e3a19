#include "data/files.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/error.hpp"
#include "data/memory_stream.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/scratch_dir.hpp"

using namespace data;

TEST(Files, AtomicWriteReplacesTheFileAndLeavesNoTemporaries) {
  support_test::TScratchDir dir;
  const std::string path = dir / "save.sav";
  WriteFileAtomically(path, "old");
  WriteFileAtomically(path, std::string("new\0bytes", 9));
  EXPECT_EQ(ReadWholeFile(path), std::string("new\0bytes", 9));
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST(Files, FailuresNameThePathAndKeepTheOldFile) {
  support_test::TScratchDir dir;
  EXPECT_EQ(support_test::ErrorOf([&] { ReadWholeFile(dir / "missing"); }),
            "Cannot open file \"" + (dir / "missing") + "\": No such file or directory");
  EXPECT_THROW(WriteFileAtomically(dir / "no/such/folder/f", "x"), Error);
  // Renaming over a non-empty folder fails after the temporary was written: it is removed.
  const std::string folder = dir / "taken";
  std::filesystem::create_directories(folder + "/inner");
  EXPECT_THROW(WriteFileAtomically(folder, "x"), Error);
  EXPECT_TRUE(std::filesystem::is_directory(folder + "/inner"));
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST(MemoryStream, ReadsStopAtTheEndAndWritesExtend) {
  TMemoryStream s("abc");
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, 2), 2u);
  EXPECT_EQ(s.Remaining(), "c");
  EXPECT_EQ(s.Read(buffer, 8), 1u);
  EXPECT_EQ(s.Read(buffer, 8), 0u);
  s.SetPosition(10);
  EXPECT_EQ(s.Read(buffer, 1), 0u);
  EXPECT_EQ(s.Remaining(), "");
  s.SetPosition(1);
  s.Write("XYZ");
  EXPECT_EQ(s.View(), "aXYZ");
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2u);
  EXPECT_EQ(s.View(), "aX");
  s.Clear();
  EXPECT_EQ(s.Size(), 0u);

  support_test::TScratchDir dir;
  TMemoryStream saved("\x01\x02");
  saved.SaveToFile(dir / "s.bin");
  TMemoryStream loaded;
  loaded.LoadFromFile(dir / "s.bin");
  EXPECT_EQ(loaded.View(), "\x01\x02");
  EXPECT_EQ(loaded.Position(), 0u);
}
