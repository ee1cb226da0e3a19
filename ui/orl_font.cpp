// ui/orl_font.cpp
#include "ui/orl_font.hpp"

#include <algorithm>

#include "data/rounding.hpp"
#include "ui/label.hpp"
#include "ui/orl_font_engine.hpp"
#include "ui/value_text.hpp"

namespace ui {
namespace {

constexpr size_t kCodeUnits = 65536;

template <class Fn>
void ForEachPiece(std::string_view text, char separator, Fn&& fn) {
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    fn(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return;
    start = at + 1;
  }
}

bool HasVisibleCharacter(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c > u' '; });
}

}  // namespace

TOrlFont::TOrlFont() : charMap(kCodeUnits, 0) {}

const data::TOrlClass& TOrlFont::StaticClass() {
  static const data::TOrlClass cls = data::TOrlClass::Make<TOrlFont>(
      "TOrlFont", &data::TOrlObject::StaticClass(), [](data::TPropBuilder<TOrlFont>& p) {
        p.Int("Height", &TOrlFont::Height)
            .Text("Picture", &TOrlFont::Picture)
            .Custom("Metrics", data::TPropKind::Text, nullptr,
                    [](TOrlFont& f, const data::TPropValue& v) { f.SetMetrics(v.Text); });
      });
  return cls;
}

void TOrlFont::SetMetrics(const std::string& text) {
  std::vector<TOrlGlyph> parsed;
  ForEachPiece(text, ',', [&](std::string_view entry) {
    int32_t fields[6] = {0, 0, 0, 0, 0, 0};
    int k = 0;
    ForEachPiece(entry, ':', [&](std::string_view field) {
      if (k < 6) {
        // The code indexes the 16-bit character map, so it must be a UTF-16 code unit.
        fields[k] = k == 0 ? ParseIntValue(field, "Metrics", 0, kCodeUnits - 1)
                           : ParseIntValue(field, "Metrics");
      }
      ++k;
    });
    parsed.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
  });
  glyphs = std::move(parsed);
  std::fill(charMap.begin(), charMap.end(), 0);
  // Later entries for the same code replace earlier ones.
  for (size_t j = 0; j < glyphs.size(); ++j)
    charMap[static_cast<size_t>(glyphs[j].Code)] = static_cast<uint32_t>(j);
}

const TOrlGlyph& TOrlFont::GlyphOf(char16_t c) const {
  static const TOrlGlyph kNone{};
  if (glyphs.empty()) return kNone;  // a font without metrics measures and draws nothing
  return glyphs[charMap[c]];
}

int TOrlFont::TextAdvance(std::u16string_view text) const {
  int sum = 0;
  for (char16_t c : text) sum += CharAdvance(c);
  return sum;
}

TOrlFontEngine* TOrlFont::FontEngine() const {
  return dynamic_cast<TOrlFontEngine*>(Engine());
}

void TOrlFont::DrawText(int x, int y, std::u16string_view text, uint8_t alpha,
                        uint32_t color) const {
  if (!HasVisibleCharacter(text)) return;
  TOrlFontEngine* engine = FontEngine();
  if (!engine || !engine->Graphic) return;
  const std::span<TOrlGlyphDraw> batch = engine->GlyphBatch();
  size_t used = 0;
  for (char16_t c : text) {
    const TOrlGlyph& g = GlyphOf(c);
    x += g.Before;
    TOrlGlyphDraw& d = batch[used++];
    d.Source = {g.X, g.Y, g.X + g.Width - 1, g.Y + Height - 1};
    d.X = x;
    d.Y = y;
    d.Color = color;
    d.Alpha = alpha;
    x += g.Width + g.After;
    if (used == batch.size()) {  // texts beyond one batch go out in several calls
      engine->Graphic->ExtDraw(Picture, batch.first(used));
      used = 0;
    }
  }
  if (used > 0) engine->Graphic->ExtDraw(Picture, batch.first(used));
}

void TOrlFont::DrawJustified(const TOrlLabel& label, const TOrlTextLine& line, int width,
                             bool hover, int shiftX, int shiftY) const {
  const int extra = width - line.Width;
  const int blanks = line.Blanks;
  int base = 0;
  double step = 0;  // the blank number that gets the one extra pixel; 0 = none
  if (blanks > 0) {
    base = extra / blanks;
    const int remainder = extra % blanks;
    if (remainder > 0) step = static_cast<double>(blanks) / remainder;
  }
  const int extraAt = step > 0 ? data::RoundHalfEven(step) : -1;
  const int x0 = label.AbsLeft() + line.X + shiftX;
  const int y = label.AbsTop() + line.Y + shiftY;
  const uint32_t color = label.TextColor(hover);
  int k = 0, offset = 0;
  for (size_t i = 0; i < line.Text.size(); ++i) {
    const char16_t c = line.Text[i];
    int gap = 0;
    if (c == u' ' && blanks >= 1) {
      ++k;
      gap = base + (k == extraAt ? 1 : 0);
    }
    DrawText(x0 + gap + offset, y, std::u16string_view(&line.Text[i], 1), label.Alpha, color);
    offset += CharAdvance(c) + gap;
  }
}

}  // namespace ui
