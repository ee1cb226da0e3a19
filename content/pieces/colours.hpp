// content/pieces/colours.hpp — the crystal colours: targets and signs read from colours.txt,
// turned into the hue, saturation and lightness shifts "MetaColors.xml" gives the game.
#pragma once

#include <string>
#include <vector>

#include "graphics/hls_color.hpp"

namespace pieces {

struct TColourSpec {
  std::string Material;
  graphics::TRgb Target;
  std::string Sign;         // "circle", ...; the picture is "sign_" + Sign + ".png"
  int H = 0, S = 0, L = 0;  // the shift that takes the gem's mid facet to Target
};

// Raises data::Error naming the line for a malformed one.
std::vector<TColourSpec> ReadColours(const std::string& text);

// A pixel as ImageHueChange leaves it after the colour's shift.
graphics::TRgb ShiftPixel(const graphics::TRgb& pixel, int h, int s, int l);

std::string ColoursXml(const std::vector<TColourSpec>& colours);

}  // namespace pieces
