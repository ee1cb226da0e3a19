#include "data/orl_object.hpp"

#include <gtest/gtest.h>

#include "data/error.hpp"
#include "tests/support/error_of.hpp"

using namespace data;

namespace {

enum class TAlign : uint8_t { alNone, alTop, alClient };

// A control as the interface toolkit declares one: every kind of property, one with a setter.
class TTestButton : public TOrlObject {
 public:
  const TOrlClass& Class() const override { return StaticClass(); }
  static const TOrlClass& StaticClass() {
    static const TOrlClass cls = TOrlClass::Make<TTestButton>(
        "TTestButton", &TOrlObject::StaticClass(), [](TPropBuilder<TTestButton>& p) {
          p.Text("Caption", &TTestButton::Caption, &TTestButton::SetCaption)
              .Wide("Hint", &TTestButton::Hint)
              .Int("Left", &TTestButton::Left, -800, 800)
              .Byte("Alpha", &TTestButton::Alpha)
              .Enum("Align", &TTestButton::Align, {"alNone", "alTop", "alClient"})
              .Bool("Visible", &TTestButton::Visible);
        });
    return cls;
  }
  void SetCaption(std::string caption) {
    Caption = std::move(caption);
    ++layouts;
  }

  std::string Caption;
  std::u16string Hint;
  int32_t Left = 0;
  uint8_t Alpha = 255;
  TAlign Align = TAlign::alNone;
  bool Visible = true;
  int layouts = 0;
};

struct Registered {
  Registered() { TOrlClassReg::Global().RegisterClass(TTestButton::StaticClass()); }
} registered;

TTestButton& Button(TOrlEngine& engine, std::string_view name) {
  return static_cast<TTestButton&>(*engine.FindObject(name));
}

// The error setting property `prop` of button "B" raises.
std::string SetError(TOrlEngine& engine, std::string_view prop, std::string_view value) {
  return support_test::ErrorOf([&] { engine.SetObjectProperty("B", prop, value); });
}

}  // namespace

TEST(OrlObject, CreateObjectByExactClassNameWithUniqueNames) {
  TOrlEngine engine;
  EXPECT_EQ(engine.CreateObject("Button1", "W", "TTestButton"), 0);
  EXPECT_EQ(engine.CreateObject("Button1", "W", "TTestButton"), 1);  // exists, nameless
  EXPECT_EQ(engine.Object(1)->Name(), "");
  EXPECT_EQ(engine.Object(1)->ParentName, "W");
  EXPECT_EQ(engine.Object(1)->Engine(), &engine);
  EXPECT_EQ(engine.FindObject("Button1"), engine.Object(0));
  EXPECT_EQ(engine.FindObject("button1"), nullptr);
  EXPECT_EQ(engine.CreateObject("X", "", "ttestbutton"), -1);
  EXPECT_EQ(engine.CreateObject("X", "", "TUnknown"), -1);
  EXPECT_EQ(engine.Count(), 2);
  EXPECT_EQ(engine.Object(0)->Class().ClassName(), "TTestButton");
  EXPECT_NE(TOrlClassReg::Global().FindClass("TOrlObject"), nullptr);
}

TEST(OrlObject, SetNameRefusesTakenNamesSilently) {
  TOrlEngine engine;
  engine.CreateObject("A", "", "TOrlObject");
  engine.CreateObject("B", "", "TOrlObject");
  TOrlObject& b = *engine.Object(1);
  b.SetName("A");
  EXPECT_EQ(b.Name(), "B");
  b.SetName("B");
  EXPECT_EQ(b.Name(), "B");
  b.SetName("C");
  EXPECT_EQ(engine.IndexOfObject("C"), 1);
  EXPECT_TRUE(engine.SetObjectProperty("C", "Name", "A"));  // through the table: same rule
  EXPECT_EQ(b.Name(), "C");
}

TEST(OrlObject, DeleteKeepsOrderAndNeverLeavesDanglingParents) {
  TOrlEngine engine;
  for (const char* name : {"W", "W_B1", "W_B2"}) engine.CreateObject(name, "W", "TOrlObject");
  engine.ResolveParents();
  EXPECT_EQ(engine.Object(1)->Parent(), engine.Object(0));
  EXPECT_EQ(engine.Object(0)->Parent(), engine.Object(0));  // its own ParentName
  engine.DeleteObject(0);
  EXPECT_EQ(engine.Object(0)->Name(), "W_B1");
  EXPECT_EQ(engine.Object(1)->Name(), "W_B2");
  EXPECT_EQ(engine.Object(0)->Parent(), nullptr);
  engine.DeleteObject(5);
  engine.DeleteObject(-1);
  engine.DeleteByName("nobody");
  engine.DeleteByName("W_B2");
  EXPECT_EQ(engine.Count(), 1);
  engine.Clear();
  EXPECT_EQ(engine.Count(), 0);
}

