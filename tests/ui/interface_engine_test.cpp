// tests/ui/interface_engine_test.cpp
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "data/error.hpp"
#include "tests/support/scratch_dir.hpp"
#include "ui/form.hpp"
#include "ui/hint.hpp"
#include "ui/label.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

std::string Form(const std::string& name) {
  return Obj("TOrlForm",
             {{"ParentName", "Screen"}, {"Name", name}, {"Width", "800"}, {"Height", "600"}});
}

std::string Label(const std::string& name, const std::string& parent = "W") {
  return Obj("TOrlLabel", {{"ParentName", parent}, {"Name", name}});
}

std::vector<std::string> Stack(const ui::TOrlInterfaceEngine& engine) {
  std::vector<std::string> names;
  for (const ui::TOrlForm* f : engine.ShownForms()) names.push_back(f->Name());
  return names;
}

}  // namespace

TEST(InterfaceEngine, CreationPassStopsQuietlyAtTheFirstBadElement) {
  TWorld w;
  w.Load("<Other>" + Form("W") + "</Other>");
  EXPECT_EQ(w.engine.Count(), 0);  // root is not OrlInterface

  w.Load(
      Interface(Form("W") + Label("W_A") + Obj("TOrlLabel", {{"ParentName", "W"}}) + Label("W_B")));
  EXPECT_NE(w.engine.FindObject("W_A"), nullptr);
  EXPECT_EQ(w.engine.FindObject("W_B"), nullptr);
  ASSERT_EQ(w.engine.LoadNotes().size(), 1u);
  EXPECT_EQ(w.engine.LoadNotes()[0].Element, 4);
  EXPECT_EQ(w.engine.LoadNotes()[0].Message,
            "[TOrlInterfaceEngine.CreateInterfaceObjects] [ClassName:TOrlLabel] Attribute <n> "
            "does not has Name: \"ParentName\" or \"Name\"!");

  const std::pair<std::string, std::string> bad[] = {
      {"<x/>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] OrlInterface XML file contains wrong tag!"},
      {"<o c=\"TOrlLabel\" d=\"1\"><p n=\"Name\">X</p></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] Tag <o> has wrong number of attributes!"},
      {"<o k=\"TOrlLabel\"><p n=\"Name\">X</p></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] Tag <o> does not has \"c\" attribute!"},
      {"<o c=\"TOrlLabel\"></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] Tag <o> does not has subtags!"},
      {"<o c=\"TOrlLabel\"><q n=\"Name\">X</q></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] [ClassName:TOrlInterfaceEngine] Tag <o> "
       "contains wrong subtag!"},
      {"<o c=\"TOrlLabel\"><p>X</p></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] [ClassName:TOrlInterfaceEngine] Tag <p> has "
       "wrong number of attributes!"},
      {"<o c=\"TOrlLabel\"><p m=\"Name\">X</p></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] [ClassName:TOrlInterfaceEngine] Tag <p> does "
       "not has \"n\" attribute!"},
      {"<o c=\"TOrlDefaults\"><p n=\"Color\">1</p></o>",
       "[TOrlInterfaceEngine.CreateInterfaceObjects] [ClassName:TOrlDefaults] Tag <p> has wrong "
       "\"n\" attribute value!"},
  };
  for (const auto& [element, message] : bad) {
    TWorld v;
    v.Load(Interface(element + Label("W_Z")));
    ASSERT_GE(v.engine.LoadNotes().size(), 1u) << element;
    EXPECT_EQ(v.engine.LoadNotes()[0].Message, message);
    EXPECT_EQ(v.engine.Count(), 0);
  }
  TWorld empty;
  empty.Load("plain text");
  EXPECT_EQ(empty.engine.LoadNotes()[0].Message,
            "[TOrlInterfaceEngine.CreateInterfaceObjects] XML file does not has tags!");
}

