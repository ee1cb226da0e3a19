// content/art/bosses_icon.cpp — the bosses, drawn from their SVG sources, with "BossTypes.xml";
// and the application icon in the sizes desktops ask for.
#include <librsvg/rsvg.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "content/art/art.hpp"
#include "content/art/art_kit.hpp"
#include "data/error.hpp"
#include "data/files.hpp"

namespace art {
namespace {

void RenderSvg(const std::string& svgPath, const std::string& pngPath) {
  const std::string text = data::ReadWholeFile(svgPath);
  GError* error = nullptr;
  RsvgHandle* handle =
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(text.data()), text.size(), &error);
  if (handle == nullptr) {
    const std::string why = error ? error->message : "unknown error";
    if (error) g_error_free(error);
    throw data::Error("Cannot read " + svgPath + ": " + why);
  }
  gdouble w = 0, h = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h))
    throw data::Error(svgPath + ": the picture needs a width and a height");
  TCanvas canvas(static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h)));
  const RsvgRectangle viewport{0, 0, w, h};
  if (!rsvg_handle_render_document(handle, canvas.Cr(), &viewport, &error)) {
    const std::string why = error ? error->message : "unknown error";
    if (error) g_error_free(error);
    g_object_unref(handle);
    throw data::Error("Cannot draw " + svgPath + ": " + why);
  }
  g_object_unref(handle);
  canvas.WritePng(pngPath);
}

void IconGem(cairo_t* cr, double size) {
  const double s = size / 256.0;
  cairo_scale(cr, s, s);
  // Rounded dark tile with a cavern glow.
  const double r = 44;
  cairo_new_sub_path(cr);
  cairo_arc(cr, 256 - 16 - r, 16 + r, r, -M_PI / 2, 0);
  cairo_arc(cr, 256 - 16 - r, 256 - 16 - r, r, 0, M_PI / 2);
  cairo_arc(cr, 16 + r, 256 - 16 - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, 16 + r, 16 + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 16, 0, 240);
  cairo_pattern_add_color_stop_rgb(g, 0, kCavernHigh.R, kCavernHigh.G, kCavernHigh.B);
  cairo_pattern_add_color_stop_rgb(g, 1, kDeep.R, kDeep.G, kDeep.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  content::SetColour(cr, kViolet, 0.9);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  Glow(cr, 128, 134, 110, kTeal, 0.35);
  // A cut gem seen from above: an octagon crown of facets around a table.
  const int n = 8;
  const double outer = 86, inner = 44, cx = 128, cy = 132;
  for (int i = 0; i < n; ++i) {
    const double a0 = -M_PI / 2 + (i - 0.5) * 2 * M_PI / n, a1 = a0 + 2 * M_PI / n;
    cairo_move_to(cr, cx + outer * std::cos(a0), cy + outer * std::sin(a0));
    cairo_line_to(cr, cx + outer * std::cos(a1), cy + outer * std::sin(a1));
    cairo_line_to(cr, cx + inner * std::cos(a1), cy + inner * std::sin(a1));
    cairo_line_to(cr, cx + inner * std::cos(a0), cy + inner * std::sin(a0));
    cairo_close_path(cr);
    const double mid = (a0 + a1) / 2;
    const double light = 0.5 + 0.5 * std::cos(mid - (-2.3));  // light from the top left
    content::SetColour(cr,
                       content::Mix(content::Mix(kTeal, kViolet, 0.55), {1, 1, 1}, light * 0.55));
    cairo_fill_preserve(cr);
    content::SetColour(cr, kDeep, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  for (int i = 0; i < n; ++i) {
    const double a = -M_PI / 2 + (i - 0.5) * 2 * M_PI / n;
    if (i == 0)
      cairo_move_to(cr, cx + inner * std::cos(a), cy + inner * std::sin(a));
    else
      cairo_line_to(cr, cx + inner * std::cos(a), cy + inner * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_pattern_t* t = cairo_pattern_create_linear(cx - inner, cy - inner, cx + inner, cy + inner);
  cairo_pattern_add_color_stop_rgb(t, 0, 0.9, 1, 0.98);
  cairo_pattern_add_color_stop_rgb(t, 1, kTeal.R, kTeal.G, kTeal.B);
  cairo_set_source(cr, t);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(t);
  content::SetColour(cr, {1, 1, 1}, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  Sparkle(cr, 96, 92, 30, 1.0);
  Sparkle(cr, 176, 188, 14, 0.8, kAmber);
}

}  // namespace

void PaintBosses(const std::string& out, const std::string& svgDir) {
  std::istringstream lines(data::ReadWholeFile(svgDir + "/bosses.txt"));
  std::ostringstream xml;
  xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BossTypes>\n";
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string name;
    int power = 0, x = 0, y = 0;
    if (!(words >> name >> power >> x >> y))
      throw data::Error("bosses.txt: expected \"name power x y\" in \"" + line + "\"");
    RenderSvg(svgDir + "/" + name + ".svg", out + name + ".png");
    xml << "  <Boss Image=\"" << name << ".png\" x=\"" << x << "\" y=\"" << y << "\" Power=\""
        << power << "\"/>\n";
  }
  xml << "</BossTypes>\n";
  content::WriteBytes(out + "BossTypes.xml", xml.str());
}

void PaintIcons(const std::string& out) {
  for (int size : {48, 64, 128, 256}) {
    const std::string dir =
        out + "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/";
    std::filesystem::create_directories(dir);
    TCanvas canvas(size, size);
    IconGem(canvas.Cr(), size);
    canvas.WritePng(dir + "zerith.png");
  }
}

}  // namespace art
