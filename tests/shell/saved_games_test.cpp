// tests/shell/saved_games_test.cpp — saved games: round trips, hand-written files, listing, and
// damaged files that must leave the running game and every file alone.
#include "shell/saved_games.hpp"

#include <gtest/gtest.h>

#include "data/line_codec.hpp"
#include "tests/rules/rules_world.hpp"
#include "tests/support/scratch_dir.hpp"

namespace {

using namespace rules;
using namespace rules_test;
using shell::TSavedGame;

struct TPlaced {
  int X, Y, Type, Count;
  bool operator==(const TPlaced&) const = default;
};

std::vector<TPlaced> PlacedOf(const TRulesGame& game) {
  std::vector<TPlaced> out;
  for (const TFishka& piece : game.Layer().Pieces)
    if (piece.State == kOnBoard) out.push_back({piece.X, piece.Y, piece.TypeIndex, piece.Count});
  return out;
}

// A game in play on a two-layer column level, one piece put by the player.
std::unique_ptr<TRulesGame> PlayedGame(TWorld& world, int mode) {
  auto game = world.NewGame(mode, ColumnLevel(3, 2));
  EXPECT_TRUE(PutHandAt(*game, 5, 4, world.Type(kCell, 1)));
  game->Game.Score = 120;
  game->Game.PrevScore = 40;
  game->Game.Shifts = 2;
  return game;
}

TSavedGame Load(TRulesGame& game, const std::string& path) {
  TSavedGame saved = shell::ReadSavedGame(path, game);
  shell::RestoreGameRecord(game, saved);
  if (saved.State == gsGamePlay) shell::RestoreBoard(game, saved);
  return saved;
}

TEST(SavedGames, SaveAndLoadGiveTheSamePiecesAtTheSamePlaces) {
  TWorld world;
  support_test::TScratchDir dir;
  for (int mode : {kNoLose, kPuzzle, kStrategy}) {
    auto game = PlayedGame(world, mode);
    game->CurrentY = 84;
    const std::string path = dir / "round.sav";
    shell::SaveGame(path, *game);
    auto other = world.NewGame(kPuzzle, ColumnLevel(1), 99, "Level1.xml");
    Load(*other, path);
    EXPECT_EQ(PlacedOf(*other), PlacedOf(*game)) << "mode " << mode;
    EXPECT_EQ(other->Level.Layers.size(), 2u);
    EXPECT_EQ(other->Level.Layers[1].Pieces.size(), 3u);
    EXPECT_EQ(other->Game.Score, 120);
    EXPECT_EQ(other->Game.PrevScore, 40);
    EXPECT_EQ(other->Game.Shifts, 2);
    EXPECT_EQ(other->Game.Mode, mode);
    EXPECT_EQ(other->Level.Bosses.size(), 2u);
    EXPECT_EQ(other->Layer().MainIndex, game->Layer().MainIndex);
    EXPECT_EQ(other->PieceQueue.Count(), kQueueLength);
    EXPECT_TRUE(other->Game.UndoList.empty());
    // Only the Strategy mode keeps its dead line; the others lift it from the structure.
    if (mode == kStrategy) {
      EXPECT_EQ(other->CurrentY, 84);
    }
    // Saving the loaded game again writes the same board.
    const auto first = shell::CaptureGame(*game), second = shell::CaptureGame(*other);
    EXPECT_EQ(second.Layers, first.Layers);
    EXPECT_EQ(second.Bosses, first.Bosses);
  }
}

TEST(SavedGames, FileIsEncodedXmlWithTheAttributesInOrder) {
  TWorld world;
  auto game = PlayedGame(world, kStrategy);
  const std::string xml = shell::SavedGameXml(shell::CaptureGame(*game));
  const size_t root =
      xml.find("<GameSave Mode=\"3\" State=\"gsGamePlay\" Level=\"1\" Score=\"120\"");
  EXPECT_NE(root, std::string::npos) << xml;
  EXPECT_NE(xml.find("PrevScore=\"40\" PutLeft="), std::string::npos);
  EXPECT_NE(xml.find("Shifts=\"2\" Shuffles=\"3\" CurrentY="), std::string::npos);
  EXPECT_NE(xml.find("Main=\"true\""), std::string::npos);
  EXPECT_NE(xml.find("BType=\"-1\""), std::string::npos);
  const std::string file = shell::SavedGameFile(shell::CaptureGame(*game));
  EXPECT_EQ(file, data::EncodeLines(xml));
  EXPECT_EQ(file.find('<'), std::string::npos);
  // Between levels only the root's attributes are written.
  game->Game.GameState = gsBetweenLevels;
  const std::string between = shell::SavedGameXml(shell::CaptureGame(*game));
  EXPECT_NE(between.find("State=\"gsBetweenLevels\""), std::string::npos);
  EXPECT_EQ(between.find("Layers"), std::string::npos);
}

// A save written by hand from the format's table, encoded as zerith-tool encode does.
std::string HandSave(const std::string& root, const std::string& body) {
  return data::EncodeLines("<GameSave " + root + ">\n" + body + "</GameSave>\n");
}

TEST(SavedGames, HandWrittenSaveShowsTheStatedBoard) {
  TWorld world;
  support_test::TScratchDir dir;
  // Level pieces of the column level sit at anchor x = 48c + 21r + 11 and snap from there.
  auto reference = world.NewGame(kPuzzle, ColumnLevel(2));
  const std::vector<TPlaced> placed = PlacedOf(*reference);
  ASSERT_EQ(placed.size(), 2u);
  std::string pieces;
  const int types[] = {world.Type(kCell, 2), world.Type(kCell, 0)};
  for (size_t i = 0; i < placed.size(); ++i)
    pieces += "<Fishka x=\"" + std::to_string(placed[i].X) + "\" y=\"" +
              std::to_string(placed[i].Y) + "\" FType=\"" + std::to_string(types[i]) +
              "\" N=\"2\" BType=\"-1\"/>\n";
  const std::string path =
      dir.Write("hand.sav", HandSave("Mode=\"2\" State=\"gsGamePlay\" Level=\"1\" Score=\"77x\" "
                                     "Shifts=\"1\" Shuffles=\"0\"",
                                     "<Layers><Layer>" + pieces + "</Layer></Layers><Bosses>" +
                                         TLevelPlan::Boss(8, 4, 1, true) +
                                         "<Boss x=\"0\" y=\"0\" Type=\"0\" "
                                         "Main=\"fase\"/></Bosses>\n"));
  auto game = world.NewGame(kStrategy, ColumnLevel(1));
  const TSavedGame saved = Load(*game, path);
  EXPECT_EQ(saved.Score, 77);  // leading numeric part, as the game always read it
  EXPECT_FALSE(saved.PrevScore.has_value());
  const std::vector<TPlaced> now = PlacedOf(*game);
  ASSERT_EQ(now.size(), 2u);
  for (size_t i = 0; i < now.size(); ++i) {
    EXPECT_EQ(now[i].X, placed[i].X);
    EXPECT_EQ(now[i].Y, placed[i].Y);
    EXPECT_EQ(now[i].Type, types[i]);
    EXPECT_EQ(now[i].Count, 2);
  }
  ASSERT_EQ(game->Level.Bosses.size(), 2u);
  EXPECT_TRUE(game->Level.Bosses[0].Main);
  EXPECT_FALSE(game->Level.Bosses[1].Main);  // "fase" and anything but "true"
  EXPECT_EQ(game->Game.Mode, kPuzzle);
  EXPECT_EQ(game->Game.Shuffles, 0);
}

// Damaged files of many kinds: each is refused naming the file, and neither the running game
// nor any file changes.
TEST(SavedGames, DamagedSavesAreRefusedAndChangeNothing) {
  TWorld world;
  support_test::TScratchDir dir;
  auto game = PlayedGame(world, kPuzzle);
  const std::string root =
      "Mode=\"2\" State=\"gsGamePlay\" Level=\"1\" Score=\"0\" Shifts=\"3\" "
      "Shuffles=\"3\"";
  const std::string fine = "<Fishka x=\"" + std::to_string(PlacedOf(*game)[0].X) + "\" y=\"" +
                           std::to_string(PlacedOf(*game)[0].Y) +
                           "\" FType=\"0\" N=\"1\" BType=\"-1\"/>";
  auto board = [&](const std::string& pieces, const std::string& bosses = "") {
    return "<Layers><Layer>" + pieces + "</Layer></Layers><Bosses>" + bosses + "</Bosses>";
  };
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plain", "<GameSave " + root + ">" + board(fine) + "</GameSave>"},
      {"empty", ""},
      {"garbage", std::string("\x01\x02\x03 binary \xff\xfe", 13)},
      {"other root", HandSave("", "").replace(0, 0, data::EncodeLines("<Level/>"))},
      {"mode",
       HandSave(
           "Mode=\"4\" State=\"gsGamePlay\" Level=\"1\" Score=\"0\" Shifts=\"3\" Shuffles=\"3\"",
           board(fine))},
      {"no mode",
       HandSave("State=\"gsGamePlay\" Level=\"1\" Score=\"0\" Shifts=\"3\" Shuffles=\"3\"",
                board(fine))},
      {"level",
       HandSave(
           "Mode=\"2\" State=\"gsGamePlay\" Level=\"9\" Score=\"0\" Shifts=\"3\" Shuffles=\"3\"",
           board(fine))},
      {"score", HandSave("Mode=\"2\" State=\"gsGamePlay\" Level=\"1\" Score=\"99999999999\" "
                         "Shifts=\"3\" Shuffles=\"3\"",
                         board(fine))},
      {"shifts",
       HandSave(
           "Mode=\"2\" State=\"gsGamePlay\" Level=\"1\" Score=\"0\" Shifts=\"-1\" Shuffles=\"3\"",
           board(fine))},
      {"no layers", HandSave(root, "<Bosses/>")},
      {"type", HandSave(root, board("<Fishka x=\"60\" y=\"100\" FType=\"54\"/>"))},
      {"no type", HandSave(root, board("<Fishka x=\"60\" y=\"100\"/>"))},
      {"count", HandSave(root, board("<Fishka x=\"60\" y=\"100\" FType=\"0\" N=\"256\"/>"))},
      {"bonus", HandSave(root, board("<Fishka x=\"60\" y=\"100\" FType=\"0\" BType=\"16\"/>"))},
      {"off board", HandSave(root, board("<Fishka x=\"-5000\" y=\"100\" FType=\"0\"/>"))},
      {"far off", HandSave(root, board("<Fishka x=\"60\" y=\"900000\" FType=\"0\"/>"))},
      {"overlap", HandSave(root, board(fine + fine))},
      {"boss type", HandSave(root, board(fine, "<Boss x=\"1\" y=\"1\" Type=\"2\"/>"))},
  };
  const shell::TSavedGame before = shell::CaptureGame(*game);
  const std::vector<TPlaced> placedBefore = PlacedOf(*game);
  const auto calls = world.Services.PropertyLog.size() + world.Services.MusicStarted.size();
  for (const auto& [name, bytes] : cases) {
    const std::string path = dir.Write(name + ".sav", bytes);
    const std::string message = ErrorOf([&] { Load(*game, path); });
    EXPECT_NE(message.find(path), std::string::npos) << name << ": " << message;
    EXPECT_EQ(data::ReadWholeFile(path), bytes) << name;
    EXPECT_EQ(PlacedOf(*game), placedBefore) << name;
    const shell::TSavedGame after = shell::CaptureGame(*game);
    EXPECT_EQ(after.Layers, before.Layers) << name;
    EXPECT_EQ(after.Score, before.Score) << name;
    EXPECT_EQ(after.Mode, before.Mode) << name;
  }
  EXPECT_EQ(world.Services.PropertyLog.size() + world.Services.MusicStarted.size(), calls)
      << "a refused load asked the services for something";
  EXPECT_EQ(ErrorOf([&] { Load(*game, dir.Write("e.sav", "\r\n")); }),
            dir / "e.sav" + "XML file does not has tags!");
}

