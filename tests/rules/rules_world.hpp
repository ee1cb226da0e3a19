// tests/rules/rules_world.hpp — a small game world built in the test: three colours, a few
// shapes with rotation chains, two boss types, and levels written from a short description.
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "rules/rules_game.hpp"
#include "tests/rules/fake_services.hpp"
#include "tests/support/error_of.hpp"

namespace rules_test {

// Cell corners in shape coordinates: lower-left, lower-right, upper-left, upper-right, centre.
inline std::string Fish(int kind, int dx = 0) {
  const int pts[4][3][2] = {{{21, 42}, {69, 42}, {34, 21}},
                            {{34, 21}, {69, 42}, {48, 0}},
                            {{0, 0}, {34, 21}, {48, 0}},
                            {{0, 0}, {21, 42}, {34, 21}}};
  std::string out = "<Fish Type=\"" + std::to_string(kind) + "\">";
  for (const auto& p : pts[kind])
    out += "<Point x=\"" + std::to_string(p[0] + dx) + "\" y=\"" + std::to_string(p[1]) + "\"/>";
  return out + "</Fish>";
}

inline std::string ShapeTag(const std::string& name, const std::string& next, int score,
                            const std::string& fishes, int sx = 34, int sy = 21) {
  return "<Shape Name=\"" + name + "\" NextRotateName=\"" + next + "\" Height=\"10\" Sx=\"" +
         std::to_string(sx) + "\" Sy=\"" + std::to_string(sy) + "\" Score=\"" +
         std::to_string(score) + "\"><Fishes>" + fishes + "</Fishes></Shape>";
}

inline std::string ShapesXml() {
  const std::string cell = Fish(0) + Fish(1) + Fish(2) + Fish(3);
  return "<Shapes>" + ShapeTag("Cell", "Cell", 10, cell) +
         ShapeTag("Bar", "Bar", 20, cell + Fish(0, 48) + Fish(1, 48) + Fish(2, 48) + Fish(3, 48),
                  58) +
         ShapeTag("TriA", "TriB", 5, Fish(0)) + ShapeTag("TriB", "TriC", 5, Fish(1)) +
         ShapeTag("TriC", "TriA", 5, Fish(2)) + ShapeTag("Broken", "Nowhere", 5, Fish(3)) +
         "</Shapes>";
}

enum TShapeIndex { kCell = 0, kBar = 1, kTriA = 2, kTriB = 3, kTriC = 4, kBroken = 5 };

inline std::string ColorsXml() {
  return "<Colors><Color Material=\"Red\" H=\"0\" L=\"1\" S=\"2\" Sign=\"sign_r.png\"/>"
         "<Color Material=\"Green\" H=\"120\" L=\"0\" S=\"0\" Sign=\"sign_g.png\"/>"
         "<Color Material=\"Blue\" H=\"240\" L=\"0\" S=\"0\" Sign=\"sign_b.png\"/></Colors>";
}

inline std::string BossesXml() {
  return "<Bosses><Boss Image=\"boss1.png\" x=\"20\" y=\"30\" Power=\"2\"/>"
         "<Boss Image=\"boss2.png\" x=\"20\" y=\"30\" Power=\"3\"/></Bosses>";
}

// Fills the two archives with the catalogues and the pictures they name.
inline void FillArchives(TFakeServices& services) {
  data::TFileFolder& game = services.Archive(TArchiveKind::Game);
  data::TFileFolder& levels = services.Archive(TArchiveKind::Level);
  AddEntry(game, "MetaColors.xml", ColorsXml());
  AddEntry(game, "fishkaShapes.xml", ShapesXml());
  AddEntry(game, "BossTypes.xml", BossesXml());
  AddEntry(game, "colorbomb_small_line.png", SizeText(240, 20));
  AddEntry(game, "boomcolorstar.png", SizeText(64, 64));
  for (const char* shape : {"Cell", "Bar", "TriA", "TriB", "TriC", "Broken"})
    for (const char* material : {"Red", "Green", "Blue"})
      AddEntry(levels, std::string(shape) + "_" + material + ".png",
               SizeText(std::string(shape) == "Bar" ? 118 : 70, 52));
  for (const char* sign : {"sign_r.png", "sign_g.png", "sign_b.png"})
    AddEntry(levels, sign, SizeText(10, 10));
  AddEntry(levels, "boss1.png", SizeText(40, 40));
  AddEntry(levels, "boss2.png", SizeText(40, 40));
  AddEntry(levels, "deco.png", SizeText(30, 20));
  AddEntry(levels, "deco2.png", SizeText(50, 60));
  AddEntry(levels, "tile.jpg", SizeText(48, 42));
}

// A level described piece by piece; cells are (row, column) of the lattice.
struct TLevelPlan {
  std::string Colors = "1 2 3";
  std::string Extra = "<MoveInterval Action=\"10\" Strategic=\"5\"/>";  // written as it stands
  std::string Weights = "<Shape Name=\"Cell\" Weight=\"1\"/>";
  std::string Probabilities;  // further children of "Probabilities"
  std::vector<std::string> Layers;
  std::string Bosses;