TEST(InterfaceEngine, UnknownClassesAndDuplicateNamesAreNoted) {
  TWorld w;
  w.Load(Interface(Form("W") + Obj("TOrlButton", {{"ParentName", "W"}, {"Name", "W_B"}}) +
                   Obj("TOrlFont", {{"ParentName", "W"}, {"Name", "W_F"}, {"Height", "9"}}) +
                   Obj("TOrlObject", {{"ParentName", "W"}, {"Name", "W_O"}, {"Tag", "4"}}) +
                   Label("W") + Label("W_C")));
  EXPECT_EQ(w.engine.FindObject("W_B"), nullptr);
  // Any registered class can be created by name, even one that is no interface object; such
  // an object holds properties only and takes no part in the form.
  EXPECT_EQ(w.Prop("W_F", "Height"), "9");
  EXPECT_EQ(w.Prop("W_O", "Tag"), "4");
  EXPECT_NE(w.engine.FindObject("W_C"), nullptr);
  ASSERT_EQ(w.engine.LoadNotes().size(), 2u);
  EXPECT_EQ(w.engine.LoadNotes()[0].Message,
            "class \"TOrlButton\" is not registered; nothing created");
  EXPECT_EQ(w.engine.LoadNotes()[1].Message,
            "the name \"W\" is already taken; the object stays nameless");
  EXPECT_EQ(w.engine.Count(), 5);  // the form, W_F, W_O, the nameless label, W_C
  EXPECT_EQ(w.Get<ui::TOrlForm>("W").Children().size(), 2u);
  w.engine.ShowModal("W");
  w.engine.QueueScript("W_O", "ShowModal Form=\"W_O\";");
  EXPECT_EQ(w.engine.Sender(), nullptr);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 1, 1);
  w.engine.DrawAll();
  EXPECT_EQ(w.engine.ShownForms().size(), 1u);
}

TEST(InterfaceEngine, DefaultLinesFillOnlyWhatTheFileLeavesOut) {
  TWorld w;
  const std::string defaults =
      "<p n=\"DefLine\">TOrlLabel ; Color ;255</p>"
      "<p n=\"DefLine\">TOrlLabel;Color;7</p>"   // later line for the same property
      "<p n=\"DefLine\">TOrlLabel;Alpha 9</p>"   // one ";" only: ignored
      "<p n=\"DefLine\">TOrlLabel;Tag; 12</p>";  // the value keeps its blank
  w.Load(Interface(Form("W") + Label("W_A") +
                       Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "W_B"}, {"Color", "3"}}),
                   defaults));
  EXPECT_EQ(w.Prop("W_A", "Color"), "255");
  EXPECT_EQ(w.Prop("W_B", "Color"), "3");
  EXPECT_EQ(w.Prop("W_A", "Tag"), "12");
  ASSERT_EQ(w.engine.LoadNotes().size(), 1u);
  EXPECT_NE(w.engine.LoadNotes()[0].Message.find("DefLine does not have 3 parameters!"),
            std::string::npos);
}

TEST(InterfaceEngine, FirstElementNeverGetsPropertiesAndPropertyErrorsReachTheCaller) {
  TWorld w;
  w.Load("<OrlInterface>" +
         Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "First"}, {"Width", "5"}}) +
         Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "Second"}, {"Width", "5"}}) +
         "</OrlInterface>");
  EXPECT_EQ(w.Prop("First", "Width"), "0");
  EXPECT_EQ(w.Prop("Second", "Width"), "5");

  TWorld v;
  EXPECT_THROW(
      v.Load(Interface(Form("W") +
                       Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "W_L"}, {"Left", "ten"}}))),
      data::Error);
  EXPECT_FALSE(v.engine.Reading());  // the reading state never outlives the load
  EXPECT_NE(v.engine.FindObject("W_L"), nullptr);
}

TEST(InterfaceEngine, ReloadingKeepsObjectsAndSetsTheFirstOfEachName) {
  TWorld w;
  const std::string file = Interface(
      Form("W") + Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "W_L"}, {"Caption", "one"}}));
  w.Load(file);
  w.engine.SetObjectProperty("W_L", "Caption", "changed");
  w.Load(file);
  EXPECT_EQ(w.Prop("W_L", "Caption"), "one");
  EXPECT_EQ(w.engine.Count(), 4);  // the second copies stay nameless, hidden, without properties
  EXPECT_EQ(w.Get<ui::TOrlForm>("W").Children().size(), 2u);
  EXPECT_EQ(w.engine.Object(3)->Name(), "");
}

