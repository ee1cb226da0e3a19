// content/art/sprites.cpp — the small game pictures: cursor, snap preview and attach hints,
// danger bar segments, particles and blast stars.
#include <cmath>

#include "content/art/art.hpp"
#include "content/art/art_kit.hpp"

namespace art {
namespace {

void CursorFrame(cairo_t* cr, int frame) {
  const double phase = frame / 18.0;
  // The pointer: a slim crystal shard with its tip on the hot spot (0, 0).
  cairo_save(cr);
  cairo_translate(cr, 1.5, 1.5);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, 24);
  cairo_line_to(cr, 6.5, 18.5);
  cairo_line_to(cr, 11, 28);
  cairo_line_to(cr, 15, 26);
  cairo_line_to(cr, 10.5, 17);
  cairo_line_to(cr, 18, 16.5);
  cairo_close_path(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  content::SetColour(cr, kDeep, 0.85);
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 14, 24);
  const TColour hi = content::Mix(kTeal, {1, 1, 1}, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.R, hi.G, hi.B);
  cairo_pattern_add_color_stop_rgb(g, 0.55, kTeal.R, kTeal.G, kTeal.B);
  cairo_pattern_add_color_stop_rgb(g, 1, kViolet.R, kViolet.G, kViolet.B);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A band of light sweeping down the shard.
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  const double band = -8 + 44 * phase;
  cairo_pattern_t* s = cairo_pattern_create_linear(0, band - 6, 6, band + 6);
  cairo_pattern_add_color_stop_rgba(s, 0, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(s, 0.5, 1, 1, 1, 0.75);
  cairo_pattern_add_color_stop_rgba(s, 1, 1, 1, 1, 0);
  cairo_set_source(cr, s);
  cairo_paint(cr);
  cairo_pattern_destroy(s);
  cairo_reset_clip(cr);
  // Facet ridge and rim.
  cairo_move_to(cr, 0.8, 1.5);
  cairo_line_to(cr, 8.5, 17.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_append_path(cr, shape);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_path_destroy(shape);
  cairo_restore(cr);
  // A twinkle near the tip that swells and fades once per cycle.
  const double tw = 0.5 + 0.5 * std::sin(phase * 2 * M_PI);
  Sparkle(cr, 22, 9, 3.5 + 4 * tw, 0.35 + 0.6 * tw, kAmber);
}

void FragPicture(const std::string& path, double pts[3][2], int w, int h) {
  TCanvas canvas(w, h);
  cairo_t* cr = canvas.Cr();
  cairo_move_to(cr, pts[0][0], pts[0][1]);
  cairo_line_to(cr, pts[1][0], pts[1][1]);
  cairo_line_to(cr, pts[2][0], pts[2][1]);
  cairo_close_path(cr);
  const double cx = (pts[0][0] + pts[1][0] + pts[2][0]) / 3;
  const double cy = (pts[0][1] + pts[1][1] + pts[2][1]) / 3;
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 26);
  cairo_pattern_add_color_stop_rgba(g, 0, kTeal.R, kTeal.G, kTeal.B, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, kTeal.R, kTeal.G, kTeal.B, 0.18);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  const TColour edge = content::Mix(kTeal, {1, 1, 1}, 0.45);
  content::SetColour(cr, edge, 0.95);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  canvas.WritePng(path);
}

// A bar segment: a small rounded gem cell, "warm" for danger.
void BarSegment(const std::string& path, const TColour& c, double glow) {
  TCanvas canvas(10, 16);
  cairo_t* cr = canvas.Cr();
  const double r = 2.5, x = 1, y = 1, w = 8, h = 14;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 1, 0, 15);
  const TColour top = content::Mix(c, {1, 1, 1}, 0.35 + glow * 0.4);
  const TColour bottom = content::Mix(c, kDeep, 0.45 - glow * 0.3);
  cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(g, 0.45, c.R, c.G, c.B);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.R, bottom.G, bottom.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  content::SetColour(cr, content::Mix(c, {1, 1, 1}, 0.6), 0.8);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_rectangle(cr, 2.5, 2.5, 2, 5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.45 + glow * 0.4);
  cairo_fill(cr);
  canvas.WritePng(path);
}

void StarBurst(cairo_t* cr, double cx, double cy, double r, int rays, const TColour& c,
               const TColour& core) {
  Glow(cr, cx, cy, r, c, 0.6);
  for (int i = 0; i < rays; ++i) {
    const double a = i * 2 * M_PI / rays + (i % 2 ? 0.2 : 0);
    const double len = (i % 2 ? 0.55 : 0.95) * r, w = 0.09 * r;
    cairo_move_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
    cairo_line_to(cr, cx + std::cos(a + M_PI / 2) * w, cy + std::sin(a + M_PI / 2) * w);
    cairo_line_to(cr, cx - std::cos(a) * w, cy - std::sin(a) * w);
    cairo_line_to(cr, cx + std::cos(a - M_PI / 2) * w, cy + std::sin(a - M_PI / 2) * w);
    cairo_close_path(cr);
    content::SetColour(cr, content::Mix(c, core, 0.5), 0.85);
    cairo_fill(cr);
  }
  Glow(cr, cx, cy, r * 0.35, core, 1.0);
}

}  // namespace

