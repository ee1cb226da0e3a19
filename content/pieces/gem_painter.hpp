// content/pieces/gem_painter.hpp — the neutral crystal picture of a shape and the colour signs:
// the game tints the gem per colour (hue, saturation, lightness shift) and lays the sign on it.
#pragma once

#include <string>

#include "content/pieces/shape_catalogue.hpp"
#include "graphics/hls_color.hpp"

namespace pieces {

// The gem's own hue and saturation (the game's 0..240 scale, as ImageHueChange reads the
// picture); its facets differ in lightness only, so a shift moves them all alike.
constexpr int kGemHue = 170;
constexpr int kGemSaturation = 110;
constexpr double kGemMidLightness = 0.47;  // the facet a colour's target is matched to

// The picture's real colour for a lightness 0..1 of the gem.
graphics::TRgb GemShade(double lightness);

void PaintGem(const TShape& shape, const std::string& path);

// Signs: "circle", "triangle", "square", "diamond", "star", "ring", "cross". A 30 × 20 picture
// with the sign (13 px) in its middle; raises data::Error for an unknown name.
void PaintSign(const std::string& sign, const std::string& path);

}  // namespace pieces
