// content/art/scenes.cpp — the full-screen pictures: the title scene, its pencil sketch for the
// fade-in, and the cavern behind the board.
#include <algorithm>
#include <cmath>

#include "content/art/art.hpp"
#include "content/art/art_kit.hpp"
#include "content/pipeline/canvas.hpp"
#include "graphics/jpeg_codec.hpp"

namespace art {
namespace {

constexpr int kW = 800, kH = 600;

void Backdrop(cairo_t* cr, double focusX, double focusY) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, kH);
  cairo_pattern_add_color_stop_rgb(g, 0, kDeep.R, kDeep.G, kDeep.B);
  cairo_pattern_add_color_stop_rgb(g, 0.55, kCavernMid.R, kCavernMid.G, kCavernMid.B);
  cairo_pattern_add_color_stop_rgb(g, 1, kCavernHigh.R * 0.8, kCavernHigh.G * 0.8,
                                   kCavernHigh.B * 0.8);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  Glow(cr, focusX, focusY, 420, kCavernHigh, 0.7);
  Glow(cr, focusX, focusY, 160, kViolet, 0.18);
}

// Hanging and rising rock with crystals growing from it, far to near.
void CavernLayers(cairo_t* cr, TNoise& noise, bool busy) {
  const TColour far = content::Mix(kCavernHigh, kDeep, 0.35);
  const TColour near = content::Mix(kCavernMid, kDeep, 0.6);
  // Distant crystal glows.
  for (int i = 0; i < (busy ? 9 : 6); ++i) {
    const TColour c = i % 3 == 0 ? kAmber : (i % 3 == 1 ? kTeal : kViolet);
    Glow(cr, noise.Range(0, kW), noise.Range(150, 470), noise.Range(40, 110), c, 0.13);
  }
  RockBand(cr, noise, kW, 0, 70, 28, kDeep, far, true);
  RockBand(cr, noise, kW, 500, kH, 26, far, kDeep, false);
  // Stalactites and stalagmites.
  for (int i = 0; i < 26; ++i) {
    const double x = noise.Range(-10, kW + 10), w = noise.Range(10, 34);
    const double len = noise.Range(30, busy ? 150 : 110);
    const bool down = i % 2 == 0;
    const double base = down ? noise.Range(30, 70) : noise.Range(510, 560);
    cairo_move_to(cr, x - w / 2, base);
    cairo_line_to(cr, x + noise.Range(-5, 5), base + (down ? len : -len));
    cairo_line_to(cr, x + w / 2, base);
    cairo_close_path(cr);
    cairo_pattern_t* g =
        cairo_pattern_create_linear(x - w / 2, base, x + w / 2, base + (down ? len : -len));
    const TColour lit = content::Mix(far, kViolet, 0.25);
    cairo_pattern_add_color_stop_rgb(g, 0, lit.R, lit.G, lit.B);
    cairo_pattern_add_color_stop_rgb(g, 1, near.R, near.G, near.B);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  RockBand(cr, noise, kW, 0, 40, 18, kDeep, near, true);
  RockBand(cr, noise, kW, 545, kH, 20, near, kDeep, false);
  Veins(cr, noise, 0, 0, kW, 70, 10, 0.5);
  Veins(cr, noise, 0, 520, kW, kH, 12, 0.5);
  // Crystal clusters along the floor and roof.
  const TColour tones[4] = {kTeal, kViolet, kAmber, content::Hex("#56B4E9")};
  for (int cluster = 0; cluster < (busy ? 9 : 7); ++cluster) {
    const bool floor = cluster % 3 != 2;
    const double cx = noise.Range(20, kW - 20);
    const double cy = floor ? noise.Range(548, 590) : noise.Range(8, 30);
    const TColour& c = tones[noise.Next() % 4];
    const int n = 3 + static_cast<int>(noise.Next() % 4);
    for (int k = 0; k < n; ++k) {
      const double lean = noise.Range(-0.6, 0.6) + (floor ? 0 : M_PI);
      CrystalPrism(cr, cx + noise.Range(-14, 14), cy, noise.Range(6, 13), noise.Range(18, 48), lean,
                   c, k == 0 ? 0.22 : 0.0);
    }
  }
}

// A fan of crystals growing from a rock ledge, with its light on the cavern around it.
void SideCluster(cairo_t* cr, TNoise& noise, double x, double y, const TColour& c, double size) {
  Glow(cr, x, y - 40 * size, 150 * size, c, 0.2);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size, size);
  cairo_move_to(cr, -70, 18);
  cairo_curve_to(cr, -50, -10, 50, -12, 70, 18);
  cairo_close_path(cr);
  content::SetColour(cr, content::Mix(kCavernMid, kDeep, 0.4));
  cairo_fill(cr);
  for (int k = 0; k < 9; ++k) {
    const double side = (k % 2 ? 1 : -1) * (k / 2) * 0.16;
    CrystalPrism(cr, side * 110 + noise.Range(-6, 6), noise.Range(0, 8), noise.Range(10, 20),
                 noise.Range(40, 95) * (1 - std::abs(side) * 0.9), side * 1.3, c,
                 k == 0 ? 0.25 : 0.0);
  }
  Sparkle(cr, noise.Range(-20, 20), -noise.Range(50, 80), 7, 0.9);
  cairo_restore(cr);
}

