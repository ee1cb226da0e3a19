// ui/orl_font_engine.hpp — owns the game's bitmap fonts and the glyph batch every text is drawn
// through.
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "data/memory_stream.hpp"
#include "data/orl_object.hpp"
#include "ui/glyph_batch.hpp"
#include "ui/orl_font.hpp"
#include "ui/orl_graphic.hpp"

namespace ui {

class TOrlFontEngine : public data::TOrlEngine {
 public:
  TOrlFontEngine();

  // Reads one font file (the first top-level element's children name the properties) and adds
  // the font. Raises data::Error for a file without elements or a bad property; the engine then
  // keeps the fonts it had.
  TOrlFont& LoadFromStream(data::TMemoryStream& stream);
  TOrlFont* FindFont(std::string_view name) const;

  std::span<TOrlGlyphDraw> GlyphBatch() { return glyphBatch; }

  std::shared_ptr<IOrlGraphic> Graphic;  // may be null: fonts then measure but draw nothing

 private:
  std::vector<TOrlGlyphDraw> glyphBatch;  // kGlyphBatchSize entries, allocated once
};

}  // namespace ui
