// ui/check_box.cpp
#include "ui/check_box.hpp"

namespace ui {

const data::TOrlClass& TOrlCheckBox::StaticClass() {
  using T = TOrlCheckBox;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlCheckBox", &TOrlLabel::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Enum<TBoxPlace>("BoxPlace", &T::BoxPlace, kBoxPlaceNames).Bool("Checked", &T::Checked);
      });
  return cls;
}

int TOrlCheckBox::TextWidth() const {
  return FWidth - PictureSize(FPicture).Width;
}

void TOrlCheckBox::Assign(const data::TOrlObject& source) {
  TOrlLabel::Assign(source);
  if (auto* s = dynamic_cast<const TOrlCheckBox*>(&source))
    static_cast<TCheckBoxProps&>(*this) = *s;
}

void TOrlCheckBox::MouseDown(TMouseButton button, TShiftState, int x, int y) {
  Pressed = false;
  if (button != mbLeft || !Contains(x, y)) return;
  Pressed = true;
  QueueEventScript(FSoundMouseDown, FOnMouseDown);
}

void TOrlCheckBox::MouseUp(TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft) return;
  const bool wasPressed = Pressed;
  Pressed = false;  // a press released outside must not toggle on a later release
  if (!wasPressed || !Contains(x, y)) return;
  Checked = !Checked;
  QueueEventScript(FSoundMouseUp, FOnMouseUp);
}

void TOrlCheckBox::Paint() {
  PaintWithBox(Checked ? MouseDownPicture : FPicture, BoxPlace);
}

}  // namespace ui
