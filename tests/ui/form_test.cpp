// tests/ui/form_test.cpp
#include <gtest/gtest.h>

#include "ui/edit.hpp"
#include "ui/form.hpp"
#include "ui/label.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

std::string Form(const std::string& name, const std::string& extra = {}) {
  return "<o c=\"TOrlForm\"><p n=\"ParentName\">Screen</p><p n=\"Name\">" + name +
         "</p><p n=\"Width\">800</p><p n=\"Height\">600</p>" + extra + "</o>\n";
}

std::string Edit(const std::string& name, int tabOrder, const std::string& parent = "W") {
  return Obj("TOrlEdit", {{"ParentName", parent},
                          {"Name", name},
                          {"Width", "100"},
                          {"Height", "20"},
                          {"Visible", "true"},
                          {"TabOrder", std::to_string(tabOrder)},
                          {"Caption", "abc"}});
}

}  // namespace

TEST(Form, TabMovesTheFocusThroughTheTabOrder) {
  TWorld w;
  w.Load(Interface(Form("W") + Edit("W_E2", 2) + Edit("W_E0", 0) + Edit("W_E1", 1)));
  auto& form = w.Get<ui::TOrlForm>("W");
  ASSERT_EQ(form.TabList().size(), 3u);
  EXPECT_EQ(form.TabList()[0]->Name(), "W_E0");
  auto& e0 = w.Get<ui::TOrlEdit>("W_E0");
  auto& e1 = w.Get<ui::TOrlEdit>("W_E1");
  auto& e2 = w.Get<ui::TOrlEdit>("W_E2");
  form.KeyDown(ui::kKeyTab, 0);  // nothing focused: the entry after index 0
  EXPECT_TRUE(e1.Focused);
  EXPECT_EQ(e1.SelEnd, 4);  // focusing by Tab selects the text
  form.KeyDown(ui::kKeyTab, 0);
  EXPECT_TRUE(e2.Focused);
  EXPECT_FALSE(e1.Focused);
  EXPECT_EQ(e1.SelEnd, 0);
  form.KeyDown(ui::kKeyTab, 0);
  EXPECT_TRUE(e0.Focused);
  form.KeyDown(ui::kKeyTab, ui::ssShift);
  EXPECT_TRUE(e2.Focused);
  EXPECT_FALSE(e0.Focused);

  // After loading, TabOrder moves an object inside the list and renumbers the others.
  w.engine.SetObjectProperty("W_E2", "TabOrder", "0");
  EXPECT_EQ(form.TabList()[0], &e2);
  EXPECT_EQ(e0.TabOrder, 1);
  EXPECT_EQ(e1.TabOrder, 2);
  w.engine.SetObjectProperty("W_E2", "TabOrder", "99");  // clamped to the last index
  EXPECT_EQ(form.TabList()[2], &e2);
  EXPECT_EQ(e2.TabOrder, 2);
}

TEST(Form, TabWithOneFocusedChildAndClicksTakeFocusQuietly) {
  TWorld w;
  w.Load(Interface(Form("W") + Edit("W_E", 0) + Form("V") + Edit("V_A", 0, "V") +
                   Obj("TOrlEdit", {{"ParentName", "V"},
                                    {"Name", "V_B"},
                                    {"Left", "200"},
                                    {"Width", "100"},
                                    {"Height", "20"},
                                    {"Visible", "true"},
                                    {"TabOrder", "1"},
                                    {"Caption", "xyz"}})));
  auto& only = w.Get<ui::TOrlEdit>("W_E");
  only.SetFocused(true);
  w.Get<ui::TOrlForm>("W").KeyDown(ui::kKeyTab, 0);
  EXPECT_TRUE(only.Focused);

  auto& a = w.Get<ui::TOrlEdit>("V_A");
  auto& b = w.Get<ui::TOrlEdit>("V_B");
  a.SetFocused(true);
  w.Get<ui::TOrlForm>("V").MouseDown(ui::mbLeft, ui::ssLeft, 250, 5);
  EXPECT_TRUE(b.Focused);
  EXPECT_FALSE(a.Focused);
  EXPECT_TRUE(b.Hit());
  // Keys other than Tab reach the focused child only.
  w.Get<ui::TOrlForm>("V").KeyDown(ui::kKeyHome, 0);
  EXPECT_EQ(b.Caret, 1);
}