TEST(SavedGames, ListingShowsOnlyLowerCaseSavNames) {
  support_test::TScratchDir dir;
  for (const char* name : {"b.sav", "a.sav", "X.SAV", "resume.state", "notes.txt", "odd.xsav"})
    dir.Write(name, "x");
  std::filesystem::create_directory(dir / "folder.sav");
  EXPECT_EQ(shell::ListSavedGames(dir.Path()), (std::vector<std::string>{"a", "b", "odd."}));
  EXPECT_TRUE(shell::ListSavedGames(dir / "missing").empty());
}

TEST(SavedGames, FailedWriteKeepsTheOldFileAndSaysWhere) {
  TWorld world;
  support_test::TScratchDir dir;
  auto game = PlayedGame(world, kPuzzle);
  const std::string missing = dir / "gone/a.sav";
  const std::string message = ErrorOf([&] { shell::SaveGame(missing, *game); });
  EXPECT_NE(message.find(missing), std::string::npos) << message;
  const std::string path = dir.Write("keep.sav", "old");
  shell::SaveGame(path, *game);
  EXPECT_NE(data::ReadWholeFile(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace

namespace {

TEST(SavedGames, StrategyLoadShowsPutsLeftAndItsBarOthersHideTheLabel) {
  TWorld world;
  support_test::TScratchDir dir;
  auto game = PlayedGame(world, kStrategy);
  game->Level.PutLeft = 2;  // of 5 strategic puts: 3 done, 60 %
  const std::string path = dir / "s.sav";
  shell::SaveGame(path, *game);
  auto other = world.NewGame(kPuzzle, ColumnLevel(1), 5);
  Load(*other, path);
  shell::ShowRestoredDanger(*other);
  EXPECT_EQ(world.Services.Property("WGame_LPutsLeftCount", "Visible"), "true");
  EXPECT_EQ(world.Services.Property("WGame_LPutsLeftCount", "Caption"), "2");
  EXPECT_EQ(world.Services.Property("WGame_PBDead", "Position"), "60");
  EXPECT_EQ(other->ScrollY, 0);
  other->Game.Mode = kNoLose;
  shell::ShowRestoredDanger(*other);
  EXPECT_EQ(world.Services.Property("WGame_LPutsLeftCount", "Visible"), "false");
  // A level without a put count leaves the bar empty instead of dividing by zero.
  other->Game.Mode = kStrategy;
  other->Level.StrategicPuts = 0;
  shell::ShowRestoredDanger(*other);
  EXPECT_EQ(world.Services.Property("WGame_PBDead", "Position"), "0");
}

}  // namespace
