// rules/catalogues.hpp — the game data loaded once at start-up and shared by every game: board
// tables, colours, shapes, piece types with their composed pictures, and boss types.
#pragma once

#include <string>
#include <vector>

#include "rules/board_tables.hpp"
#include "rules/catalogue_types.hpp"

namespace rules {

class TRulesServices;

class TCatalogues {
 public:
  // Builds everything in order, moving the loading bar "WGameLoading_PBGameLoading" from 10 to
  // 100. Errors (missing entry, file without tags, bad number) propagate; the catalogues are
  // then incomplete and Loaded stays false.
  void LoadGameData(TRulesServices& services);
  // After the picture store was re-created: loads every piece and colour-bomb picture again.
  void ReloadPiecePictures(TRulesServices& services) const;

  // Look-ups. -1 when nothing matches.
  int TypeWithShapeAndColor(int shapeIndex, int colorIndex) const;
  int TypeByName(const std::string& name) const;
  const TFishkaShape& ShapeOf(int typeIndex) const {
    return Shapes[static_cast<size_t>(Types[static_cast<size_t>(typeIndex)].ShapeIndex)];
  }
  int ColorOf(int typeIndex) const { return Types[static_cast<size_t>(typeIndex)].ColorIndex; }
  int ColorCount() const { return static_cast<int>(Colors.size()); }
  int TypeCount() const { return static_cast<int>(Types.size()); }

  // The separate steps of LoadGameData, for tests and tools.
  void ReadColors(TRulesServices& services);
  void ReadShapes(TRulesServices& services);
  void BuildTypeCatalogue(TRulesServices& services);
  void BuildColorBombPictures(TRulesServices& services);
  void ReadBossTypes(TRulesServices& services);

  TBoardTables Tables;
  std::vector<TFishkaColor> Colors;
  std::vector<TFishkaShape> Shapes;
  std::vector<TFishkaType> Types;  // index = shape * colour count + colour
  std::vector<TBossType> BossTypes;
  bool Loaded = false;

 private:
  int lastBarStep = 0;  // loading bar steps shown so far
  void AdvanceBar(TRulesServices& services, int step, int offset);
};

// Pieces are placed from anchors that include their shape's Height, so shapes of different
// heights never share a vertex and can never touch. Empty when every shape has the same
// height; otherwise one line naming the first two heights that differ.
std::string MixedHeightsWarning(const TCatalogues& catalogues);
inline bool MixedShapeHeights(const TCatalogues& catalogues) {
  return !MixedHeightsWarning(catalogues).empty();
}

// Picture names of the colour bombs and their blast stars, colour 0-based.
std::string ColorBombPicture(int color);
std::string ColorStarPicture(int color);

}  // namespace rules
