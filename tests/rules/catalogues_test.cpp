// tests/rules/catalogues_test.cpp
#include "rules/catalogues.hpp"

#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

TEST(Catalogues, TypesNumberShapeTimesColoursAndRotationKeepsTheColour) {
  TWorld world;
  const TCatalogues& cat = world.Catalogues;
  ASSERT_EQ(cat.ColorCount(), 3);
  ASSERT_EQ(cat.Shapes.size(), 6u);
  ASSERT_EQ(cat.TypeCount(), 18);
  for (int shape = 0; shape < 6; ++shape)
    for (int color = 0; color < 3; ++color) {
      const TFishkaType& type = cat.Types[static_cast<size_t>(shape * 3 + color)];
      EXPECT_EQ(type.ShapeIndex, shape);
      EXPECT_EQ(type.ColorIndex, color);
      EXPECT_EQ(cat.TypeWithShapeAndColor(shape, color), shape * 3 + color);
    }
  const TFishkaType& triA1 = cat.Types[kTriA * 3 + 1];
  EXPECT_EQ(triA1.Name, "TriA_1");
  EXPECT_EQ(triA1.NextRotateName, "TriB_1");
  EXPECT_EQ(triA1.PictureName, "TriA_1.pNg");
  EXPECT_EQ(cat.ColorOf(cat.TypeByName(triA1.NextRotateName)), 1);
  EXPECT_EQ(cat.TypeByName("TriA_"), -1);  // names compare whole, length included
  EXPECT_EQ(cat.BossTypes.size(), 2u);
  EXPECT_EQ(cat.BossTypes[1].Power, 3);
  EXPECT_EQ(cat.BossTypes[0].Width, 40);
  EXPECT_TRUE(cat.Loaded);
}

TEST(Catalogues, ShapeBoundsAndOffsetsFollowTheVertices) {
  TWorld world;
  const TFishkaShape& cell = world.Catalogues.Shapes[kCell];
  EXPECT_EQ(cell.MinX, 0);
  EXPECT_EQ(cell.MinXY, 0);
  EXPECT_EQ(cell.MaxX, 69);
  EXPECT_EQ(cell.MaxY, 42);
  EXPECT_EQ(cell.LeftOffset, -21);  // the first triangle is the top one, starting at x 21
  EXPECT_EQ(cell.TopOffset, 0);
  const TFishkaShape& triB = world.Catalogues.Shapes[kTriB];
  EXPECT_EQ(triB.MinX, 34);
  EXPECT_EQ(triB.MinXY, 21);
  EXPECT_EQ(triB.LeftOffset, 0);

  // A vertex of 1000 or more never lowers MinX below its start; negative ones count; a shape
  // missing "Score" is skipped without shifting the ones after it.
  TFakeServices services;
  AddEntry(
      services.Archive(TArchiveKind::Game), "fishkaShapes.xml",
      "<S><Shape Name=\"Far\" NextRotateName=\"Far\" Height=\"1\" Sx=\"0\" Sy=\"0\" Score=\"1\">"
      "<Fishes><Fish Type=\"0\"><Point x=\"1000\" y=\"5\"/><Point x=\"1200\" y=\"7\"/>"
      "<Point x=\"1100\" y=\"1\"/></Fish></Fishes></Shape>"
      "<Shape Name=\"NoScore\" NextRotateName=\"X\" Height=\"1\" Sx=\"0\" Sy=\"0\"><Fishes>" +
          Fish(0) +
          "</Fishes></Shape>"
          "<Shape Name=\"Neg\" NextRotateName=\"Neg\" Height=\"1\" Sx=\"0\" Sy=\"0\" Score=\"1\">"
          "<Fishes><Fish Type=\"2\"><Point x=\"-5\" y=\"0\"/><Point x=\"3\" y=\"9\"/>"
          "<Point x=\"-5\" y=\"4\"/></Fish></Fishes></Shape></S>");
  TCatalogues cat;
  cat.ReadShapes(services);
  ASSERT_EQ(cat.Shapes.size(), 2u);
  EXPECT_EQ(cat.Shapes[0].MinX, 1000);
  EXPECT_EQ(cat.Shapes[0].MaxX, 1200);
  EXPECT_EQ(cat.Shapes[1].Name, "Neg");
  EXPECT_EQ(cat.Shapes[1].MinX, -5);
  EXPECT_EQ(cat.Shapes[1].MinXY, 0);
}

