// ui/edit.cpp
#include "ui/edit.hpp"

#include <algorithm>

#include "data/utf8.hpp"
#include "ui/interface_engine.hpp"
#include "ui/orl_font.hpp"
#include "ui/orl_font_engine.hpp"

namespace ui {
namespace {

// UTF-8 as written in files; bytes that are not UTF-8 are taken one by one (Latin-1).
std::u16string ToWide(std::string_view text) {
  std::u16string wide = data::Utf8ToWide(text);
  if (wide.empty() && !text.empty())
    for (unsigned char c : text) wide.push_back(c);
  return wide;
}

std::u16string OneLine(std::u16string text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') text.erase(i + 1, 1);
    if (text[i] == u'\r' || text[i] == u'\n' || text[i] == u'\t') text[i] = u' ';
  }
  return text;
}

}  // namespace

const data::TOrlClass& TOrlEdit::StaticClass() {
  using T = TOrlEdit;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlEdit", &TOrlFocusedObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Text("CursorPicture", &T::CursorPicture)
            .Text("FontName", &T::FontName, &T::SetFontName)
            .Text("CharSet", &T::CharSet)
            .Wide("Caption", &T::Caption, &T::SetCaption)
            .Byte("Alpha", &T::Alpha)
            .Int("Color", &T::Color)
            .Text("PasswordChar", &T::PasswordChar)
            .Enum<TInputMode>("InputMode", &T::InputMode, kInputModeNames, &T::SetInputMode)
            .Text("ForbiddenChars", &T::ForbiddenChars, &T::SetForbiddenChars)
            .Int("SelectColor", &T::SelectColor)
            .Int("TextShiftLeft", &T::TextShiftLeft)
            .Int("TextShiftTop", &T::TextShiftTop)
            .Int("MaxLength", &T::MaxLength)
            .Int("MaxWidth", &T::MaxWidth)
            .Bool("ReadOnly", &T::ReadOnly);
      });
  return cls;
}

void TOrlEdit::Assign(const data::TOrlObject& source) {
  TOrlFocusedObject::Assign(source);
  if (auto* s = dynamic_cast<const TOrlEdit*>(&source)) {
    static_cast<TEditProps&>(*this) = *s;
    font = s->font;
    Caret = s->Caret;
    SelStart = s->SelStart;
    SelEnd = s->SelEnd;
  }
}

std::u16string TOrlEdit::FilterText(std::u16string_view text) const {
  const std::u16string forbidden = ToWide(ForbiddenChars);
  std::u16string out;
  for (char16_t c : text) {
    if (InputMode == imNumbersOnly && (c < u'0' || c > u'9')) continue;
    if (forbidden.find(c) != std::u16string::npos) continue;
    out.push_back(c);
  }
  return out;
}

void TOrlEdit::SetCaption(const std::u16string& value) {
  Caption = FilterText(value);
  Caret = static_cast<int32_t>(Caption.size()) + 1;
  ClampSelection();
}

void TOrlEdit::SetFontName(const std::string& value) {
  FontName = value;
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  font = engine && engine->FontEngine ? engine->FontEngine->FindFont(FontName) : nullptr;
}

void TOrlEdit::SetInputMode(TInputMode value) {
  InputMode = value;
  if (InputMode == imNumbersOnly) SetCaption(Caption);
}

void TOrlEdit::SetForbiddenChars(const std::string& value) {
  ForbiddenChars = value;
  if (!ForbiddenChars.empty()) SetCaption(Caption);
}

void TOrlEdit::SetFocused(bool value) {
  Focused = value;
  if (value) {
    SelStart = 1;
    SelEnd = Caret = static_cast<int32_t>(Caption.size()) + 1;
  } else {
    SelStart = SelEnd = 0;
  }
}

void TOrlEdit::ClampSelection() {
  const int32_t end = static_cast<int32_t>(Caption.size()) + 1;
  Caret = std::clamp(Caret, 1, end);
  SelStart = std::clamp(SelStart, 0, end);
  SelEnd = std::clamp(SelEnd, 0, end);
}

void TOrlEdit::DeleteSelection() {
  ClampSelection();
  if (SelStart == SelEnd) return;
  const int32_t lo = std::max(1, std::min(SelStart, SelEnd));
  const int32_t hi = std::max(SelStart, SelEnd);
  Caption.erase(static_cast<size_t>(lo - 1), static_cast<size_t>(hi - lo));
  Caret = SelStart = SelEnd = lo;
}

