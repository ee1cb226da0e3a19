// content/art/level_art.cpp — what levels dress their board with: map tiles (slanted slabs that
// follow the lattice, 2 × 2 cells each) in five cavern themes, and animated level pictures.
#include <cmath>

#include "content/art/art.hpp"
#include "content/art/art_kit.hpp"

namespace art {
namespace {

// A tile covers 2 × 2 cells: 96 wide, 84 high, its top edge 42 to the right of its bottom.
constexpr int kTileW = 138, kTileH = 84;

struct TTheme {
  const char* Name;
  TColour Stone, Vein;
};

void TilePath(cairo_t* cr, double inset) {
  cairo_move_to(cr, inset * 1.5, kTileH - inset);
  cairo_line_to(cr, 96 - inset * 0.5, kTileH - inset);
  cairo_line_to(cr, kTileW - inset * 1.5, inset);
  cairo_line_to(cr, 42 + inset * 0.5, inset);
  cairo_close_path(cr);
}

void Tile(const std::string& path, const TTheme& theme, int variant) {
  TCanvas canvas(kTileW, kTileH);
  cairo_t* cr = canvas.Cr();
  TNoise noise(static_cast<uint32_t>(1000 + variant * 31 + theme.Name[0]));
  TilePath(cr, 1.0);
  cairo_path_t* slab = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(42, 0, 96, kTileH);
  const TColour hi = content::Mix(theme.Stone, kText, 0.08),
                lo = content::Mix(theme.Stone, kDeep, 0.5);
  cairo_pattern_add_color_stop_rgba(g, 0, hi.R, hi.G, hi.B, 0.5);
  cairo_pattern_add_color_stop_rgba(g, 1, lo.R, lo.G, lo.B, 0.5);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Veins and specks inside the slab.
  cairo_append_path(cr, slab);
  cairo_clip(cr);
  for (int i = 0; i < 3 + variant; ++i) {
    double x = noise.Range(20, 120), y = noise.Range(5, 80), a = noise.Range(0, 2 * M_PI);
    cairo_move_to(cr, x, y);
    for (int s = 0; s < 6; ++s) {
      a += noise.Range(-0.8, 0.8);
      x += std::cos(a) * 9;
      y += std::sin(a) * 9;
      cairo_line_to(cr, x, y);
    }
    content::SetColour(cr, theme.Vein, 0.22);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke_preserve(cr);
    content::SetColour(cr, content::Mix(theme.Vein, {1, 1, 1}, 0.3), 0.35);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 14; ++i)
    Glow(cr, noise.Range(10, 130), noise.Range(4, 80), noise.Range(1, 2.5), theme.Vein,
         noise.Range(0.2, 0.5));
  if (variant == 2) Sparkle(cr, noise.Range(50, 90), noise.Range(25, 60), 5, 0.6, theme.Vein);
  cairo_reset_clip(cr);
  // Bevelled slab edge: light above left, dark below right.
  cairo_append_path(cr, slab);
  content::SetColour(cr, content::Mix(theme.Stone, kText, 0.35), 0.35);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_path_destroy(slab);
  canvas.WritePng(path);
}

// A cluster of crystals growing out of a rock, its light pulsing over the frames.
void Cluster(const std::string& base, const TColour& c, uint32_t seed, int frames) {
  for (int f = 0; f < frames; ++f) {
    TCanvas canvas(72, 80);
    cairo_t* cr = canvas.Cr();
    TNoise noise(seed);
    const double pulse = 0.5 + 0.5 * std::cos(f * 2 * M_PI / frames);
    Glow(cr, 36, 46, 34, c, 0.18 + 0.22 * pulse);
    cairo_move_to(cr, 6, 78);
    cairo_curve_to(cr, 10, 60, 60, 58, 68, 78);
    cairo_close_path(cr);
    content::SetColour(cr, content::Mix(kCavernHigh, kDeep, 0.3));
    cairo_fill(cr);
    for (int k = 0; k < 5; ++k) {
      CrystalPrism(cr, 36 + noise.Range(-16, 16), 72, noise.Range(8, 14), noise.Range(26, 58),
                   noise.Range(-0.6, 0.6), c, 0.0);
    }
    Sparkle(cr, 30 + 10 * std::sin(f * 1.7), 22 + 6 * std::cos(f * 1.3), 3 + 4 * pulse,
            0.5 + 0.5 * pulse);
    canvas.WritePng(base + std::to_string(f + 1) + ".png");
  }
}

// A glowing cave lantern-fungus; its caps breathe light.
void Fungus(const std::string& base, int frames) {
  for (int f = 0; f < frames; ++f) {
    TCanvas canvas(56, 64);
    cairo_t* cr = canvas.Cr();
    const double pulse = 0.5 + 0.5 * std::cos(f * 2 * M_PI / frames);
    const double caps[3][3] = {{20, 30, 13}, {38, 40, 10}, {28, 48, 8}};
    for (const auto& cap : caps) {
      cairo_move_to(cr, cap[0], cap[1]);
      cairo_line_to(cr, cap[0] + 1, 62);
      content::SetColour(cr, content::Hex("#3A3170"));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
    for (const auto& cap : caps) {
      Glow(cr, cap[0], cap[1], cap[2] * 2.2, kTeal, 0.2 + 0.3 * pulse);
      cairo_save(cr);
      cairo_translate(cr, cap[0], cap[1]);
      cairo_scale(cr, cap[2], cap[2] * 0.55);
      cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
      cairo_restore(cr);
      cairo_close_path(cr);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, cap[1] - cap[2], 0, cap[1]);
      const TColour top = content::Mix(kTeal, {1, 1, 1}, 0.3 + 0.3 * pulse);
      cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
      cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.45, 0.5);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
    canvas.WritePng(base + std::to_string(f + 1) + ".png");
  }
}

// An open geode: a dark shell with a ring of amethyst teeth and a glint running round it.
void Geode(const std::string& base, int frames) {
  for (int f = 0; f < frames; ++f) {
    TCanvas canvas(64, 56);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 32, 30);
    cairo_scale(cr, 29, 24);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    content::SetColour(cr, content::Hex("#3B335E"));
    cairo_fill(cr);
    Glow(cr, 32, 30, 22, kViolet, 0.6);
    for (int k = 0; k < 14; ++k) {
      const double a = k * 2 * M_PI / 14;
      CrystalPrism(cr, 32 + 22 * std::cos(a), 30 + 18 * std::sin(a), 7, 12, a - M_PI / 2 + M_PI,
                   content::Hex("#B07CE8"), 0.0);
    }
    const double a = f * 2 * M_PI / frames;
    Sparkle(cr, 32 + 14 * std::cos(a), 30 + 11 * std::sin(a), 6, 0.9);
    canvas.WritePng(base + std::to_string(f + 1) + ".png");
  }
}

}  // namespace

void PaintLevelArt(const std::string& out) {
  const TTheme themes[5] = {{"amethyst", content::Hex("#4B3A8C"), content::Hex("#B07CE8")},
                            {"frost", content::Hex("#2F4E7A"), kTeal},
                            {"ember", content::Hex("#5A2E3A"), kAmber},
                            {"moss", content::Hex("#27484A"), content::Hex("#7FE07A")},
                            {"abyss", content::Hex("#1E1A40"), content::Hex("#6A5ACD")}};
  for (const TTheme& t : themes)
    for (int v = 1; v <= 3; ++v) Tile(out + "tile_" + t.Name + std::to_string(v) + ".png", t, v);
  Cluster(out + "deco_teal", kTeal, 5, 4);
  Cluster(out + "deco_amber", kAmber, 6, 4);
  Cluster(out + "deco_violet", content::Hex("#B07CE8"), 7, 4);
  Fungus(out + "deco_fungus", 4);
  Geode(out + "deco_geode", 6);
}

}  // namespace art