void Motes(cairo_t* cr, TNoise& noise, int count) {
  for (int i = 0; i < count; ++i) {
    const double x = noise.Range(0, kW), y = noise.Range(0, kH);
    const TColour c = noise.Real() < 0.5 ? kTeal : (noise.Real() < 0.5 ? kAmber : kText);
    if (noise.Real() < 0.15)
      Sparkle(cr, x, y, noise.Range(2.5, 5), noise.Range(0.4, 0.8), c);
    else
      Glow(cr, x, y, noise.Range(1.2, 3), c, noise.Range(0.25, 0.6));
  }
}

void Vignette(cairo_t* cr) {
  cairo_pattern_t* g =
      cairo_pattern_create_radial(kW / 2.0, kH / 2.0, 220, kW / 2.0, kH / 2.0, 560);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, kDeep.R * 0.5, kDeep.G * 0.5, kDeep.B * 0.5, 0.75);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

// The great crystal of the title: a fan of prisms around a tall heart stone.
void HeartCluster(cairo_t* cr, TNoise& noise, double x, double y) {
  Glow(cr, x, y - 90, 230, kTeal, 0.22);
  Glow(cr, x, y - 60, 120, kViolet, 0.25);
  const TColour tones[5] = {kViolet, kTeal, content::Hex("#56B4E9"), kAmber,
                            content::Hex("#CC79A7")};
  for (int i = 0; i < 15; ++i) {
    const double side = (i % 2 ? 1 : -1) * (0.15 + 0.07 * (i / 2));
    CrystalPrism(cr, x + side * 160 + noise.Range(-8, 8), y + noise.Range(-4, 10),
                 noise.Range(16, 30), noise.Range(60, 150) * (1 - std::abs(side) * 0.8), side * 1.2,
                 tones[i % 5], i < 4 ? 0.2 : 0.05);
  }
  CrystalPrism(cr, x, y + 6, 46, 210, 0.0, kTeal, 0.35);
  CrystalPrism(cr, x - 34, y + 10, 30, 140, -0.32, kViolet, 0.15);
  CrystalPrism(cr, x + 36, y + 12, 28, 128, 0.36, content::Hex("#56B4E9"), 0.15);
  Sparkle(cr, x - 12, y - 170, 16, 0.95);
  Sparkle(cr, x + 48, y - 96, 9, 0.8, kAmber);
  Sparkle(cr, x - 70, y - 60, 7, 0.7, kTeal);
}

void TitleText(cairo_t* cr) {
  const std::string title = "ZERITH";
  const double size = 104, w = TextWidth(title, size), x = (kW - w) / 2, y = 170;
  Glow(cr, kW / 2.0, y - 36, 260, kAmber, 0.16);
  // A dark halo, then the letters in glowing amber glass with a white rim.
  TextPath(cr, title, size, x, y);
  content::SetColour(cr, kDeep, 0.75);
  cairo_set_line_width(cr, 10);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  TextPath(cr, title, size, x, y);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - 80, 0, y + 4);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.97, 0.86);
  cairo_pattern_add_color_stop_rgb(g, 0.45, kAmber.R, kAmber.G, kAmber.B);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.72, 0.34, 0.12);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 1, 0.98, 0.9, 0.85);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  Sparkle(cr, x + 18, y - 70, 14, 0.95);
  Sparkle(cr, x + w - 24, y - 8, 9, 0.8, kAmber);
}

