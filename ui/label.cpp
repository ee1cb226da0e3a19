// ui/label.cpp
#include "ui/label.hpp"

#include "ui/interface_engine.hpp"
#include "ui/orl_font.hpp"
#include "ui/orl_font_engine.hpp"

namespace ui {

std::u16string FlattenCaption(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      out.push_back(u' ');
      ++i;
    } else {
      out.push_back(c == u'\t' || c == u'\r' || c == u'\n' ? u' ' : c);
    }
  }
  return out;
}

const data::TOrlClass& TOrlLabel::StaticClass() {
  using T = TOrlLabel;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlLabel", &TOrlInterfaceObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Text("MouseOverPicture", &T::MouseOverPicture)
            .Text("MouseDownPicture", &T::MouseDownPicture)
            .Text("FontName", &T::FontName, &T::SetFontName)
            .Wide("Caption", &T::Caption, &T::SetCaption)
            .Byte("Alpha", &T::Alpha, &T::SetAlpha)
            .Int("Color", &T::Color)
            .Int("MouseOverColor", &T::MouseOverColor)
            .Enum<TTextAlignment>("Alignment", &T::Alignment, kTextAlignmentNames, &T::SetAlignment)
            .Enum<TTextLayout>("Layout", &T::Layout, kTextLayoutNames, &T::SetLayout)
            .Int("TextShiftLeft", &T::TextShiftLeft, INT32_MIN, INT32_MAX, &T::SetTextShiftLeft)
            .Int("TextShiftTop", &T::TextShiftTop, INT32_MIN, INT32_MAX, &T::SetTextShiftTop)
            .Int("LineSpace", &T::LineSpace, INT32_MIN, INT32_MAX, &T::SetLineSpace)
            .Int("TextDownShiftLeft", &T::TextDownShiftLeft)
            .Int("TextDownShiftTop", &T::TextDownShiftTop);
      });
  return cls;
}

void TOrlLabel::Assign(const data::TOrlObject& source) {
  TOrlInterfaceObject::Assign(source);
  if (auto* s = dynamic_cast<const TOrlLabel*>(&source)) {
    static_cast<TLabelProps&>(*this) = *s;
    font = s->font;
    textLines = s->textLines;
  }
}

void TOrlLabel::SetWidth(int32_t value) {
  const bool accepted = FAutoSize == asNone;
  TOrlInterfaceObject::SetWidth(value);
  if (accepted) Relayout();
}

void TOrlLabel::SetCaption(const std::u16string& value) {
  Caption = value;
  Relayout();
}

void TOrlLabel::SetAlpha(uint8_t value) {
  Alpha = value;
  ApplyLineStyle();
}

void TOrlLabel::SetFontName(const std::string& value) {
  FontName = value;
  font = LookUpFont();
  Relayout();
}

void TOrlLabel::SetAlignment(TTextAlignment value) {
  Alignment = value;
  PlaceLines();
}

void TOrlLabel::SetLayout(TTextLayout value) {
  Layout = value;
  PlaceLines();
}

void TOrlLabel::SetTextShiftLeft(int32_t value) {
  TextShiftLeft = value;
  PlaceLines();
}

void TOrlLabel::SetTextShiftTop(int32_t value) {
  TextShiftTop = value;
  PlaceLines();
}

void TOrlLabel::SetLineSpace(int32_t value) {
  LineSpace = value;
  PlaceLines();
}

std::string TOrlLabel::GetPictures() const {
  std::string out;
  for (const std::string* name : {&FPicture, &MouseOverPicture, &MouseDownPicture}) {
    if (name->empty()) continue;
    if (!out.empty()) out += "\r\n";
    out += *name;
  }
  return out;
}

TOrlFont* TOrlLabel::LookUpFont() const {
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  if (!engine || !engine->FontEngine) return nullptr;
  return engine->FontEngine->FindFont(FontName);
}