std::string TOrlEdit::GetPictures() const {
  if (FPicture.empty()) return CursorPicture;
  return CursorPicture.empty() ? FPicture : FPicture + "\r\n" + CursorPicture;
}

std::u16string TOrlEdit::Shown(std::u16string_view text) const {
  if (PasswordChar.empty()) return std::u16string(text);
  const std::u16string mask = ToWide(PasswordChar);
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) out += mask;
  return out;
}

int TOrlEdit::WidthOf(std::u16string_view text) const {
  return font ? font->TextAdvance(Shown(text)) : 0;
}

void TOrlEdit::KeyDown(uint16_t key, TShiftState shift) {
  if (ReadOnly || !Focused) return;
  ClampSelection();
  const int32_t end = static_cast<int32_t>(Caption.size()) + 1;
  const bool extend = (shift & ssShift) != 0;
  switch (key) {
    case kKeyBack:
      if (SelStart == SelEnd && Caret > 1) {
        Caption.erase(static_cast<size_t>(Caret - 2), 1);
        --Caret;
        SelStart = SelEnd = Caret;  // the empty selection stays at the caret
      }
      DeleteSelection();
      break;
    case kKeyDelete:
      if (SelStart == SelEnd && Caret < end) {
        Caption.erase(static_cast<size_t>(Caret - 1), 1);
        SelStart = SelEnd = Caret;
      }
      DeleteSelection();
      break;
    case kKeyHome:
      Caret = SelEnd = 1;
      if (!extend) SelStart = 1;
      break;
    case kKeyEnd:
      Caret = SelEnd = end;
      if (!extend) SelStart = end;
      break;
    case kKeyLeft:
    case kKeyRight: {
      const int32_t moved = Caret + (key == kKeyLeft ? -1 : 1);
      if (moved < 1 || moved > end) break;
      Caret = SelEnd = moved;
      if (!extend) SelStart = moved;
      break;
    }
    default:
      break;
  }
}

void TOrlEdit::KeyPress(char16_t key) {
  if (ReadOnly || !Focused || static_cast<int64_t>(Caption.size()) >= MaxLength) return;
  ClampSelection();
  const bool clipboardAllowed = MaxLength > 0 && MaxWidth > 0;
  switch (key) {
    case 1:  // Ctrl+A
      SelStart = 1;
      SelEnd = Caret = static_cast<int32_t>(Caption.size()) + 1;
      return;
    case 3:  // Ctrl+C
      if (clipboardAllowed && PasswordChar.empty()) Copy();
      return;
    case 24:  // Ctrl+X; a password is deleted but never put on the clipboard
      if (!clipboardAllowed) return;
      if (PasswordChar.empty()) Copy();
      DeleteSelection();
      return;
    case 22:  // Ctrl+V
      if (!clipboardAllowed || static_cast<int64_t>(Caption.size()) == MaxLength) return;
      DeleteSelection();
      Paste();
      return;
    default:
      break;
  }
  if (key < 32) return;
  if (InputMode == imNumbersOnly && (key < u'0' || key > u'9')) return;
  if (ToWide(ForbiddenChars).find(key) != std::u16string::npos) return;
  DeleteSelection();
  std::u16string candidate = Caption;
  candidate.insert(static_cast<size_t>(Caret - 1), 1, key);
  if (WidthOf(candidate) >= MaxWidth - TextShiftLeft) return;
  Caption = std::move(candidate);
  ++Caret;
  SelStart = SelEnd = Caret;
}

void TOrlEdit::Copy() {
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  if (!engine || !engine->Clipboard) return;
  const int32_t lo = std::max(1, std::min(SelStart, SelEnd));
  const int32_t hi = std::max(SelStart, SelEnd);
  if (hi <= lo) return;
  engine->Clipboard->SetText(data::WideToUtf8(std::u16string_view(Caption).substr(
      static_cast<size_t>(lo - 1), static_cast<size_t>(hi - lo))));
}