void PaintSprites(const std::string& out) {
  {
    TCanvas canvas(18 * 40, 40);
    for (int f = 0; f < 18; ++f) {
      cairo_save(canvas.Cr());
      cairo_rectangle(canvas.Cr(), f * 40, 0, 40, 40);
      cairo_clip(canvas.Cr());
      cairo_translate(canvas.Cr(), f * 40, 0);
      CursorFrame(canvas.Cr(), f);
      cairo_restore(canvas.Cr());
    }
    canvas.WritePng(out + "cursor_line.png");
  }
  // Snap preview, one picture per triangle kind, sized to the triangle's bounding box.
  double top[3][2] = {{0.5, 0.5}, {48.5, 0.5}, {13.5, 21.5}};
  double right[3][2] = {{0.5, 21.5}, {35.5, 0.5}, {14.5, 42.5}};
  double bottom[3][2] = {{0.5, 21.5}, {34.5, 0.5}, {48.5, 21.5}};
  double left[3][2] = {{0.5, 42.5}, {21.5, 0.5}, {34.5, 21.5}};
  FragPicture(out + "Frag1.png", top, 49, 22);
  FragPicture(out + "Frag2.png", right, 36, 43);
  FragPicture(out + "Frag3.png", bottom, 49, 22);
  FragPicture(out + "Frag4.png", left, 35, 43);
  {
    TCanvas canvas(42, 16);
    Glow(canvas.Cr(), 21, 3, 9, kTeal, 0.55);
    Sparkle(canvas.Cr(), 21, 3, 4.5, 0.9, kTeal);
    canvas.WritePng(out + "FragHint.png");
  }
  BarSegment(out + "DeadProgressBar.png", content::Hex("#E0572A"), 0.0);
  {
    TCanvas canvas(16, 16);
    Glow(canvas.Cr(), 8, 8, 8, {1, 1, 1}, 0.9);
    Sparkle(canvas.Cr(), 8, 8, 6, 0.9);
    canvas.WritePng(out + "particle1.png");
  }
  {
    TCanvas canvas(24, 24);
    cairo_t* cr = canvas.Cr();
    Glow(cr, 12, 12, 12, kTeal, 0.4);
    for (int i = 0; i < 2; ++i) {
      const double y = 13 + i * 6;
      cairo_move_to(cr, 5, y);
      cairo_line_to(cr, 12, y - 7);
      cairo_line_to(cr, 19, y);
      content::SetColour(cr, content::Mix(kTeal, {1, 1, 1}, 0.5), 0.95 - i * 0.35);
      cairo_set_line_width(cr, 2.6);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke(cr);
    }
    canvas.WritePng(out + "particle_shift.png");
  }
  {
    TCanvas canvas(24, 24);
    cairo_t* cr = canvas.Cr();
    Glow(cr, 12, 12, 12, kAmber, 0.4);
    for (int i = 0; i < 3; ++i) {
      const double a = i * 2 * M_PI / 3;
      cairo_arc(cr, 12, 12, 7, a, a + 1.5);
      content::SetColour(cr, content::Mix(kAmber, {1, 1, 1}, 0.4), 0.9);
      cairo_set_line_width(cr, 2.2);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
    }
    Sparkle(cr, 12, 12, 4, 0.9);
    canvas.WritePng(out + "particle_shuffle.png");
  }
  {
    TCanvas canvas(64, 64);
    StarBurst(canvas.Cr(), 32, 32, 31, 12, kAmber, {1, 0.97, 0.85});
    canvas.WritePng(out + "boomstar.png");
  }
  {
    // Tinted per colour by the game (ImageHueChange), so drawn in the gem's own tones.
    TCanvas canvas(64, 64);
    StarBurst(canvas.Cr(), 32, 32, 31, 12, GemTone(0.55), GemTone(0.92));
    canvas.WritePng(out + "boomcolorstar.png");
  }
}

// Green and bright bars are the red one recoloured when the game unpacks its archive.
void WriteBarAutoImages(const std::string& out) {
  content::WriteBytes(out + "DeadProgressBarGreen.aim",
                      "<AutoImage name=\"DeadProgressBarGreen\" autosize=\"true\">\r\n"
                      "<AddImage name=\"DeadProgressBar.png\" left=\"0\" top=\"0\" />\r\n"
                      "<ImageHueChange hue=\"-100\" saturation=\"0\" lightness=\"8\"/>\r\n"
                      "</AutoImage>\r\n");
  content::WriteBytes(out + "DeadProgressBarOn.aim",
                      "<AutoImage name=\"DeadProgressBarOn\" autosize=\"true\">\r\n"
                      "<AddImage name=\"DeadProgressBar.png\" left=\"0\" top=\"0\" />\r\n"
                      "<ImageHueChange hue=\"6\" saturation=\"30\" lightness=\"48\"/>\r\n"
                      "</AutoImage>\r\n");
}

}  // namespace art
