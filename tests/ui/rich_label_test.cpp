// tests/ui/rich_label_test.cpp
#include <gtest/gtest.h>

#include "ui/rich_label.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

// A rich label at (10, 20), 100 wide, font "F" (6 pixels a character, lines 10 high).
ui::TOrlRichLabel& LoadRich(TWorld& w, const std::string& caption, const std::string& extra = {}) {
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "S"},
                       {"Name", "W"},
                       {"Width", "800"},
                       {"Height", "600"},
                       {"Visible", "true"}}) +
      "<o c=\"TOrlRichLabel\"><p n=\"ParentName\">W</p><p n=\"Name\">W_R</p>"
      "<p n=\"Left\">10</p><p n=\"Top\">20</p><p n=\"Width\">100</p><p n=\"Height\">200</p>"
      "<p n=\"Visible\">true</p><p n=\"Color\">1</p><p n=\"LinkColor\">5</p>"
      "<p n=\"LinkMouseOverColor\">6</p><p n=\"FontName\">F</p>" +
      extra + "<p n=\"Caption\">" + caption + "</p></o>"));
  w.engine.ShowModal("W");
  return w.Get<ui::TOrlRichLabel>("W_R");
}

struct TWordAt {
  std::u16string Text;
  int X, Y;
  bool operator==(const TWordAt&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TWordAt& w) {
  return os << std::string(w.Text.begin(), w.Text.end()) << "@" << w.X << "," << w.Y;
}

std::vector<TWordAt> Layout(const ui::TOrlRichLabel& label) {
  std::vector<TWordAt> out;
  for (const ui::TOrlTextLine& w : label.Words()) out.push_back({w.Text, w.X, w.Y});
  return out;
}

}  // namespace

TEST(RichLabel, BracesColoursAndCutWords) {
  TWorld w;
  ui::TOrlRichLabel& label = LoadRich(w, "{{a}} {$FF}red{/$} back");
  EXPECT_EQ(Layout(label),
            (std::vector<TWordAt>{{u"{a}", 0, 0}, {u"red", 24, 0}, {u"back", 48, 0}}));
  EXPECT_EQ(label.Words()[1].Color, 255);
  EXPECT_EQ(label.Words()[2].Color, 1);
  EXPECT_EQ(label.Words()[0].Blanks, 1);
  EXPECT_EQ(label.Words()[0].BlankWidth, 6);

  label.SetCaption(u"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(Layout(label),
            (std::vector<TWordAt>{{u"abcdefghijklmnop", 0, 0}, {u"qrstuvwxyz", 0, 10}}));
  label.SetCaption(u"a{BR 25/}b{BR/}c {HR 7/}d");
  EXPECT_EQ(Layout(label),
            (std::vector<TWordAt>{{u"a", 0, 0}, {u"b", 0, 25}, {u"c", 0, 35}, {u"d", 19, 35}}));
  label.SetCaption(u"{Unknown}x{");  // unknown and unterminated tags do nothing
  EXPECT_EQ(Layout(label), (std::vector<TWordAt>{{u"x", 0, 0}}));
}

TEST(RichLabel, ParagraphsAlignTheirLines) {
  TWorld w;
  ui::TOrlRichLabel& label = LoadRich(w, "x {Center}ab cd{/Center}y");
  EXPECT_EQ(Layout(label),
            (std::vector<TWordAt>{{u"x", 0, 0}, {u"ab", 35, 10}, {u"cd", 53, 10}, {u"y", 0, 20}}));
  label.SetCaption(u"{Right}ab{/Right}");
  EXPECT_EQ(Layout(label), (std::vector<TWordAt>{{u"ab", 88, 0}}));
  label.SetCaption(u"{Justify}aa bb cc dd ee ff{/Justify}");
  EXPECT_EQ(Layout(label), (std::vector<TWordAt>{{u"aa", 0, 0},
                                                 {u"bb", 22, 0},
                                                 {u"cc", 44, 0},
                                                 {u"dd", 66, 0},
                                                 {u"ee", 88, 0},
                                                 {u"ff", 0, 10}}));
  // 10 spare pixels over 3 blanks: 3 each, and the third blank (step 3) one more.
  label.SetCaption(u"{Justify}aaa bbb ccc ddd eee{/Justify}");
  EXPECT_EQ(
      Layout(label),
      (std::vector<TWordAt>{
          {u"aaa", 0, 0}, {u"bbb", 27, 0}, {u"ccc", 54, 0}, {u"ddd", 82, 0}, {u"eee", 0, 10}}));
  w.engine.SetObjectProperty("W_R", "Alignment", "taCenter");
  label.SetCaption(u"abc");  // the label's own alignment applies to its last line too
  EXPECT_EQ(Layout(label), (std::vector<TWordAt>{{u"abc", 41, 0}}));
}

