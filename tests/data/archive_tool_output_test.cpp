// tests/data/archive_tool_output_test.cpp — zerith-tool's archive commands on awkward archives:
// entry names holding control bytes, and entries whose bytes the file does not hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/files.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

using tool_test::ExpectError;
using tool_test::Tool;

TEST(ArchiveToolOutput, ListEscapesControlBytesSoEachEntryIsOneLine) {
  support_test::TScratchDir dir;
  const std::string archive = dir / "names.zxc";
  const std::string odd = dir.Write("a\tb\r\nc\\d\x01", "xyz");
  const std::string plain = dir.Write("plain.txt", "");
  ASSERT_EQ(Tool({"create", archive, odd, plain}).Status, 0);
  EXPECT_EQ(Tool({"list", archive}).Out, "a\\tb\\r\\nc\\\\d\\x01\t3\t0\nplain.txt\t0\t0\n");
}

TEST(ArchiveToolOutput, AnEntryCutShortIsNamedWithItsArchive) {
  support_test::TScratchDir dir;
  const std::string archive = dir / "cut.zxc";
  ASSERT_EQ(
      Tool({"create", archive, dir.Write("first.txt", "12345"), dir.Write("Last.PNG", "abcdefgh")})
          .Status,
      0);
  const std::string whole = data::ReadWholeFile(archive);
  std::filesystem::resize_file(archive, whole.size() - 3);  // the last entry loses 3 bytes
  const std::string extra = dir.Write("extra.txt", "e");
  // Adding saves the whole archive, which reads every entry back first.
  ExpectError(Tool({"add", archive, extra}),
              "Cannot load file (wrong file size): \"Last.PNG\" in " + archive);
  EXPECT_EQ(data::ReadWholeFile(archive), whole.substr(0, whole.size() - 3));  // untouched
  ExpectError(Tool({"extract", archive, "last.png"}), "\"Last.PNG\" in " + archive);
}
