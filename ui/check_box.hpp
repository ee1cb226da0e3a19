// ui/check_box.hpp — a label with a box picture that toggles on a click.
#pragma once

#include "ui/label.hpp"

namespace ui {

struct TCheckBoxProps {
  TBoxPlace BoxPlace = bpLeft;
  bool Checked = false;
};

// Picture is the empty box, MouseDownPicture the checked one.
class TOrlCheckBox : public TOrlLabel, public TCheckBoxProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  int TextWidth() const override;  // beside the box: Width less the width of Picture
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;
};

}  // namespace ui
