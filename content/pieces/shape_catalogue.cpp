// content/pieces/shape_catalogue.cpp
#include "content/pieces/shape_catalogue.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>

#include "data/error.hpp"

namespace pieces {
namespace {

constexpr int kCellWidth = 48, kRowHeight = 42, kRowShift = 21;

int KindOf(const std::string& word) {
  static const std::string kinds = "TRBL";
  const size_t k = word.size() == 1 ? kinds.find(word[0]) : std::string::npos;
  if (k == std::string::npos) throw data::Error("unknown triangle kind \"" + word + "\"");
  return static_cast<int>(k);
}

// A quarter turn of the lattice seen as a square grid: (c, r) → (r, −c − 1), and each
// triangle moves to the next side clockwise (top → right → bottom → left).
std::vector<TCell> Turned(const std::vector<TCell>& cells) {
  std::vector<TCell> out;
  for (const TCell& c : cells) out.push_back({c.Row, -c.Column - 1, (c.Kind + 1) % 4});
  return out;
}

// Lowest row 0, leftmost vertex within the first cell width; sorted, so equal shapes compare
// equal.
std::vector<TCell> Normalised(std::vector<TCell> cells) {
  int minRow = cells[0].Row;
  for (const TCell& c : cells) minRow = std::min(minRow, c.Row);
  for (TCell& c : cells) c.Row -= minRow;
  double minX = 1e9;
  for (const TCell& c : cells)
    for (const TVertex& v : LatticeTriangle(c)) minX = std::min(minX, v.X);
  const int shift = static_cast<int>(std::floor(minX / kCellWidth));
  for (TCell& c : cells) c.Column -= shift;
  std::sort(cells.begin(), cells.end(), [](const TCell& a, const TCell& b) {
    return std::tie(b.Row, a.Column, a.Kind) < std::tie(a.Row, b.Column, b.Kind);
  });
  return cells;
}

bool InTriangle(const std::vector<TVertex>& t, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    const TVertex& a = t[static_cast<size_t>(i)];
    const TVertex& b = t[static_cast<size_t>((i + 1) % 3)];
    if ((y - a.Y) * (b.X - a.X) - (x - a.X) * (b.Y - a.Y) > 0) return false;
  }
  return true;
}

void PlaceShape(TShape& s) {
  s.Triangles.clear();
  double minX = 1e9, maxX = 0, maxY = 0;
  for (const TCell& c : s.Cells) {
    s.Triangles.push_back(LatticeTriangle(c));
    for (const TVertex& v : s.Triangles.back()) {
      minX = std::min(minX, v.X);
      maxX = std::max(maxX, v.X);
      maxY = std::max(maxY, v.Y);
    }
  }
  s.MinX = static_cast<int>(minX);
  s.MaxX = static_cast<int>(maxX);
  s.MaxY = static_cast<int>(maxY);
  // Centre: the area centroid, or the nearest triangle centroid when the shape bends round it.
  double cx = 0, cy = 0;
  for (const auto& t : s.Triangles) {
    cx += (t[0].X + t[1].X + t[2].X) / 3;
    cy += (t[0].Y + t[1].Y + t[2].Y) / 3;
  }
  cx /= static_cast<double>(s.Triangles.size());
  cy /= static_cast<double>(s.Triangles.size());
  bool inside = false;
  for (const auto& t : s.Triangles) inside = inside || InTriangle(t, cx, cy);
  if (!inside) {
    double best = 1e18, bx = cx, by = cy;
    for (const auto& t : s.Triangles) {
      const double tx = (t[0].X + t[1].X + t[2].X) / 3, ty = (t[0].Y + t[1].Y + t[2].Y) / 3;
      const double d = (tx - cx) * (tx - cx) + (ty - cy) * (ty - cy);
      if (d < best) best = d, bx = tx, by = ty;
    }
    cx = bx, cy = by;
  }
  // The sign picture (30 × 20, placed at Sx − 15, Sy − 10) must stay inside the piece picture.
  s.Sx = std::clamp(static_cast<int>(std::lround(cx - s.MinX)), 15, s.PictureWidth() - 15);
  s.Sy = std::clamp(static_cast<int>(std::lround(s.MaxY - cy)), 10, s.PictureHeight() - 10);
}

}  // namespace

std::vector<TVertex> LatticeTriangle(const TCell& c) {
  const double x = kCellWidth * c.Column + kRowShift * c.Row, y = kRowHeight * c.Row;
  const TVertex ll{x, y}, lr{x + 48, y}, ul{x + 21, y + 42}, ur{x + 69, y + 42},
      centre{x + 34, y + 21};
  switch (c.Kind) {
    case 0:
      return {ul, ur, centre};
    case 1:
      return {centre, ur, lr};
    case 2:
      return {ll, centre, lr};
    default:
      return {ll, ul, centre};
  }
}

std::vector<TShape> ReadShapes(const std::string& text) {
  std::vector<TShape> shapes;
  std::istringstream lines(text);
  int lineNo = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNo;
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    try {
      const size_t bar1 = line.find('|'), bar2 = line.find('|', bar1 + 1);
      if (bar2 == std::string::npos) throw data::Error("expected \"names | score | triangles\"");
      std::istringstream names(line.substr(0, bar1)), cells(line.substr(bar2 + 1));
      const int score = std::stoi(line.substr(bar1 + 1, bar2 - bar1 - 1));
      std::vector<std::string> rotation;
      for (std::string n; names >> n;) rotation.push_back(n);
      std::vector<TCell> first;
      for (std::string w; cells >> w;) {
        int c = 0, r = 0;
        char k[2] = {0, 0};
        if (std::sscanf(w.c_str(), "%d,%d,%1c", &c, &r, k) != 3)
          throw data::Error("bad triangle \"" + w + "\"");
        first.push_back({c, r, KindOf(k)});
      }
      if (rotation.empty() || first.empty()) throw data::Error("a shape needs names and cells");
      std::vector<TCell> current = Normalised(first);
      for (size_t i = 0; i < rotation.size(); ++i) {
        TShape s;
        s.Name = rotation[i];
        s.NextRotateName = rotation[(i + 1) % rotation.size()];
        s.Score = score;
        s.Cells = current;
        PlaceShape(s);
        shapes.push_back(s);
        current = Normalised(Turned(current));
        const bool back = current == Normalised(first);
        if (back != (i + 1 == rotation.size()))
          throw data::Error("the names do not match the shape's turning cycle");
      }
    } catch (const std::exception& e) {
      throw data::Error("shapes line " + std::to_string(lineNo) + ": " + e.what());
    }
  }
  return shapes;
}

std::string ShapesXml(const std::vector<TShape>& shapes) {
  std::ostringstream x;
  x << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Shapes>\n";
  for (const TShape& s : shapes) {
    x << "  <Shape Name=\"" << s.Name << "\" NextRotateName=\"" << s.NextRotateName
      << "\" Height=\"" << kReliefHeight << "\" Sx=\"" << s.Sx << "\" Sy=\"" << s.Sy
      << "\" Score=\"" << s.Score << "\">\n    <Fishes>\n";
    for (size_t i = 0; i < s.Cells.size(); ++i) {
      x << "      <Fish Type=\"" << s.Cells[i].Kind << "\">";
      for (const TVertex& v : s.Triangles[i])
        x << "<Point x=\"" << std::lround(v.X) << "\" y=\"" << std::lround(v.Y) << "\"/>";
      x << "</Fish>\n";
    }
    x << "    </Fishes>\n  </Shape>\n";
  }
  x << "</Shapes>\n";
  return x.str();
}

}  // namespace pieces