TEST(RichLabel, TablesPlaceCellsAtTheirColumns) {
  TWorld w;
  ui::TOrlRichLabel& label =
      LoadRich(w, "{Table}{TLeft 10/}ab{TRight 90/}cd{TCenter 50/}e f{/Table}z");
  EXPECT_EQ(Layout(label),
            (std::vector<TWordAt>{
                {u"ab", 10, 10}, {u"cd", 78, 10}, {u"e", 41, 10}, {u"f", 53, 10}, {u"z", 0, 20}}));
  // A row ended by BR and the next row's first cell tag align a left cell twice.
  label.SetCaption(u"{Table}{TLeft 10/}a{BR/}{TLeft 10/}b{/Table}");
  EXPECT_EQ(Layout(label), (std::vector<TWordAt>{{u"a", 20, 10}, {u"b", 10, 20}}));
}

TEST(RichLabel, LinksAreOneWordWithALabelThatRunsTheScript) {
  TWorld w;
  ui::TOrlRichLabel& label =
      LoadRich(w, "go {Link Action=ExecMethod Method=\"Go\";}click me{/Link} now");
  EXPECT_EQ(Layout(label), (std::vector<TWordAt>{{u"go", 0, 0}, {u"", 18, 0}, {u"now", 72, 0}}));
  ASSERT_EQ(label.LinkLabels().size(), 1u);
  const ui::TOrlLabel& link = *label.LinkLabels()[0];
  EXPECT_EQ(label.Words()[1].Color, 0);  // the link label's index
  EXPECT_EQ(link.Caption, u"click me");
  EXPECT_EQ(link.Width(), 48);
  EXPECT_EQ(link.AbsLeft(), 28);
  EXPECT_EQ(link.AbsTop(), 20);
  bool went = false;
  w.host.Publish("Go", [&] { went = true; });
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 12, 25);  // on "go": no link
  EXPECT_FALSE(went);
  w.engine.MouseMove(0, 30, 25);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 30, 25);
  EXPECT_TRUE(went);

  w.graphic->Calls.clear();
  label.Paint();
  const auto text = w.graphic->Of("ExtDraw");
  ASSERT_EQ(text.size(), 3u);  // "go", "now", then the link in its hover colour
  EXPECT_EQ(text[0].X, 10);
  EXPECT_EQ(text[0].Alpha, 255);
  EXPECT_EQ(text[1].X, 82);
  EXPECT_EQ(text[2].Color, 6u);
  EXPECT_EQ(text[2].Glyphs.size(), 8u);

  label.SetCaption(u"{Link Action=x}aaaaaaaaaaaaaaa bbbbbbbbb{/Link}");  // never wraps inside
  EXPECT_EQ(label.LinkLabels().size(), 1u);
  w.engine.SetObjectProperty("W", "Left", "100");  // the link label moves with the form
  EXPECT_EQ(label.LinkLabels()[0]->AbsLeft(), 110 + label.Words().back().X);
}

TEST(RichLabel, ZeroWidthAndOversizedCharactersStillFinish) {
  TWorld w;
  ui::TOrlRichLabel& label = LoadRich(w, "abc def", "<p n=\"TextShiftLeft\">100</p>");
  EXPECT_EQ(label.Words().size(), 6u);  // no room: one character a word, never stuck
  label.SetCaption(u"");
  EXPECT_TRUE(label.Words().empty());
}

TEST(RichLabel, MalformedMarkUpNeverBreaksTheLayout) {
  TWorld w;
  ui::TOrlRichLabel& label = LoadRich(w, "start");
  for (const char16_t* caption :
       {u"{", u"}}}", u"{{{", u"{Link Action", u"{/Link}{/Link}x", u"{Link Action=}",
        u"{TLeft x/}a", u"{F}a{/F}{/F}{/$}{/$}b", u"{/Center}{/Justify}{/Table}c",
        u"{BR /}{HR 9999999999/}{$zz}d", u"{Table}{TCenter 5/}{BR 3/}{TRight 2/}",
        u"{Link Action=a}{Link Action=b}x{/Link}",
        u"{HR 5/}{Center}{Center}{Justify} {Left}  y{/Left}"}) {
    label.SetCaption(caption);
    label.Paint();
  }
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 12, 22);
  SUCCEED();
}

TEST(RichLabel, PictureKeepsItsPlacementUnlikeAPlainLabel) {
  TWorld w;
  w.graphic->SetPictureSize("page.png", 40, 30);
  LoadRich(w, "ab",
           "<p n=\"Picture\">page.png</p><p n=\"PictureHAlign\">phaCenter</p>"
           "<p n=\"PictureVAlign\">pvaBottom</p><p n=\"PictureAlpha\">90</p>");
  w.engine.DrawAll();
  const auto draws = w.graphic->Of("Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].X, 10 + 50 - 20);
  EXPECT_EQ(draws[0].Y, 20 + 200 - 30);
  EXPECT_EQ(draws[0].Alpha, 90);
}
