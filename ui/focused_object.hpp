// ui/focused_object.hpp — interface objects that take the keyboard focus (edits and grids) and
// their place in their form's tab order.
#pragma once

#include "ui/interface_object.hpp"

namespace ui {

struct TFocusedObjectProps {
  bool Focused = false;
  int32_t TabOrder = 0;  // index in the form's tab list once the file is loaded
};

class TOrlFocusedObject : public TOrlInterfaceObject, public TFocusedObjectProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  virtual void SetFocused(bool value) { Focused = value; }
  // While a file is read only stores; later moves the object inside its form's tab list.
  void SetTabOrder(int32_t value);

  // A press inside takes the focus from the form's focused object without calling SetFocused.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

  bool Hit() const { return hit; }

 protected:
  bool hit = false;  // a mouse-down landed inside; cleared by the edit's mouse-up
};

}  // namespace ui
