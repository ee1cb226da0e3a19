// ui/orl_font.hpp — one bitmap font: a glyph atlas picture and the metrics saying where each
// character lies in it and how far it advances.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/orl_object.hpp"
#include "ui/text_line.hpp"

namespace ui {

class TOrlFontEngine;
class TOrlLabel;

struct TOrlGlyph {
  int32_t Code = 0;                          // UTF-16 code unit
  int32_t X = 0, Y = 0;                      // top-left corner in the atlas
  int32_t Before = 0, Width = 0, After = 0;  // pixels advanced before, drawn, advanced after
};

class TOrlFont : public data::TOrlObject {
 public:
  TOrlFont();
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();

  // Replaces the glyph table from "code:x:y:before:width:after" entries separated by ",";
  // missing trailing fields are 0. Raises data::Error on a field that is not an integer or a
  // code outside 0..65535, leaving the font as it was.
  void SetMetrics(const std::string& text);

  // Characters without a glyph of their own use the first glyph of the metrics.
  const TOrlGlyph& GlyphOf(char16_t c) const;
  int CharAdvance(char16_t c) const {
    const TOrlGlyph& g = GlyphOf(c);
    // Wraps like the rest of the toolkit's 32-bit arithmetic on absurd metrics.
    return static_cast<int>(static_cast<uint32_t>(g.Before) + static_cast<uint32_t>(g.Width) +
                            static_cast<uint32_t>(g.After));
  }
  int TextAdvance(std::u16string_view text) const;  // pixels; 0 for an empty text

  // Draws nothing for a text made only of characters up to U+0020.
  void DrawText(int x, int y, std::u16string_view text, uint8_t alpha, uint32_t color) const;
  // Draws one line of a label stretched to `width` pixels by widening its inner blanks.
  void DrawJustified(const TOrlLabel& label, const TOrlTextLine& line, int width, bool hover,
                     int shiftX, int shiftY) const;

  const std::vector<TOrlGlyph>& Glyphs() const { return glyphs; }

  int32_t Height = 0;   // line height and the height of every glyph, pixels
  std::string Picture;  // the atlas picture's name as the host knows it

 private:
  TOrlFontEngine* FontEngine() const;

  std::vector<TOrlGlyph> glyphs;
  std::vector<uint32_t> charMap;  // 65536 entries: UTF-16 code unit -> index into glyphs
};

}  // namespace ui
