// tests/ui/grid_test.cpp
#include <gtest/gtest.h>

#include "data/error.hpp"
#include "ui/grid.hpp"
#include "ui_test_support.hpp"

using ui_test::Interface;
using ui_test::Obj;
using ui_test::TWorld;

namespace {

std::string Rows(int n) {
  std::string cells;
  for (int i = 0; i < n; ++i) cells += "Text=\"r" + std::to_string(i) + "\";Text=\"x\";";
  return cells;
}

// A grid at (10, 20): two columns, rows 20 high, border 0, divisor 2, 102 high.
ui::TOrlGrid& LoadGrid(TWorld& w, bool fixedRow, int rows) {
  w.Load(Interface(
      Obj("TOrlForm", {{"ParentName", "S"}, {"Name", "W"}, {"Width", "800"}, {"Height", "600"}}) +
      Obj("TOrlGrid", {{"ParentName", "W"},
                       {"Name", "W_G"},
                       {"Left", "10"},
                       {"Top", "20"},
                       {"Width", "200"},
                       {"Height", "102"},
                       {"RowsHeight", "20"},
                       {"DivisorHeight", "2"},
                       {"FixedRow", fixedRow ? "true" : "false"},
                       {"Visible", "true"},
                       {"CursorPicture", "cursor.png"},
                       {"NotActiveCursorAlpha", "60"},
                       {"FixedColor", "7"},
                       {"RowMouseOverColor", "8"},
                       {"AddColumns",
                        "Width=\"120\" FontName=\"F\";Width=\"80\" "
                        "Alignment=\"taRight\""},
                       {"AddCells", Rows(rows)},
                       {"TabOrder", "0"},
                       {"OnMouseDown", "ExecMethod Method=\"Row\";"}})));
  w.engine.ShowModal("W");
  return w.Get<ui::TOrlGrid>("W_G");
}

}  // namespace

TEST(Grid, ColumnsCellsAndRowCounts) {
  TWorld w;
  ui::TOrlGrid& grid = LoadGrid(w, true, 10);
  EXPECT_EQ(grid.RowCount, 10);
  EXPECT_EQ(grid.VisibleRows(), 4);
  EXPECT_EQ(grid.Columns()[1].Alignment, ui::taRight);
  grid.SetCells("Text=\"Name\";Text=\"Score\" Color=\"3\";Color=\"4\"");
  EXPECT_EQ(grid.GridCells()[1].Text, u"Score");
  EXPECT_EQ(grid.GridCells()[1].Color, 3);
  EXPECT_EQ(grid.GridCells()[2].Text, u"r1");
  EXPECT_EQ(w.Prop("W_G", "Cells"), "Text=\"Name\";Text=\"Score\" Color=\"3\";Color=\"4\"");
  EXPECT_EQ(w.Prop("W_G", "AddCells"), "");  // write-only
  EXPECT_THROW(grid.AddCells("Text=\"ok\";Colour=\"1\""), data::Error);
  EXPECT_THROW(grid.AddColumns("Width=\"wide\""), data::Error);
  EXPECT_EQ(grid.GridCells().size(), 20u);  // a bad list adds nothing
  grid.AddCells("Text=\"half\"");           // half a row is not a row yet...
  EXPECT_EQ(grid.RowCount, 10);
  grid.AddCells("Text=\"done\"");  // ...until the second cell arrives
  EXPECT_EQ(grid.RowCount, 11);
  grid.Position = 0;
  EXPECT_EQ(grid.SelectedText(), u"r1");  // the first data row, below the header
  grid.ClearRows();
  EXPECT_EQ(grid.RowCount, 1);
  EXPECT_EQ(grid.GridCells().size(), 2u);
  EXPECT_EQ(grid.SelectedText(), u"");
}

