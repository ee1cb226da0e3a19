// rules/piece_pictures.cpp — the piece types and their composed pictures: every shape in every
// colour, tinted from the shape's base picture and signed with the colour's sign. Composed
// pictures are saved into the working archives, so only the first start composes them.
#include <algorithm>

#include "data/file_folder.hpp"
#include "rules/catalogues.hpp"
#include "rules/names.hpp"
#include "rules/rounding.hpp"
#include "rules/services.hpp"

namespace rules {
namespace {

constexpr const char* kPictureExtension = ".pNg";
constexpr const char* kLineBreak = "\r\n";

std::string HueLine(const TFishkaColor& color) {
  return "<ImageHueChange hue=\"" + std::to_string(color.H) + "\" saturation=\"" +
         std::to_string(color.S) + "\" lightness=\"" + std::to_string(color.L) + "\"/>";
}

std::string PieceAutoImage(const TFishkaType& type, const TFishkaShape& shape,
                           const TFishkaColor& color) {
  return "<AutoImage name=\"" + type.Name + "\" autosize=\"true\">" + kLineBreak +
         "<AddImage name=\"" + shape.Name + "_" + color.Material +
         ".png\" left=\"0\" top=\"0\" />" + kLineBreak + HueLine(color) + kLineBreak +
         "<AddImage name=\"" + color.Sign + "\" left=\"" +
         std::to_string(std::max(shape.Sx - 15, 0)) + "\" top=\"" +
         std::to_string(std::max(shape.Sy - 10, 0)) + "\" />" + kLineBreak + "</AutoImage>";
}

std::string TintedAutoImage(const std::string& name, const std::string& base,
                            const TFishkaColor& color) {
  return "<AutoImage name=\"" + name + "\" autosize=\"true\">" + kLineBreak + "<AddImage name=\"" +
         base + "\" left=\"0\" top=\"0\" />" + kLineBreak + HueLine(color) + kLineBreak +
         "</AutoImage>";
}

}  // namespace

void TCatalogues::BuildTypeCatalogue(TRulesServices& services) {
  Types.clear();
  data::TFileFolder& levels = services.Archive(TArchiveKind::Level);
  bool composed = false;
  lastBarStep = 0;
  const int shapeCount = static_cast<int>(Shapes.size());
  for (int s = 0; s < shapeCount; ++s) {
    const TFishkaShape& shape = Shapes[static_cast<size_t>(s)];
    for (int c = 0; c < ColorCount(); ++c) {
      TFishkaType type;
      type.Name = ShortName(shape.Name + "_" + std::to_string(c));
      type.NextRotateName = ShortName(shape.NextRotateName + "_" + std::to_string(c));
      type.ShapeIndex = s;
      type.ColorIndex = c;
      const std::string entry = type.Name + kPictureExtension;
      if (levels.IndexOf(entry) < 0) {
        services.RenderAutoImage(PieceAutoImage(type, shape, Colors[static_cast<size_t>(c)]),
                                 TArchiveKind::Level);
        composed = true;
      }
      services.LoadPngFromFolder(TArchiveKind::Level, entry, entry);
      type.PictureName = entry;
      Types.push_back(std::move(type));
    }
    // A single shape fills the bar at once rather than dividing by zero.
    const int step = shapeCount > 1 ? RoundHalfEven(8.0 * s / (shapeCount - 1)) : 8;
    AdvanceBar(services, step, 20);
  }
  if (composed) services.SaveArchive(TArchiveKind::Level);
}

void TCatalogues::BuildColorBombPictures(TRulesServices& services) {
  data::TFileFolder& game = services.Archive(TArchiveKind::Game);
  bool composed = false;
  for (int i = 0; i < ColorCount(); ++i) {
    const TFishkaColor& color = Colors[static_cast<size_t>(i)];
    const std::pair<std::string, const char*> pictures[] = {
        {ColorBombPicture(i), names::kColorBombBase}, {ColorStarPicture(i), names::kColorStarBase}};
    for (const auto& [name, base] : pictures) {
      const std::string entry = name + kPictureExtension;
      if (game.IndexOf(entry) < 0) {
        services.RenderAutoImage(TintedAutoImage(name, base, color), TArchiveKind::Game);
        composed = true;
      }
      services.LoadPngFromFolder(TArchiveKind::Game, name, entry);
    }
  }
  if (composed) services.SaveArchive(TArchiveKind::Game);
}

void TCatalogues::ReloadPiecePictures(TRulesServices& services) const {
  for (const TFishkaType& type : Types)
    services.LoadPngFromFolder(TArchiveKind::Level, type.PictureName, type.PictureName);
  for (int i = 0; i < ColorCount(); ++i) {
    for (const std::string& name : {ColorBombPicture(i), ColorStarPicture(i)})
      services.LoadPngFromFolder(TArchiveKind::Game, name, name + kPictureExtension);
  }
}

}  // namespace rules
