// tests/ui/interface_object_test.cpp
#include <gtest/gtest.h>

#include "data/error.hpp"
#include "ui/form.hpp"
#include "ui/label.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

// A 400 x 300 form at (100, 50) holding one label.
void LoadFormWithLabel(TWorld& w,
                       std::initializer_list<std::pair<std::string, std::string>> label) {
  w.graphic->SetPictureSize("box.png", 40, 20);
  w.Load(Interface(Obj("TOrlForm", {{"ParentName", "Screen"},
                                    {"Name", "W"},
                                    {"Left", "100"},
                                    {"Top", "50"},
                                    {"Width", "400"},
                                    {"Height", "300"}}) +
                   Obj("TOrlLabel", label)));
}

}  // namespace

TEST(InterfaceObject, AlignmentOwnsLeftAndTop) {
  TWorld w;
  LoadFormWithLabel(w, {{"ParentName", "W"},
                        {"Name", "W_L"},
                        {"Width", "100"},
                        {"Height", "30"},
                        {"HAlign", "haCenter"},
                        {"ShiftLeft", "5"},
                        {"VAlign", "vaBottom"},
                        {"ShiftTop", "-10"}});
  auto& label = w.Get<ui::TOrlLabel>("W_L");
  EXPECT_EQ(label.Left(), 5 + 200 - 50);
  EXPECT_EQ(label.Top(), -10 + 300 - 30);
  EXPECT_EQ(label.AbsLeft(), 100 + 155);
  EXPECT_EQ(label.AbsTop(), 50 + 260);
  w.engine.SetObjectProperty("W_L", "Left", "0");  // ignored while HAlign is set
  EXPECT_EQ(label.Left(), 155);
  w.engine.SetObjectProperty("W_L", "HAlign", "haRight");
  EXPECT_EQ(label.Left(), 5 + 400 - 100);
  w.engine.SetObjectProperty("W_L", "HAlign", "haNone");
  w.engine.SetObjectProperty("W_L", "Left", "7");
  EXPECT_EQ(label.AbsLeft(), 107);
  // Moving the form moves what is in it.
  w.engine.SetObjectProperty("W", "Left", "0");
  EXPECT_EQ(label.AbsLeft(), 7);
  // A form without parent aligns against the screen.
  w.engine.SetObjectProperty("W", "HAlign", "haCenter");
  EXPECT_EQ(w.Get<ui::TOrlForm>("W").Left(), 400 - 200);
}

TEST(InterfaceObject, JustifyAndAutoSize) {
  TWorld w;
  LoadFormWithLabel(w, {{"ParentName", "W"},
                        {"Name", "W_L"},
                        {"Left", "3"},
                        {"Width", "10"},
                        {"HAlign", "haJustify"},
                        {"VAlign", "vaJustify"}});
  auto& label = w.Get<ui::TOrlLabel>("W_L");
  EXPECT_EQ(label.Left(), 0);
  EXPECT_EQ(label.Width(), 400);
  EXPECT_EQ(label.Height(), 300);

  LoadFormWithLabel(w, {{"ParentName", "W"},
                        {"Name", "W_P"},
                        {"Left", "3"},
                        {"AutoSize", "asPicture"},
                        {"Picture", "box.png"},
                        {"HAlign", "haJustify"},
                        {"Width", "99"}});
  auto& sized = w.Get<ui::TOrlLabel>("W_P");
  EXPECT_EQ(sized.Width(), 40);  // the picture decides; Width and justify leave it alone
  EXPECT_EQ(sized.Height(), 20);
  EXPECT_EQ(sized.Left(), 3);

  LoadFormWithLabel(w, {{"ParentName", "W"},
                        {"Name", "W_U"},
                        {"Width", "30"},
                        {"Height", "40"},
                        {"AutoSize", "asPicture"},
                        {"Picture", "unknown.png"},
                        {"PictureHAlign", "phaRight"}});
  auto& unknown = w.Get<ui::TOrlLabel>("W_U");
  EXPECT_EQ(unknown.Width(), 30);  // an unknown picture (0 x 0) changes nothing
  EXPECT_EQ(unknown.PictureLeft(), 0);
}

TEST(InterfaceObject, PicturePlacementAndPlainPaint) {
  TWorld w;
  w.graphic->SetPictureSize("p.png", 20, 10);
  w.Load(Interface(Obj("TOrlForm", {{"ParentName", "Screen"},
                                    {"Name", "W"},
                                    {"Left", "10"},
                                    {"Top", "20"},
                                    {"Width", "100"},
                                    {"Height", "50"},
                                    {"Picture", "p.png"},
                                    {"PictureHAlign", "phaCenter"},
                                    {"PictureVAlign", "pvaBottom"},
                                    {"PictureAlpha", "128"}})));
  auto& form = w.Get<ui::TOrlForm>("W");
  EXPECT_EQ(form.PictureLeft(), 40);
  EXPECT_EQ(form.PictureTop(), 40);
  form.Paint();
  ASSERT_EQ(w.graphic->Calls.size(), 1u);
  EXPECT_EQ(w.graphic->Calls[0].X, 50);
  EXPECT_EQ(w.graphic->Calls[0].Y, 60);
  EXPECT_EQ(w.graphic->Calls[0].Alpha, 128);
  EXPECT_EQ(form.GetPictures(), "p.png");
  EXPECT_TRUE(form.Contains(10, 20));
  EXPECT_FALSE(form.Contains(110, 20));  // right and bottom edges are outside
  EXPECT_FALSE(form.Contains(10, 70));
}

