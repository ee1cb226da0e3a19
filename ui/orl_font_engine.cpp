// ui/orl_font_engine.cpp
#include "ui/orl_font_engine.hpp"

#include "data/error.hpp"
#include "data/xml_parser.hpp"

namespace ui {

TOrlFontEngine::TOrlFontEngine() : glyphBatch(kGlyphBatchSize) {}

TOrlFont& TOrlFontEngine::LoadFromStream(data::TMemoryStream& stream) {
  data::TOrlParser parser;
  parser.LoadFromStream(stream);
  const data::TOrlXMLTag* root = parser.GetTag(0);
  if (!root) throw data::Error("[TOrlFontEngine.LoadFromStream] Font file has no elements!");
  auto font = std::make_unique<TOrlFont>();
  // The font joins the engine only once every property is set, so a bad file adds nothing;
  // it knows the engine before that so its Name is checked against the fonts already loaded.
  font->SetEngine(this);
  for (const auto& child : root->Tags) data::SetPropertyText(*font, child->Name, child->Text);
  const int index = Add(std::move(font));
  return static_cast<TOrlFont&>(*Object(index));
}

TOrlFont* TOrlFontEngine::FindFont(std::string_view name) const {
  if (name.empty()) return nullptr;  // a nameless font is never what a FontName means
  return dynamic_cast<TOrlFont*>(FindObject(name));
}

}  // namespace ui