TEST(OrlObject, AssignCopiesTagAndEngineOnly) {
  TOrlEngine engine;
  engine.CreateObject("A", "P", "TOrlObject");
  engine.Object(0)->Tag = 42;
  TOrlObject copy;
  copy.Assign(*engine.Object(0));
  EXPECT_EQ(copy.Tag, 42);
  EXPECT_EQ(copy.Engine(), &engine);
  EXPECT_EQ(copy.Name(), "");
  EXPECT_EQ(copy.ParentName, "");
}

TEST(OrlObject, PropertiesListAncestorsFirstAndMatchNamesIgnoringCase) {
  std::vector<std::string> names;
  for (const TPropInfo* p : TTestButton::StaticClass().Properties()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"ParentName", "Name", "Tag", "Caption", "Hint", "Left",
                                             "Alpha", "Align", "Visible"}));
  EXPECT_EQ(TTestButton::StaticClass().FindProperty("caPTION")->Name, "Caption");
  EXPECT_TRUE(TTestButton::StaticClass().InheritsFrom(TOrlObject::StaticClass()));
  EXPECT_FALSE(TOrlObject::StaticClass().InheritsFrom(TTestButton::StaticClass()));
}

TEST(OrlObject, PropertiesReadAndWriteAsText) {
  TOrlEngine engine;
  engine.CreateObject("B", "", "TTestButton");
  TTestButton& b = Button(engine, "B");
  EXPECT_TRUE(engine.SetObjectProperty("B", "Caption", "Play"));
  EXPECT_EQ(b.layouts, 1);  // the setter ran
  engine.SetObjectProperty("B", "Hint", "Caf\xC3\xA9");
  EXPECT_EQ(b.Hint, u"Caf\u00E9");
  engine.SetObjectProperty("B", "left", "-12");
  engine.SetObjectProperty("B", "Tag", "$FFFFFFFF");
  engine.SetObjectProperty("B", "Alpha", "$80");
  engine.SetObjectProperty("B", "Align", "ALCLIENT");
  engine.SetObjectProperty("B", "Visible", "false");
  EXPECT_EQ(b.Left, -12);
  EXPECT_EQ(b.Tag, -1);
  EXPECT_EQ(b.Alpha, 128);
  EXPECT_EQ(b.Align, TAlign::alClient);
  EXPECT_FALSE(b.Visible);

  EXPECT_EQ(engine.GetObjectProperty("B", "Caption"), "Play");
  EXPECT_EQ(engine.GetObjectProperty("B", "Hint"), "Caf\xC3\xA9");
  EXPECT_EQ(engine.GetObjectProperty("B", "Left"), "-12");
  EXPECT_EQ(engine.GetObjectProperty("B", "Align"), "alClient");
  EXPECT_EQ(engine.GetObjectProperty("B", "Visible"), "False");
  EXPECT_EQ(engine.GetObjectProperty("B", "Name"), "B");

  EXPECT_FALSE(engine.SetObjectProperty("Nobody", "Caption", "x"));
  EXPECT_EQ(engine.GetObjectProperty("Nobody", "Caption"), std::nullopt);
}

TEST(OrlObject, BadPropertyTextRaisesAndChangesNothing) {
  TOrlEngine engine;
  engine.CreateObject("B", "", "TTestButton");
  EXPECT_EQ(SetError(engine, "Colour", "1"), "Unknown property \"Colour\" of class TTestButton");
  EXPECT_EQ(SetError(engine, "Left", "12px"),
            "\"12px\" is not a valid integer value for property \"Left\"");
  EXPECT_EQ(SetError(engine, "Left", "801"), "801 is out of range -800..800 for property \"Left\"");
  EXPECT_EQ(SetError(engine, "Alpha", "256"), "256 is out of range 0..255 for property \"Alpha\"");
  EXPECT_EQ(SetError(engine, "Tag", "99999999999"),
            "99999999999 is out of range -2147483648..2147483647 for property \"Tag\"");
  EXPECT_EQ(SetError(engine, "Align", "alBottom"),
            "\"alBottom\" is not a valid value for property \"Align\"");
  EXPECT_EQ(SetError(engine, "Visible", "1"),
            "\"1\" is not a valid value for property \"Visible\"");
  EXPECT_NE(SetError(engine, "Tag", ""), "(no error)");
  EXPECT_NE(SetError(engine, "Tag", "$"), "(no error)");
  EXPECT_THROW(engine.GetObjectProperty("B", "Colour"), Error);
  const TTestButton& b = Button(engine, "B");
  EXPECT_EQ(b.Left, 0);
  EXPECT_EQ(b.Alpha, 255);
  EXPECT_TRUE(b.Visible);
}
