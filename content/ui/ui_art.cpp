// content/ui/ui_art.cpp — Cairo drawing of the interface pictures. Light comes from the top
// left; glass is #15122E at 85 %, edges bevel from #6A5ACD to #2B2160, accents are teal and amber.
#include "content/ui/ui_art.hpp"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace uiart {
namespace {

struct Rgb {
  double r, g, b;
};
Rgb Hex(unsigned v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
void Set(cairo_t* cr, unsigned v, double a = 1.0) {
  const Rgb c = Hex(v);
  cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}
void Stop(cairo_pattern_t* p, double at, unsigned v, double a = 1.0) {
  const Rgb c = Hex(v);
  cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, a);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

class Canvas {
 public:
  Canvas(int w, int h) : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)) {
    cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  }
  ~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  std::string Save(const std::string& dir, const std::string& name) {
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png(surface, (dir + "/" + name).c_str()) != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "zerith_ui_gen: cannot write %s\n", name.c_str());
      std::exit(1);
    }
    return name;
  }
  cairo_t* cr;

 private:
  cairo_surface_t* surface;
};

// Bevelled edge: lighter violet towards the top left, deep violet towards the bottom right.
void BevelStroke(cairo_t* cr, double x, double y, double w, double h, double width) {
  cairo_pattern_t* edge = cairo_pattern_create_linear(x, y, x + w * 0.4, y + h);
  Stop(edge, 0, 0x6A5ACD);
  Stop(edge, 1, 0x2B2160);
  cairo_set_source(cr, edge);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_pattern_destroy(edge);
}

// A faint mineral vein across glass so large panels do not read as flat fills.
void Veins(cairo_t* cr, double w, double h, unsigned seed) {
  unsigned s = seed * 2654435761u + 12345u;
  auto rnd = [&s] {
    s = s * 1103515245u + 12345u;
    return ((s >> 8) & 0xFFFF) / 65535.0;
  };
  cairo_set_line_width(cr, 1.0);
  for (int v = 0; v < 3; ++v) {
    double x = rnd() * w * 0.3, y = h * (0.3 + 0.5 * rnd());
    cairo_move_to(cr, x, y);
    while (x < w) {
      x += 20 + 30 * rnd();
      y += (rnd() - 0.5) * 24;
      cairo_line_to(cr, x, y);
    }
    Set(cr, v == 1 ? 0xFFB347 : 0x3FE0D0, 0.05);
    cairo_stroke(cr);
  }
}

void Glass(cairo_t* cr, double x, double y, double w, double h, double r, double alpha) {
  RoundRect(cr, x, y, w, h, r);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
  Stop(fill, 0, 0x1E1A40, alpha);
  Stop(fill, 0.25, 0x15122E, alpha);
  Stop(fill, 1, 0x100D24, alpha);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  BevelStroke(cr, x, y, w, h, 2.0);
  // Inner highlight along the top edge.
  RoundRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, r - 2);
  cairo_pattern_t* hi = cairo_pattern_create_linear(0, y, 0, y + 24);
  Stop(hi, 0, 0xB9B0FF, 0.22);
  Stop(hi, 1, 0xB9B0FF, 0.0);
  cairo_set_source(cr, hi);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_pattern_destroy(hi);
}

void Glint(cairo_t* cr, double x, double y, double size, double alpha) {
  // A four-point star: the crystal glint used on accents.
  cairo_move_to(cr, x, y - size);
  cairo_curve_to(cr, x + size * 0.12, y - size * 0.12, x + size * 0.12, y - size * 0.12, x + size,
                 y);
  cairo_curve_to(cr, x + size * 0.12, y + size * 0.12, x + size * 0.12, y + size * 0.12, x,
                 y + size);
  cairo_curve_to(cr, x - size * 0.12, y + size * 0.12, x - size * 0.12, y + size * 0.12, x - size,
                 y);
  cairo_curve_to(cr, x - size * 0.12, y - size * 0.12, x - size * 0.12, y - size * 0.12, x,
                 y - size);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  cairo_fill(cr);
}

