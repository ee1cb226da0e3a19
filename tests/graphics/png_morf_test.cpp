// tests/graphics/png_morf_test.cpp — packing and unpacking archives, and the start-up jobs.
#include "graphics/png_morf.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "test_support.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/scratch_dir.hpp"

namespace graphics {
namespace {

using graphics_test::Pattern;
using support_test::TScratchDir;

struct TEntrySpec {
  std::string Name;
  std::string Bytes;
  uint16_t Kind;
};

void WriteArchive(const std::string& path, const std::vector<TEntrySpec>& entries) {
  auto folder = data::TFileFolder::CreateNew(path);
  for (const auto& e : entries) folder->AddFile(e.Name, e.Kind, data::TMemoryStream(e.Bytes));
  folder->Save();
}

std::vector<std::string> Names(const std::string& path) {
  data::TFileFolder folder(path);
  std::vector<std::string> names;
  for (const auto& e : folder.Dir()) names.emplace_back(e.Name());
  return names;
}

std::string MorfError(TPNGMorf& morf, const std::string& from, const std::string& to) {
  return support_test::ErrorOf([&] { morf.MorfArchive(from, to); });
}

// Smooth colours (what JPEG keeps well) under the busy alpha of the test pattern.
TImage SmoothWithAlpha(int w, int h) {
  TImage img = Pattern(w, h, true);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.At(x, y)[0] = static_cast<uint8_t>(x * 3), img.At(x, y)[1] = static_cast<uint8_t>(y * 4),
                img.At(x, y)[2] = 128;
  return img;
}

TEST(PNGMorf, PackingThenUnpackingRestoresEveryAlphaExactly) {
  TScratchDir dir;
  const TImage a = SmoothWithAlpha(70, 60), b = Pattern(5, 9, true);
  const std::string aim =
      "<AutoImage name=\"Made\" autosize=\"true\">\n<AddImage name=\"b.PNG\" left=\"0\" top=\"0\" "
      "/>\n";
  WriteArchive(dir / "src.zxc", {{"a.PNG", EncodePng(a), 2},
                                 {"b.PNG", EncodePng(b), 2},
                                 {"made.aim", aim, 1},
                                 {"levels.xml", "<x/>", 7},
                                 {"noext", "raw", 3},
                                 {"d.b.PNG", "kept as it is", 4},
                                 {"old.pNg", "made again from its text", 2}});
  TPNGMorf pack(90);
  std::vector<int> percents;
  pack.OnProgress = [&](const std::string& archive, int p) {
    EXPECT_EQ(archive, dir / "src.zxc");
    percents.push_back(p);
  };
  pack.MorfArchive(dir / "src.zxc", dir / "packed.zxc");
  EXPECT_EQ(percents, (std::vector<int>{0, 16, 33, 50, 66, 83, 100}));  // trunc(100 × i / 6)
  EXPECT_EQ(Names(dir / "packed.zxc"),
            (std::vector<std::string>{"a._JPG", "a._PNG", "b._JPG", "b._PNG", "made._aim",
                                      "levels.xml", "noext", "d.b.PNG"}));
  data::TFileFolder packed(dir / "packed.zxc");
  EXPECT_EQ(packed.Dir()[packed.IndexOf("levels.xml")].Kind, 7);
  EXPECT_EQ(packed.Dir()[packed.IndexOf("made._aim")].Kind, 1);
  EXPECT_TRUE(LooksLikeJpeg(packed.GetFileStream("a._JPG")->View()));

  TPNGMorf unpack(90);
  unpack.MorfArchive(dir / "packed.zxc", dir / "work.zxc");
  EXPECT_EQ(Names(dir / "work.zxc"),
            (std::vector<std::string>{"a.PNG", "b.PNG", "made.aim", "levels.xml", "noext",
                                      "d.b.PNG", "Made.pNg"}));
  data::TFileFolder work(dir / "work.zxc");
  const TImage back = DecodePng(work.GetFileStream("a.PNG")->View(), "a");
  ASSERT_TRUE(back.HasAlpha);
  ASSERT_EQ(back.Width, 70);
  int worst = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 70; ++x) {
      EXPECT_EQ(back.At(x, y)[3], a.At(x, y)[3]);
      for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(back.At(x, y)[c] - a.At(x, y)[c]));
    }
  EXPECT_LE(worst, 8);  // JPEG's loss at quality 90
  EXPECT_EQ(DecodePng(work.GetFileStream("Made.pNg")->View(), "made").Width, 5);
  EXPECT_EQ(work.GetFileStream("d.b.PNG")->View(), "kept as it is");
}

