// content/levels/level_source.hpp — the level designer's text format (*.lvl) and its
// translation into the game's "LevelN.xml". See content/levels/README.md for the format.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "content/pieces/shape_catalogue.hpp"

namespace levels {

struct TBossTypeInfo {
  std::string Name;  // "imp" for boss_imp
  int FeetX = 0, FeetY = 0;
};

struct TPictureSize {
  int Width = 0, Height = 0;
};

// Everything a level refers to, read from the other content sources.
struct TLevelWorld {
  std::vector<pieces::TShape> Shapes;
  std::map<std::string, std::vector<std::string>> Families;  // "wedge" → its rotation names
  std::vector<TBossTypeInfo> Bosses;
  int ColourCount = 0;
  // Level picture frames by base name ("deco_teal" → sizes of deco_teal1.png, ...).
  std::map<std::string, std::vector<TPictureSize>> Decor;
  std::vector<std::string> Themes;  // map tile sets: tile_THEME1..3.png
};

struct TCompiledLevel {
  std::string Name;
  std::string Xml;
};

// Raises data::Error "FILE:LINE: what is wrong" for anything the game would not read as meant.
TCompiledLevel CompileLevel(const std::string& text, const std::string& fileName,
                            const TLevelWorld& world);

}  // namespace levels