TEST(Grid, KeysScrollAndMoveTheSelection) {
  TWorld w;
  ui::TOrlGrid& grid = LoadGrid(w, true, 10);  // data rows 0..8, four on screen
  int rows = 0;
  w.host.Publish("Row", [&] { ++rows; });
  grid.SetFocused(true);
  for (int i = 0; i < 3; ++i) w.engine.KeyDown(ui::kKeyDown, 0);
  EXPECT_EQ(grid.Position, 3);
  EXPECT_EQ(grid.TopRow, 0);
  w.engine.KeyDown(ui::kKeyDown, 0);  // at the last visible row: scrolls by one
  EXPECT_EQ(grid.Position, 4);
  EXPECT_EQ(grid.TopRow, 1);
  w.engine.KeyDown(ui::kKeyEnd, 0);
  EXPECT_EQ(grid.Position, 8);
  EXPECT_EQ(grid.TopRow, 5);
  w.engine.KeyDown(ui::kKeyDown, 0);  // at the last row
  EXPECT_EQ(grid.Position, 8);
  w.engine.KeyDown(ui::kKeyPageUp, 0);
  EXPECT_EQ(grid.TopRow, 0);  // with a header, a page back from row 5 of 4 goes to the top
  EXPECT_EQ(grid.Position, 3);
  w.engine.KeyDown(ui::kKeyHome, 0);
  EXPECT_EQ(grid.Position, 0);
  w.engine.KeyDown(ui::kKeyUp, 0);
  EXPECT_EQ(grid.Position, 0);
  EXPECT_EQ(rows, 9);
  bool handled = false;
  w.engine.MouseWheel(0, -120, 50, 50, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(grid.Position, 1);
  grid.SetFocused(false);
  w.engine.KeyDown(ui::kKeyDown, 0);
  EXPECT_EQ(grid.Position, 1);
}

TEST(Grid, ClicksSelectRowsAndMovesHover) {
  TWorld w;
  ui::TOrlGrid& grid = LoadGrid(w, true, 10);
  int rows = 0;
  w.host.Publish("Row", [&] { ++rows; });
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 50, 20 + 22 + 45);  // data area starts at 42
  EXPECT_EQ(grid.Position, 2);
  EXPECT_TRUE(grid.Focused);
  EXPECT_EQ(rows, 1);
  w.engine.MouseDown(ui::mbLeft, ui::ssLeft, 50, 25);  // the header: no row, script still runs
  EXPECT_EQ(grid.Position, 2);
  EXPECT_EQ(rows, 2);
  w.engine.MouseMove(0, 50, 20 + 22 + 5);
  EXPECT_EQ(grid.HoverRow, 1);
  w.engine.MouseMove(0, 50, 300);
  EXPECT_EQ(grid.HoverRow, -1);
}

TEST(Grid, PaintsCursorHeaderAndVisibleRows) {
  TWorld w;
  w.graphic->SetPictureSize("cursor.png", 200, 16);
  ui::TOrlGrid& grid = LoadGrid(w, true, 10);
  grid.TopRow = 1;
  grid.Position = 2;
  grid.HoverRow = 1;
  grid.Paint();
  const auto cursor = w.graphic->Of("DrawColoredAlpha");  // not focused: the dim cursor
  ASSERT_EQ(cursor.size(), 1u);
  EXPECT_EQ(cursor[0].Y, 20 + 2 + 2 + 20 * 2);
  EXPECT_EQ(cursor[0].Alpha, 60);
  const auto text = w.graphic->Of("ExtDraw");
  ASSERT_EQ(text.size(), 10u);  // header + rows 2..5, two cells each
  EXPECT_EQ(text[0].Y, 20);
  EXPECT_EQ(text[0].Color, 7u);
  EXPECT_EQ(text[2].Y, 20 + 20 + 2);
  EXPECT_EQ(text[2].Color, 8u);  // screen row 1 is hovered
  EXPECT_EQ(text[2].Alpha, 255);
  EXPECT_EQ(text[3].X, 10 + 120);  // a cell keeps its own alignment, not its column's
}