// A pencil drawing of the picture: grey by light, "colour dodge" of the blurred negative so only
// edges stay dark, on slightly warm paper with the violet of the cavern in its shadows.
graphics::TImage PencilSketch(const graphics::TImage& src) {
  const int w = src.Width, h = src.Height;
  std::vector<double> grey(static_cast<size_t>(w) * h), blur(grey.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = src.At(x, y);
      grey[static_cast<size_t>(y) * w + x] = (0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]) / 255.0;
    }
  // Lift the dark scene so its shapes carry lines: a gamma before the dodge.
  for (double& g : grey) g = std::pow(g, 0.45);
  // Box blur of the negative, three passes each way (close to a Gaussian of radius ~4).
  std::vector<double> a(grey.size()), b(grey.size());
  for (size_t i = 0; i < grey.size(); ++i) a[i] = 1.0 - grey[i];
  const int r = 3;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        double s = 0;
        int n = 0;
        for (int k = -r; k <= r; ++k) {
          const int xx = std::clamp(x + k, 0, w - 1);
          s += a[static_cast<size_t>(y) * w + xx];
          ++n;
        }
        b[static_cast<size_t>(y) * w + x] = s / n;
      }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        double s = 0;
        int n = 0;
        for (int k = -r; k <= r; ++k) {
          const int yy = std::clamp(y + k, 0, h - 1);
          s += b[static_cast<size_t>(yy) * w + x];
          ++n;
        }
        a[static_cast<size_t>(y) * w + x] = s / n;
      }
  }
  blur = a;
  graphics::TImage out(w, h, false);
  TNoise grain(77);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      double v = std::min(1.0, grey[i] / std::max(1e-3, 1.0 - blur[i]));
      v = std::pow(v, 3.5);  // graphite strokes where the scene has edges
      // Hatching in the shadows, crossed where they are deepest.
      const double tone = grey[i];
      if (tone < 0.55 && (x + y) % 6 == 0) v -= (0.55 - tone) * 0.5;
      if (tone < 0.4 && (x - y + 6000) % 6 == 0) v -= (0.4 - tone) * 0.5;
      v = 0.2 + 0.74 * std::clamp(v, 0.0, 1.0) + grain.Range(-0.03, 0.03);  // paper tone
      const double shade = 1 - v;
      uint8_t* p = out.At(x, y);
      p[0] = static_cast<uint8_t>(std::clamp((v - shade * 0.06) * 236, 0.0, 255.0));
      p[1] = static_cast<uint8_t>(std::clamp((v - shade * 0.08) * 230, 0.0, 255.0));
      p[2] = static_cast<uint8_t>(std::clamp((v + shade * 0.05) * 240, 0.0, 255.0));
    }
  return out;
}

void WriteJpg(const std::string& path, const graphics::TImage& image) {
  content::WriteBytes(path, graphics::EncodeJpeg(image, 90));
}

}  // namespace

void PaintScenes(const std::string& out) {
  {
    TCanvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    TNoise noise(1);
    Backdrop(cr, kW / 2.0, 400);
    CavernLayers(cr, noise, true);
    HeartCluster(cr, noise, kW / 2.0, 520);
    Motes(cr, noise, 140);
    TitleText(cr);
    Vignette(cr);
    const graphics::TImage title = canvas.ToImage(false);
    WriteJpg(out + "Title.jpg", title);
    WriteJpg(out + "TitleSketch.jpg", PencilSketch(title));
  }
  {
    TCanvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    TNoise noise(2);
    Backdrop(cr, 420, 330);
    CavernLayers(cr, noise, false);
    // Glowing crystal growths in the two corners the well leaves free.
    SideCluster(cr, noise, 92, 236, kTeal, 1.0);
    SideCluster(cr, noise, 200, 96, kViolet, 0.7);
    SideCluster(cr, noise, 712, 548, kAmber, 0.9);
    SideCluster(cr, noise, 610, 590, content::Hex("#56B4E9"), 0.6);
    Motes(cr, noise, 90);
    Vignette(cr);
    // The well the crystals hang in: ten cells wide, leaning with the board's rows.
    cairo_move_to(cr, 11, 593);
    cairo_line_to(cr, 491, 593);
    cairo_line_to(cr, 786, 3);
    cairo_line_to(cr, 306, 3);
    cairo_close_path(cr);
    cairo_path_t* well = cairo_copy_path(cr);
    content::SetColour(cr, kDeep, 0.5);
    cairo_fill(cr);
    cairo_append_path(cr, well);
    content::SetColour(cr, kTeal, 0.12);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    content::SetColour(cr, content::Mix(kTeal, kViolet, 0.5), 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_path_destroy(well);
    WriteJpg(out + "GamePlay2.jpg", canvas.ToImage(false));
  }
}

}  // namespace art
