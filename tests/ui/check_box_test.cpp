// tests/ui/check_box_test.cpp — check boxes and radio buttons.
#include <gtest/gtest.h>

#include "ui/check_box.hpp"
#include "ui/radio_button.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

std::string Box(const std::string& cls, const std::string& name, const std::string& parent,
                int left, const std::string& group = "0") {
  return Obj(cls, {{"ParentName", parent},
                   {"Name", name},
                   {"Left", std::to_string(left)},
                   {"Width", "80"},
                   {"Height", "20"},
                   {"Visible", "true"},
                   {"Picture", "off.png"},
                   {"MouseDownPicture", "on.png"},
                   {"FontName", "F"},
                   {"Caption", "ab"},
                   {"RadioGroup", group},
                   {"CheckedColor", "9"},
                   {"Color", "1"}});
}

std::string Form(const std::string& name) {
  return Obj("TOrlForm",
             {{"ParentName", "S"}, {"Name", name}, {"Width", "800"}, {"Height", "600"}});
}

void Click(TWorld& w, int x, int y, int upX, int upY) {
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, x, y);
  w.engine.MouseUp(ui::mbLeft, 0, upX, upY);
}

}  // namespace

TEST(CheckBox, TogglesOnAClickInsideAndDrawsItsBox) {
  TWorld w;
  w.graphic->SetPictureSize("off.png", 16, 16);
  w.graphic->SetPictureSize("on.png", 16, 16);
  std::string props = Box("TOrlCheckBox", "W_C", "W", 0);
  props.erase(props.find("<p n=\"RadioGroup\">"),
              std::string("<p n=\"RadioGroup\">0</p><p n=\"CheckedColor\">9</p>").size());
  w.Load(Interface(Form("W") + props));
  w.engine.ShowModal("W");
  auto& box = w.Get<ui::TOrlCheckBox>("W_C");
  EXPECT_EQ(box.TextWidth(), 64);
  Click(w, 5, 5, 5, 5);
  EXPECT_TRUE(box.Checked);
  Click(w, 5, 5, 5, 5);
  EXPECT_FALSE(box.Checked);
  Click(w, 5, 5, 200, 200);  // released outside
  EXPECT_FALSE(box.Checked);
  w.engine.MouseUp(ui::mbLeft, 0, 5, 5);  // a stray release later changes nothing either
  EXPECT_FALSE(box.Checked);

  box.Checked = true;
  box.Paint();
  EXPECT_EQ(w.graphic->Of("Draw")[0].Name, "on.png");
  EXPECT_EQ(w.graphic->Of("ExtDraw")[0].X, 16);  // text beside the box
  w.graphic->Calls.clear();
  box.BoxPlace = ui::bpRight;
  box.Paint();
  EXPECT_EQ(w.graphic->Of("Draw")[0].X, 80 - 16);
  EXPECT_EQ(w.graphic->Of("ExtDraw")[0].X, 0);
}

TEST(RadioButton, CheckingOneUnchecksItsGroupOnTheSameForm) {
  TWorld w;
  w.Load(Interface(Form("W") + Box("TOrlRadioButton", "W_A", "W", 0) +
                   Box("TOrlRadioButton", "W_B", "W", 100) +
                   Box("TOrlRadioButton", "W_C", "W", 200, "2") + Form("V") +
                   Box("TOrlRadioButton", "V_A", "V", 0)));
  auto& a = w.Get<ui::TOrlRadioButton>("W_A");
  auto& b = w.Get<ui::TOrlRadioButton>("W_B");
  auto& c = w.Get<ui::TOrlRadioButton>("W_C");
  auto& other = w.Get<ui::TOrlRadioButton>("V_A");
  w.engine.SetObjectProperty("W_A", "Checked", "true");
  w.engine.SetObjectProperty("W_C", "Checked", "true");
  w.engine.SetObjectProperty("V_A", "Checked", "true");
  w.engine.ShowModal("W");
  Click(w, 105, 5, 105, 5);
  EXPECT_TRUE(b.Checked);
  EXPECT_FALSE(a.Checked);
  EXPECT_TRUE(c.Checked);      // another group
  EXPECT_TRUE(other.Checked);  // another form
  w.engine.SetObjectProperty(b.Name(), "OnMouseUp", "ExecMethod Method=\"Again\";");
  bool again = false;
  w.host.Publish("Again", [&] { again = true; });
  Click(w, 105, 5, 105, 5);  // clicking a checked button does nothing
  EXPECT_FALSE(again);
  EXPECT_EQ(b.TextColor(false), 9u);
  EXPECT_EQ(a.TextColor(false), 1u);
}