TEST(Catalogues, ComposesMissingPicturesOnceAndSavesEachArchiveOnce) {
  TWorld world;
  TFakeServices& services = world.Services;
  // 18 types, then 3 colour bombs and 3 stars.
  ASSERT_EQ(services.AutoImages.size(), 24u);
  EXPECT_EQ(services.AutoImages[0],
            "<AutoImage name=\"Cell_0\" autosize=\"true\">\r\n"
            "<AddImage name=\"Cell_Red.png\" left=\"0\" top=\"0\" />\r\n"
            "<ImageHueChange hue=\"0\" saturation=\"2\" lightness=\"1\"/>\r\n"
            "<AddImage name=\"sign_r.png\" left=\"19\" top=\"11\" />\r\n"
            "</AutoImage>");
  // TriB's sign offsets (34 - 15, 21 - 10) and Bar's; offsets below 15 and 10 clamp at 0 —
  // every test shape has Sx 34 or 58, so check the clamp through a shape of our own below.
  EXPECT_EQ(services.AutoImages[18],
            "<AutoImage name=\"ColorBomb0\" autosize=\"true\">\r\n"
            "<AddImage name=\"colorbomb_small_line.png\" left=\"0\" top=\"0\" />\r\n"
            "<ImageHueChange hue=\"0\" saturation=\"2\" lightness=\"1\"/>\r\n</AutoImage>");
  EXPECT_EQ(services.Saves, (std::vector<TArchiveKind>{TArchiveKind::Level, TArchiveKind::Game}));
  EXPECT_EQ(services.GetPictureSize("Bar_2.pNg").Width, 118);
  EXPECT_TRUE(services.HasPicture("ColorBomb2"));
  EXPECT_TRUE(services.HasPicture("boomcolorstar1"));
  EXPECT_TRUE(services.HasPicture("sign_g.png"));

  // A second start finds every composed entry and composes nothing, saves nothing.
  services.AutoImages.clear();
  services.Saves.clear();
  TCatalogues again;
  again.LoadGameData(services);
  EXPECT_TRUE(services.AutoImages.empty());
  EXPECT_TRUE(services.Saves.empty());
  // Reloading after the picture store was re-created asks for every picture again.
  services.Pictures.clear();
  services.Loads.clear();
  again.ReloadPiecePictures(services);
  EXPECT_EQ(services.Loads.size(), 24u);
  EXPECT_EQ(services.Loads.back(), "boomcolorstar2<-boomcolorstar2.pNg");
  EXPECT_EQ(services.GetPictureSize("TriC_1.pNg").Height, 52);
}

TEST(Catalogues, SignOffsetsClampAtZero) {
  TFakeServices services;
  FillArchives(services);
  TCatalogues cat;
  cat.ReadColors(services);
  cat.Shapes.push_back({});
  cat.Shapes[0].Name = "Cell";
  cat.Shapes[0].NextRotateName = "Cell";
  cat.Shapes[0].Sx = 14;
  cat.Shapes[0].Sy = 9;
  cat.BuildTypeCatalogue(services);
  EXPECT_NE(services.AutoImages[0].find("<AddImage name=\"sign_r.png\" left=\"0\" top=\"0\" />"),
            std::string::npos);
}

TEST(Catalogues, LoadingBarMovesInStepsAndOneShapeDoesNotDivideByZero) {
  TWorld world;
  std::vector<std::string> bar;
  for (const std::string& entry : world.Services.PropertyLog)
    if (entry.rfind("WGameLoading", 0) == 0) bar.push_back(entry.substr(entry.find('=') + 1));
  // Board rows give 10 and 20; six shapes give 8 * s / 5 rounded: 2, 3, 5, 6, 8 -> +20.
  EXPECT_EQ(bar, (std::vector<std::string>{"10", "20", "40", "50", "70", "80", "100"}));

  TFakeServices services;
  FillArchives(services);
  TCatalogues cat;
  cat.ReadColors(services);
  cat.Shapes.resize(1);
  cat.Shapes[0].Name = "Cell";
  EXPECT_NO_THROW(cat.BuildTypeCatalogue(services));
  EXPECT_EQ(services.Property("WGameLoading_PBGameLoading", "Position"), "100");
}

