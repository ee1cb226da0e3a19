// tests/rules/level_loader_test.cpp
#include <gtest/gtest.h>

#include "tests/rules/rules_world.hpp"

using namespace rules;
using namespace rules_test;

namespace {

// A main Cell at row 8, column 4 carrying the main boss, with a Cell below it.
TLevelPlan BasicLevel() {
  TLevelPlan plan;
  plan.Layers = {TLevelPlan::Piece("Cell", 8, 4) + TLevelPlan::Piece("Cell", 7, 4)};
  plan.Bosses = TLevelPlan::Boss(8, 4, 0, true);
  return plan;
}

}  // namespace

TEST(LevelLoader, ReadsColoursNullFragsAndSettingsAsWritten) {
  TWorld world;
  TLevelPlan plan = BasicLevel();
  plan.Colors = " 3 1 3 0 99 ";
  plan.Extra =
      "<PutFishkaSound>put.ogg</PutFishkaSound><PlayMusic>tune.it</PlayMusic>"
      "<MoveInterval Action=\"12\" Strategic=\"4\"/><NullFrags>0 0 abc 17</NullFrags>";
  plan.Probabilities =
      "<BonusTypeWeights> 1 2 3 </BonusTypeWeights><NoColorFishka>0.25</NoColorFishka>";
  auto game = world.NewGame(kPuzzle, plan);
  const TLevel& level = game->Level;
  EXPECT_EQ(level.Colors, (TIntegers{3, 1}));
  EXPECT_EQ(level.NullFrags, (TIntegers{0, 17}));
  EXPECT_EQ(level.PutSound, "put.ogg");
  EXPECT_EQ(level.MoveInterval, 12000);
  EXPECT_EQ(level.StrategicPuts, 4);
  EXPECT_EQ(level.PutLeft, 4);
  EXPECT_EQ(level.BonusWeights, (TIntegers{1, 2, 3}));
  EXPECT_DOUBLE_EQ(level.NoColorChance, 0.25);
  EXPECT_EQ(world.Services.MusicStarted, (std::vector<std::string>{"tune.it"}));
  EXPECT_EQ(level.MoveDeadline, 1000 + 12000);
  // Only Cell has a weight, in every colour.
  for (int t = 0; t < world.Catalogues.TypeCount(); ++t)
    EXPECT_EQ(level.TypeWeights[t],
              world.Catalogues.Types[static_cast<size_t>(t)].ShapeIndex == kCell ? 1 : 0);

  // A next level without those elements keeps timing, chances, sound and music, and does not
  // restart the music that already plays.
  TLevelPlan next = BasicLevel();
  next.Extra.clear();
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level2.xml", next.Xml());
  game->LoadLevel("Level2.xml", true);
  EXPECT_EQ(game->Level.MoveInterval, 12000);
  EXPECT_EQ(game->Level.PutSound, "put.ogg");
  EXPECT_DOUBLE_EQ(game->Level.NoColorChance, 0.25);
  EXPECT_TRUE(game->Level.NullFrags.Empty());
  EXPECT_TRUE(game->Level.BonusWeights.Empty());
  EXPECT_EQ(world.Services.MusicStarted.size(), 1u);
}

TEST(LevelLoader, PutsLevelPiecesOnTheGridAndAttachesBosses) {
  TWorld world;
  TLevelPlan plan = BasicLevel();
  // Boss 1 stands on nothing; boss 2 is "TRUE" (not main) and shares the lower piece with boss 3.
  plan.Bosses += "<Boss x=\"5\" y=\"5\" Type=\"1\"/>" + TLevelPlan::Boss(7, 4, 1, false) +
                 "<Boss x=\"" + std::to_string(48 * 4 + 21 * 7 + 25) + "\" y=\"" +
                 std::to_string(42 * 7 + 76) + "\" Type=\"0\" Main=\"TRUE\"/>" +
                 "<Boss x=\"1\" y=\"1\" Type=\"9\"/>";
  auto game = world.NewGame(kPuzzle, plan);
  const TLayer& layer = game->Layer();
  ASSERT_EQ(layer.Pieces.size(), 5u);  // two level pieces and the three dealt
  const TFishka& main = layer.Pieces[0];
  EXPECT_EQ(main.State, kOnBoard);
  EXPECT_EQ(main.X, 48 * 4 + 21 * 8);
  EXPECT_EQ(main.Y, 42 * 9 + 10);
  EXPECT_EQ(layer.Occupied, (TIntegers{8 * 40 + 16, 8 * 40 + 17, 8 * 40 + 18, 8 * 40 + 19,
                                       7 * 40 + 16, 7 * 40 + 17, 7 * 40 + 18, 7 * 40 + 19}));
  EXPECT_EQ(layer.Owners, (TIntegers{0, 0, 0, 0, 1, 1, 1, 1}));
  ASSERT_EQ(game->Level.Bosses.size(), 4u);  // the boss of an unknown type is skipped
  EXPECT_EQ(main.BossIndex, 0);
  EXPECT_EQ(layer.MainIndex, 0);
  EXPECT_EQ(layer.Pieces[1].BossIndex, 3);  // the later of two bosses on one piece stays
  EXPECT_FALSE(game->Level.Bosses[3].Main);
  // Dealt pieces wait in the queue, the first in the hand; the paint order holds both strips.
  EXPECT_EQ(game->PieceQueue, (TIntegers{2, 3, 4}));
  EXPECT_EQ(game->HandIndex, 2);
  EXPECT_EQ(game->PaintOrder.Pieces, (TIntegers{0, 1}));
  // The dead line sits 252 below the lowest picture bottom (row 7 -> 294).
  EXPECT_EQ(game->Line().CurrentY, 294 - 252);
  EXPECT_FALSE(layer.Frontier.Empty());
}

