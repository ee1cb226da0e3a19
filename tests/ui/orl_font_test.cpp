// tests/ui/orl_font_test.cpp
#include <gtest/gtest.h>

#include "data/error.hpp"
#include "ui/label.hpp"
#include "ui/orl_font.hpp"
#include "ui_test_support.hpp"

using ui_test::TWorld;

TEST(OrlFont, SingleGlyphMeasuresAndDrawsEveryCharacter) {
  TWorld w;
  ui::TOrlFont& font = *w.fonts.FindFont("F");
  EXPECT_EQ(font.TextAdvance(u""), 0);
  EXPECT_EQ(font.TextAdvance(u"   "), 18);
  EXPECT_EQ(font.TextAdvance(u"Zé"), 12);

  font.DrawText(100, 50, u"   ", 255, 7);
  EXPECT_TRUE(w.graphic->Calls.empty());  // blanks only: nothing drawn

  font.DrawText(100, 50, u" ab", 200, 0x1234);
  ASSERT_EQ(w.graphic->Calls.size(), 1u);
  const ui_test::TCall& call = w.graphic->Calls[0];
  EXPECT_EQ(call.Name, "F.png");
  ASSERT_EQ(call.Glyphs.size(), 3u);
  EXPECT_EQ(call.Glyphs[1].X, 106);
  EXPECT_EQ(call.Glyphs[2].X, 112);
  EXPECT_EQ(call.Glyphs[2].Y, 50);
  EXPECT_EQ(call.Glyphs[2].Source, (ui::TRect{0, 0, 4, 9}));
  EXPECT_EQ(call.Glyphs[2].Color, 0x1234u);
  EXPECT_EQ(call.Glyphs[2].Alpha, 200);
}

TEST(OrlFont, MetricsEntriesFillRecordsAndLaterCodesWin) {
  ui::TOrlFont font;
  font.SetMetrics("65:1:2:3:4:5,66:10:0,65:20:0:1:7:2");
  ASSERT_EQ(font.Glyphs().size(), 3u);
  EXPECT_EQ(font.Glyphs()[1].Width, 0);  // missing trailing fields stay 0
  EXPECT_EQ(font.GlyphOf(u'A').X, 20);   // the later entry for "A" is used
  EXPECT_EQ(font.CharAdvance(u'A'), 10);
  EXPECT_EQ(font.GlyphOf(u'?').X, 1);     // no glyph of its own: the first record
  font.SetMetrics("65:1:2:3:4:5:99:98");  // fields beyond the sixth are ignored
  EXPECT_EQ(font.CharAdvance(u'A'), 12);
}

TEST(OrlFont, BadMetricsRaiseAndKeepTheFont) {
  ui::TOrlFont font;
  font.SetMetrics("65:0:0:0:5:1");
  EXPECT_THROW(font.SetMetrics("65:0:x:0:5:1"), data::Error);
  EXPECT_THROW(font.SetMetrics("70000:0:0:0:5:1"), data::Error);  // not a 16-bit code unit
  EXPECT_THROW(font.SetMetrics("-1"), data::Error);
  EXPECT_EQ(font.CharAdvance(u'A'), 6);
  ui::TOrlFont empty;
  EXPECT_EQ(empty.TextAdvance(u"abc"), 0);  // no metrics: measures nothing, never crashes
}

TEST(OrlFont, LongTextsGoOutInSeveralBatches) {
  TWorld w;
  w.fonts.FindFont("F")->DrawText(0, 0, std::u16string(3500, u'x'), 255, 0);
  ASSERT_EQ(w.graphic->Calls.size(), 2u);
  EXPECT_EQ(w.graphic->Calls[0].Glyphs.size(), 3000u);
  EXPECT_EQ(w.graphic->Calls[1].Glyphs.size(), 500u);
  EXPECT_EQ(w.graphic->Calls[1].Glyphs[0].X, 3000 * 6);
}

TEST(OrlFont, FontFilesLoadByPropertyAndBadFilesAddNothing) {
  TWorld w;
  data::TMemoryStream good(
      "<?xml version=\"1.0\"?><Font><Metrics>32:0:0:0:3:0</Metrics>"
      "<Height>12</Height><Name>Small</Name><Picture>s.png</Picture></Font>"
      "<Other><Name>Ignored</Name></Other>");
  ui::TOrlFont& small = w.fonts.LoadFromStream(good);
  EXPECT_EQ(small.Height, 12);
  EXPECT_EQ(small.Picture, "s.png");
  EXPECT_EQ(w.fonts.FindFont("Small"), &small);
  EXPECT_EQ(w.fonts.FindFont("Ignored"), nullptr);
  const int count = w.fonts.Count();
  data::TMemoryStream badValue("<Font><Name>Bad</Name><Height>tall</Height></Font>");
  EXPECT_THROW(w.fonts.LoadFromStream(badValue), data::Error);
  data::TMemoryStream badName("<Font><Name>Bad</Name><Colour>1</Colour></Font>");
  EXPECT_THROW(w.fonts.LoadFromStream(badName), data::Error);
  data::TMemoryStream nothing("just text");
  EXPECT_THROW(w.fonts.LoadFromStream(nothing), data::Error);
  EXPECT_EQ(w.fonts.Count(), count);
  EXPECT_EQ(w.fonts.FindFont("Bad"), nullptr);
}

TEST(OrlFont, JustifiedLineSpreadsTheRemainderOverOneBlank) {
  TWorld w;
  // Glyphs 10 pixels wide except the blank (code 32) at 10: a line "ab cd ef gh" of 100 pixels
  // would need care; use 4 words of 2 letters and blanks of 6: 8*10 + 3*6 = 98.
  ui::TOrlFont& font = w.AddFont("J", 10, "97:0:0:0:10:0,32:0:0:0:6:0");
  ui::TOrlLabel label;
  label.PlaceAt(100, 20);
  label.Alpha = 255;
  label.Color = 5;
  ui::TOrlTextLine line;
  line.Text = u"aa aa aa aa";
  line.Width = font.TextAdvance(line.Text);
  line.Blanks = 3;
  ASSERT_EQ(line.Width, 98);
  font.DrawJustified(label, line, 105, false, 0, 0);  // extra 7: base 2, remainder 1, step 3
  std::vector<int> xs;
  for (const ui_test::TCall& c : w.graphic->Calls) xs.push_back(c.X);
  // Only the letters draw; blank k gets 2 pixels, the third 3.
  EXPECT_EQ(xs, (std::vector<int>{100, 110, 128, 138, 156, 166, 185, 195}));
  EXPECT_EQ(w.graphic->Calls[0].Color, 5u);
}
