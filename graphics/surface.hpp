// graphics/surface.hpp — one named picture of the surface engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace graphics {

// Pixels are in the engine's pixel format: exactly one of Pixels32 / Pixels16 holds
// Width × Height values, row-major without padding; both are empty once the surface was
// released for a display change (the record stays so the picture can be reloaded).
struct TSurface {
  std::string Name;      // compared exactly
  std::string FileName;  // archive entry or disk path it came from; empty for blank surfaces
  int AlphaPitch = -1;   // bytes per alpha row (== Width), -1 without an alpha plane
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Alpha;  // Width × Height opacities, 0 clear .. 255 opaque
  std::vector<uint32_t> Pixels32;
  std::vector<uint16_t> Pixels16;

  bool HasAlpha() const { return AlphaPitch >= 0; }
  bool HasPixels() const { return !Pixels32.empty() || !Pixels16.empty(); }
};

}  // namespace graphics