TEST(LevelLoader, ShapesWithoutLevelColoursFallBackAndBonusesNeedFiveTriangles) {
  TWorld world;
  TLevelPlan plan = BasicLevel();
  plan.Colors = "2";
  plan.Layers[0] += TLevelPlan::Piece("Nothing", 5, 1) + TLevelPlan::Piece("Bar", 6, 1) +
                    TLevelPlan::Piece("TriA", 6, 6, 1, 21);
  plan.Probabilities =
      "<FishkaWithBonus>1.0</FishkaWithBonus><BonusTypeWeights>0 0 5</BonusTypeWeights>";
  auto game = world.NewGame(kPuzzle, plan);
  const TLayer& layer = game->Layer();
  EXPECT_EQ(layer.Pieces[2].TypeIndex, 0);  // no such shape: type 0 at the given position
  EXPECT_EQ(layer.Pieces[3].TypeIndex, world.Type(kBar, 1));
  EXPECT_EQ(layer.Pieces[3].Bonus, 2);  // eight triangles: a gold coin
  EXPECT_EQ(layer.Pieces[3].BonusEffect.ImageName, "gold_coin_line.png");
  EXPECT_EQ(layer.Pieces[3].BonusEffect.FrameCount, 12);
  EXPECT_EQ(layer.Pieces[0].Bonus, kNoBonus);  // four triangles, and the main boss's piece
  EXPECT_EQ(layer.Pieces[4].Bonus, kNoBonus);
  EXPECT_EQ(layer.Pieces[4].X, 48 * 6 + 21 * 7);  // TriA snapped by its own left edge

  // At program start the bonus chance is 0: no level piece carries a bonus.
  TWorld fresh;
  TLevelPlan plain = BasicLevel();
  plain.Layers[0] += TLevelPlan::Piece("Bar", 6, 1);
  auto second = fresh.NewGame(kPuzzle, plain);
  EXPECT_EQ(second->Layer().Pieces[2].Bonus, kNoBonus);
}

TEST(LevelLoader, PicturesAndMapLoadTheirImages) {
  TWorld world;
  TLevelPlan plan = BasicLevel();
  plan.Extra =
      "<Pictures><Picture x=\"10\" y=\"500\" Sx=\"1\" Sy=\"2\" Name=\"p\"><Image Name=\"deco.png\" "
      "t=\"100\"/>"
      "<Image Name=\"deco2.png\" t=\"200\"/><Image Name=\"x.png\"/></Picture><Picture "
      "x=\"1\"/></Pictures>"
      "<PictureMap x=\"0\" y=\"0\" OneWidth=\"48\" OneHeight=\"42\"><Images><Image "
      "Name=\"tile.jpg\"/>"
      "<Image/></Images><Lines><Line>1 0 1</Line><Line>2 1 x</Line></Lines></PictureMap>";
  auto game = world.NewGame(kPuzzle, plan);
  ASSERT_EQ(game->Level.Pictures.size(), 1u);
  const TLevelPicture& picture = game->Level.Pictures[0];
  EXPECT_EQ(picture.Images, (std::vector<std::string>{"deco.png", "deco2.png"}));
  EXPECT_EQ(picture.Times, (TIntegers{100, 200}));
  EXPECT_EQ(picture.Width, 50);  // the last image decides
  EXPECT_EQ(picture.Height, 60);
  const TPictureMap& map = game->Level.PictureMap;
  EXPECT_EQ(map.Images, (std::vector<std::string>{"tile.jpg"}));
  EXPECT_TRUE(world.Services.HasPicture("tile.jpg"));
  // Bottom line first; 2 and "x" are dropped; the first line in the file sets the length.
  EXPECT_EQ(map.Lines, (TIntegers{1, 1, 0, 1}));
  EXPECT_EQ(map.LineLength, 3);
}

