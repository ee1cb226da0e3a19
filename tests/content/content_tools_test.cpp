// tests/content/content_tools_test.cpp — the content tools on small inputs made here: the
// packer, the shape list, the level compiler, and level-check on broken levels and catalogues.
#include <gtest/gtest.h>

#include <filesystem>

#include "content/levels/level_source.hpp"
#include "content/pieces/shape_catalogue.hpp"
#include "content/pipeline/packer.hpp"
#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/png_morf.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/scratch_dir.hpp"
#include "tests/tool_test_support.hpp"

namespace {

namespace fs = std::filesystem;

using support_test::ErrorOf;
using support_test::TScratchDir;

TEST(Packer, PicturesSplitIntoJpegAndAlphaAndComeBackWhole) {
  TScratchDir dir("packer");
  graphics::TImage img(6, 4, true, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) {
      uint8_t* p = img.At(x, y);
      p[0] = 200, p[1] = 40, p[2] = 90, p[3] = static_cast<uint8_t>(60 * y + x);
    }
  data::WriteFileAtomically(dir / "gem.png", graphics::EncodePng(img));
  data::WriteFileAtomically(dir / "glow.aim", "<AutoImage name=\"glow\" width=\"2\" height=\"2\">");
  data::WriteFileAtomically(dir / "Shapes.xml", "<Shapes/>");
  const auto entries = content::PackFile(dir / "gem.png");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name, "gem._JPG");
  EXPECT_EQ(entries[1].Name, "gem._PNG");
  EXPECT_EQ(content::PackFile(dir / "glow.aim")[0].Name, "glow._aim");
  EXPECT_EQ(content::PackFile(dir / "Shapes.xml")[0].Name, "Shapes.xml");

  // The archive unpacks, as at first start, into the same alpha and nearly the same colour.
  content::PackArchive({dir / "gem.png", dir / "Shapes.xml"}, dir / "packed.zxc");
  graphics::TPNGMorf(90).MorfArchive(dir / "packed.zxc", dir / "work.zxc");
  data::TFileFolder work(dir / "work.zxc");
  const graphics::TImage back = graphics::DecodePng(work.GetFileStream("gem.png")->View(), "gem");
  ASSERT_TRUE(back.HasAlpha);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(back.At(x, y)[3], img.At(x, y)[3]);
      if (img.At(x, y)[3] > 0) {
        EXPECT_NEAR(back.At(x, y)[0], 200, 12);
      }
    }
  EXPECT_GE(work.IndexOf("Shapes.xml"), 0);
}

TEST(Packer, RefusesNamesTheArchiveOrTheUnpackingCannotHold) {
  TScratchDir dir("packer-names");
  const std::string png = graphics::EncodePng(graphics::TImage(2, 2, true));
  data::WriteFileAtomically(dir / "a.b.png", png);
  data::WriteFileAtomically(dir / "an_extremely_long_picture_name_x.png", png);
  data::WriteFileAtomically(dir / "Same.xml", "1");
  fs::create_directories(dir / "sub");
  data::WriteFileAtomically(dir / "sub/same.XML", "2");
  data::WriteFileAtomically(dir / "broken.png", "not a picture");
  EXPECT_NE(ErrorOf([&] { content::PackFile(dir / "a.b.png"); }).find("one dot"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] {
              content::PackFile(dir / "an_extremely_long_picture_name_x.png");
            }).find("longer than 32 bytes"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] {
              content::PackArchive({dir / "Same.xml", dir / "sub/same.XML"}, dir / "x.zxc");
            }).find("Two content files"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] { content::PackFile(dir / "broken.png"); }).find("broken"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "x.zxc"));
}

TEST(Packer, TransparentPixelsTakeTheirNeighboursColour) {
  std::vector<uint8_t> rgba = {10, 20, 30, 255, 0, 0, 0, 0, 0, 0, 0, 0};  // 3 × 1
  content::BleedTransparentColours(rgba, 3, 1, 1);
  EXPECT_EQ(std::vector<uint8_t>(rgba.begin() + 4, rgba.begin() + 8),
            (std::vector<uint8_t>{10, 20, 30, 0}));
  EXPECT_EQ(rgba[8], 0) << "one pass reaches one pixel only";
  content::BleedTransparentColours(rgba, 3, 1, 4);
  EXPECT_EQ(rgba[8], 10);
  EXPECT_EQ(rgba[11], 0);
}

