// ui/radio_button.cpp
#include "ui/radio_button.hpp"

#include "ui/form.hpp"

namespace ui {

const data::TOrlClass& TOrlRadioButton::StaticClass() {
  using T = TOrlRadioButton;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlRadioButton", &TOrlLabel::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Int("CheckedColor", &T::CheckedColor)
            .Enum<TBoxPlace>("BoxPlace", &T::BoxPlace, kBoxPlaceNames)
            .Bool("Checked", &T::Checked, &T::SetChecked)
            .Int("RadioGroup", &T::RadioGroup);
      });
  return cls;
}

int TOrlRadioButton::TextWidth() const {
  return FWidth - PictureSize(FPicture).Width;
}

void TOrlRadioButton::Assign(const data::TOrlObject& source) {
  TOrlLabel::Assign(source);
  if (auto* s = dynamic_cast<const TOrlRadioButton*>(&source))
    static_cast<TRadioButtonProps&>(*this) = *s;
}

void TOrlRadioButton::SetChecked(bool value) {
  if (value) {
    if (TOrlForm* form = ParentForm()) {
      for (TOrlInterfaceObject* child : form->Children()) {
        auto* other = dynamic_cast<TOrlRadioButton*>(child);
        if (other && other->RadioGroup == RadioGroup) other->Checked = false;
      }
    }
  }
  Checked = value;
}

uint32_t TOrlRadioButton::TextColor(bool hover) const {
  return Checked ? static_cast<uint32_t>(CheckedColor) : TOrlLabel::TextColor(hover);
}

void TOrlRadioButton::MouseDown(TMouseButton button, TShiftState, int x, int y) {
  if (Checked) return;
  Pressed = false;
  if (button != mbLeft || !Contains(x, y)) return;
  Pressed = true;
  QueueEventScript(FSoundMouseDown, FOnMouseDown);
}

void TOrlRadioButton::MouseUp(TMouseButton button, TShiftState, int x, int y) {
  if (Checked || button != mbLeft) return;
  const bool wasPressed = Pressed;
  Pressed = false;
  if (!wasPressed || !Contains(x, y)) return;
  SetChecked(true);
  QueueEventScript(FSoundMouseUp, FOnMouseUp);
}

void TOrlRadioButton::Paint() {
  PaintWithBox(Checked ? MouseDownPicture : FPicture, BoxPlace);
}

}  // namespace ui
