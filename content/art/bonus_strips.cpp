// content/art/bonus_strips.cpp — the animated bonus icons shown on pieces: coins (12 frames)
// and the move, bomb, colour-bomb and tricolour strips (24 frames), 30 px per frame.
#include <cmath>
#include <functional>

#include "content/art/art.hpp"
#include "content/art/art_kit.hpp"

namespace art {
namespace {

constexpr int kFrame = 30;

using TFramePainter = std::function<void(cairo_t*, double phase)>;

void Strip(const std::string& path, int frames, const TFramePainter& paint) {
  TCanvas canvas(frames * kFrame, kFrame);
  for (int f = 0; f < frames; ++f) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_rectangle(cr, f * kFrame, 0, kFrame, kFrame);
    cairo_clip(cr);
    cairo_translate(cr, f * kFrame + kFrame / 2.0, kFrame / 2.0);
    paint(cr, static_cast<double>(f) / frames);
    cairo_restore(cr);
  }
  canvas.WritePng(path);
}

// A coin turning about its vertical axis: the face narrows, the rim shows.
void Coin(cairo_t* cr, double phase, const TColour& metal, const std::string& mark) {
  const double turn = std::cos(phase * 2 * M_PI);
  const double rx = std::max(1.2, 11.5 * std::abs(turn)), ry = 11.5;
  Glow(cr, 0, 0, 14, metal, 0.35);
  // Rim (the coin's thickness) towards the side it turns.
  cairo_save(cr);
  cairo_translate(cr, turn >= 0 ? -1.6 : 1.6, 0);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  content::SetColour(cr, content::Mix(metal, kDeep, 0.55));
  cairo_fill(cr);
  cairo_save(cr);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(-rx, -ry, rx, ry);
  const TColour hi = content::Mix(metal, {1, 1, 1}, 0.55), lo = content::Mix(metal, kDeep, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.R, hi.G, hi.B);
  cairo_pattern_add_color_stop_rgb(g, 0.5, metal.R, metal.G, metal.B);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.R, lo.G, lo.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  content::SetColour(cr, content::Mix(metal, kDeep, 0.5), 0.9);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  if (std::abs(turn) > 0.35) {
    cairo_save(cr);
    cairo_scale(cr, std::abs(turn), 1);
    const double w = TextWidth(mark, 12);
    TextPath(cr, mark, 12, -w / 2, 4.5);
    cairo_restore(cr);
    content::SetColour(cr, content::Mix(metal, kDeep, 0.6), 0.9);
    cairo_fill(cr);
  }
  if (phase < 0.2) Sparkle(cr, -5, -6, 5 * (1 - phase * 5) + 1, 0.9);
}

void Arrow(cairo_t* cr, double x, double y, double angle, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, size, 0);
  cairo_line_to(cr, -size * 0.6, -size * 0.75);
  cairo_line_to(cr, -size * 0.6, size * 0.75);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void Shuffle(cairo_t* cr, double phase, int arrows, double scale) {
  Glow(cr, 0, 0, 15, kAmber, 0.3);
  const double spin = phase * 2 * M_PI;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < arrows; ++i) {
    const double a0 = spin + i * 2 * M_PI / arrows, a1 = a0 + 2 * M_PI / arrows - 0.9;
    const double r = 8.5 * scale;
    cairo_arc(cr, 0, 0, r, a0, a1);
    content::SetColour(cr, kDeep, 0.8);
    cairo_set_line_width(cr, 5.0 * scale);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, r, a0, a1);
    content::SetColour(cr, content::Mix(kAmber, {1, 1, 1}, 0.3));
    cairo_set_line_width(cr, 2.8 * scale);
    cairo_stroke(cr);
    Arrow(cr, r * std::cos(a1), r * std::sin(a1), a1 + M_PI / 2, 4.2 * scale);
    content::SetColour(cr, content::Mix(kAmber, {1, 1, 1}, 0.45));
    cairo_fill(cr);
  }
  Sparkle(cr, 0, 0, 3 + 1.5 * std::sin(spin * 2), 0.9);
}

void Shift(cairo_t* cr, double phase, int chevrons) {
  Glow(cr, 0, 0, 15, kTeal, 0.3);
  const double bob = std::sin(phase * 2 * M_PI) * 2.5;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int i = 0; i < chevrons; ++i) {
    const double y = bob + (chevrons == 1 ? 3 : 7 - i * 8);
    cairo_move_to(cr, -8, y);
    cairo_line_to(cr, 0, y - 8);
    cairo_line_to(cr, 8, y);
    content::SetColour(cr, kDeep, 0.8);
    cairo_set_line_width(cr, 6.0);
    cairo_stroke_preserve(cr);
    content::SetColour(cr, content::Mix(kTeal, {1, 1, 1}, 0.35 + 0.2 * i));
    cairo_set_line_width(cr, 3.4);
    cairo_stroke(cr);
  }
}

