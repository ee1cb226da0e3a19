// content/pieces/shape_catalogue.hpp — the crystal shapes: read from the designer's list, turned
// through their rotation steps, placed on the board lattice, written as "fishkaShapes.xml".
#pragma once

#include <string>
#include <vector>

namespace pieces {

constexpr int kReliefHeight = 10;  // px; every shape has the same Height so all of them can touch

struct TCell {
  int Column = 0, Row = 0, Kind = 0;  // Kind 0 top, 1 right, 2 bottom, 3 left
  auto operator<=>(const TCell&) const = default;
};

struct TVertex {
  double X = 0, Y = 0;  // shape coordinates: x right, y up, y = 0 at the picture's bottom
};

struct TShape {
  std::string Name, NextRotateName;
  int Score = 0;
  std::vector<TCell> Cells;
  std::vector<std::vector<TVertex>> Triangles;  // in the lattice's vertex order per kind
  int MinX = 0, MaxX = 0, MaxY = 0;
  int Sx = 0, Sy = 0;  // sign point and centre, picture coordinates (y down)
  int PictureWidth() const { return MaxX - MinX + 1; }
  int PictureHeight() const { return MaxY + kReliefHeight; }
};

// Reads the shape list (see shapes.txt); raises data::Error naming the line for a bad line or
// a list of rotation names that does not match the shape's real turning cycle.
std::vector<TShape> ReadShapes(const std::string& text);

std::string ShapesXml(const std::vector<TShape>& shapes);

// The triangle's vertices in the order the board's fragment table lists them.
std::vector<TVertex> LatticeTriangle(const TCell& cell);

}  // namespace pieces
