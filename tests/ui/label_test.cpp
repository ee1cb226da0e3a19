// tests/ui/label_test.cpp
#include <gtest/gtest.h>

#include "ui/form.hpp"
#include "ui/label.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

// Font "F": every character 6 pixels, lines 10 high; the label is 60 wide (10 characters).
ui::TOrlLabel& LoadLabel(TWorld& w,
                         std::initializer_list<std::pair<std::string, std::string>> extra) {
  std::string props;
  for (const auto& [n, v] : extra) props += "<p n=\"" + n + "\">" + v + "</p>";
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "Screen"},
                       {"Name", "W"},
                       {"Left", "100"},
                       {"Top", "100"},
                       {"Width", "300"},
                       {"Height", "300"},
                       {"Visible", "true"}}) +
      "<o c=\"TOrlLabel\"><p n=\"ParentName\">W</p><p n=\"Name\">W_L</p><p n=\"Width\">60</p>"
      "<p n=\"Height\">50</p><p n=\"Visible\">true</p><p n=\"FontName\">F</p>" +
      props + "</o>"));
  w.engine.ShowModal("W");
  return w.Get<ui::TOrlLabel>("W_L");
}

std::vector<std::u16string> Texts(const ui::TOrlLabel& label) {
  std::vector<std::u16string> out;
  for (const ui::TOrlTextLine& line : label.TextLines()) out.push_back(line.Text);
  return out;
}

}  // namespace

TEST(Label, WrapsAtBlanksCutsLongWordsAndFlattensLineBreaks) {
  TWorld w;
  ui::TOrlLabel& label = LoadLabel(w, {{"Caption", "hello world foo  "}});
  EXPECT_EQ(Texts(label), (std::vector<std::u16string>{u"hello", u"world foo"}));
  EXPECT_EQ(label.TextLines()[1].Width, 54);
  EXPECT_EQ(label.TextLines()[1].Blanks, 1);

  label.SetCaption(u"abcdefghijklmnop");
  EXPECT_EQ(Texts(label), (std::vector<std::u16string>{u"abcdefghij", u"klmnop"}));

  // The first character of a continued line is not measured, so that line holds one more.
  w.engine.SetObjectProperty("W_L", "Width", "20");
  label.SetCaption(u"abcdefgh");
  EXPECT_EQ(Texts(label), (std::vector<std::u16string>{u"abc", u"defg", u"h"}));
  w.engine.SetObjectProperty("W_L", "Width", "60");

  label.SetCaption(u"a\r\nb\tc");
  EXPECT_EQ(Texts(label), (std::vector<std::u16string>{u"a b c"}));

  label.SetCaption(u"");
  EXPECT_TRUE(label.TextLines().empty());
  w.engine.SetObjectProperty("W_L", "Caption", "abc");
  w.engine.SetObjectProperty("W_L", "FontName", "NoSuchFont");  // no font: no text at all
  EXPECT_TRUE(label.TextLines().empty());
}

TEST(Label, PlacesLinesByAlignmentAndLayout) {
  TWorld w;
  ui::TOrlLabel& label = LoadLabel(w, {{"Alignment", "taCenter"},
                                       {"Layout", "tlBottom"},
                                       {"LineSpace", "2"},
                                       {"TextShiftLeft", "1"},
                                       {"Caption", "hello world foo"}});
  ASSERT_EQ(label.TextLines().size(), 2u);
  EXPECT_EQ(label.TextLines()[0].X, 15 + 1);
  EXPECT_EQ(label.TextLines()[1].X, 3 + 1);
  EXPECT_EQ(label.TextLines()[0].Y, 50 - 22);
  EXPECT_EQ(label.TextLines()[1].Y, 50 + 12 - 22);
  w.engine.SetObjectProperty("W_L", "Alignment", "taRight");
  EXPECT_EQ(label.TextLines()[0].X, 60 + 1 - 30);
  w.engine.SetObjectProperty("W_L", "Layout", "tlCenter");
  EXPECT_EQ(label.TextLines()[0].Y, (50 - 22) / 2);
  // Height alone does not place the lines again.
  w.engine.SetObjectProperty("W_L", "Height", "100");
  EXPECT_EQ(label.TextLines()[0].Y, (50 - 22) / 2);
  w.engine.SetObjectProperty("W_L", "LineSpace", "2");
  EXPECT_EQ(label.TextLines()[0].Y, (100 - 22) / 2);
}

