// ui/orl_graphic.hpp — the host's drawing and sound interface: everything the interface toolkit
// and the bitmap font put on the screen or play goes through it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ui/glyph_batch.hpp"

namespace ui {

// Rectangles of the surface engine: Right and Bottom are inclusive.
using TRect = data::TRect;

struct TSize {
  int32_t Width = 0, Height = 0;
  bool operator==(const TSize&) const = default;
};

// Implemented by the game's main window, the null graphic and the test fakes; the eight
// operations stay in this one order so those implementations can be held against each other
// line by line.
// Colours are 32-bit with red in the lowest byte; alpha 0..255.
class IOrlGraphic {
 public:
  virtual ~IOrlGraphic() = default;

  // Draws a loaded picture with its top-left corner at (x, y); the toolkit passes an empty text.
  virtual void Draw(const std::string& picture, const std::string& text, int x, int y,
                    uint8_t alpha) = 0;
  // Draws the glyphs of one text from the font's atlas picture in one call.
  virtual void ExtDraw(const std::string& fontPicture, std::span<const TOrlGlyphDraw> glyphs) = 0;
  // Part of the host's contract for other callers; the toolkit never calls it.
  virtual void LowExtDraw(const std::string& picture, const TRect& source,
                          const std::string& target, int x, int y, uint32_t color,
                          uint8_t alpha) = 0;
  virtual void DrawRect(const std::string& target, const TRect& rect, uint32_t color, uint8_t alpha,
                        uint8_t mode) = 0;
  virtual void DrawColoredAlpha(const std::string& picture, const std::string& target, int x, int y,
                                uint32_t color, uint8_t alpha) = 0;
  // 0 x 0 for a picture the host does not know.
  virtual TSize GetPictureSize(const std::string& picture) = 0;
  virtual TSize GetScreenSize() = 0;
  virtual void PlaySound(const std::string& sound) = 0;
};

}  // namespace ui
