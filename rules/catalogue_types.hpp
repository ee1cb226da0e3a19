// rules/catalogue_types.hpp — records of the three catalogue files: shapes, colours, boss types,
// and the piece types (a shape in a colour) built from them.
#pragma once

#include <string>
#include <vector>

#include "rules/grow_list.hpp"

namespace rules {

constexpr size_t kShortNameLength = 32;  // bytes; longer names are cut

// One triangle of a shape. NOTE: shape coordinates: x right, least x at the picture's left
// edge; y up, 0 at the picture's bottom edge.
struct TOneFish {
  int32_t Kind = 0;  // the fragment kind it lands on
  TPoints Points;
};
using TFishes = std::vector<TOneFish>;

struct TFishkaShape {
  std::string Name;
  std::string NextRotateName;  // the shape one rotation step further
  int Height = 0;              // relief drawn above the footprint's highest vertex
  TFishes Fishes;
  int LeftOffset = 0;  // least x of all vertices minus least x of the first triangle
  int TopOffset = 0;   // greatest y of all vertices minus greatest y of the first triangle
  int MinX = 0;
  int MinXY = 0;  // y of the first vertex (file order) having MinX
  int Sx = 0;     // colour sign and centre of the piece
  int Sy = 0;
  int MaxY = 0;
  int MaxX = 0;
  int Score = 0;  // points for clearing one piece
};

struct TFishkaColor {
  std::string Material;  // middle part of the shape picture's name
  int H = 0;             // tint given to the composed picture
  int L = 0;
  int S = 0;
  std::string Sign;  // picture of the colour's sign
};

struct TFishkaType {
  std::string Name;            // shape name "_" colour number
  std::string NextRotateName;  // next shape's name "_" the same number
  std::string PictureName;     // Name + ".pNg" once built
  int ShapeIndex = 0;
  int ColorIndex = 0;  // 0-based; levels count colours from 1
};

struct TBossType {
  std::string Image;
  int X = 0;  // anchor offset from the picture's top-left corner, y downwards
  int Y = 0;
  int Power = 0;  // extra group size needed while the boss is in the group
  int Width = 0;  // px, from the loaded picture
  int Height = 0;
};

// Cuts a name to the short-string length the catalogues store.
inline std::string ShortName(const std::string& name) {
  return name.substr(0, kShortNameLength);
}

}  // namespace rules