TEST(Label, MouseStatesQueueScriptsWithSounds) {
  TWorld w;
  ui::TOrlLabel& label = LoadLabel(w, {{"OnMouseDown", "ExecMethod Method=\"Down\";"},
                                       {"OnMouseUp", "ExecMethod Method=\"Up\";"},
                                       {"SoundMouseUp", "click.ogg"},
                                       {"OnMouseMove", "ExecMethod Method=\"Move\";"}});
  std::string calls;
  for (const char* m : {"Down", "Up", "Move"})
    w.host.Publish(m, [&calls, m] { calls += std::string(m) + " "; });
  w.engine.MouseMove(0, 110, 110);
  w.engine.MouseMove(0, 111, 110);  // every move inside queues again
  EXPECT_TRUE(label.Hover);
  w.engine.MouseDown(ui::mbRight, ui::ssRight, 110, 110);  // right button: nothing
  EXPECT_FALSE(label.Pressed);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 110, 110);
  EXPECT_TRUE(label.Pressed);
  w.engine.MouseUp(ui::mbLeft, 0, 250, 250);  // released outside: no script, not pressed
  EXPECT_FALSE(label.Pressed);
  EXPECT_EQ(calls, "Move Move Down ");
  EXPECT_TRUE(w.graphic->Of("PlaySound").empty());
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 110, 110);
  w.engine.MouseUp(ui::mbLeft, 0, 110, 110);
  EXPECT_EQ(calls, "Move Move Down Down Up ");
  ASSERT_EQ(w.graphic->Of("PlaySound").size(), 1u);
  EXPECT_EQ(w.graphic->Of("PlaySound")[0].Name, "click.ogg");
  w.engine.MouseMove(0, 300, 300);  // inside the form, off the label
  EXPECT_FALSE(label.Hover);
}

TEST(Label, PaintsPictureByStateAndTextInItsColour) {
  TWorld w;
  ui::TOrlLabel& label = LoadLabel(w, {{"Picture", "up.png"},
                                       {"MouseDownPicture", "down.png"},
                                       {"Caption", "ab"},
                                       {"Color", "1"},
                                       {"MouseOverColor", "2"},
                                       {"Alpha", "200"},
                                       {"PictureAlpha", "100"},
                                       {"TextDownShiftLeft", "1"},
                                       {"TextDownShiftTop", "2"}});
  w.engine.DrawAll();
  auto draws = w.graphic->Of("Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Name, "up.png");
  EXPECT_EQ(draws[0].X, 100);
  EXPECT_EQ(draws[0].Alpha, 100);
  auto text = w.graphic->Of("ExtDraw");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].X, 100);
  EXPECT_EQ(text[0].Color, 1u);
  EXPECT_EQ(text[0].Alpha, 200);

  w.graphic->Calls.clear();
  label.Hover = true;  // hovered, no MouseOverPicture: no picture at all
  label.Paint();
  EXPECT_TRUE(w.graphic->Of("Draw").empty());
  EXPECT_EQ(w.graphic->Of("ExtDraw")[0].Color, 2u);

  w.graphic->Calls.clear();
  label.Pressed = true;
  label.Paint();
  EXPECT_EQ(w.graphic->Of("Draw")[0].Name, "down.png");
  EXPECT_EQ(w.graphic->Of("ExtDraw")[0].X, 101);
  EXPECT_EQ(w.graphic->Of("ExtDraw")[0].Y, 102);
  EXPECT_EQ(label.GetPictures(), "up.png\r\ndown.png");
}

TEST(Label, JustifiedLinesButTheLastDrawCharacterByCharacter) {
  TWorld w;
  ui::TOrlLabel& label = LoadLabel(w, {{"Alignment", "taJustify"}, {"Caption", "ab cd ef gh"}});
  ASSERT_EQ(label.TextLines().size(), 2u);  // "ab cd ef" (48) and "gh"
  w.engine.DrawAll();
  const auto text = w.graphic->Of("ExtDraw");
  // Six letters of the first line one by one, then the last line in one call. 12 extra pixels
  // over 2 blanks: 6 each.
  ASSERT_EQ(text.size(), 7u);
  EXPECT_EQ(text[2].X, 100 + 18 + 6);
  EXPECT_EQ(text[4].X, 100 + 36 + 12);
  EXPECT_EQ(text[6].X, 100);
  EXPECT_EQ(text[6].Y, 110);
}
