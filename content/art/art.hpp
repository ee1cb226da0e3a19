// content/art/art.hpp — the picture groups the art generator writes; each writes its files
// into the output folder `out` (ending in "/").
#pragma once

#include <string>

namespace art {

void PaintSprites(const std::string& out);
void WriteBarAutoImages(const std::string& out);
void PaintBonusStrips(const std::string& out);
void PaintScenes(const std::string& out);    // Title, TitleSketch, GamePlay2
void PaintLevelArt(const std::string& out);  // map tiles and level pictures
void PaintBosses(const std::string& out, const std::string& svgDir);  // + BossTypes.xml
void PaintIcons(const std::string& out);                              // icon_<N>.png

}  // namespace art