TEST(InterfaceEngine, OverlaysRecordTheFirstValueAndRestoreIt) {
  TWorld w;
  w.Load(Interface(Form("W") +
                   Obj("TOrlLabel", {{"ParentName", "W"}, {"Name", "W_L"}, {"Caption", "Start"}})));
  auto overlay = [&](const std::string& caption) {
    data::TMemoryStream s(
        "<OrlInterface>" + Obj("TOrlLabel", {{"Name", "W_L"}, {"Caption", caption}}) +
        Obj("TOrlLabel", {{"Name", "Missing"}, {"Caption", "x"}}) + "</OrlInterface>");
    w.engine.LoadOverlayFromStream(s);
  };
  overlay("Début");
  overlay("Anfang");
  EXPECT_EQ(w.Prop("W_L", "Caption"), "Anfang");
  ASSERT_EQ(w.engine.Modifications().TagCount(), 1);
  w.engine.RestoreOverlay();
  EXPECT_EQ(w.Prop("W_L", "Caption"), "Start");

  const support_test::TScratchDir dir;
  const std::string path = dir / "ui_overlay_test.li";
  std::ofstream(path) << "<OrlInterface>"
                      << Obj("TOrlLabel", {{"Name", "W_L"}, {"Caption", "Fichier"}})
                      << "</OrlInterface>";
  w.engine.LoadOverlay(path);
  EXPECT_EQ(w.Prop("W_L", "Caption"), "Fichier");
  std::remove(path.c_str());
  EXPECT_THROW(w.engine.LoadOverlay(path), data::Error);
}

TEST(InterfaceEngine, ShownFormsStack) {
  TWorld w;
  w.Load(Interface(Form("X") + Form("Y") + Form("Z") + Form("Q") + Label("X_L", "X")));
  w.engine.ShowModal("X");
  w.engine.ShowModal("Z");
  w.engine.ShowModal("X");    // already shown: does not move
  w.engine.ShowModal("X_L");  // not a form
  w.engine.ShowModal("Nobody");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X", "Z"}));
  EXPECT_EQ(w.Prop("X", "Visible"), "True");
  w.engine.ChangeModal("X", "Y");  // pops Z and X, shows Y
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"Y"}));
  EXPECT_EQ(w.Prop("Z", "Visible"), "False");
  w.engine.ShowModal("Q");
  w.engine.ChangeTop("Z");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"Y", "Z"}));
  w.engine.HideModal("Nobody");  // not shown: the stack stays
  w.engine.ChangeModal("Nobody", "X");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"Y", "Z"}));
  w.engine.HideModal("Y");
  EXPECT_TRUE(w.engine.ShownForms().empty());
  w.engine.HideTop();
  w.engine.ShowModal("X");
  w.engine.ShowModal("Y");
  w.engine.HideModalList();
  EXPECT_EQ(w.engine.TopForm(), nullptr);
}

TEST(InterfaceEngine, DrawingOrderAndHintsOfTheTopForm) {
  TWorld w;
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "S"},
                       {"Name", "A"},
                       {"Width", "800"},
                       {"Height", "600"},
                       {"Picture", "a.png"}}) +
      Obj("TOrlForm", {{"ParentName", "S"},
                       {"Name", "B"},
                       {"Width", "800"},
                       {"Height", "600"},
                       {"Picture", "b.png"}}) +
      Obj("TOrlLabel",
          {{"ParentName", "B"}, {"Name", "B_L"}, {"Picture", "l.png"}, {"Visible", "true"}}) +
      Obj("TOrlHint", {{"ParentName", "B"},
                       {"Name", "B_H"},
                       {"Width", "200"},
                       {"Height", "5"},
                       {"FontName", "F"},
                       {"Caption", "tip"},
                       {"ShowTime", "1000"},
                       {"TextShiftTop", "2"},
                       {"BackGroundColor", "9"},
                       {"BackGroundAlpha", "128"}})));
  w.engine.ShowModal("A");
  w.engine.ShowModal("B");
  w.now = 5000;
  w.engine.ShowHint("B_H");
  auto& hint = w.Get<ui::TOrlHint>("B_H");
  EXPECT_TRUE(hint.Visible());
  EXPECT_EQ(hint.Height(), 0 + 2 + 10);
  w.engine.DrawAll();
  std::vector<std::string> order;
  for (const auto& c : w.graphic->Calls) order.push_back(c.Op + ":" + c.Name);
  EXPECT_EQ(order, (std::vector<std::string>{"Draw:a.png", "Draw:b.png", "Draw:l.png", "DrawRect:1",
                                             "ExtDraw:F.png"}));
  EXPECT_EQ(w.graphic->Of("DrawRect")[0].Rect, (ui::TRect{0, 0, 200, 12}));
  EXPECT_EQ(w.graphic->Of("DrawRect")[0].Alpha, 128);

  w.graphic->Calls.clear();
  w.engine.DrawForms();
  EXPECT_EQ(w.graphic->Calls.size(), 3u);  // no hint
  w.graphic->Calls.clear();
  w.now = 6000;  // shown for ShowTime: drawn this frame, hidden for the next
  w.engine.DrawTopHints();
  EXPECT_EQ(w.graphic->Of("DrawRect").size(), 1u);
  EXPECT_FALSE(hint.Visible());

  w.engine.ShowHintAt("B_H", 10, 500);
  EXPECT_EQ(hint.AbsLeft(), 10);
  EXPECT_EQ(hint.AbsTop(), 488);
  w.engine.ShowHintAt("B_H", 700, 5);
  EXPECT_EQ(hint.AbsLeft(), 500);
  EXPECT_EQ(hint.AbsTop(), 5);
}