void TOrlLabel::WrapText() {
  textLines.clear();
  if (!font && !FontName.empty()) font = LookUpFont();
  if (!font || Caption.empty() || FontName.empty() || FWidth == 0 || FHeight == 0) return;
  std::u16string_view trimmed = Caption;
  while (!trimmed.empty() && trimmed.back() < 33) trimmed.remove_suffix(1);
  const std::u16string text = FlattenCaption(trimmed);
  const int n = static_cast<int>(text.size());
  const int available = TextWidth();
  auto addLine = [&](int from, int to) {  // characters from..to-1
    TOrlTextLine line;
    line.Text = text.substr(static_cast<size_t>(from), static_cast<size_t>(std::max(0, to - from)));
    line.Width = font->TextAdvance(line.Text);
    for (size_t i = 0; i + 1 < line.Text.size(); ++i)
      if (line.Text[i] == u' ') ++line.Blanks;
    textLines.push_back(std::move(line));
  };
  int start = 0, lastBlank = 0, pos = 0, run = 0;
  while (pos < n) {
    run += font->CharAdvance(text[static_cast<size_t>(pos)]);
    if (run <= available) {
      ++pos;
      if (pos < n && text[static_cast<size_t>(pos)] == u' ') lastBlank = pos;
      continue;
    }
    int next = pos;
    if (lastBlank == start) {
      addLine(start, pos);  // no blank since the line began: cut the word here
    } else {
      addLine(start, lastBlank);
      next = lastBlank;
      while (next < n && text[static_cast<size_t>(next)] == u' ') ++next;
    }
    // The first character of a continued line does not count toward its width.
    start = lastBlank = next;
    run = 0;
    pos = next + 1;
  }
  addLine(start, std::min(pos, n));
  ApplyLineStyle();
}

void TOrlLabel::PlaceLines() {
  if (!font || textLines.empty()) return;
  const int h = font->Height;
  const int n = static_cast<int>(textLines.size());
  const int total = h * n + (n - 1) * LineSpace;
  const int available = TextWidth();
  for (int i = 0; i < n; ++i) {
    TOrlTextLine& line = textLines[static_cast<size_t>(i)];
    switch (Alignment) {
      case taLeft:
      case taJustify:
        line.X = TextShiftLeft;
        break;
      case taCenter:
        line.X = (available - line.Width) / 2 + TextShiftLeft;
        break;
      case taRight:
        line.X = available + TextShiftLeft - line.Width;
        break;
    }
    const int down = i * (h + LineSpace);
    switch (Layout) {
      case tlTop:
        line.Y = down + TextShiftTop;
        break;
      case tlCenter:
        line.Y = (FHeight - total) / 2 + down + TextShiftTop;
        break;
      case tlBottom:
        line.Y = FHeight + down + TextShiftTop - total;
        break;
    }
  }
}

void TOrlLabel::ApplyLineStyle() {
  for (TOrlTextLine& line : textLines) {
    line.Color = Color;
    line.MouseOverColor = MouseOverColor;
    line.Alpha = Alpha;
    line.FontName = FontName;
  }
}

uint32_t TOrlLabel::TextColor(bool hover) const {
  return static_cast<uint32_t>(hover ? MouseOverColor : Color);
}

void TOrlLabel::MouseDown(TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft || !Contains(x, y)) return;
  QueueEventScript(FSoundMouseDown, FOnMouseDown);
  Pressed = true;
}

void TOrlLabel::MouseMove(TShiftState, int x, int y) {
  Hover = false;
  if (!Contains(x, y)) return;
  QueueEventScript(FSoundMouseMove, FOnMouseMove);
  Hover = true;
}

void TOrlLabel::MouseUp(TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft || !Pressed) return;
  Pressed = false;
  if (Contains(x, y)) QueueEventScript(FSoundMouseUp, FOnMouseUp);
}

void TOrlLabel::Paint() {
  const bool down = Hover && Pressed;
  const std::string& picture = down ? MouseDownPicture : Hover ? MouseOverPicture : FPicture;
  DrawPicture(picture, FAbsLeft, FAbsTop, FPictureAlpha);
  PaintLines(down ? TextDownShiftLeft : 0, down ? TextDownShiftTop : 0, TextColor(Hover));
}

void TOrlLabel::PaintLines(int shiftX, int shiftY, uint32_t color) const {
  if (!font) return;
  for (size_t i = 0; i < textLines.size(); ++i) {
    const TOrlTextLine& line = textLines[i];
    if (Alignment == taJustify && i + 1 < textLines.size()) {
      font->DrawJustified(*this, line, TextWidth(), Hover, shiftX, shiftY);
    } else {
      font->DrawText(FAbsLeft + line.X + shiftX, FAbsTop + line.Y + shiftY, line.Text, Alpha,
                     color);
    }
  }
}

void TOrlLabel::PaintWithBox(const std::string& box, TBoxPlace place) const {
  const TSize size = PictureSize(box);
  DrawPicture(box, FAbsLeft + (place == bpRight ? FWidth - size.Width : 0), FAbsTop, FPictureAlpha);
  PaintLines(place == bpLeft ? size.Width : 0, 0, TextColor(Hover));
}

}  // namespace ui
