// ui/radio_button.hpp — a label with a box picture; checking one unchecks the others of its
// group on the same form.
#pragma once

#include "ui/label.hpp"

namespace ui {

struct TRadioButtonProps {
  int32_t CheckedColor = 0;  // text colour while checked
  TBoxPlace BoxPlace = bpLeft;
  bool Checked = false;
  int32_t RadioGroup = 0;
};

class TOrlRadioButton : public TOrlLabel, public TRadioButtonProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  void SetChecked(bool value);
  int TextWidth() const override;  // beside the box: Width less the width of Picture
  uint32_t TextColor(bool hover) const override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;
};

}  // namespace ui
