// tests/ui/interface_scripts_test.cpp
#include <gtest/gtest.h>

#include "data/error.hpp"
#include "ui/form.hpp"
#include "ui/interface_object.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

std::vector<std::string> Stack(const ui::TOrlInterfaceEngine& engine) {
  std::vector<std::string> names;
  for (const ui::TOrlForm* f : engine.ShownForms()) names.push_back(f->Name());
  return names;
}

struct TScriptWorld : TWorld {
  TScriptWorld() {
    std::string forms;
    for (const char* n : {"X", "Y", "Z"})
      forms += Obj("TOrlForm", {{"ParentName", "S"}, {"Name", n}});
    Load(Interface(forms + Obj("TOrlLabel", {{"ParentName", "X"}, {"Name", "X_L"}})));
  }
  void Run(const std::string& sender, const std::string& script) {
    engine.QueueScript(sender, script);
    engine.RunScripts();
  }
};

}  // namespace

TEST(InterfaceScripts, FormCommandsChangeTheStackInOrder) {
  TScriptWorld w;
  w.Run("", "ShowModal Form=\"X\";ShowModal Form=\"Y\";");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X", "Y"}));
  w.Run("", "HideModal;ShowModal Form=\"Z\";");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X", "Z"}));
  w.Run("", "ChangeModal ShowForm=\"Y\";");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X", "Y"}));
  w.Run("", "ChangeModal HideForm=\"X\" ShowForm=\"Z\";");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"Z"}));
  w.Run("", "ShowModal Form=\"X\";HideModal Form=\"Z\";");
  EXPECT_TRUE(w.engine.ShownForms().empty());
  w.Run("", "ShowModal Form=\"X\";HideModalList Form=\"X\";Unknown;");  // with attributes: nothing
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X"}));
  w.Run("", "HideModalList;");
  EXPECT_TRUE(w.engine.ShownForms().empty());
}

TEST(InterfaceScripts, SemicolonsAndBlanksDecideWhatIsACommand) {
  TScriptWorld w;
  w.Run("", "ShowModal Form=\"X\";ShowModal Form=\"Y\"");  // no final ";": the last is lost
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X"}));
  w.Run("", "ShowModal Form=\"Z\"");
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X"}));
  w.Run("", "ShowModal Form=\"Y\"; ShowModal Form=\"Z\";");  // a blank after ";" empties the name
  EXPECT_EQ(Stack(w.engine), (std::vector<std::string>{"X", "Y"}));
  w.Run("", "SetProp Object=\"X_L\" Prop=\"Caption\" Value=\"a;b\";");
  EXPECT_EQ(w.Prop("X_L", "Caption"), "a;b");
  w.Run(
      "",
      "SetProp Object=\"Nobody\" Prop=\"Caption\" Value=\"x\";ExecMethod Method=\"Unpublished\";");
  EXPECT_THROW(w.Run("", "SetProp Object=\"X_L\" Prop=\"Left\" Value=\"x\";"), data::Error);
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 0);  // an error still empties the queue
  w.engine.QueueScript("", "");
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 0);
}

TEST(InterfaceScripts, HandlersSeeTheirSenderAndLaterScriptsAreDropped) {
  TScriptWorld w;
  std::vector<std::string> seen;
  w.host.Publish("Who", [&] {
    seen.push_back(w.engine.Sender() ? w.engine.Sender()->Name() : "none");
    w.engine.QueueScript("X_L", "ExecMethod Method=\"Who\";");  // queued during a run: dropped
  });
  w.engine.QueueScript("X_L", "ExecMethod Method=\"Who\";");
  EXPECT_EQ(w.engine.Sender()->Name(), "X_L");
  w.engine.QueueScript("Nobody", "ExecMethod Method=\"Who\";");
  EXPECT_EQ(w.engine.Sender(), nullptr);
  w.engine.RunScripts();
  EXPECT_EQ(seen, (std::vector<std::string>{"X_L", "none"}));
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 0);

  w.host.Publish("Clear", [&] { w.engine.ClearScripts(); });
  w.engine.QueueScript("", "ExecMethod Method=\"Clear\";PlaySound Sound=\"a.ogg\";");
  w.engine.QueueScript("", "PlaySound Sound=\"b.ogg\";");
  w.engine.RunScripts();  // clearing from a handler does not cut the run short
  EXPECT_EQ(w.graphic->Of("PlaySound").size(), 2u);
}

TEST(InterfaceScripts, ParsedCommandsKeepTheirAttributes) {
  TScriptWorld w;
  w.engine.QueueScript("X_L", "PlaySound Sound=\"x.ogg\";SetProp Object=\"a\" Prop;Broken x=\"1;");
  const data::TOrlXMLTag& script = *w.engine.ScriptQueue().GetTag(0);
  EXPECT_EQ(script.AttributeByName("Sender")->Value, "X_L");
  ASSERT_EQ(script.TagCount(), 2);  // the unterminated quote swallows the rest
  EXPECT_EQ(script.GetTag(0)->Name, "PlaySound");
  EXPECT_EQ(script.GetTag(0)->AttributeByName("Sound")->Value, "x.ogg");
  EXPECT_EQ(script.GetTag(1)->AttributeCount(), 1);  // attributes before the fault stay
  w.engine.ClearScripts();
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 0);
}
