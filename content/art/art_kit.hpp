// content/art/art_kit.hpp — drawing helpers shared by the game's pictures: the cavern palette,
// glows, sparkles, crystal prisms and text in the game's typeface.
#pragma once

#include <cairo.h>

#include <string>

#include "content/pipeline/canvas.hpp"

namespace art {

using content::TCanvas;
using content::TColour;
using content::TNoise;

// The cavern palette.
extern const TColour kDeep, kCavernMid, kCavernHigh, kTeal, kAmber, kText, kDimText, kViolet;

// A soft round glow (radial gradient to transparent).
void Glow(cairo_t* cr, double x, double y, double radius, const TColour& c, double alpha);
// A four-point sparkle star with a round core.
void Sparkle(cairo_t* cr, double x, double y, double radius, double alpha,
             const TColour& c = {1, 1, 1});
// A six-sided crystal prism standing at (x, y) (its foot), leaning by `lean` radians, lit from
// the top left: two faces and a pointed tip, with a glow around it.
void CrystalPrism(cairo_t* cr, double x, double y, double width, double length, double lean,
                  const TColour& c, double glow);
// A jagged rock silhouette band between two heights across the width, filled with a gradient.
void RockBand(cairo_t* cr, TNoise& noise, double width, double top, double bottom, double roughness,
              const TColour& upper, const TColour& lower, bool fromTop);
// Text in DejaVu Sans Bold at the given pixel size, its left baseline at (x, y); returns the
// width in px. NOTE: the font file is read directly, never through the system's font lists,
// so the pictures do not depend on what else is installed.
double TextPath(cairo_t* cr, const std::string& text, double sizePx, double x, double y);
double TextWidth(const std::string& text, double sizePx);
// Thin glowing mineral veins over an area.
void Veins(cairo_t* cr, TNoise& noise, double x0, double y0, double x1, double y1, int count,
           double alpha);

// ImageHueChange reads a picture as the gem: pictures tinted per colour at run time (colour
// bombs) use the gem's hue and saturation with this lightness 0..1.
TColour GemTone(double lightness);

}  // namespace art
