// tests/ui/form_nesting_test.cpp — windows inside windows as files write them: children found in
// one pass over the engine and placed once after the last property, as each property would
// have placed them.
#include <gtest/gtest.h>

#include <vector>

#include "ui/form.hpp"
#include "ui/label.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

std::vector<ui::TOrlInterfaceObject*> ChildrenOneByOne(ui::TOrlForm& form) {
  const std::vector<ui::TOrlInterfaceObject*> loaded = form.Children();
  form.CollectChildren();
  std::vector<ui::TOrlInterfaceObject*> single = form.Children();
  EXPECT_EQ(loaded, single) << form.Name();
  return single;
}

TEST(FormNesting, LoadingFindsTheChildrenEachFormWouldCollectItself) {
  TWorld w;
  // A chain, a circle of three, a window of its own, a label under a label, and
  // children named before their window.
  w.Load(Interface(Obj("TOrlLabel", {{"ParentName", "W1"}, {"Name", "W1_LEarly"}}) +
                   Obj("TOrlForm", {{"ParentName", "Screen"}, {"Name", "W0"}}) +
                   Obj("TOrlForm", {{"ParentName", "W0"}, {"Name", "W1"}}) +
                   Obj("TOrlForm", {{"ParentName", "W1"}, {"Name", "W2"}}) +
                   Obj("TOrlForm", {{"ParentName", "WC"}, {"Name", "WA"}}) +
                   Obj("TOrlForm", {{"ParentName", "WA"}, {"Name", "WB"}}) +
                   Obj("TOrlForm", {{"ParentName", "WB"}, {"Name", "WC"}}) +
                   Obj("TOrlForm", {{"ParentName", "WA"}, {"Name", "WD"}}) +
                   Obj("TOrlForm", {{"ParentName", "WS"}, {"Name", "WS"}}) +
                   Obj("TOrlLabel", {{"ParentName", "W1_LEarly"}, {"Name", "W1_LInner"}}) +
                   Obj("TOrlLabel", {{"ParentName", "W1"}, {"Name", "W1_LLate"}})));
  auto names = [](const std::vector<ui::TOrlInterfaceObject*>& objects) {
    std::vector<std::string> out;
    for (const auto* o : objects) out.push_back(o->Name());
    return out;
  };
  EXPECT_EQ(names(ChildrenOneByOne(w.Get<ui::TOrlForm>("W0"))), std::vector<std::string>{"W1"});
  EXPECT_EQ(names(ChildrenOneByOne(w.Get<ui::TOrlForm>("W1"))),
            (std::vector<std::string>{"W1_LEarly", "W2", "W1_LLate"}));
  EXPECT_TRUE(ChildrenOneByOne(w.Get<ui::TOrlForm>("W2")).empty());
  // Inside the circle no form holds the one above it; the form hanging from it is held.
  EXPECT_TRUE(ChildrenOneByOne(w.Get<ui::TOrlForm>("WB")).empty());
  EXPECT_TRUE(ChildrenOneByOne(w.Get<ui::TOrlForm>("WC")).empty());
  EXPECT_EQ(names(ChildrenOneByOne(w.Get<ui::TOrlForm>("WA"))), std::vector<std::string>{"WD"});
  EXPECT_TRUE(ChildrenOneByOne(w.Get<ui::TOrlForm>("WS")).empty());
}

TEST(FormNesting, WindowsArePlacedByTheirParentsFinalPlaceAndSize) {
  TWorld w;
  // The innermost window comes first in the file and its parents move after it; the centred
  // label is centred on the width its window gets last.
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "W1"}, {"Name", "W2"}, {"Left", "100"}, {"Top", "1000"}}) +
      Obj("TOrlLabel",
          {{"ParentName", "W1"}, {"Name", "W1_LMid"}, {"Width", "20"}, {"HAlign", "haCenter"}}) +
      Obj("TOrlForm",
          {{"ParentName", "W0"}, {"Name", "W1"}, {"Left", "10"}, {"Top", "20"}, {"Width", "300"}}) +
      Obj("TOrlForm", {{"ParentName", "Screen"}, {"Name", "W0"}, {"Left", "1"}, {"Top", "2"}}) +
      Obj("TOrlLabel", {{"ParentName", "W2"}, {"Name", "W2_L"}, {"Left", "5"}})));
  const auto& w2 = w.Get<ui::TOrlForm>("W2");
  EXPECT_EQ(w2.AbsLeft(), 111);
  EXPECT_EQ(w2.AbsTop(), 1022);
  EXPECT_EQ(w.Get<ui::TOrlLabel>("W2_L").AbsLeft(), 116);
  const auto& mid = w.Get<ui::TOrlLabel>("W1_LMid");
  EXPECT_EQ(mid.Left(), 140);
  EXPECT_EQ(mid.AbsLeft(), 151);
  // Once loaded, moving a window moves everything inside it at once.
  w.engine.SetObjectProperty("W0", "Left", "-9");
  EXPECT_EQ(w.Get<ui::TOrlLabel>("W2_L").AbsLeft(), 106);
}

}  // namespace
