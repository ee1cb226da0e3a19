// ui/edit.hpp — a one-line text field: player names, save names, numbers.
#pragma once

#include <string>

#include "ui/focused_object.hpp"

namespace ui {

class TOrlFont;

struct TEditProps {
  std::string CursorPicture;
  std::string FontName;
  std::string CharSet;  // kept for skins; text is 16-bit whatever it says
  std::u16string Caption;
  uint8_t Alpha = 0;
  int32_t Color = 0;
  std::string PasswordChar;  // when set, drawn once per character instead of the text
  TInputMode InputMode = imNormal;
  std::string ForbiddenChars;  // characters never accepted
  int32_t SelectColor = 0;
  int32_t TextShiftLeft = 0, TextShiftTop = 0;
  int32_t MaxLength = 0;  // characters
  int32_t MaxWidth = 0;   // pixels
  bool ReadOnly = false;
};

class TOrlEdit : public TOrlFocusedObject, public TEditProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  void SetCaption(const std::u16string& value);  // filtered; the caret goes to the end
  void SetFontName(const std::string& value);
  void SetInputMode(TInputMode value);
  void SetForbiddenChars(const std::string& value);
  void SetFocused(bool value) override;  // focusing selects everything

  std::u16string FilterText(std::u16string_view text) const;
  void DeleteSelection();

  std::string GetPictures() const override;
  void KeyDown(uint16_t key, TShiftState shift) override;
  void KeyPress(char16_t key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;

  // 1-based positions: Caret goes before that character (length + 1 = end); SelStart and
  // SelEnd mark the selection in either order, equal when there is none.
  int32_t Caret = 1;
  int32_t SelStart = 0, SelEnd = 0;

 private:
  std::u16string Shown(std::u16string_view text) const;  // the password mask when set
  int WidthOf(std::u16string_view text) const;           // pixels as drawn
  int CaretFromX(int x) const;
  void ClampSelection();
  void Copy();
  void Paste();
  void InsertAtCaret(const std::u16string& text);

  TOrlFont* font = nullptr;
  bool doubleClicked = false;
};

}  // namespace ui
