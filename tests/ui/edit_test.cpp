// tests/ui/edit_test.cpp
#include <gtest/gtest.h>

#include "ui/edit.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

// An edit at (100, 50), 120 wide, font "F" (6 pixels a character), text 3 pixels in.
ui::TOrlEdit& LoadEdit(TWorld& w,
                       std::initializer_list<std::pair<std::string, std::string>> extra) {
  std::string props;
  for (const auto& [n, v] : extra) props += "<p n=\"" + n + "\">" + v + "</p>";
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}, {"Width", "800"}, {"Height", "600"}}) +
      "<o c=\"TOrlEdit\"><p n=\"ParentName\">W</p><p n=\"Name\">W_E</p>"
      "<p n=\"Left\">100</p><p n=\"Top\">50</p><p n=\"Width\">120</p><p n=\"Height\">20</p>"
      "<p n=\"Visible\">true</p><p n=\"FontName\">F</p><p n=\"MaxLength\">8</p>"
      "<p n=\"MaxWidth\">60</p><p n=\"TextShiftLeft\">3</p>" +
      props + "</o>"));
  w.engine.ShowModal("W");
  auto& edit = w.Get<ui::TOrlEdit>("W_E");
  edit.SetFocused(true);
  return edit;
}

void Type(ui::TOrlEdit& edit, std::u16string_view keys) {
  for (char16_t k : keys) edit.KeyPress(k);
}

}  // namespace

TEST(Edit, FiltersTypedAndAssignedText) {
  TWorld w;
  ui::TOrlEdit& edit = LoadEdit(w, {{"InputMode", "imNumbersOnly"}, {"Caption", "a1b2"}});
  EXPECT_EQ(edit.Caption, u"12");
  EXPECT_EQ(edit.Caret, 3);
  edit.SelStart = edit.SelEnd = edit.Caret;
  Type(edit, u"x3");
  EXPECT_EQ(edit.Caption, u"123");
  w.engine.SetObjectProperty("W_E", "InputMode", "imNormal");
  w.engine.SetObjectProperty("W_E", "ForbiddenChars", "/\\2");
  EXPECT_EQ(edit.Caption, u"13");
  Type(edit, u"a/b");
  EXPECT_EQ(edit.Caption, u"13ab");
}

TEST(Edit, LengthAndWidthLimits) {
  TWorld w;
  ui::TOrlEdit& edit = LoadEdit(w, {{"Caption", "abcdefgh"}});  // 8 characters = MaxLength
  edit.KeyPress(1);  // even Ctrl+A is ignored once the text is full
  EXPECT_EQ(edit.SelStart, 1);
  EXPECT_EQ(edit.SelEnd, 9);
  edit.SelStart = edit.SelEnd = 0;
  edit.KeyPress(1);
  EXPECT_EQ(edit.SelEnd, 0);
  w.engine.SetObjectProperty("W_E", "Caption", "");
  edit.SelStart = edit.SelEnd = 1;
  Type(edit, u"abcdefghij");
  EXPECT_EQ(edit.Caption, u"abcdefgh");  // 8 * 6 = 48 < 60 - 3; the ninth is past MaxLength
  w.engine.SetObjectProperty("W_E", "MaxWidth", "40");
  w.engine.SetObjectProperty("W_E", "Caption", "");
  Type(edit, u"abcdefgh");
  EXPECT_EQ(edit.Caption, u"abcdef");  // 36 < 37, 42 is not
  w.engine.SetObjectProperty("W_E", "ReadOnly", "true");
  edit.KeyDown(ui::kKeyBack, 0);
  EXPECT_EQ(edit.Caption, u"abcdef");
}

TEST(Edit, KeysMoveTheCaretAndEditTheSelection) {
  TWorld w;
  ui::TOrlEdit& edit = LoadEdit(w, {{"Caption", "abcd"}});
  edit.SetFocused(true);  // everything selected
  edit.KeyDown(ui::kKeyLeft, 0);
  EXPECT_EQ(edit.Caret, 4);
  EXPECT_EQ(edit.SelStart, 4);
  edit.KeyDown(ui::kKeyLeft, ui::ssShift);
  edit.KeyDown(ui::kKeyLeft, ui::ssShift);
  EXPECT_EQ(edit.SelStart, 4);
  EXPECT_EQ(edit.SelEnd, 2);
  edit.KeyDown(ui::kKeyDelete, 0);  // deletes the selection "bc"
  EXPECT_EQ(edit.Caption, u"ad");
  EXPECT_EQ(edit.Caret, 2);
  edit.KeyDown(ui::kKeyBack, 0);
  EXPECT_EQ(edit.Caption, u"d");
  edit.KeyDown(ui::kKeyBack, 0);  // at the start: nothing
  EXPECT_EQ(edit.Caption, u"d");
  edit.KeyDown(ui::kKeyDelete, 0);
  EXPECT_EQ(edit.Caption, u"");
  w.engine.SetObjectProperty("W_E", "Caption", "xyz");
  edit.KeyDown(ui::kKeyHome, 0);
  edit.KeyDown(ui::kKeyEnd, ui::ssShift);
  EXPECT_EQ(edit.SelStart, 1);
  EXPECT_EQ(edit.SelEnd, 4);
  edit.KeyDown(ui::kKeyRight, 0);  // at the end: nothing moves
  EXPECT_EQ(edit.SelStart, 1);
  edit.KeyPress(u'Q');  // typing replaces the selection
  EXPECT_EQ(edit.Caption, u"Q");
  EXPECT_EQ(edit.Caret, 2);
}