TEST(Form, MouseEventsReachVisibleChildrenInsideTheForm) {
  TWorld w;
  w.Load(Interface(
      Obj("TOrlForm",
          {{"ParentName", "Screen"}, {"Name", "W"}, {"Width", "100"}, {"Height", "100"}}) +
      Obj("TOrlLabel", {{"ParentName", "W"},
                        {"Name", "W_A"},
                        {"Width", "50"},
                        {"Height", "50"},
                        {"Visible", "true"},
                        {"OnMouseDown", "ExecMethod Method=\"A\";"}}) +
      Obj("TOrlLabel", {{"ParentName", "W"},
                        {"Name", "W_B"},
                        {"Width", "50"},
                        {"Height", "50"},
                        {"Visible", "true"},
                        {"OnMouseDown", "ExecMethod Method=\"B\";"}}) +
      Obj("TOrlLabel", {{"ParentName", "W"},
                        {"Name", "W_C"},
                        {"Width", "50"},
                        {"Height", "50"},
                        {"OnMouseDown", "ExecMethod Method=\"C\";"}})));
  std::string calls;
  for (const char* m : {"A", "B", "C"}) w.host.Publish(m, [&calls, m] { calls += m; });
  w.engine.ShowModal("W");
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 10, 10);  // overlapping children both react
  EXPECT_EQ(calls, "AB");
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 150, 10);  // outside the form: nobody
  EXPECT_EQ(calls, "AB");
}

TEST(Form, TabFormsShowOnePageOfAGroup) {
  TWorld w;
  auto page = [](const std::string& name, int group) {
    return Obj("TOrlTabForm",
               {{"ParentName", "W"}, {"Name", name}, {"TabGroup", std::to_string(group)}});
  };
  w.Load(Interface(Form("W") + page("W_P1", 1) + page("W_P2", 1) + page("W_Q", 2)));
  w.engine.SetObjectProperty("W_P1", "Visible", "true");
  w.engine.SetObjectProperty("W_Q", "Visible", "true");
  w.engine.SetObjectProperty("W_P2", "Visible", "true");
  EXPECT_EQ(w.Prop("W_P1", "Visible"), "False");
  EXPECT_EQ(w.Prop("W_P2", "Visible"), "True");
  EXPECT_EQ(w.Prop("W_Q", "Visible"), "True");
}

TEST(Form, RenameAndAssignCarryTheChildren) {
  TWorld w;
  w.Load(Interface(
      Form("W") +
      Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "_L"}, {"Left", "4"}, {"Caption", "hi"}})));
  auto& form = w.Get<ui::TOrlForm>("W");
  const int index = w.engine.CreateObject("Copy", "Screen", "TOrlForm");
  auto& copy = dynamic_cast<ui::TOrlForm&>(*w.engine.Object(index));
  copy.Assign(form);
  ASSERT_EQ(copy.Children().size(), 1u);
  EXPECT_EQ(copy.Children()[0]->Name(), "Copy_L");
  EXPECT_EQ(w.Prop("Copy_L", "ParentName"), "Copy");
  EXPECT_EQ(w.Prop("Copy_L", "Caption"), "hi");
  EXPECT_EQ(copy.Children()[0]->Parent(), &copy);
  EXPECT_EQ(copy.Width(), 800);

  form.SetName("Renamed");
  EXPECT_EQ(w.Prop("_L", "ParentName"), "Renamed");
  form.SetName("Copy");  // taken: refused, children untouched
  EXPECT_EQ(form.Name(), "Renamed");
  EXPECT_EQ(w.Prop("_L", "ParentName"), "Renamed");
}

TEST(Form, HostileStructuresNeitherLoopNorExhaustMemory) {
  TWorld w;
  // Two windows naming each other as parent, one naming itself, and tab orders far out of range.
  w.Load(Interface(Obj("TOrlForm", {{"ParentName", "WB"},
                                    {"Name", "WA"},
                                    {"Width", "50"},
                                    {"Height", "50"},
                                    {"Visible", "true"}}) +
                   Obj("TOrlForm", {{"ParentName", "WA"},
                                    {"Name", "WB"},
                                    {"Left", "5"},
                                    {"Width", "50"},
                                    {"Height", "50"},
                                    {"Visible", "true"}}) +
                   Obj("TOrlForm", {{"ParentName", "WS"}, {"Name", "WS"}, {"Left", "1"}}) +
                   Edit("WA_E", 2000000000, "WA") + Edit("WA_F", -5, "WA") +
                   Edit("WA_G", 0, "WA")));
  auto& a = w.Get<ui::TOrlForm>("WA");
  auto& b = w.Get<ui::TOrlForm>("WB");
  EXPECT_TRUE(b.Children().empty());
  EXPECT_EQ(a.Children().size(), 3u);  // the edits only: WB would close the circle
  ASSERT_EQ(a.TabList().size(), 3u);
  EXPECT_EQ(a.TabList()[0]->Name(), "WA_G");
  w.engine.ShowModal("WA");
  w.engine.ShowModal("WB");
  w.engine.ShowModal("WS");
  w.engine.SetObjectProperty("WA", "Left", "3");
  w.engine.SetObjectProperty("WS", "Left", "2");
  w.engine.KeyDown(ui::kKeyTab, 0);
  w.engine.KeyPress(u'x');
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 10, 10);
  w.engine.DrawAll();
  w.engine.HideTop();
  w.engine.KeyDown(ui::kKeyTab, 0);
  w.engine.DrawForms();
  w.engine.DrawTopHints();
  EXPECT_EQ(w.engine.ShownForms().size(), 2u);
}