std::string Num(int v) {
  return std::to_string(v);
}

}  // namespace

std::string Painter::Panel(int w, int h) const {
  Canvas c(w, h);
  // Nearly opaque: the title's letters and buttons must not show through a dialog's text.
  Glass(c.cr, 1, 1, w - 2, h - 2, 10, 0.96);
  cairo_save(c.cr);
  RoundRect(c.cr, 3, 3, w - 6, h - 6, 8);
  cairo_clip(c.cr);
  Veins(c.cr, w, h, static_cast<unsigned>(w * 31 + h));
  // A soft teal glow under the title area.
  cairo_pattern_t* glow = cairo_pattern_create_radial(w / 2.0, 0, 0, w / 2.0, 0, w * 0.55);
  Stop(glow, 0, 0x3FE0D0, 0.10);
  Stop(glow, 1, 0x3FE0D0, 0.0);
  cairo_set_source(c.cr, glow);
  cairo_paint(c.cr);
  cairo_pattern_destroy(glow);
  cairo_restore(c.cr);
  Glint(c.cr, 14, 12, 5, 0.55);
  return c.Save(dir, "UiPanel" + Num(w) + "x" + Num(h) + ".png");
}

std::string Painter::Plate(int w, int h) const {
  Canvas c(w, h);
  Glass(c.cr, 1, 1, w - 2, h - 2, 8, 0.80);
  return c.Save(dir, "UiPlate" + Num(w) + "x" + Num(h) + ".png");
}

std::string Painter::Button(int w, int h, int state, bool accent) const {
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  const double m = 3;  // margin for the hover glow
  const double y = m + (state == 2 ? 1 : 0);
  const double bw = w - 2 * m, bh = h - 2 * m;
  const unsigned edge = accent ? 0xFFB347 : 0x3FE0D0;
  if (state == 1) {
    for (int i = 3; i >= 1; --i) {
      RoundRect(cr, m - i, y - i, bw + 2 * i, bh + 2 * i, (bh + 2 * i) / 2);
      Set(cr, edge, 0.10);
      cairo_fill(cr);
    }
  }
  RoundRect(cr, m, y, bw, bh, bh / 2);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + bh);
  if (state == 2) {
    Stop(fill, 0, 0x140F30);
    Stop(fill, 1, 0x2B2160);
  } else if (state == 1) {
    Stop(fill, 0, 0x4A3AA0);
    Stop(fill, 0.5, 0x36297E);
    Stop(fill, 1, 0x2B2160);
  } else {
    Stop(fill, 0, 0x3A2D80);
    Stop(fill, 0.5, 0x2B2160);
    Stop(fill, 1, 0x1E1748);
  }
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Set(cr, edge, state == 1 ? 1.0 : 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  if (state != 2) {
    // Glass sheen on the upper half.
    RoundRect(cr, m + 4, y + 2, bw - 8, bh / 2 - 2, (bh / 2 - 2) / 2);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, y, 0, y + bh / 2);
    Stop(sheen, 0, 0xFFFFFF, state == 1 ? 0.20 : 0.13);
    Stop(sheen, 1, 0xFFFFFF, 0.0);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
  } else {
    // Inset shadow along the top.
    RoundRect(cr, m + 1, y + 1, bw - 2, bh - 2, bh / 2 - 1);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, y, 0, y + 8);
    Stop(shade, 0, 0x000000, 0.45);
    Stop(shade, 1, 0x000000, 0.0);
    cairo_set_source(cr, shade);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(shade);
  }
  const char* suffix[] = {"", "Over", "Down"};
  return c.Save(dir, std::string(accent ? "UiBtnA" : "UiBtn") + Num(w) + "x" + Num(h) +
                         suffix[state] + ".png");
}