TEST(Catalogues, FilesWithoutTagsAndMissingFilesRaise) {
  TFakeServices services;
  FillArchives(services);
  TCatalogues cat;
  data::TFileFolder& game = services.Archive(TArchiveKind::Game);
  game.ReplaceFile(game.IndexOf("MetaColors.xml"), data::TMemoryStream());
  EXPECT_EQ(ErrorOf([&] { cat.ReadColors(services); }),
            "MetaColors.xmlXML file does not has tags!");
  EXPECT_EQ(ErrorOf([&] { cat.LoadGameData(services); }),
            "MetaColors.xmlXML file does not has tags!");
  EXPECT_FALSE(cat.Loaded);
  TFakeServices empty;
  EXPECT_EQ(ErrorOf([&] { cat.ReadBossTypes(empty); }), "Cannot load file (wrong file name)");
  // Elements of other names, and colours missing an attribute, are skipped silently.
  AddEntry(empty.Archive(TArchiveKind::Game), "MetaColors.xml",
           "<C><Colour Material=\"a\" H=\"1\" L=\"1\" S=\"1\" Sign=\"s\"/>"
           "<Color Material=\"a\" H=\"1\" L=\"1\" Sign=\"s\"/></C>");
  cat.ReadColors(empty);
  EXPECT_EQ(cat.ColorCount(), 0);
  // A number that is not one is reported, not read as garbage.
  AddEntry(empty.Archive(TArchiveKind::Game), "BossTypes.xml",
           "<B><Boss Image=\"b.png\" x=\"1x\" y=\"2\" Power=\"1\"/></B>");
  EXPECT_EQ(ErrorOf([&] { cat.ReadBossTypes(empty); }), "'1x' is not a valid integer value");
  AddEntry(
      empty.Archive(TArchiveKind::Game), "fishkaShapes.xml",
      "<S><Shape Name=\"Huge\" NextRotateName=\"Huge\" Height=\"1\" Sx=\"0\" Sy=\"0\" Score=\"1\">"
      "<Fishes><Fish Type=\"0\"><Point x=\"-2147483648\" y=\"0\"/></Fish></Fishes></Shape></S>");
  EXPECT_EQ(ErrorOf([&] { cat.ReadShapes(empty); }), "'-2147483648' is out of range");
}

TEST(Catalogues, ShapesOfMixedHeightsAreKeptWithOneWarning) {
  TWorld world;  // every shape of the test world is 10 high
  EXPECT_FALSE(MixedShapeHeights(world.Catalogues));
  EXPECT_TRUE(world.Services.Log.empty());

  TFakeServices services;
  std::string xml = "<S>" + ShapeTag("Low", "Low", 1, Fish(0)) +
                    ShapeTag("Same", "Same", 1, Fish(1)) + ShapeTag("High", "High", 1, Fish(2)) +
                    ShapeTag("Higher", "Higher", 1, Fish(3)) + "</S>";
  const std::pair<const char*, const char*> heights[] = {{"\"High\"", "12"}, {"\"Higher\"", "14"}};
  for (const auto& [name, height] : heights) {
    const size_t at = xml.find("Height=\"10\"", xml.find(name));
    xml.replace(at, 11, std::string("Height=\"") + height + "\"");
  }
  AddEntry(services.Archive(TArchiveKind::Game), "fishkaShapes.xml", xml);
  TCatalogues cat;
  cat.ReadShapes(services);
  ASSERT_EQ(cat.Shapes.size(), 4u);  // kept: the arithmetic stays as it is
  EXPECT_EQ(cat.Shapes[3].Height, 14);
  EXPECT_TRUE(MixedShapeHeights(cat));
  EXPECT_EQ(services.Log, (std::vector<std::string>{
                              "fishkaShapes.xml mixes shape heights (\"Low\" has 10, \"High\" has "
                              "12): pieces of different heights can never touch"}));
}
