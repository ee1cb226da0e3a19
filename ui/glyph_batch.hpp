// ui/glyph_batch.hpp — the glyph records the font fills and the host's glyph drawing reads.
#pragma once

#include "data/glyph_record.hpp"

namespace ui {

// The record is shared with the surface engine (header only: ui does not link graphics).
using TOrlGlyphDraw = data::TOrlGlyphDraw;

inline constexpr int kGlyphBatchSize = 3000;  // glyphs per host call; longer texts take several

}  // namespace ui