TEST(Edit, ClipboardCopiesCutsAndPastesWithinTheLimits) {
  TWorld w;
  ui::TOrlEdit& edit = LoadEdit(w, {{"Caption", "hello"}, {"ForbiddenChars", "/"}});
  edit.SetFocused(true);
  edit.KeyPress(3);
  EXPECT_EQ(w.clipboard.GetText(), "hello");
  edit.SelStart = 2;
  edit.SelEnd = 4;
  edit.KeyPress(24);
  EXPECT_EQ(w.clipboard.GetText(), "el");
  EXPECT_EQ(edit.Caption, u"hlo");
  w.clipboard.SetText("a/b\r\nc\td");
  edit.KeyPress(22);  // line breaks become blanks, forbidden characters go, 5 characters fit
  EXPECT_EQ(edit.Caption, u"hab c lo");
  EXPECT_EQ(edit.Caret, 7);
  // Too wide: shortened from the end until it fits (60 - 48 - 3 leaves 9 pixels: one character).
  w.engine.SetObjectProperty("W_E", "Caption", "12345678");
  w.engine.SetObjectProperty("W_E", "MaxLength", "12");
  w.clipboard.SetText("wxyz");
  edit.SelStart = edit.SelEnd = edit.Caret;
  edit.KeyPress(22);
  EXPECT_EQ(edit.Caption, u"12345678w");

  ui::TOrlEdit& secret = LoadEdit(w, {{"Caption", "pw"}, {"PasswordChar", "*"}});
  w.clipboard.SetText("unchanged");
  secret.SetFocused(true);
  secret.KeyPress(3);
  secret.KeyPress(24);
  EXPECT_EQ(w.clipboard.GetText(), "unchanged");  // a password never reaches the clipboard
  EXPECT_EQ(secret.Caption, u"");
}

TEST(Edit, MousePlacesTheCaretAndSelects) {
  TWorld w;
  ui::TOrlEdit& edit = LoadEdit(w, {{"Caption", "abcdef"}});
  edit.SetFocused(false);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 100 + 14, 55);  // inside the third character
  EXPECT_TRUE(edit.Focused);
  EXPECT_EQ(edit.Caret, 3);
  EXPECT_EQ(edit.SelStart, 3);
  w.engine.MouseMove(ui::ssLeft, 100 + 29, 55);  // drag
  EXPECT_EQ(edit.SelStart, 3);
  EXPECT_EQ(edit.SelEnd, 5);
  w.engine.MouseUp(ui::mbLeft, 0, 129, 55);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 100 + 200, 55);  // outside: selection cleared
  EXPECT_EQ(edit.SelStart, 1);
  EXPECT_EQ(edit.SelEnd, 1);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft | ui::ssDouble, 110, 55);
  EXPECT_EQ(edit.SelStart, 1);
  EXPECT_EQ(edit.SelEnd, 7);
  w.engine.MouseMove(ui::ssLeft, 100, 55);  // no drag after a double click
  EXPECT_EQ(edit.SelEnd, 7);
}

TEST(Edit, PaintsSelectionColoursAndABlinkingCaret) {
  TWorld w;
  w.graphic->SetPictureSize("caret.png", 4, 12);
  ui::TOrlEdit& edit = LoadEdit(w, {{"Caption", "abc"},
                                    {"Color", "1"},
                                    {"SelectColor", "2"},
                                    {"CursorPicture", "caret.png"},
                                    {"Alpha", "255"}});
  edit.SelStart = 2;
  edit.SelEnd = 3;
  edit.Caret = 3;
  w.now = 500;  // odd half second: caret hidden
  edit.Paint();
  auto text = w.graphic->Of("ExtDraw");
  ASSERT_EQ(text.size(), 3u);
  EXPECT_EQ(text[0].Color, 1u);
  EXPECT_EQ(text[1].Color, 2u);
  EXPECT_EQ(text[1].X, 100 + 3 + 6);
  EXPECT_TRUE(w.graphic->Of("Draw").empty());
  w.graphic->Calls.clear();
  w.now = 1000;
  edit.Paint();
  const auto caret = w.graphic->Of("Draw");
  ASSERT_EQ(caret.size(), 1u);
  EXPECT_EQ(caret[0].X, 100 + 3 + 12 - 2 - 1);

  w.graphic->Calls.clear();
  edit.PasswordChar = "*";
  edit.Paint();
  ASSERT_EQ(w.graphic->Of("ExtDraw").size(), 1u);  // the mask in one piece
  EXPECT_EQ(w.graphic->Of("ExtDraw")[0].Glyphs.size(), 3u);
}