TEST(InterfaceObject, PropertiesReadBackAsText) {
  TWorld w;
  LoadFormWithLabel(w, {{"ParentName", "W"},
                        {"Name", "W_L"},
                        {"Visible", "TRUE"},
                        {"Caption", "Grüße"},
                        {"Alignment", "tacenter"},
                        {"Color", "$FF"}});
  EXPECT_EQ(w.Prop("W_L", "Visible"), "True");
  EXPECT_EQ(w.Prop("W_L", "Caption"), "Grüße");
  EXPECT_EQ(w.Prop("W_L", "Alignment"), "taCenter");
  EXPECT_EQ(w.Prop("W_L", "Color"), "255");
  EXPECT_EQ(w.Prop("Nobody", "Color"), "<none>");
  EXPECT_FALSE(w.engine.SetObjectProperty("Nobody", "Color", "1"));
  EXPECT_THROW(w.engine.SetObjectProperty("W_L", "Colour", "1"), data::Error);
  EXPECT_THROW(w.engine.SetObjectProperty("W_L", "PictureAlpha", "256"), data::Error);
  EXPECT_THROW(w.engine.SetObjectProperty("W_L", "Layout", "tlMiddle"), data::Error);
}

TEST(InterfaceObject, ExtremeNumbersWrapWithoutFailing) {
  TWorld w;
  w.graphic->SetPictureSize("big.png", 2000000000, 2000000000);
  const std::string max = "2147483647", min = "-2147483648";
  w.Load(Interface(Obj("TOrlForm", {{"ParentName", "Screen"},
                                    {"Name", "W"},
                                    {"Left", max},
                                    {"Top", min},
                                    {"Width", max},
                                    {"Height", max},
                                    {"Visible", "true"}}) +
                   Obj("TOrlLabel", {{"ParentName", "W"},
                                     {"Name", "W_L"},
                                     {"Left", max},
                                     {"Top", max},
                                     {"Width", max},
                                     {"Height", min},
                                     {"HAlign", "haRight"},
                                     {"ShiftLeft", min},
                                     {"VAlign", "vaCenter"},
                                     {"ShiftTop", max},
                                     {"Picture", "big.png"},
                                     {"PictureHAlign", "phaRight"},
                                     {"PictureVAlign", "pvaCenter"},
                                     {"FontName", "F"},
                                     {"Caption", "a b c"},
                                     {"Alignment", "taJustify"},
                                     {"LineSpace", max},
                                     {"TextShiftLeft", min},
                                     {"Visible", "true"}}) +
                   Obj("TOrlProgressBar", {{"ParentName", "W"},
                                           {"Name", "W_PB"},
                                           {"Width", max},
                                           {"BarShiftLeft", min},
                                           {"Min", min},
                                           {"Max", max},
                                           {"Position", max},
                                           {"StepWidth", "1"},
                                           {"BarPicture", "b"},
                                           {"Visible", "true"}}) +
                   Obj("TOrlSlider", {{"ParentName", "W"},
                                      {"Name", "W_S"},
                                      {"Picture", "big.png"},
                                      {"BarShiftLeft", min},
                                      {"Min", min},
                                      {"Max", max},
                                      {"Step", max},
                                      {"BigStep", max},
                                      {"Position", max},
                                      {"Width", max},
                                      {"Visible", "true"}}) +
                   Obj("TOrlGrid", {{"ParentName", "W"},
                                    {"Name", "W_G"},
                                    {"Width", max},
                                    {"Height", max},
                                    {"RowsHeight", "1"},
                                    {"BorderWidth", min},
                                    {"DivisorHeight", max},
                                    {"FixedRow", "true"},
                                    {"AddColumns", "Width=\"2147483647\";Width=\"9\""},
                                    {"AddCells", "Text=\"a\";Text=\"b\";Text=\"c\";Text=\"d\""},
                                    {"Position", max},
                                    {"CursorPicture", "big.png"},
                                    {"Visible", "true"}}) +
                   Obj("TOrlHint", {{"ParentName", "W"},
                                    {"Name", "W_H"},
                                    {"Width", max},
                                    {"Height", "9"},
                                    {"FontName", "F"},
                                    {"Caption", "{BR 2147483647/}x{HR 2147483647/}y"},
                                    {"ShowTime", max},
                                    {"Visible", "true"}})));
  w.now = 4000000000u;
  w.engine.ShowModal("W");
  for (const int x : {INT32_MIN, -1, 0, INT32_MAX}) {
    w.engine.MouseMove(ui::ssLeft, x, x);
    w.engine.MouseDown(ui::mbLeft, ui::ssLeft, x, INT32_MAX);
    w.engine.MouseUp(ui::mbLeft, 0, x, x);
  }
  w.engine.ShowHintAt("W_H", INT32_MIN, INT32_MAX);
  w.engine.DrawAll();
  EXPECT_FALSE(w.graphic->Calls.empty());
}