namespace {

void Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, double head) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
  const double a = std::atan2(y1 - y0, x1 - x0);
  cairo_move_to(cr, x1 + std::cos(a) * 2, y1 + std::sin(a) * 2);
  cairo_line_to(cr, x1 - std::cos(a - 0.6) * head, y1 - std::sin(a - 0.6) * head);
  cairo_line_to(cr, x1 - std::cos(a + 0.6) * head, y1 - std::sin(a + 0.6) * head);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void DrawIcon(cairo_t* cr, const std::string& icon, double cx, double cy) {
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Set(cr, 0xEDEBFF);
  if (icon == "swap") {
    // Two arrows chasing each other round: the queue turns.
    cairo_arc(cr, cx, cy, 9, M_PI * 1.05, M_PI * 1.85);
    cairo_stroke(cr);
    Arrow(cr, cx + 7, cy - 6, cx + 9, cy - 1, 6);
    cairo_arc(cr, cx, cy, 9, M_PI * 0.05, M_PI * 0.85);
    cairo_stroke(cr);
    Arrow(cr, cx - 7, cy + 6, cx - 9, cy + 1, 6);
  } else if (icon == "shift") {
    // The dead line pushed down: a bar with an arrow pointing down below it.
    cairo_move_to(cr, cx - 10, cy - 8);
    cairo_line_to(cr, cx + 10, cy - 8);
    cairo_stroke(cr);
    Arrow(cr, cx, cy - 4, cx, cy + 8, 7);
    Set(cr, 0x3FE0D0);
    cairo_move_to(cr, cx - 10, cy + 11);
    cairo_line_to(cr, cx + 10, cy + 11);
    cairo_stroke(cr);
  } else if (icon == "shuffle") {
    cairo_move_to(cr, cx - 11, cy - 7);
    cairo_curve_to(cr, cx - 2, cy - 7, cx, cy + 7, cx + 7, cy + 7);
    cairo_stroke(cr);
    Arrow(cr, cx + 5, cy + 7, cx + 10, cy + 7, 6);
    cairo_move_to(cr, cx - 11, cy + 7);
    cairo_curve_to(cr, cx - 2, cy + 7, cx, cy - 7, cx + 7, cy - 7);
    cairo_stroke(cr);
    Arrow(cr, cx + 5, cy - 7, cx + 10, cy - 7, 6);
  } else if (icon == "undo") {
    cairo_arc_negative(cr, cx + 1, cy + 2, 8, M_PI * 0.5, M_PI * 1.5 + 0.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 1, cy + 2, 8, M_PI * 0.5, M_PI * 0.5);
    Arrow(cr, cx + 3, cy - 6, cx - 7, cy - 6, 6);
  } else if (icon == "menu") {
    for (int i = -1; i <= 1; ++i) {
      cairo_move_to(cr, cx - 9, cy + i * 6);
      cairo_line_to(cr, cx + 9, cy + i * 6);
      cairo_stroke(cr);
    }
  } else if (icon == "save") {
    // A crystal dropping into a tray: the quick save.
    Arrow(cr, cx, cy - 11, cx, cy + 2, 7);
    cairo_move_to(cr, cx - 10, cy + 3);
    cairo_line_to(cr, cx - 10, cy + 10);
    cairo_line_to(cr, cx + 10, cy + 10);
    cairo_line_to(cr, cx + 10, cy + 3);
    cairo_stroke(cr);
  }
}

}  // namespace

std::string Painter::IconButton(const std::string& icon, int state) const {
  const int w = 46, h = 44;
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  const double m = 3, y = m + (state == 2 ? 1 : 0);
  if (state == 1) {
    for (int i = 3; i >= 1; --i) {
      RoundRect(cr, m - i, y - i, w - 2 * m + 2 * i, h - 2 * m + 2 * i, 12 + i);
      Set(cr, 0x3FE0D0, 0.10);
      cairo_fill(cr);
    }
  }
  RoundRect(cr, m, y, w - 2 * m, h - 2 * m, 12);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h - 2 * m);
  Stop(fill, 0, state == 2 ? 0x140F30 : state == 1 ? 0x4A3AA0 : 0x3A2D80);
  Stop(fill, 1, state == 2 ? 0x2B2160 : 0x1E1748);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Set(cr, 0x3FE0D0, state == 1 ? 1.0 : 0.75);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  DrawIcon(cr, icon, w / 2.0, y + (h - 2 * m) / 2.0);
  const char* suffix[] = {"", "Over", "Down"};
  std::string name = icon;
  name[0] = static_cast<char>(std::toupper(name[0]));
  return c.Save(dir, "UiIcon" + name + suffix[state] + ".png");
}

