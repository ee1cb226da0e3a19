// tests/graphics/morf_damaged_entry_test.cpp — converting an archive one of whose entries the
// file does not hold names that entry and the archive, and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

namespace graphics {
namespace {

TEST(MorfDamagedEntry, TheCutEntryAndItsArchiveAreNamed) {
  support_test::TScratchDir dir;
  const std::string source = dir / "src.zxc";
  {
    auto folder = data::TFileFolder::CreateNew(source);
    folder->AddFile("a.PNG", 2, data::TMemoryStream(EncodePng(graphics_test::Pattern(6, 5, true))));
    folder->AddFile("notes.txt", 0, data::TMemoryStream("some words"));
    folder->Save();
  }
  std::filesystem::resize_file(source, std::filesystem::file_size(source) - 4);
  const tool_test::TToolResult r = tool_test::Tool({"morf", source, dir / "out.zxc"});
  EXPECT_EQ(r.Status, 1);
  // Progress lines come first; the error is the last line.
  EXPECT_NE(r.Err.find("\nzerith-tool morf: Cannot load file (wrong file size): \"notes.txt\" in " +
                       source + "\n"),
            std::string::npos)
      << r.Err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.zxc"));
}

}  // namespace
}  // namespace graphics
