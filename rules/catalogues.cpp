// rules/catalogues.cpp — reading MetaColors.xml, fishkaShapes.xml and BossTypes.xml, and the
// loading bar of the start-up intro.
#include "rules/catalogues.hpp"

#include <algorithm>
#include <cmath>

#include "data/file_folder.hpp"
#include "rules/names.hpp"
#include "rules/rounding.hpp"
#include "rules/services.hpp"
#include "rules/xml_reading.hpp"

namespace rules {

std::string ColorBombPicture(int color) {
  return names::kColorBombPrefix + std::to_string(color);
}
std::string ColorStarPicture(int color) {
  return names::kColorStarPrefix + std::to_string(color);
}

void TCatalogues::AdvanceBar(TRulesServices& services, int step, int offset) {
  if (step <= lastBarStep) return;
  lastBarStep = step;
  services.SetObjectProperty(names::kLoadingBar, names::kPosition,
                             std::to_string(step * 10 + offset));
  services.PresentScreen();
}

void TCatalogues::LoadGameData(TRulesServices& services) {
  Loaded = false;
  lastBarStep = 0;
  Tables.Build([&](int row) { AdvanceBar(services, RoundHalfEven(2.0 * row / 299.0), 0); });
  ReadColors(services);
  ReadShapes(services);
  BuildTypeCatalogue(services);
  BuildColorBombPictures(services);
  ReadBossTypes(services);
  Loaded = true;
}

void TCatalogues::ReadColors(TRulesServices& services) {
  Colors.clear();
  const auto doc = ReadXmlEntry(services, TArchiveKind::Game, "MetaColors.xml");
  for (const auto& child : doc->GetTag(0)->Tags) {
    if (child->Name != "Color" || !HasAll(*child, {"Material", "H", "L", "S", "Sign"})) continue;
    TFishkaColor color;
    color.Material = *Attr(*child, "Material");
    color.H = StrToInt(*Attr(*child, "H"));
    color.L = StrToInt(*Attr(*child, "L"));
    color.S = StrToInt(*Attr(*child, "S"));
    color.Sign = *Attr(*child, "Sign");
    LoadPictureOnce(services, TArchiveKind::Level, color.Sign);
    Colors.push_back(std::move(color));
  }
}

namespace {

// Reads one "Shape" element's triangles and derives the bounds and offsets.
bool ReadShapeTriangles(const data::TOrlXMLTag& element, TFishkaShape& shape) {
  shape.MinX = 1000;
  shape.MaxY = 0;
  shape.MaxX = 0;
  for (const auto& fishes : element.Tags) {
    if (fishes->Name != "Fishes") continue;
    for (const auto& fish : fishes->Tags) {
      if (fish->Name != "Fish" || !Attr(*fish, "Type")) continue;
      TOneFish one;
      one.Kind = StrToInt(*Attr(*fish, "Type"));
      for (const auto& point : fish->Tags) {
        if (point->Name != "Point" || !HasAll(*point, {"x", "y"})) continue;
        const TPoint p{StrToIntWithin(*Attr(*point, "x")), StrToIntWithin(*Attr(*point, "y"))};
        if (p.X < shape.MinX) {
          shape.MinX = p.X;
          shape.MinXY = p.Y;
        }
        shape.MaxY = std::max(shape.MaxY, p.Y);
        shape.MaxX = std::max(shape.MaxX, p.X);
        one.Points.Append(p);
      }
      shape.Fishes.push_back(std::move(one));
    }
  }
  if (shape.Fishes.empty()) return false;
  int left = 10000, top = -10000;
  for (const TPoint& p : shape.Fishes.front().Points) {
    left = std::min(left, p.X);
    top = std::max(top, p.Y);
  }
  shape.LeftOffset = shape.MinX - left;
  shape.TopOffset = shape.MaxY - top;
  return true;
}

// A triangle the rules can work with: a kind of the lattice and three vertices.
bool UsableTriangles(const TFishkaShape& shape) {
  return std::all_of(shape.Fishes.begin(), shape.Fishes.end(), [](const TOneFish& f) {
    return f.Kind >= 0 && f.Kind <= 3 && f.Points.Count() == 3 && !(f.Points[0] == f.Points[1]) &&
           !(f.Points[1] == f.Points[2]) && !(f.Points[0] == f.Points[2]);
  });
}

}  // namespace

void TCatalogues::ReadShapes(TRulesServices& services) {
  Shapes.clear();
  const auto doc = ReadXmlEntry(services, TArchiveKind::Game, "fishkaShapes.xml");
  for (const auto& child : doc->GetTag(0)->Tags) {
    if (child->Name != "Shape" ||
        !HasAll(*child, {"Name", "Height", "Sx", "Sy", "NextRotateName", "Score"}))
      continue;
    TFishkaShape shape;
    shape.Name = ShortName(*Attr(*child, "Name"));
    shape.NextRotateName = ShortName(*Attr(*child, "NextRotateName"));
    shape.Height = StrToIntWithin(*Attr(*child, "Height"));
    shape.Sx = StrToIntWithin(*Attr(*child, "Sx"));
    shape.Sy = StrToIntWithin(*Attr(*child, "Sy"));
    shape.Score = StrToIntWithin(*Attr(*child, "Score"));
    // A shape without triangles, or with a triangle that is not one of the lattice's, could
    // never be put; it is skipped like an incomplete element.
    if (!ReadShapeTriangles(*child, shape) || !UsableTriangles(shape)) continue;
    Shapes.push_back(std::move(shape));
  }
  const std::string warning = MixedHeightsWarning(*this);
  if (!warning.empty()) services.WriteLog(warning);
}

std::string MixedHeightsWarning(const TCatalogues& catalogues) {
  const std::vector<TFishkaShape>& shapes = catalogues.Shapes;
  for (const TFishkaShape& shape : shapes) {
    if (shape.Height == shapes.front().Height) continue;
    return "fishkaShapes.xml mixes shape heights (\"" + shapes.front().Name + "\" has " +
           std::to_string(shapes.front().Height) + ", \"" + shape.Name + "\" has " +
           std::to_string(shape.Height) + "): pieces of different heights can never touch";
  }
  return {};
}

void TCatalogues::ReadBossTypes(TRulesServices& services) {
  BossTypes.clear();
  const auto doc = ReadXmlEntry(services, TArchiveKind::Game, "BossTypes.xml");
  for (const auto& child : doc->GetTag(0)->Tags) {
    if (child->Name != "Boss" || !HasAll(*child, {"Image", "x", "y", "Power"})) continue;
    TBossType boss;
    boss.Image = *Attr(*child, "Image");
    boss.X = StrToIntWithin(*Attr(*child, "x"));
    boss.Y = StrToIntWithin(*Attr(*child, "y"));
    boss.Power = StrToIntWithin(*Attr(*child, "Power"));
    LoadPictureOnce(services, TArchiveKind::Level, boss.Image);
    const TPictureSize size = services.GetPictureSize(boss.Image);
    boss.Width = size.Width;
    boss.Height = size.Height;
    BossTypes.push_back(std::move(boss));
  }
}

int TCatalogues::TypeWithShapeAndColor(int shapeIndex, int colorIndex) const {
  for (size_t i = 0; i < Types.size(); ++i)
    if (Types[i].ShapeIndex == shapeIndex && Types[i].ColorIndex == colorIndex)
      return static_cast<int>(i);
  return -1;
}

int TCatalogues::TypeByName(const std::string& name) const {
  for (size_t i = 0; i < Types.size(); ++i)
    if (Types[i].Name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace rules