void Bomb(cairo_t* cr, double phase) {
  Glow(cr, 0, 2, 14, kAmber, 0.25);
  cairo_arc(cr, -1, 3, 9.5, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(-4, 0, 1, -1, 3, 10);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.52, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.07, 0.16);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_rectangle(cr, 2, -9, 5, 4);
  cairo_set_source_rgb(cr, 0.3, 0.28, 0.4);
  cairo_fill(cr);
  cairo_move_to(cr, 5, -8);
  cairo_curve_to(cr, 7, -12, 9, -12, 10, -10);
  cairo_set_source_rgb(cr, 0.85, 0.75, 0.55);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  const double flicker = 0.5 + 0.5 * std::sin(phase * 6 * M_PI);
  Glow(cr, 10, -10, 6 + 2 * flicker, kAmber, 0.8);
  Sparkle(cr, 10, -10, 3 + 3 * flicker, 1.0, kAmber);
}

void ColourBomb(cairo_t* cr, double phase) {
  // Drawn in the gem's tones: the game tints this strip per colour.
  Glow(cr, 0, 0, 15, GemTone(0.6), 0.45);
  const double spin = phase * 2 * M_PI;
  const int n = 6;
  for (int i = 0; i < n; ++i) {
    const double a0 = spin / 3 + i * 2 * M_PI / n, a1 = a0 + 2 * M_PI / n;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 10 * std::cos(a0), 10 * std::sin(a0));
    cairo_line_to(cr, 10 * std::cos(a1), 10 * std::sin(a1));
    cairo_close_path(cr);
    const double light = 0.35 + 0.3 * (0.5 + 0.5 * std::cos((a0 + a1) / 2 + 2.3));
    content::SetColour(cr, GemTone(light));
    cairo_fill_preserve(cr);
    content::SetColour(cr, GemTone(0.85), 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  Glow(cr, 0, 0, 5, GemTone(0.95), 0.9);
  const double tw = 0.5 + 0.5 * std::sin(spin);
  Sparkle(cr, -4, -5, 2.5 + 3 * tw, 0.95);
}

void Tricolour(cairo_t* cr, double phase) {
  const TColour colours[3] = {content::Hex("#D04A08"), content::Hex("#F8EC50"),
                              content::Hex("#1450B4")};
  Glow(cr, 0, 0, 15, kText, 0.2);
  for (int i = 0; i < 3; ++i) {
    const double a = phase * 2 * M_PI + i * 2 * M_PI / 3;
    const double x = 7 * std::cos(a), y = 7 * std::sin(a) * 0.8;
    const TColour& c = colours[i];
    cairo_move_to(cr, x, y - 6);
    cairo_line_to(cr, x + 5, y);
    cairo_line_to(cr, x, y + 6);
    cairo_line_to(cr, x - 5, y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 5, y - 6, x + 5, y + 6);
    const TColour hi = content::Mix(c, {1, 1, 1}, 0.5);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.R, hi.G, hi.B);
    cairo_pattern_add_color_stop_rgb(g, 1, c.R, c.G, c.B);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    content::SetColour(cr, kDeep, 0.8);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  Sparkle(cr, 0, 0, 3.5, 0.9);
}

}  // namespace

void PaintBonusStrips(const std::string& out) {
  Strip(out + "small_coin_line.png", 12,
        [](cairo_t* cr, double p) { Coin(cr, p, content::Hex("#C7763A"), "50"); });
  Strip(out + "silver_coin_line.png", 12,
        [](cairo_t* cr, double p) { Coin(cr, p, content::Hex("#B8C4DC"), "100"); });
  Strip(out + "gold_coin_line.png", 12,
        [](cairo_t* cr, double p) { Coin(cr, p, content::Hex("#F2C233"), "200"); });
  Strip(out + "smallshuffle_small_line.png", 24,
        [](cairo_t* cr, double p) { Shuffle(cr, p, 2, 0.8); });
  Strip(out + "shuffle_small_line.png", 24, [](cairo_t* cr, double p) { Shuffle(cr, p, 3, 1.0); });
  Strip(out + "smallshift_small_line.png", 24, [](cairo_t* cr, double p) { Shift(cr, p, 1); });
  Strip(out + "shift_small_line.png", 24, [](cairo_t* cr, double p) { Shift(cr, p, 2); });
  Strip(out + "bomb_small_line.png", 24, Bomb);
  Strip(out + "colorbomb_small_line.png", 24, ColourBomb);
  Strip(out + "tricolor_line.png", 24, Tricolour);
}

}  // namespace art