void TOrlEdit::Paste() {
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  if (!engine || !engine->Clipboard) return;
  // Pasted text obeys the same rules as typed text: a numbers-only or name field never takes
  // characters the player could not type into it.
  std::u16string text = FilterText(OneLine(ToWide(engine->Clipboard->GetText())));
  const int64_t room = static_cast<int64_t>(MaxLength) - static_cast<int64_t>(Caption.size());
  if (room <= 0 || text.empty()) return;
  if (static_cast<int64_t>(text.size()) > room) text.resize(static_cast<size_t>(room));
  const int available = MaxWidth - WidthOf(Caption) - TextShiftLeft;
  if (WidthOf(text) > available) {
    size_t keep = std::min<size_t>(static_cast<size_t>(room - 1), text.size() - 1);
    while (keep > 0 && WidthOf(std::u16string_view(text).substr(0, keep)) > available) --keep;
    if (keep == 0) return;  // not even one character fits
    text.resize(keep);
  }
  InsertAtCaret(text);
}

void TOrlEdit::InsertAtCaret(const std::u16string& text) {
  Caption.insert(static_cast<size_t>(Caret - 1), text);
  Caret += static_cast<int32_t>(text.size());
  SelStart = SelEnd = Caret;
}

int TOrlEdit::CaretFromX(int x) const {
  const int32_t end = static_cast<int32_t>(Caption.size()) + 1;
  if (!font || x >= FAbsLeft + TextShiftLeft + WidthOf(Caption)) return end;
  const std::u16string shown = Shown(Caption);
  const size_t perChar = Caption.empty() ? 1 : shown.size() / Caption.size();
  int width = 0;
  for (int32_t k = 1; k < end; ++k) {
    for (size_t j = 0; j < perChar; ++j)
      width += font->CharAdvance(shown[static_cast<size_t>(k - 1) * perChar + j]);
    if (x < FAbsLeft + width) return k;
  }
  return end;
}

void TOrlEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TOrlFocusedObject::MouseDown(button, shift, x, y);
  SelStart = SelEnd = 1;
  if (!Contains(x, y) || !(shift & ssLeft)) return;
  if (shift & ssDouble) {
    doubleClicked = true;
    SelStart = 1;
    SelEnd = Caret = static_cast<int32_t>(Caption.size()) + 1;
    return;
  }
  Caret = SelEnd = CaretFromX(x);
  if (!(shift & ssShift)) SelStart = Caret;
}

void TOrlEdit::MouseMove(TShiftState shift, int x, int) {
  if (!Focused || !hit || !(shift & ssLeft) || doubleClicked) return;
  Caret = SelEnd = CaretFromX(x);  // drag selection
}

void TOrlEdit::MouseUp(TMouseButton, TShiftState, int, int) {
  doubleClicked = false;
  hit = false;
}

void TOrlEdit::Paint() {
  DrawPicture(FPicture, FAbsLeft, FAbsTop, FPictureAlpha);
  if (!font && !FontName.empty()) SetFontName(FontName);
  if (font) {
    int x = FAbsLeft + TextShiftLeft;
    const int y = FAbsTop + TextShiftTop;
    if (!PasswordChar.empty()) {
      font->DrawText(x, y, Shown(Caption), Alpha, static_cast<uint32_t>(Color));
    } else {
      const int32_t lo = std::min(SelStart, SelEnd), hi = std::max(SelStart, SelEnd);
      for (size_t i = 0; i < Caption.size(); ++i) {
        const int32_t pos = static_cast<int32_t>(i) + 1;
        const int32_t color = pos >= lo && pos < hi ? SelectColor : Color;
        font->DrawText(x, y, std::u16string_view(&Caption[i], 1), Alpha,
                       static_cast<uint32_t>(color));
        x += font->CharAdvance(Caption[i]);
      }
    }
  }
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  const bool blinkOn = engine && (engine->TickCount() / 500) % 2 == 0;
  if (Focused && (blinkOn || hit)) {
    const int before = WidthOf(std::u16string_view(Caption).substr(
        0, static_cast<size_t>(
               std::clamp<int32_t>(Caret - 1, 0, static_cast<int32_t>(Caption.size())))));
    DrawPicture(CursorPicture,
                FAbsLeft + TextShiftLeft + before - PictureSize(CursorPicture).Width / 2 - 1,
                FAbsTop + TextShiftTop, FPictureAlpha);
  }
}

}  // namespace ui