TEST(LevelLoader, BadLevelsRaiseClearErrors) {
  TWorld world;
  TRulesGame game(world.Catalogues, world.Services);
  EXPECT_EQ(ErrorOf([&] { game.LoadLevel("Level9.xml", true); }),
            "Cannot load file (wrong file name)");
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level5.xml", "no tags here");
  EXPECT_EQ(ErrorOf([&] { game.LoadLevel("Level5.xml", true); }),
            "Level5.xmlXML file does not has tags!");
  TLevelPlan plan = BasicLevel();
  plan.Weights = "<Shape Name=\"Cell\" Weight=\"heavy\"/>";
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level6.xml", plan.Xml());
  EXPECT_EQ(ErrorOf([&] { game.LoadLevel("Level6.xml", true); }),
            "'heavy' is not a valid integer value");
  // Positions and intervals the board arithmetic could not hold are refused by name.
  TLevelPlan far = BasicLevel();
  far.Layers[0] += "<Fishka x=\"5000000\" y=\"0\" Shape=\"Cell\" Count=\"1\"/>";
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level10.xml", far.Xml());
  EXPECT_EQ(ErrorOf([&] { game.LoadLevel("Level10.xml", true); }), "'5000000' is out of range");
  TLevelPlan slow = BasicLevel();
  slow.Extra = "<MoveInterval Action=\"2147484\" Strategic=\"1\"/>";
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level11.xml", slow.Xml());
  EXPECT_EQ(ErrorOf([&] { game.LoadLevel("Level11.xml", true); }), "'2147484' is out of range");
  // A level without layers or colours still deals without crashing.
  AddEntry(world.Services.Archive(TArchiveKind::Level), "Level7.xml", "<Level/>");
  EXPECT_EQ(ErrorOf([&] { game.LoadLevel("Level7.xml", true); }), "(no error)");
  EXPECT_EQ(game.PieceQueue.Count(), 3);
}

TEST(LevelLoader, LevelPiecesAndDealingDrawFromTheGeneratorInTheirOrder) {
  bool sawBonus = false, sawNone = false;
  for (uint32_t seed = 1; seed <= 16; ++seed) {
    TWorld world;
    TLevelPlan plan;
    plan.Weights = "<Shape Name=\"Cell\" Weight=\"1\"/><Shape Name=\"Bar\" Weight=\"2\"/>";
    plan.Probabilities =
        "<FishkaWithBonus>0.5</FishkaWithBonus><NoColorFishka>0.5</NoColorFishka>"
        "<BonusTypeWeights>1 1 1</BonusTypeWeights>";
    plan.Layers = {TLevelPlan::Piece("Cell", 8, 4) + TLevelPlan::Piece("Bar", 8, 5)};
    plan.Bosses = TLevelPlan::Boss(8, 4, 0, true);
    auto game = world.NewGame(kPuzzle, plan, seed);

    // The same draws made by hand: a type among the shape's level colours, then the bonus
    // chance (and kind, for the eight-triangle Bar) per piece; then per dealt piece a type by
    // weight (Cell 1, Bar 2 in each of three colours), a colour on view, the NoColor chance.
    TRandomSource ref(seed);
    const int cell = ref.Random(3);
    ref.RandomReal();
    const int bar = 3 + ref.Random(3);
    int bonus = kNoBonus;
    if (ref.RandomReal() < 0.5) bonus = ref.Random(3);
    (bonus == kNoBonus ? sawNone : sawBonus) = true;
    const TLayer& layer = game->Layer();
    EXPECT_EQ(layer.Pieces[0].TypeIndex, cell);
    EXPECT_EQ(layer.Pieces[1].TypeIndex, bar);
    EXPECT_EQ(layer.Pieces[1].Bonus, bonus);
    TIntegers onView{cell % 3};
    onView.AppendOnce(bar % 3);
    for (int k = 0; k < 3; ++k) {
      const int w = ref.Random(9);
      int type = w < 3 ? w : 3 + (w - 3) / 2;
      const int color = onView[ref.Random(onView.Count())];
      type = type / 3 * 3 + color;
      const bool noColor = ref.RandomReal() < 0.5;
      const TFishka& dealt = game->Piece(game->PieceQueue[k]);
      EXPECT_EQ(dealt.TypeIndex, type) << "seed " << seed << " deal " << k;
      EXPECT_EQ(dealt.NoColor, noColor) << "seed " << seed << " deal " << k;
    }
    EXPECT_EQ(game->Rand.Seed, ref.Seed) << "seed " << seed;
  }
  EXPECT_TRUE(sawBonus && sawNone);
}

TEST(LevelLoader, ChancesThatAreNoDecimalNumbersReadAsZero) {
  const struct {
    const char* Text;
    double Chance;
  } cases[] = {{" 0.75 ", 0.75}, {"1,5", 0},  {"", 0},        {"nan", 0},
               {"inf", 0},       {"0.5x", 0}, {"+0.25", 0.25}};
  for (const auto& c : cases) {
    TWorld world;
    TLevelPlan plan = BasicLevel();
    plan.Probabilities = std::string("<FishkaWithBonus>") + c.Text +
                         "</FishkaWithBonus><NoColorFishka>" + c.Text + "</NoColorFishka>";
    auto game = world.NewGame(kPuzzle, plan);
    EXPECT_DOUBLE_EQ(game->Level.BonusChance, c.Chance) << c.Text;
    EXPECT_DOUBLE_EQ(game->Level.NoColorChance, c.Chance) << c.Text;
  }
}