TEST(ShapeList, TurnsShapesAndChecksTheirNames) {
  const auto shapes = pieces::ReadShapes(
      "# comment\nbar_v bar_h | 10 | 0,0,T 0,1,B\ncell | 20 | 0,0,T 0,0,R 0,0,B 0,0,L\n");
  ASSERT_EQ(shapes.size(), 3u);
  EXPECT_EQ(shapes[0].NextRotateName, "bar_h");
  EXPECT_EQ(shapes[1].NextRotateName, "bar_v");
  EXPECT_EQ(shapes[2].NextRotateName, "cell");
  for (const auto& s : shapes) {
    EXPECT_EQ(s.PictureHeight(), s.MaxY + pieces::kReliefHeight);
    EXPECT_GE(s.Sx, 15);  // the 30 × 20 sign stays inside the picture
    EXPECT_LE(s.Sx + 15, s.PictureWidth());
    EXPECT_GE(s.Sy, 10);
  }
  // A full cell: corners (0,0) (48,0) (21,42) (69,42); the picture is 70 wide.
  EXPECT_EQ(shapes[2].PictureWidth(), 70);
  EXPECT_NE(ErrorOf([] {
              pieces::ReadShapes("a b c | 5 | 0,0,T 0,1,B\n");
            }).find("shapes line 1: the names do not match"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] { pieces::ReadShapes("\nx | 5 | 0,0,Q\n"); }).find("shapes line 2"),
            std::string::npos);
}

levels::TLevelWorld SmallWorld() {
  levels::TLevelWorld w;
  w.Shapes = pieces::ReadShapes("cell | 20 | 0,0,T 0,0,R 0,0,B 0,0,L\n");
  w.Families["cell"] = {"cell"};
  w.Bosses = {{"heart", 17, 37}, {"imp", 22, 48}};
  w.ColourCount = 4;
  w.Decor["deco_x"] = {{40, 50}, {40, 50}};
  w.Themes = {"stone"};
  return w;
}

const std::string kHead =
    "name Test Hall\ncolours 1 2 3\nmusic m.xm\nput-sound p.ogg\nrise action 30 strategic 8\n"
    "shapes cell 1\n";

TEST(LevelCompiler, WritesWhatTheGameReads) {
  const auto level = levels::CompileLevel(kHead +
                                              "bonus chance 0.5 coin50 2 colourbomb 3\n"
                                              "backdrop stone 2\ndecor deco_x 200 1 3\n"
                                              "null 0 2 TB\nlayer\n main cell 4 8\n"
                                              " piece cell 4 7 x2\n boss heart 4 8 T main\n",
                                          "level01.lvl", SmallWorld());
  EXPECT_EQ(level.Name, "Test Hall");
  const std::string& x = level.Xml;
  // Placed so the game snaps the cell onto column 4, row 8 (and 7): x = 11 + 48c + 21r.
  EXPECT_NE(x.find("<Fishka x=\"371\" y=\"385\" Shape=\"cell\" Count=\"1\"/>"), std::string::npos)
      << x;
  EXPECT_NE(x.find("<Fishka x=\"350\" y=\"343\" Shape=\"cell\" Count=\"2\"/>"), std::string::npos);
  // Colour bombs only in the level's colours (kinds 8 + colour − 1).
  EXPECT_NE(x.find("<BonusTypeWeights>2 0 0 0 0 0 0 0 3 3 3 0 0 0 0 0</BonusTypeWeights>"),
            std::string::npos);
  EXPECT_NE(x.find("<NullFrags>80 82</NullFrags>"), std::string::npos);
  EXPECT_NE(x.find("<Boss x=\"384\" y=\"418\" Type=\"0\" Main=\"true\"/>"), std::string::npos);
  EXPECT_NE(x.find("<Image Name=\"deco_x2.png\" t=\"200\"/>"), std::string::npos);
  EXPECT_NE(x.find("OneWidth=\"96\" OneHeight=\"84\""), std::string::npos);
}

TEST(LevelCompiler, NamesTheLineOfEachMistake) {
  const levels::TLevelWorld w = SmallWorld();
  auto error = [&](const std::string& body) {
    return ErrorOf([&] { levels::CompileLevel(kHead + body, "level07.lvl", w); });
  };
  EXPECT_EQ(error("layer\n main blob 4 8\n"),
            "level07.lvl:8: unknown shape \"blob\" (shapes.txt names them)");
  EXPECT_EQ(error("layer\n main cell 4 8\n piece cell 4 8\n"),
            "level07.lvl:9: shape cell overlaps another piece of this layer");
  EXPECT_EQ(error("layer\n main cell 9 8\n piece cell 10 8\n"),
            "level07.lvl:9: shape cell at 10 8 leaves the board (columns 0..9)");
  EXPECT_EQ(error("layer\n piece cell 4 8\n"), "level07.lvl:9: every layer needs a \"main\" piece");
  EXPECT_EQ(error("layer\n main cell 4 8\n boss heart 2 2 T main\n"),
            "level07.lvl:9: the boss stands on no piece of this layer");
  EXPECT_EQ(error("layer\n main cell 4 8\n piece cell 4 4\n"),
            "level07.lvl: layer 1: piece cell at 4 4 does not hang from the main piece");
  EXPECT_EQ(error("colours 5\nlayer\n main cell 4 8\n"), "level07.lvl:7: 5 is outside 1..4");
  EXPECT_EQ(error("bonus chance 0.3\nlayer\n main cell 4 8\n"),
            "level07.lvl:10: a bonus chance needs bonus weights");
}

