// content/pieces/gem_painter.cpp
#include "content/pieces/gem_painter.hpp"

#include <algorithm>
#include <cmath>

#include "content/pipeline/canvas.hpp"
#include "data/error.hpp"

namespace pieces {
namespace {

using content::TCanvas;

struct TV3 {
  double X, Y, Z;
};
TV3 Cross(const TV3& a, const TV3& b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
TV3 Unit(const TV3& v) {
  const double n = std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z);
  return {v.X / n, v.Y / n, v.Z / n};
}

// Light from the top left and in front (x right, y up, z towards the player).
const TV3 kLight = Unit({-0.55, 0.7, 0.9});
constexpr double kApexPx = 7.0;  // how far each triangle's centre stands out of its face

void SetShade(cairo_t* cr, double lightness, double alpha = 1.0) {
  const graphics::TRgb c = GemShade(lightness);
  cairo_set_source_rgba(cr, c.R / 255.0, c.G / 255.0, c.B / 255.0, alpha);
}

struct TPicturePoint {
  double X, Y;
};

// Top face point in picture coordinates (the face is raised by the relief height).
TPicturePoint Top(const TShape& s, const TVertex& v) {
  return {v.X - s.MinX, s.MaxY - v.Y};
}

void TrianglePath(cairo_t* cr, const TPicturePoint p[3]) {
  cairo_move_to(cr, p[0].X, p[0].Y);
  cairo_line_to(cr, p[1].X, p[1].Y);
  cairo_line_to(cr, p[2].X, p[2].Y);
  cairo_close_path(cr);
}

// Edges that belong to one triangle only: the shape's outline.
bool IsOuterEdge(const TShape& s, const TVertex& a, const TVertex& b) {
  int count = 0;
  for (const auto& t : s.Triangles) {
    for (int i = 0; i < 3; ++i) {
      const TVertex& p = t[static_cast<size_t>(i)];
      const TVertex& q = t[static_cast<size_t>((i + 1) % 3)];
      const bool same = (std::abs(p.X - a.X) < 0.5 && std::abs(p.Y - a.Y) < 0.5 &&
                         std::abs(q.X - b.X) < 0.5 && std::abs(q.Y - b.Y) < 0.5) ||
                        (std::abs(p.X - b.X) < 0.5 && std::abs(p.Y - b.Y) < 0.5 &&
                         std::abs(q.X - a.X) < 0.5 && std::abs(q.Y - a.Y) < 0.5);
      count += same;
    }
  }
  return count == 1;
}

void PaintGlow(cairo_t* cr, const TShape& s) {
  for (const auto& t : s.Triangles) {
    const TPicturePoint p[3] = {Top(s, t[0]), Top(s, t[1]), Top(s, t[2])};
    TrianglePath(cr, p);
  }
  SetShade(cr, 0.62, 0.22);
  cairo_set_line_width(cr, 5.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// The relief band: each triangle swept down by the relief height, darker towards the bottom.
void PaintRelief(cairo_t* cr, const TShape& s) {
  for (const auto& t : s.Triangles) {
    for (int i = 0; i < 3; ++i) {
      const TPicturePoint a = Top(s, t[static_cast<size_t>(i)]);
      const TPicturePoint b = Top(s, t[static_cast<size_t>((i + 1) % 3)]);
      cairo_move_to(cr, a.X, a.Y);
      cairo_line_to(cr, b.X, b.Y);
      cairo_line_to(cr, b.X, b.Y + kReliefHeight);
      cairo_line_to(cr, a.X, a.Y + kReliefHeight);
      cairo_close_path(cr);
    }
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, s.PictureHeight());
  for (int i = 0; i <= 4; ++i) {
    const double t = i / 4.0;
    const graphics::TRgb c = GemShade(0.36 - 0.2 * t);
    cairo_pattern_add_color_stop_rgb(g, t, c.R / 255.0, c.G / 255.0, c.B / 255.0);
  }
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A faint light line at the foot of the band, where the crystal meets the board.
  cairo_set_line_width(cr, 1.0);
  for (const auto& t : s.Triangles) {
    for (int i = 0; i < 3; ++i) {
      const TVertex& va = t[static_cast<size_t>(i)];
      const TVertex& vb = t[static_cast<size_t>((i + 1) % 3)];
      if (!IsOuterEdge(s, va, vb)) continue;
      const TPicturePoint a = Top(s, va), b = Top(s, vb);
      cairo_move_to(cr, a.X, a.Y + kReliefHeight - 0.5);
      cairo_line_to(cr, b.X, b.Y + kReliefHeight - 0.5);
    }
  }
  SetShade(cr, 0.55, 0.35);
  cairo_stroke(cr);
}

// Each triangle cut into three facets meeting at its raised centre, shaded by their normals.
void PaintFacets(cairo_t* cr, const TShape& s) {
  for (const auto& t : s.Triangles) {
    const TPicturePoint p[3] = {Top(s, t[0]), Top(s, t[1]), Top(s, t[2])};
    TrianglePath(cr, p);
    SetShade(cr, kGemMidLightness);
    cairo_fill(cr);
  }
  for (const auto& t : s.Triangles) {
    const TV3 c{(t[0].X + t[1].X + t[2].X) / 3, (t[0].Y + t[1].Y + t[2].Y) / 3, kApexPx};
    const TPicturePoint pc = Top(s, {c.X, c.Y});
    for (int i = 0; i < 3; ++i) {
      const TVertex& va = t[static_cast<size_t>(i)];
      const TVertex& vb = t[static_cast<size_t>((i + 1) % 3)];
      TV3 n = Unit(Cross({vb.X - va.X, vb.Y - va.Y, 0}, {c.X - va.X, c.Y - va.Y, c.Z}));
      if (n.Z < 0) n = {-n.X, -n.Y, -n.Z};
      const double diffuse = std::max(0.0, n.X * kLight.X + n.Y * kLight.Y + n.Z * kLight.Z);
      const double lightness = 0.3 + 0.36 * diffuse * diffuse;
      const TPicturePoint p[3] = {Top(s, va), Top(s, vb), pc};
      TrianglePath(cr, p);
      SetShade(cr, lightness);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 0.6);
      cairo_stroke(cr);  // closes the hairline seams between neighbouring facets
    }
    // Soft light inside the crystal.
    cairo_pattern_t* g = cairo_pattern_create_radial(pc.X - 2, pc.Y - 2, 0, pc.X, pc.Y, 14);
    const graphics::TRgb core = GemShade(0.86);
    cairo_pattern_add_color_stop_rgba(g, 0, core.R / 255.0, core.G / 255.0, core.B / 255.0, 0.32);
    cairo_pattern_add_color_stop_rgba(g, 1, core.R / 255.0, core.G / 255.0, core.B / 255.0, 0);
    const TPicturePoint p[3] = {Top(s, t[0]), Top(s, t[1]), Top(s, t[2])};
    TrianglePath(cr, p);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

void PaintEdges(cairo_t* cr, const TShape& s) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const auto& t : s.Triangles) {
    for (int i = 0; i < 3; ++i) {
      const TVertex& va = t[static_cast<size_t>(i)];
      const TVertex& vb = t[static_cast<size_t>((i + 1) % 3)];
      const TPicturePoint a = Top(s, va), b = Top(s, vb);
      const bool outer = IsOuterEdge(s, va, vb);
      // Outline: a bright rim just inside; inner lattice edges: a fine ridge between facets.
      const double dx = b.X - a.X, dy = b.Y - a.Y, len = std::sqrt(dx * dx + dy * dy);
      const TPicturePoint centre = {(Top(s, t[0]).X + Top(s, t[1]).X + Top(s, t[2]).X) / 3,
                                    (Top(s, t[0]).Y + Top(s, t[1]).Y + Top(s, t[2]).Y) / 3};
      double nx = -dy / len, ny = dx / len;
      if ((centre.X - a.X) * nx + (centre.Y - a.Y) * ny < 0) nx = -nx, ny = -ny;
      const double inset = outer ? 0.9 : 0.0;
      cairo_move_to(cr, a.X + nx * inset, a.Y + ny * inset);
      cairo_line_to(cr, b.X + nx * inset, b.Y + ny * inset);
      cairo_set_line_width(cr, outer ? 1.1 : 0.9);
      // Edges facing the light are brighter.
      const double facing = std::clamp(0.5 - 0.5 * (nx * 0.6 + ny * 0.8), 0.0, 1.0);
      SetShade(cr, outer ? 0.74 + 0.18 * facing : 0.66, outer ? 0.85 : 0.45);
      cairo_stroke(cr);
    }
  }
}

// One small four-point star on the facet nearest the top left.
void PaintGlint(cairo_t* cr, const TShape& s) {
  double best = 1e18;
  TPicturePoint at{0, 0};
  for (const auto& t : s.Triangles) {
    const TPicturePoint c = {(Top(s, t[0]).X + Top(s, t[1]).X + Top(s, t[2]).X) / 3,
                             (Top(s, t[0]).Y + Top(s, t[1]).Y + Top(s, t[2]).Y) / 3};
    const double score = c.X + 1.3 * c.Y;
    if (score < best) best = score, at = c;
  }
  at.X -= 5;
  at.Y -= 3;
  const double r = 4.5, w = 1.1;
  cairo_move_to(cr, at.X, at.Y - r);
  cairo_line_to(cr, at.X + w, at.Y - w);
  cairo_line_to(cr, at.X + r, at.Y);
  cairo_line_to(cr, at.X + w, at.Y + w);
  cairo_line_to(cr, at.X, at.Y + r);
  cairo_line_to(cr, at.X - w, at.Y + w);
  cairo_line_to(cr, at.X - r, at.Y);
  cairo_line_to(cr, at.X - w, at.Y - w);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
  cairo_arc(cr, at.X, at.Y, 1.6, 0, 2 * M_PI);
  cairo_fill(cr);
}

}  // namespace

graphics::TRgb GemShade(double lightness) {
  const int l = static_cast<int>(std::lround(std::clamp(lightness, 0.0, 1.0) * 240));
  // ImageHueChange reads a pixel's channels as (blue, green, red); the gem is defined on that
  // scale so its hue and saturation are exactly kGemHue and kGemSaturation there.
  const graphics::TRgb swapped = graphics::HlsToRgb({kGemHue, l, kGemSaturation});
  return {swapped.B, swapped.G, swapped.R};
}

void PaintGem(const TShape& shape, const std::string& path) {
  TCanvas canvas(shape.PictureWidth(), shape.PictureHeight());
  cairo_t* cr = canvas.Cr();
  PaintGlow(cr, shape);
  PaintRelief(cr, shape);
  PaintFacets(cr, shape);
  PaintEdges(cr, shape);
  PaintGlint(cr, shape);
  canvas.WritePng(path);
}

void PaintSign(const std::string& sign, const std::string& path) {
  TCanvas canvas(30, 20);
  cairo_t* cr = canvas.Cr();
  const double cx = 15, cy = 10, r = 6.5;
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  if (sign == "circle") {
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * M_PI);
  } else if (sign == "ring") {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * M_PI);
  } else if (sign == "square") {
    cairo_rectangle(cr, cx - 5.5, cy - 5.5, 11, 11);
  } else if (sign == "diamond") {
    cairo_move_to(cr, cx, cy - r - 0.5);
    cairo_line_to(cr, cx + r, cy);
    cairo_line_to(cr, cx, cy + r + 0.5);
    cairo_line_to(cr, cx - r, cy);
  } else if (sign == "triangle") {
    cairo_move_to(cr, cx, cy - r - 0.5);
    cairo_line_to(cr, cx + r + 0.5, cy + r - 1);
    cairo_line_to(cr, cx - r - 0.5, cy + r - 1);
  } else if (sign == "star") {
    for (int i = 0; i < 10; ++i) {
      const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? 3.0 : r + 0.5;
      if (i == 0)
        cairo_move_to(cr, cx + rr * std::cos(a), cy + 0.5 + rr * std::sin(a));
      else
        cairo_line_to(cr, cx + rr * std::cos(a), cy + 0.5 + rr * std::sin(a));
    }
  } else if (sign == "cross") {
    const double a = 2.0, b = r;
    cairo_move_to(cr, cx - a, cy - b);
    cairo_line_to(cr, cx + a, cy - b);
    cairo_line_to(cr, cx + a, cy - a);
    cairo_line_to(cr, cx + b, cy - a);
    cairo_line_to(cr, cx + b, cy + a);
    cairo_line_to(cr, cx + a, cy + a);
    cairo_line_to(cr, cx + a, cy + b);
    cairo_line_to(cr, cx - a, cy + b);
    cairo_line_to(cr, cx - a, cy + a);
    cairo_line_to(cr, cx - b, cy + a);
    cairo_line_to(cr, cx - b, cy - a);
    cairo_line_to(cr, cx - a, cy - a);
  } else {
    throw data::Error("unknown colour sign \"" + sign + "\"");
  }
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.68);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0.04, 0.03, 0.1, 0.8);
  cairo_set_line_width(cr, 1.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  canvas.WritePng(path);
}

}  // namespace pieces
