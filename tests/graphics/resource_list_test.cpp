// tests/graphics/resource_list_test.cpp — pictures registered per quality level and loaded once.
#include "graphics/resource_list.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"
#include "graphics/surf_engine.hpp"
#include "test_support.hpp"
#include "tests/support/scratch_dir.hpp"

namespace graphics {
namespace {

using graphics_test::Pattern;
using support_test::TScratchDir;

TEST(ResourceList, StartUpRegistersEveryPictureOfTheGameArchive) {
  TScratchDir dir;
  {
    auto levels = data::TFileFolder::CreateNew(dir / "levels.zxc");
    levels->Save();
    auto game = data::TFileFolder::CreateNew(dir / "game.zxc");
    game->AddFile("Title.JPG", 2, data::TMemoryStream(EncodeJpeg(Pattern(4, 3, false), 90)));
    game->AddFile("piece.pNg", 2, data::TMemoryStream(EncodePng(Pattern(2, 2, true))));
    game->AddFile("Catalog.xml", 1, data::TMemoryStream("<x/>"));
    game->Save();
  }
  TSurfEngine engine;
  ASSERT_TRUE(engine.Create(32));
  TResourceList list(3, dir / "", engine);
  list.RegisterStartupPictures(dir / "game.zxc", dir / "levels.zxc");
  ASSERT_EQ(list.Folders().size(), 2u);
  EXPECT_EQ(list.IndexOfFolder(dir / "levels.zxc"), 0);
  EXPECT_EQ(list.IndexOfFolder(dir / "game.zxc"), 1);
  ASSERT_EQ(list.Images().size(), 2u);  // the .xml is no picture
  EXPECT_EQ(list.Images()[0].Name, "Title.jpg");
  EXPECT_EQ(list.Images()[0].Files, (std::vector<std::string>{"", "Title.jpg", ""}));
  EXPECT_EQ(list.Images()[0].FolderIndexes, (std::vector<int>{-1, 1, -1}));
  EXPECT_EQ(list.Images()[1].Name, "piece.png");
  list.ReinitSurfaces(3);
  ASSERT_NE(engine.Find("Title.jpg"), nullptr);
  EXPECT_EQ(engine.Find("Title.jpg")->Width, 4);
  EXPECT_FALSE(engine.Find("Title.jpg")->HasAlpha());
  EXPECT_TRUE(engine.Find("piece.png")->HasAlpha());
}

TEST(ResourceList, ChoosesTheBestLevelAtOrBelowAndReplacesOnlyWhenTheFileDiffers) {
  TScratchDir dir;
  {
    auto game = data::TFileFolder::CreateNew(dir / "g.zxc");
    game->AddFile("low.png", 2, data::TMemoryStream(EncodePng(Pattern(2, 2, false))));
    game->AddFile("high.png", 2, data::TMemoryStream(EncodePng(Pattern(6, 6, false))));
    game->Save();
  }
  data::TMemoryStream(EncodePng(Pattern(3, 3, false))).SaveToFile(dir / "loose.png");
  TSurfEngine engine;
  ASSERT_TRUE(engine.Create(16));
  TResourceList list(3, dir / "", engine);
  list.AddImage("Pic", "low.png", 0, dir / "g.zxc");
  list.AddImage("Pic", "high.png", 2, dir / "g.zxc");
  list.AddImage("Loose", "loose.png", 1, "");
  list.AddImage("Gone", "missing.png", 0, dir / "g.zxc");
  list.AddImage("Text", "notes.txt", 0, dir / "g.zxc");
  EXPECT_EQ(list.Folders().size(), 1u);  // opened once
  EXPECT_THROW(list.AddImage("Bad", "x.png", 3, ""), data::Error);

  list.ReinitSurfaces(2);  // Pic: level index 1 is empty, so index 0
  EXPECT_EQ(engine.Find("Pic")->Width, 2);
  EXPECT_EQ(engine.Find("Loose")->Width, 3);
  EXPECT_EQ(engine.Find("Gone"), nullptr);
  EXPECT_EQ(engine.Find("Text"), nullptr);
  list.ReinitSurfaces(1);  // Loose has no file at or below level 1: left as it is
  EXPECT_NE(engine.Find("Loose"), nullptr);
  list.ReinitSurfaces(3);
  EXPECT_EQ(engine.Find("Pic")->Width, 6);
  EXPECT_EQ(engine.Find("Pic")->FileName, "high.png");
  const size_t count = engine.Surfaces().size();
  list.ReinitSurfaces(3);  // nothing changes the second time
  EXPECT_EQ(engine.Surfaces().size(), count);
  EXPECT_THROW(list.AddFolder(dir / "none.zxc"), data::Error);
}

}  // namespace
}  // namespace graphics
