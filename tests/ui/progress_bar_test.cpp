// tests/ui/progress_bar_test.cpp
#include <gtest/gtest.h>

#include "ui/progress_bar.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

TEST(ProgressBar, DrawsRoundedPiecesWithTiesToEven) {
  TWorld w;
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}, {"Left", "10"}, {"Top", "20"}}) +
      Obj("TOrlProgressBar", {{"ParentName", "W"},
                              {"Name", "W_PB"},
                              {"Width", "100"},
                              {"StepWidth", "10"},
                              {"Min", "0"},
                              {"Max", "100"},
                              {"BarPicture", "bar.png"},
                              {"BarShiftTop", "3"},
                              {"PictureAlpha", "77"}})));
  auto& bar = w.Get<ui::TOrlProgressBar>("W_PB");
  bar.Position = 55;
  EXPECT_EQ(bar.PieceCount(), 6);
  bar.Position = 45;
  EXPECT_EQ(bar.PieceCount(), 4);
  bar.Position = 250;  // not clamped
  EXPECT_EQ(bar.PieceCount(), 25);
  bar.Position = -5;
  EXPECT_EQ(bar.PieceCount(), 0);
  bar.Position = 30;
  bar.Paint();
  const auto draws = w.graphic->Of("Draw");
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[2].X, 10 + 20);
  EXPECT_EQ(draws[2].Y, 23);
  EXPECT_EQ(draws[2].Alpha, 77);
  bar.Max = 0;  // Max = Min
  EXPECT_EQ(bar.PieceCount(), 0);
  bar.Max = 100;
  bar.StepWidth = 0;
  EXPECT_EQ(bar.PieceCount(), 0);
}