TEST(PNGMorf, PicturesWithAJpegColourTravelWithIt) {
  TScratchDir dir;
  const std::string jpg = EncodeJpeg(Pattern(8, 8, false), 90);
  WriteArchive(dir / "src.zxc", {{"x.PnG", EncodePng(Pattern(8, 8, true)), 2}, {"x.jpg", jpg, 2}});
  TPNGMorf morf(90);
  morf.MorfArchive(dir / "src.zxc", dir / "packed.zxc");
  EXPECT_EQ(Names(dir / "packed.zxc"), (std::vector<std::string>{"x._PnG", "x._jpg", "x.jpg"}));
  morf.MorfArchive(dir / "packed.zxc", dir / "work.zxc");
  EXPECT_EQ(Names(dir / "work.zxc"), (std::vector<std::string>{"x.PnG", "x.jpg"}));
  data::TFileFolder work(dir / "work.zxc");
  const TImage back = DecodePng(work.GetFileStream("x.PnG")->View(), "x");
  EXPECT_EQ(back.At(3, 4)[3], Pattern(8, 8, true).At(3, 4)[3]);
  EXPECT_EQ(work.GetFileStream("x.jpg")->View(), jpg);
}

TEST(PNGMorf, MissingCompanionsAndDamagedPicturesAreErrorsThatWriteNothing) {
  TScratchDir dir;
  TPNGMorf morf(90);
  WriteArchive(dir / "a.zxc", {{"p._PNG", EncodePng(Pattern(2, 2, false)), 2}});
  EXPECT_EQ(MorfError(morf, dir / "a.zxc", dir / "out.zxc"), "File p._JPG does not exist!");
  WriteArchive(dir / "b.zxc", {{"p.PnG", EncodePng(Pattern(2, 2, true)), 2}});
  EXPECT_EQ(MorfError(morf, dir / "b.zxc", dir / "out.zxc"), "File p.jpg does not exist!");
  WriteArchive(dir / "c.zxc",
               {{"ok.PNG", EncodePng(Pattern(2, 2, true)), 2}, {"bad.PNG", "garbage", 2}});
  EXPECT_EQ(MorfError(morf, dir / "c.zxc", dir / "out.zxc"),
            "Cannot convert picture \"bad.PNG\": it is not a readable PNG or JPEG");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.zxc"));
  data::WriteFileAtomically(dir / "broken.zxc", "not an archive");
  EXPECT_EQ(MorfError(morf, dir / "broken.zxc", dir / "out.zxc"),
            "Cannot open FileFolder (broked label): " + (dir / "broken.zxc"));
  EXPECT_EQ(MorfError(morf, dir / "none.zxc", dir / "out.zxc"), "(no error)");  // nothing to do
  EXPECT_FALSE(std::filesystem::exists(dir / "out.zxc"));
  // One entry: no progress at all.
  WriteArchive(dir / "one.zxc", {{"only.txt", "x", 0}});
  morf.OnProgress = [](const std::string&, int) { ADD_FAILURE() << "progress for one entry"; };
  morf.MorfArchive(dir / "one.zxc", dir / "out.zxc");
}

TEST(PNGMorf, JobsReuseExistingWorkingArchivesAndStopAtAMissingSource) {
  TScratchDir dir;
  WriteArchive(dir / "game.zxc", {{"a.txt", "new", 0}});
  data::WriteFileAtomically(dir / "temp_game.zxc", "kept even though the source is newer");
  TPNGMorf morf(90);
  morf.Jobs = {"Source=\"" + (dir / "game.zxc") + "\" Dest=\"" + (dir / "temp_game.zxc") + "\"",
               "Source=\"" + (dir / "game.zxc") + "\" Dest=\"" + (dir / "deep/er/game.zxc") + "\"",
               "Source=\"" + (dir / "gone.zxc") + "\" Dest=\"" + (dir / "x.zxc") + "\"",
               "Source=\"" + (dir / "game.zxc") + "\" Dest=\"" + (dir / "never.zxc") + "\""};
  EXPECT_EQ(support_test::ErrorOf([&] { morf.RunJobs(); }),
            "Can not find file " + (dir / "gone.zxc") + "!");
  EXPECT_EQ(data::ReadWholeFile(dir / "temp_game.zxc"), "kept even though the source is newer");
  EXPECT_EQ(Names(dir / "deep/er/game.zxc"), (std::vector<std::string>{"a.txt"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "never.zxc"));
  EXPECT_EQ(TPNGMorf(-5).Quality(), 0);
  EXPECT_EQ(TPNGMorf(255).Quality(), 100);
}

}  // namespace
}  // namespace graphics