// A hint shown at the pointer keeps that place against its window, and its links are where
// their words are drawn.
TEST(InterfaceEngine, HintShownAtThePointerMovesWithItsWindowAndItsLinks) {
  TWorld w;
  w.Load(Interface(Form("B") + Obj("TOrlHint", {{"ParentName", "B"},
                                                {"Name", "B_H"},
                                                {"Left", "3"},
                                                {"Top", "4"},
                                                {"Width", "200"},
                                                {"Height", "5"},
                                                {"FontName", "F"},
                                                {"Caption", "see {Link Action=x}here{/Link}"},
                                                {"ShowTime", "1000"}})));
  w.engine.ShowModal("B");
  const auto& form = w.Get<ui::TOrlForm>("B");
  const auto& hint = w.Get<ui::TOrlHint>("B_H");
  ASSERT_EQ(hint.LinkLabels().size(), 1u);
  const ui::TOrlLabel& link = *hint.LinkLabels()[0];
  const int linkLeft = link.AbsLeft() - hint.AbsLeft();
  const int linkTop = link.AbsTop() - hint.AbsTop();

  w.engine.ShowHintAt("B_H", 10, 500);
  EXPECT_EQ(hint.AbsLeft(), 10);
  EXPECT_EQ(hint.AbsTop(), 500 - hint.Height());
  EXPECT_EQ(link.AbsLeft() - hint.AbsLeft(), linkLeft);
  EXPECT_EQ(link.AbsTop() - hint.AbsTop(), linkTop);

  w.engine.SetObjectProperty("B", "Left", "30");
  EXPECT_EQ(hint.AbsLeft(), 40);
  EXPECT_EQ(hint.AbsLeft(), form.AbsLeft() + hint.Left());
  EXPECT_EQ(link.AbsLeft() - hint.AbsLeft(), linkLeft);
}

TEST(InterfaceEngine, EventsGoToTheTopFormOnlyAndNeedAShownForm) {
  TWorld w;
  auto clickable = [](const std::string& name, const std::string& parent,
                      const std::string& method) {
    return Obj("TOrlLabel", {{"ParentName", parent},
                             {"Name", name},
                             {"Width", "800"},
                             {"Height", "600"},
                             {"Visible", "true"},
                             {"OnMouseDown", "ExecMethod Method=\"" + method + "\";"}});
  };
  w.Load(
      Interface(Form("A") + Form("B") + clickable("A_L", "A", "a") + clickable("B_L", "B", "b")));
  std::string calls;
  w.host.Publish("a", [&] { calls += "a"; });
  w.host.Publish("b", [&] { calls += "b"; });
  w.engine.QueueScript("A_L", "ExecMethod Method=\"a\";");
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 5, 5);  // nothing shown: ignored, script waits
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 1);
  w.engine.ShowModal("A");
  w.engine.ShowModal("B");
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 5, 5);
  EXPECT_EQ(calls, "ab");  // the waiting script, then the top form's
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 0);
}

TEST(InterfaceEngine, RemovingObjectsLeavesNothingPointingAtThem) {
  TWorld w;
  w.Load(Interface(Form("W") + Label("W_A") + Label("W_B") +
                   Obj("TOrlEdit", {{"ParentName", "W"}, {"Name", "W_E"}})));
  w.engine.ShowModal("W");
  w.engine.QueueScript("W_B", "HideModal;");
  w.engine.DeleteByName("W_B");
  EXPECT_EQ(w.engine.Sender(), nullptr);
  auto& form = w.Get<ui::TOrlForm>("W");
  ASSERT_EQ(form.Children().size(), 2u);
  w.engine.DeleteByName("W_E");
  EXPECT_EQ(form.TabList()[0], nullptr);
  form.KeyDown(ui::kKeyTab, 0);  // a gap where the edit was: no crash
  w.engine.DeleteByName("W");
  EXPECT_TRUE(w.engine.ShownForms().empty());
  EXPECT_EQ(w.engine.FindObject("W_A")->Parent(), nullptr);
  w.engine.MouseMove(0, 1, 1);
  w.engine.DrawAll();
}
