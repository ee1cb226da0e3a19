// tests/graphics/graphics_commands_test.cpp — zerith-tool's morf, aim and png commands.
#include <gtest/gtest.h>

#include <sstream>

#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

namespace graphics {
namespace {

using graphics_test::Pattern;
using support_test::TScratchDir;

TEST(GraphicsCommands, MorfAimAndPngWorkOnArchives) {
  TScratchDir dir;
  {
    auto folder = data::TFileFolder::CreateNew(dir / "src.zxc");
    folder->AddFile("a.PNG", 2, data::TMemoryStream(EncodePng(Pattern(6, 5, true))));
    folder->AddFile("b.jpg", 2, data::TMemoryStream(EncodeJpeg(Pattern(3, 3, false), 90)));
    folder->Save();
  }
  data::WriteFileAtomically(dir / "old.zxc", "replaced");
  tool_test::TToolResult r =
      tool_test::Tool({"morf", dir / "src.zxc", dir / "old.zxc", "--quality", "75"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Err, dir / "src.zxc" + ": 0%\n" + dir / "src.zxc" + ": 100%\n");
  EXPECT_EQ(r.Out, "");
  r = tool_test::Tool({"morf", dir / "old.zxc", dir / "work.zxc"});
  ASSERT_EQ(r.Status, 0) << r.Err;

  data::WriteFileAtomically(dir / "t.aim",
                            "<AutoImage name=\"Flip\" autosize=\"true\">\n"
                            "<AddImage name=\"a.png\" left=\"0\" top=\"0\" />\n"
                            "<FlipImageHorizontal/>\n</AutoImage>\n");
  r = tool_test::Tool({"aim", dir / "work.zxc", dir / "t.aim"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  r = tool_test::Tool({"png", dir / "work.zxc", "flip.png", "-o", dir / "flip.png"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const TImage flipped = DecodePng(data::ReadWholeFile(dir / "flip.png"), "flip");
  const TImage original = Pattern(6, 5, true);
  EXPECT_EQ(flipped.At(2, 0)[3], 255 - (255 * (255 - original.At(2, 4)[3])) / 256);

  // A JPEG gets an opaque alpha channel in the written picture.
  r = tool_test::Tool({"png", dir / "work.zxc", "b.jpg", "-o", dir / "b.png"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const TImage b = DecodePng(data::ReadWholeFile(dir / "b.png"), "b");
  EXPECT_TRUE(b.HasAlpha);
  EXPECT_EQ(b.At(1, 1)[3], 255);
}

TEST(GraphicsCommands, BadInputIsOneLineAndStatusOne) {
  TScratchDir dir;
  auto folder = data::TFileFolder::CreateNew(dir / "a.zxc");
  folder->AddFile("junk.png", 0, data::TMemoryStream("not a picture"));
  folder->Save();
  const tool_test::TToolResult missing =
      tool_test::Tool({"morf", dir / "none.zxc", dir / "out.zxc"});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_EQ(missing.Err, "zerith-tool morf: Can not find file " + dir / "none.zxc" + "!\n");
  EXPECT_EQ(tool_test::Tool({"morf", dir / "a.zxc", dir / "o.zxc", "--quality", "101"}).Status, 1);
  const tool_test::TToolResult junk =
      tool_test::Tool({"png", dir / "a.zxc", "junk.png", "-o", dir / "j.png"});
  EXPECT_EQ(junk.Err, "zerith-tool png: Entry \"junk.png\" is neither a PNG nor a JPEG picture\n");
  EXPECT_EQ(tool_test::Tool({"png", dir / "a.zxc", "nothing", "-o", dir / "j.png"}).Err,
            "zerith-tool png: No entry \"nothing\" in " + dir / "a.zxc" + "\n");
  EXPECT_EQ(tool_test::Tool({"png", dir / "a.zxc", "junk.png"}).Status, 1);  // -o is required
  data::WriteFileAtomically(dir / "bad.aim",
                            "<AutoImage name=\"X\" autosize=\"true\">\n<AddImage name=\"junk.png\" "
                            "left=\"0\" top=\"0\"/>\n");
  const tool_test::TToolResult aim = tool_test::Tool({"aim", dir / "a.zxc", dir / "bad.aim"});
  EXPECT_EQ(aim.Status, 1);
  EXPECT_EQ(aim.Err.find("zerith-tool aim: Cannot decode PNG picture \"junk.png\""), 0u) << aim.Err;
  EXPECT_EQ(data::TFileFolder(dir / "a.zxc").Count(), 1);  // nothing saved
}

}  // namespace
}  // namespace graphics