std::string Painter::Box(bool radio, bool checked) const {
  const int s = 22;
  Canvas c(s, s);
  cairo_t* cr = c.cr;
  if (radio)
    cairo_arc(cr, s / 2.0, s / 2.0, 8.5, 0, 2 * M_PI);
  else
    RoundRect(cr, 2.5, 2.5, s - 5, s - 5, 4);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 2, 0, s - 2);
  Stop(fill, 0, 0x0E0B22);
  Stop(fill, 1, 0x241C52);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Set(cr, 0x3FE0D0, 0.85);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  if (checked) {
    if (radio) {
      cairo_arc(cr, s / 2.0, s / 2.0, 4.5, 0, 2 * M_PI);
      cairo_pattern_t* gem =
          cairo_pattern_create_radial(s / 2.0 - 2, s / 2.0 - 2, 0, s / 2.0, s / 2.0, 5);
      Stop(gem, 0, 0xFFFFFF);
      Stop(gem, 0.4, 0x3FE0D0);
      Stop(gem, 1, 0x1A8F86);
      cairo_set_source(cr, gem);
      cairo_fill(cr);
      cairo_pattern_destroy(gem);
    } else {
      cairo_set_line_width(cr, 3);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_move_to(cr, 6.5, 11.5);
      cairo_line_to(cr, 9.5, 15);
      cairo_line_to(cr, 16, 6.5);
      Set(cr, 0x3FE0D0);
      cairo_stroke(cr);
    }
  }
  return c.Save(dir,
                std::string(radio ? "UiRadio" : "UiCheck") + (checked ? "On" : "Off") + ".png");
}

std::string Painter::SliderTrack(int length, bool vertical) const {
  const int thick = vertical ? 18 : 24;
  Canvas c(vertical ? thick : length, vertical ? length : thick);
  cairo_t* cr = c.cr;
  if (vertical)
    RoundRect(cr, thick / 2.0 - 3, 2, 6, length - 4, 3);
  else
    RoundRect(cr, 2, thick / 2.0 - 3, length - 4, 6, 3);
  Set(cr, 0x0B0A1F, 0.9);
  cairo_fill_preserve(cr);
  Set(cr, 0x6A5ACD, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return c.Save(dir, std::string(vertical ? "UiVTrack" : "UiTrack") + Num(length) + ".png");
}

std::string Painter::SliderThumb(bool vertical, bool hover) const {
  const int w = vertical ? 18 : 14, h = vertical ? 22 : 24;
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  // A standing crystal: a hexagonal gem.
  const double cx = w / 2.0, cy = h / 2.0, rx = w / 2.0 - 1.5, ry = h / 2.0 - 1.5;
  cairo_move_to(cr, cx, cy - ry);
  cairo_line_to(cr, cx + rx, cy - ry * 0.45);
  cairo_line_to(cr, cx + rx, cy + ry * 0.45);
  cairo_line_to(cr, cx, cy + ry);
  cairo_line_to(cr, cx - rx, cy + ry * 0.45);
  cairo_line_to(cr, cx - rx, cy - ry * 0.45);
  cairo_close_path(cr);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, w, h);
  Stop(fill, 0, hover ? 0xC8FFF8 : 0x9FF3EA);
  Stop(fill, 0.45, 0x3FE0D0);
  Stop(fill, 1, 0x157A72);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Set(cr, hover ? 0xFFFFFF : 0x0B0A1F, hover ? 0.9 : 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return c.Save(dir,
                std::string(vertical ? "UiVThumb" : "UiThumb") + (hover ? "Over" : "") + ".png");
}

std::string Painter::EditField(int w, int h) const {
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  RoundRect(cr, 1, 1, w - 2, h - 2, 6);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  Stop(fill, 0, 0x07061A);
  Stop(fill, 1, 0x15122E);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Set(cr, 0x3FE0D0, 0.6);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  return c.Save(dir, "UiEdit" + Num(w) + "x" + Num(h) + ".png");
}

std::string Painter::Caret() const {
  Canvas c(2, 19);
  Set(c.cr, 0x3FE0D0);
  cairo_rectangle(c.cr, 0, 1, 2, 17);
  cairo_fill(c.cr);
  return c.Save(dir, "UiCaret.png");
}

std::string Painter::GridBack(int w, int h) const {
  // Frosted crystal: a pale list so that row text, drawn dark, reads at a glance.
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  RoundRect(cr, 1, 1, w - 2, h - 2, 6);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, w * 0.3, h);
  Stop(fill, 0, 0xD9D3F4, 0.94);
  Stop(fill, 1, 0xA79DD8, 0.94);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Set(cr, 0x6A5ACD);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  return c.Save(dir, "UiGrid" + Num(w) + "x" + Num(h) + ".png");
}

