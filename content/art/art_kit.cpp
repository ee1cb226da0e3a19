// content/art/art_kit.cpp
#include "content/art/art_kit.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

#include "content/pieces/gem_painter.hpp"
#include "data/error.hpp"

namespace art {

const TColour kDeep = content::Hex("#0B0A1F");
const TColour kCavernMid = content::Hex("#1A1538");
const TColour kCavernHigh = content::Hex("#2B2160");
const TColour kTeal = content::Hex("#3FE0D0");
const TColour kAmber = content::Hex("#FFB347");
const TColour kText = content::Hex("#EDEBFF");
const TColour kDimText = content::Hex("#7C78A0");
const TColour kViolet = content::Hex("#6A5ACD");

namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

cairo_font_face_t* Face() {
  static cairo_font_face_t* face = [] {
    FT_Library lib = nullptr;
    FT_Face ft = nullptr;
    if (FT_Init_FreeType(&lib) != 0 || FT_New_Face(lib, kFontPath, 0, &ft) != 0)
      throw data::Error(std::string("Cannot open the font ") + kFontPath);
    return cairo_ft_font_face_create_for_ft_face(ft, 0);
  }();
  return face;
}

void UseFont(cairo_t* cr, double sizePx) {
  cairo_set_font_face(cr, Face());
  cairo_set_font_size(cr, sizePx);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

}  // namespace

void Glow(cairo_t* cr, double x, double y, double radius, const TColour& c, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, c.R, c.G, c.B, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.35, c.R, c.G, c.B, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, c.R, c.G, c.B, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Sparkle(cairo_t* cr, double x, double y, double r, double alpha, const TColour& c) {
  Glow(cr, x, y, r * 0.9, c, alpha * 0.5);
  const double w = r * 0.16;
  cairo_move_to(cr, x, y - r);
  cairo_line_to(cr, x + w, y - w);
  cairo_line_to(cr, x + r, y);
  cairo_line_to(cr, x + w, y + w);
  cairo_line_to(cr, x, y + r);
  cairo_line_to(cr, x - w, y + w);
  cairo_line_to(cr, x - r, y);
  cairo_line_to(cr, x - w, y - w);
  cairo_close_path(cr);
  content::SetColour(cr, content::Mix(c, {1, 1, 1}, 0.6), alpha);
  cairo_fill(cr);
}

void CrystalPrism(cairo_t* cr, double x, double y, double width, double length, double lean,
                  const TColour& c, double glow) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, lean);
  if (glow > 0) Glow(cr, 0, -length * 0.55, length * 0.75, c, glow);
  const double hw = width / 2, tip = width * 0.9;
  // Left face (lit), right face (shade), a thin middle ridge.
  cairo_move_to(cr, -hw, 0);
  cairo_line_to(cr, -hw, -length + tip);
  cairo_line_to(cr, 0, -length);
  cairo_line_to(cr, 0, 0);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -length, 0, 0);
  const TColour lit = content::Mix(c, {1, 1, 1}, 0.35), dark = content::Mix(c, kDeep, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 0, lit.R, lit.G, lit.B, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 1, c.R, c.G, c.B, 0.75);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, -length);
  cairo_line_to(cr, hw, -length + tip);
  cairo_line_to(cr, hw, 0);
  cairo_close_path(cr);
  g = cairo_pattern_create_linear(0, -length, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, c.R, c.G, c.B, 0.9);
  cairo_pattern_add_color_stop_rgba(g, 1, dark.R, dark.G, dark.B, 0.8);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Bright edges.
  cairo_move_to(cr, -hw, 0);
  cairo_line_to(cr, -hw, -length + tip);
  cairo_line_to(cr, 0, -length);
  cairo_line_to(cr, hw, -length + tip);
  content::SetColour(cr, content::Mix(c, {1, 1, 1}, 0.7), 0.8);
  cairo_set_line_width(cr, std::max(0.8, width * 0.05));
  cairo_stroke(cr);
  cairo_move_to(cr, 0, -length);
  cairo_line_to(cr, 0, 0);
  content::SetColour(cr, content::Mix(c, {1, 1, 1}, 0.5), 0.45);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void RockBand(cairo_t* cr, TNoise& noise, double width, double top, double bottom, double roughness,
              const TColour& upper, const TColour& lower, bool fromTop) {
  const double edge = fromTop ? bottom : top;
  cairo_move_to(cr, -10, fromTop ? top - 10 : bottom + 10);
  double y = edge;
  for (double x = -10; x <= width + 20; x += noise.Range(14, 46)) {
    y = edge + noise.Range(-roughness, roughness);
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, width + 20, fromTop ? top - 10 : bottom + 10);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
  cairo_pattern_add_color_stop_rgb(g, 0, upper.R, upper.G, upper.B);
  cairo_pattern_add_color_stop_rgb(g, 1, lower.R, lower.G, lower.B);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

double TextPath(cairo_t* cr, const std::string& text, double sizePx, double x, double y) {
  UseFont(cr, sizePx);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  return e.x_advance;
}

double TextWidth(const std::string& text, double sizePx) {
  TCanvas scratch(4, 4);
  UseFont(scratch.Cr(), sizePx);
  cairo_text_extents_t e;
  cairo_text_extents(scratch.Cr(), text.c_str(), &e);
  return e.x_advance;
}

void Veins(cairo_t* cr, TNoise& noise, double x0, double y0, double x1, double y1, int count,
           double alpha) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < count; ++i) {
    const TColour c = noise.Real() < 0.6 ? kTeal : kAmber;
    double x = noise.Range(x0, x1), y = noise.Range(y0, y1);
    double angle = noise.Range(0, 2 * M_PI);
    cairo_move_to(cr, x, y);
    const int steps = 3 + static_cast<int>(noise.Next() % 5);
    for (int s = 0; s < steps; ++s) {
      angle += noise.Range(-0.7, 0.7);
      const double len = noise.Range(5, 13);
      x += std::cos(angle) * len;
      y += std::sin(angle) * len;
      cairo_line_to(cr, x, y);
    }
    content::SetColour(cr, c, alpha * 0.35);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke_preserve(cr);
    content::SetColour(cr, content::Mix(c, {1, 1, 1}, 0.3), alpha);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
}

TColour GemTone(double lightness) {
  const graphics::TRgb c = pieces::GemShade(lightness);
  return {c.R / 255.0, c.G / 255.0, c.B / 255.0};
}

}  // namespace art
