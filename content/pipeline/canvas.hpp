// content/pipeline/canvas.hpp — what every picture generator shares: a Cairo drawing surface
// turned into our own picture type, PNG and JPEG writing, output folders, and a seeded noise
// source so generated pictures are the same bytes on every machine.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/image.hpp"

namespace content {

// An ARGB Cairo image surface with its drawing context. NOTE: Cairo stores premultiplied
// colour; ToImage undoes that, so the picture's colour is straight as the game expects.
class TCanvas {
 public:
  TCanvas(int widthPx, int heightPx);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  cairo_t* Cr() const { return cr; }
  cairo_surface_t* Surface() const { return surface; }
  int Width() const { return width; }
  int Height() const { return height; }

  graphics::TImage ToImage(bool withAlpha = true) const;
  void WritePng(const std::string& path, bool withAlpha = true) const;
  void WriteJpg(const std::string& path, int quality = 92) const;

 private:
  int width, height;
  cairo_surface_t* surface;
  cairo_t* cr;
};

// Creates the folder (and its parents) and returns it with a trailing slash.
std::string PrepareOutDir(const std::string& dir);
void WriteBytes(const std::string& path, std::string_view bytes);
void WriteImagePng(const std::string& path, const graphics::TImage& image);

// A small deterministic generator (xorshift); never seeded from the clock.
class TNoise {
 public:
  explicit TNoise(uint32_t seed) : state(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t Next();
  double Real() { return (Next() >> 8) * (1.0 / 16777216.0); }  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Real(); }

 private:
  uint32_t state;
};

// Colour from "#RRGGBB" as 0..1 components.
struct TColour {
  double R = 0, G = 0, B = 0;
};
TColour Hex(std::string_view hex);
TColour Mix(const TColour& a, const TColour& b, double t);
void SetColour(cairo_t* cr, const TColour& c, double alpha = 1.0);

}  // namespace content