// Level-check on archives made from the shipped ones with one thing broken.
class LevelCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    graphics::TPNGMorf morf(90);
    morf.MorfArchive(std::string(ZERITH_CONTENT_BIN) + "/game/game.zxc", dir / "game.zxc");
    morf.MorfArchive(std::string(ZERITH_CONTENT_BIN) + "/levels/levels.zxc", dir / "levels.zxc");
  }
  // A copy of the archive with the entry's bytes replaced.
  void Replace(const std::string& archive, const std::string& entry, const std::string& bytes) {
    data::TFileFolder old(dir / archive);
    auto fresh = data::TFileFolder::CreateNew(dir / ("new_" + archive));
    for (const data::TDirEntry& e : old.Dir()) {
      const std::string name(e.Name());
      fresh->AddFile(name, e.Kind,
                     name == entry ? data::TMemoryStream(bytes) : *old.GetFileStream(name));
    }
    fresh->Save();
    fs::rename(dir / ("new_" + archive), dir / archive);
  }
  std::string Entry(const std::string& archive, const std::string& entry) {
    data::TFileFolder f(dir / archive);
    return std::string(f.GetFileStream(entry)->View());
  }
  tool_test::TToolResult Check() {
    return tool_test::Tool({"level-check", dir / "levels.zxc", dir / "game.zxc"});
  }
  TScratchDir dir{"level-check"};
};

TEST_F(LevelCheck, ReportsPiecesBossesAndPicturesThatDoNotFit) {
  std::string level = Entry("levels.zxc", "Level1.xml");
  const size_t layer = level.find("    </Layer>");
  // A second copy of the main piece, a piece far below everything, an unknown shape.
  const size_t first = level.find("<Fishka");
  const std::string main = level.substr(first, level.find("/>", first) + 2 - first);
  level.insert(layer, main +
                          "<Fishka x=\"11\" y=\"49\" Shape=\"prism\" Count=\"1\"/>"
                          "<Fishka x=\"11\" y=\"49\" Shape=\"blob\" Count=\"1\"/>");
  level.insert(level.find("</Bosses>"),
               "<Boss x=\"600\" y=\"40\" Type=\"1\"/><Boss x=\"1\" "
               "y=\"1\" Type=\"99\"/>");
  level.insert(level.find("</Pictures>"),
               "<Picture x=\"1\" y=\"1\" Sx=\"1\" Sy=\"1\" Name=\"gone\"><Image Name=\"gone.png\" "
               "t=\"100\"/></Picture>");
  Replace("levels.zxc", "Level1.xml", level);
  const tool_test::TToolResult r = Check();
  EXPECT_EQ(r.Status, 1);
  for (const char* part : {"Level1.xml: error: layer 1: unknown shape blob",
                           "does not fit: it overlaps another piece or leaves the board",
                           "(prism) does not hang from the main piece", "stands on no piece",
                           "boss 3 has unknown type \"99\"", "pictures: error: missing gone.png"})
    EXPECT_NE(r.Out.find(part), std::string::npos) << part << "\n" << r.Out;
}

TEST_F(LevelCheck, RefusesACatalogueMixingReliefHeights) {
  std::string shapes = Entry("game.zxc", "fishkaShapes.xml");
  const size_t h = shapes.find("Height=\"");
  shapes.replace(h, shapes.find('"', h + 8) - h + 1, "Height=\"14\"");
  Replace("game.zxc", "fishkaShapes.xml", shapes);
  const tool_test::TToolResult r = Check();
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Out.find("fishkaShapes.xml: error: shapes of different relief Height can never "
                       "touch:"),
            std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find(" shard_t=14"), std::string::npos) << r.Out;
}

TEST_F(LevelCheck, ReportsALayerWithoutMainPieceAndBadInput) {
  std::string level = Entry("levels.zxc", "Level2.xml");
  level.replace(level.find(" Main=\"true\""), 12, "");
  Replace("levels.zxc", "Level2.xml", level);
  const tool_test::TToolResult r = Check();
  EXPECT_NE(r.Out.find("Level2.xml: layer 1: error: no main piece"), std::string::npos) << r.Out;
  tool_test::ExpectError(tool_test::Tool({"level-check", dir / "missing.zxc", dir / "game.zxc"}),
                         "missing.zxc");
  data::WriteFileAtomically(dir / "junk.zxc", "not an archive at all");
  tool_test::ExpectError(tool_test::Tool({"level-check", dir / "junk.zxc", dir / "game.zxc"}),
                         "junk.zxc");
}

}  // namespace
