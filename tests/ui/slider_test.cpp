// tests/ui/slider_test.cpp — sliders, and sliders scrolling grids.
#include <gtest/gtest.h>

#include "ui/grid.hpp"
#include "ui/slider.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

// A horizontal slider at (100, 200), 240 x 20: a centred track of 200 x 20 between two buttons of
// 20 x 20, a thumb of 20 x 20 travelling 180 pixels.
ui::TOrlSlider& LoadSlider(TWorld& w,
                           std::initializer_list<std::pair<std::string, std::string>> extra) {
  for (const char* p : {"track.png", "thumb.png", "up.png", "down.png"})
    w.graphic->SetPictureSize(p, 20, 20);
  w.graphic->SetPictureSize("track.png", 200, 20);
  std::string props;
  for (const auto& [n, v] : extra) props += "<p n=\"" + n + "\">" + v + "</p>";
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}, {"Width", "800"}, {"Height", "600"}}) +
      "<o c=\"TOrlSlider\"><p n=\"ParentName\">W</p><p n=\"Name\">W_S</p>"
      "<p n=\"Left\">100</p><p n=\"Top\">200</p><p n=\"Width\">240</p><p n=\"Height\">20</p>"
      "<p n=\"Visible\">true</p><p n=\"PictureHAlign\">phaCenter</p><p "
      "n=\"Picture\">track.png</p><p n=\"BarPicture\">thumb.png</p>"
      "<p n=\"UpPicture\">up.png</p><p n=\"DownPicture\">down.png</p>"
      "<p n=\"Max\">10</p><p n=\"Step\">1</p><p n=\"BigStep\">3</p>"
      "<p n=\"OnChange\">ExecMethod Method=\"Changed\";</p>" +
      props + "</o>"));
  w.engine.ShowModal("W");
  return w.Get<ui::TOrlSlider>("W_S");
}

}  // namespace

TEST(Slider, PositionClampsAndQueuesOnChangeOnlyOnChange) {
  TWorld w;
  ui::TOrlSlider& slider = LoadSlider(w, {{"Position", "10"}});
  int changes = 0;
  w.host.Publish("Changed", [&] { ++changes; });
  EXPECT_EQ(slider.Position, 10);
  EXPECT_EQ(w.engine.ScriptQueue().TagCount(), 0);  // values from the file are not changes
  // The down button sits at the right end: a step forward at Max changes nothing.
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 335, 210);
  EXPECT_EQ(slider.Position, 10);
  EXPECT_EQ(changes, 0);
  w.engine.SetObjectProperty("W_S", "Position", "-4");
  EXPECT_EQ(slider.Position, 0);
  w.engine.MouseMove(0, 0, 0);  // the queued OnChange runs with the next event
  EXPECT_EQ(changes, 1);
}

TEST(Slider, ThumbButtonsPagingAndDragging) {
  TWorld w;
  ui::TOrlSlider& slider = LoadSlider(w, {{"Position", "5"}, {"PictureAlpha", "90"}});
  EXPECT_EQ(slider.ThumbOffset(), 90);  // 5/10 of 180
  EXPECT_EQ(slider.UpButton().AbsLeft(), 100);
  EXPECT_EQ(slider.DownButton().AbsLeft(), 320);
  slider.Paint();
  const auto draws = w.graphic->Of("Draw");
  ASSERT_EQ(draws.size(), 4u);  // track, thumb, two buttons
  EXPECT_EQ(draws[1].Name, "thumb.png");
  EXPECT_EQ(draws[1].X, 100 + 20 + 90);
  EXPECT_EQ(draws[1].Y, 200);
  EXPECT_EQ(draws[3].Alpha, 90);

  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 150, 210);  // the track before the thumb
  EXPECT_EQ(slider.Position, 2);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 250, 210);  // after it
  EXPECT_EQ(slider.Position, 5);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 105, 210);  // the up button
  EXPECT_EQ(slider.Position, 4);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 200, 210);  // on the thumb (192..212)
  EXPECT_TRUE(slider.Dragging);
  w.engine.MouseMove(ui::ssLeft, 100 + 20 + 10 + 162, 210);  // 162 / 18 = 9
  EXPECT_EQ(slider.Position, 9);
  w.engine.MouseMove(ui::ssLeft, 790, 210);  // dragging goes on outside the slider
  EXPECT_EQ(slider.Position, 10);
  w.engine.MouseUp(ui::mbLeft, 0, 790, 210);
  EXPECT_FALSE(slider.Dragging);

  // The buttons follow when the form moves.
  w.engine.SetObjectProperty("W", "Left", "50");
  EXPECT_EQ(slider.UpButton().AbsLeft(), 150);
}

TEST(Slider, LinkedGridScrollsBothWays) {
  TWorld w;
  LoadSlider(w, {});
  w.Load(Interface(
      Obj("TOrlGrid",
          {{"ParentName", "W"},
           {"Name", "W_G"},
           {"Width", "100"},
           {"Height", "40"},
           {"RowsHeight", "10"},
           {"AddColumns", "Width=\"100\""},
           {"AddCells", "Text=\"a\";Text=\"b\";Text=\"c\";Text=\"d\";Text=\"e\";Text=\"f\""},
           {"LinkedObjectName", "W_S"}})));
  auto& slider = w.Get<ui::TOrlSlider>("W_S");
  auto& grid = w.Get<ui::TOrlGrid>("W_G");
  EXPECT_EQ(slider.LinkedGrid(), &grid);
  EXPECT_EQ(slider.LinkedObjectName, "W_G");
  EXPECT_EQ(slider.Max, 5);
  w.engine.SetObjectProperty("W_S", "Position", "5");
  EXPECT_EQ(grid.Position, 5);
  EXPECT_EQ(grid.TopRow, 2);  // four rows show
  grid.AddCells("Text=\"g\"");
  EXPECT_EQ(slider.Max, 6);
  w.engine.SetObjectProperty("W_G", "FixedRow", "true");
  EXPECT_EQ(slider.Max, 5);
  grid.ClearRows();
  EXPECT_EQ(slider.Position, 0);
  w.engine.DeleteByName("W_G");
  EXPECT_EQ(slider.LinkedGrid(), nullptr);
  w.engine.SetObjectProperty("W_S", "Position", "3");
}
