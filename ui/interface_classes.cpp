// ui/interface_classes.cpp
#include "ui/interface_classes.hpp"

#include "data/orl_object.hpp"
#include "ui/check_box.hpp"
#include "ui/edit.hpp"
#include "ui/form.hpp"
#include "ui/grid.hpp"
#include "ui/hint.hpp"
#include "ui/orl_font.hpp"
#include "ui/progress_bar.hpp"
#include "ui/radio_button.hpp"
#include "ui/slider.hpp"

namespace ui {

void RegisterInterfaceClasses() {
  // The two abstract bases (TOrlInterfaceObject, TOrlFocusedObject) stay unregistered: files
  // cannot create them.
  data::TOrlClassReg& reg = data::TOrlClassReg::Global();
  reg.RegisterClass(TOrlFont::StaticClass());
  reg.RegisterClass(TOrlEdit::StaticClass());
  reg.RegisterClass(TOrlGrid::StaticClass());
  reg.RegisterClass(TOrlProgressBar::StaticClass());
  reg.RegisterClass(TOrlForm::StaticClass());
  reg.RegisterClass(TOrlTabForm::StaticClass());
  reg.RegisterClass(TOrlLabel::StaticClass());
  reg.RegisterClass(TOrlCheckBox::StaticClass());
  reg.RegisterClass(TOrlRadioButton::StaticClass());
  reg.RegisterClass(TOrlRichLabel::StaticClass());
  reg.RegisterClass(TOrlHint::StaticClass());
  reg.RegisterClass(TOrlSlider::StaticClass());
}

}  // namespace ui