std::string Painter::GridCursor(int w, int h) const {
  Canvas c(w, h);
  cairo_t* cr = c.cr;
  RoundRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
  Set(cr, 0x3FE0D0, 0.55);
  cairo_fill_preserve(cr);
  Set(cr, 0x1A8F86);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return c.Save(dir, "UiGridCursor" + Num(w) + "x" + Num(h) + ".png");
}

std::string Painter::BarFrame(int w, int h) const {
  Canvas c(w, h);
  RoundRect(c.cr, 1, 1, w - 2, h - 2, h / 2.0 - 1);
  Set(c.cr, 0x07061A, 0.9);
  cairo_fill_preserve(c.cr);
  Set(c.cr, 0x6A5ACD);
  cairo_set_line_width(c.cr, 1.5);
  cairo_stroke(c.cr);
  return c.Save(dir, "UiBar" + Num(w) + "x" + Num(h) + ".png");
}

std::string Painter::BarSegment(const std::string& name, unsigned rgb, int w, int h) const {
  Canvas c(w, h);
  cairo_rectangle(c.cr, 0, 0, w - 1, h);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  Stop(fill, 0, 0xFFFFFF, 0.9);
  Stop(fill, 0.35, rgb);
  Stop(fill, 1, rgb, 0.8);
  cairo_set_source(c.cr, fill);
  cairo_fill(c.cr);
  cairo_pattern_destroy(fill);
  return c.Save(dir, name);
}

std::string Painter::Veil() const {
  Canvas c(800, 600);
  cairo_pattern_t* fill = cairo_pattern_create_radial(400, 300, 100, 400, 300, 520);
  Stop(fill, 0, 0x0B0A1F, 0.55);
  Stop(fill, 1, 0x0B0A1F, 0.85);
  cairo_set_source(c.cr, fill);
  cairo_paint(c.cr);
  cairo_pattern_destroy(fill);
  return c.Save(dir, "UiVeil.png");
}

std::string Painter::Badge() const {
  Canvas c(26, 20);
  RoundRect(c.cr, 1, 1, 24, 18, 9);
  Set(c.cr, 0xFFB347);
  cairo_fill_preserve(c.cr);
  Set(c.cr, 0x0B0A1F, 0.7);
  cairo_set_line_width(c.cr, 1.5);
  cairo_stroke(c.cr);
  return c.Save(dir, "UiBadge.png");
}

std::string Painter::Rule(int w) const {
  Canvas c(w, 4);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, w, 0);
  Stop(fill, 0, 0xFFB347, 0.0);
  Stop(fill, 0.5, 0xFFB347, 0.8);
  Stop(fill, 1, 0xFFB347, 0.0);
  cairo_set_source(c.cr, fill);
  cairo_rectangle(c.cr, 0, 1, w, 2);
  cairo_fill(c.cr);
  cairo_pattern_destroy(fill);
  return c.Save(dir, "UiRule" + Num(w) + ".png");
}

}  // namespace uiart
