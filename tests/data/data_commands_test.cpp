#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "data/file_folder.hpp"
#include "data/line_codec.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

using tool_test::ExpectError;
using tool_test::Tool;
using tool_test::TToolResult;

TEST(DataCommands, CreateListExtractAndAdd) {
  support_test::TScratchDir dir;
  const std::string archive = dir / "game.zxc";
  const std::string a = dir.Write("a.txt", "hello"), b = dir.Write("Board.PNG", "");
  const std::string sub = dir.Write("b.bin", std::string("\0\r\n\xFF", 4));
  EXPECT_EQ(Tool({"create", archive, "--kind", "7", a, b}).Status, 0);
  EXPECT_EQ(Tool({"list", archive}).Out, "a.txt\t5\t7\nBoard.PNG\t0\t7\n");

  EXPECT_EQ(Tool({"add", archive, sub, "--kind", "65535"}).Status, 0);
  EXPECT_EQ(Tool({"add", "--name", "Renamed", archive, a}).Status, 0);
  EXPECT_EQ(Tool({"list", archive}).Out,
            "a.txt\t5\t7\nBoard.PNG\t0\t7\nb.bin\t4\t65535\nRenamed\t5\t0\n");
  EXPECT_EQ(Tool({"extract", archive, "B.BIN"}).Out, std::string("\0\r\n\xFF", 4));
  EXPECT_EQ(Tool({"extract", archive, "b.bin", "-o", dir / "out.bin"}).Out, "");
  EXPECT_EQ(data::ReadWholeFile(dir / "out.bin"), std::string("\0\r\n\xFF", 4));

  ExpectError(Tool({"extract", archive, "nope"}), "no entry named \"nope\"");
  const std::string before = data::ReadWholeFile(archive);
  ExpectError(Tool({"add", archive, a, "--name", "BOARD.png"}), "Cannot add file (dublicate)");
  ExpectError(Tool({"add", archive, dir / "missing"}), "missing");
  EXPECT_EQ(data::ReadWholeFile(archive), before);
}

TEST(DataCommands, CreateWithClashingNamesWritesNothing) {
  support_test::TScratchDir dir;
  std::filesystem::create_directory(dir / "x");
  const std::string one = dir.Write("A.txt", "1"), two = dir.Write("x/a.TXT", "2");
  const std::string archive = dir.Write("keep.zxc", "precious");
  ExpectError(Tool({"create", archive, one, two}), "Cannot add file (dublicate)");
  ExpectError(Tool({"create", archive, one, dir / "missing"}), "missing");
  ExpectError(Tool({"create", archive, "--kind", "65536", one}), "--kind");
  EXPECT_EQ(data::ReadWholeFile(archive), "precious");
  EXPECT_EQ(Tool({"create", dir / "empty.zxc"}).Status, 0);
  EXPECT_EQ(data::ReadWholeFile(dir / "empty.zxc").size(), 8u);
}

TEST(DataCommands, DamagedArchivesAreNamedAndNeverRewritten) {
  support_test::TScratchDir dir;
  const std::string bad = dir.Write("bad.zxc", "not an archive at all");
  const std::string file = dir.Write("f", "x");
  ExpectError(Tool({"list", bad}), bad + ": Cannot open FileFolder (broked label)");
  ExpectError(Tool({"extract", bad, "f"}), "broked label");
  ExpectError(Tool({"add", bad, file}), "broked label");
  EXPECT_EQ(data::ReadWholeFile(bad), "not an archive at all");
  ExpectError(Tool({"list", dir / "missing.zxc"}), "missing.zxc");
  ExpectError(Tool({"list"}), "missing argument");
  ExpectError(Tool({"list", bad, "--bogus"}), "unknown option");
}

TEST(DataCommands, XmlWritesWhatTheWriterProduces) {
  support_test::TScratchDir dir;
  const std::string path = dir.Write(
      "l.xml", "<?xml version=\"1.0\"?>\n<Level n=\"1\">\n  <L>x &amp; y</L><E></E>\n</Level>");
  const TToolResult r = Tool({"xml", path});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out,
            "<?xml version=\"1.0\"?>\r\n<Level n=\"1\">\r\n\t<L>x &amp; y</L>\r\n\t<E />\r\n"
            "</Level>\r\n");
  EXPECT_EQ(Tool({"xml", dir.Write("c.xml", "<a/><!-- open")}).Out, "<a />\r\n");
  ExpectError(Tool({"xml", dir / "none.xml"}), "none.xml");
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";  // would be written as ten gigabytes of tabs
  ExpectError(Tool({"xml", dir.Write("deep.xml", deep)}), "nest too deeply");
}

TEST(DataCommands, EncodeAndDecodeEveryLineWithCrLf) {
  support_test::TScratchDir dir;
  const std::string plain = dir.Write("p.txt", "<GameSave Mode=\"2\"/>\nline two\r\nlast");
  const TToolResult encoded = Tool({"encode", plain});
  EXPECT_EQ(encoded.Out, data::EncodeLine("<GameSave Mode=\"2\"/>") + "\r\n" +
                             data::EncodeLine("line two") + "\r\n" + data::EncodeLine("last") +
                             "\r\n");
  const std::string stored = dir.Write("s.sav", encoded.Out);
  EXPECT_EQ(Tool({"decode", stored}).Out, "<GameSave Mode=\"2\"/>\r\nline two\r\nlast\r\n");
  ExpectError(Tool({"decode", dir / "none"}), "none");
}