  // Level pieces are placed by their screen-style position; this gives the one that snaps to
  // the cell with its shape's leftmost vertex as given.
  static std::string Piece(const std::string& shape, int row, int col, int count = 1,
                           int minX = 0) {
    return "<Fishka x=\"" + std::to_string(48 * col + 21 * row + 11 + minX) + "\" y=\"" +
           std::to_string(42 * row + 49) + "\" Shape=\"" + shape + "\" Count=\"" +
           std::to_string(count) + "\"/>";
  }
  // A boss of type standing on the top triangle of a Cell piece at (row, col).
  static std::string Boss(int row, int col, int type, bool main) {
    return "<Boss x=\"" + std::to_string(48 * col + 21 * row + 25) + "\" y=\"" +
           std::to_string(42 * row + 76) + "\" Type=\"" + std::to_string(type) + "\"" +
           (main ? " Main=\"true\"" : "") + "/>";
  }

  std::string Xml() const {
    std::string xml = "<Level><FishkaColors>" + Colors + "</FishkaColors>" + Extra +
                      "<Probabilities><FishkaShapes>" + Weights + "</FishkaShapes>" +
                      Probabilities + "</Probabilities><Layers>";
    for (const std::string& layer : Layers) xml += "<Layer>" + layer + "</Layer>";
    return xml + "</Layers><Bosses>" + Bosses + "</Bosses></Level>";
  }
};

// The loaded world and games played in it.
struct TWorld {
  TWorld() {
    FillArchives(Services);
    Catalogues.LoadGameData(Services);
  }

  std::unique_ptr<rules::TRulesGame> NewGame(int mode, const TLevelPlan& level, uint32_t seed = 7,
                                             const std::string& entry = "Level1.xml") {
    if (Services.Archive(TArchiveKind::Level).IndexOf(entry) < 0)
      AddEntry(Services.Archive(TArchiveKind::Level), entry, level.Xml());
    auto game = std::make_unique<rules::TRulesGame>(Catalogues, Services, seed);
    game->StartNewGame(mode);
    game->LoadLevel(entry, true);
    game->Game.GameState = rules::gsGamePlay;
    return game;
  }

  int Type(int shape, int color) const { return Catalogues.TypeWithShapeAndColor(shape, color); }

  TFakeServices Services;
  rules::TCatalogues Catalogues;
};

// Moves the pointer so that the hand piece would snap to (row, col) and clicks.
inline void MoveHandTo(rules::TRulesGame& game, int row, int col) {
  const rules::TFishka& hand = game.Piece(game.HandIndex);
  const rules::TFishkaShape& shape = game.ShapeOf(hand);
  const int h = game.PictureSize(hand).Height;
  const rules::TPoint offset = game.CentringOffset(hand);
  const int x = 48 * col + 21 * row + 11 + shape.MinX - game.Line().ScrollX;
  const int y = game.Line().ScrollY - h + 593 - 42 * row;
  game.MouseMoved(x + offset.X, y + offset.Y);
}

// True when the hand piece was put (a new hand piece, or a new layer, follows every put).
inline bool PutHandAt(rules::TRulesGame& game, int row, int col, int type = -1) {
  if (type >= 0) game.Piece(game.HandIndex).TypeIndex = type;
  const int hand = game.HandIndex;
  const int layer = game.Level.CurrentLayer;
  MoveHandTo(game, row, col);
  game.MouseDown(rules::TRulesGame::kLeftButton, false);
  return game.HandIndex != hand || game.Level.CurrentLayer != layer || game.Level.LevelDone;
}

}  // namespace rules_test

namespace rules_test {

// Gives piece i of the current layer the colour, keeping its shape.
inline void Paint(rules::TRulesGame& game, int index, int color) {
  rules::TFishka& piece = game.Piece(index);
  piece.TypeIndex = game.Cat.TypeWithShapeAndColor(game.ShapeIndexOf(piece), color);
}

// Columns of Cells hanging from a main Cell at row 8: rows 8, 7, ... down to 9 - count, in
// column 4 for the first layer and 7 for the second (a boss attaches to the first piece under
// it in any layer, so the layers' main pieces stand apart).
inline TLevelPlan ColumnLevel(int count, int layers = 1) {
  TLevelPlan plan;
  for (int l = 0; l < layers; ++l) {
    std::string pieces;
    for (int i = 0; i < count; ++i) pieces += TLevelPlan::Piece("Cell", 8 - i, 4 + 3 * l);
    plan.Layers.push_back(pieces);
    plan.Bosses += TLevelPlan::Boss(8, 4 + 3 * l, 0, true);
  }
  return plan;
}

using support_test::ErrorOf;

}  // namespace rules_test
