// fuzz/font_fuzz.cpp — any bytes as a font description: loading it, then measuring and drawing
// a text with every kind of character.
#include <cstddef>
#include <cstdint>

#include "data/error.hpp"
#include "fuzz/fuzz_support.hpp"
#include "ui/null_graphic.hpp"
#include "ui/orl_font_engine.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  ui::TOrlFontEngine fonts;
  fonts.Graphic = std::make_shared<ui::TOrlNullGraphic>();
  data::TMemoryStream stream(fuzz::Text(bytes, size));
  try {
    const ui::TOrlFont& font = fonts.LoadFromStream(stream);
    const std::u16string text = u"Az 09\u00e9\u20ac\uffff\t";
    (void)font.TextAdvance(text);
    font.DrawText(10, 10, text, 255, 0xFFFFFFFF);
  } catch (const data::Error&) {
  }
  return 0;
}
