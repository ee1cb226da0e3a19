// tests/shell/grid_rows_test.cpp — the game's list rows draw in their columns' look.
#include "shell/grid_rows.hpp"

#include <gtest/gtest.h>

#include "ui/grid.hpp"

namespace {

TEST(GridRows, EachCellTakesItsColumnsColourAlignmentAndLayout) {
  ui::TOrlGrid grid;
  grid.AddColumns(
      "Width=\"50\" Color=\"16711680\";Width=\"80\" Alignment=\"taRight\" "
      "Layout=\"tlCenter\" Color=\"255\"");
  grid.AddCells(shell::GridRow(grid, {"1", "Ann", "2", "Bo Ö"}));
  ASSERT_EQ(grid.GridCells().size(), 4u);
  EXPECT_EQ(grid.RowCount, 2);
  const auto& cells = grid.GridCells();
  EXPECT_EQ(cells[0].Color, 16711680);
  EXPECT_EQ(cells[0].Alignment, ui::taLeft);
  EXPECT_EQ(cells[1].Text, u"Ann");
  EXPECT_EQ(cells[1].Color, 255);
  EXPECT_EQ(cells[1].Alignment, ui::taRight);
  EXPECT_EQ(cells[1].Layout, ui::tlCenter);
  EXPECT_EQ(cells[2].Color, 16711680);  // the next row starts at the first column again
  EXPECT_EQ(cells[3].Text, u"Bo Ö");
  // A grid without columns takes no cells at all; the row text stays plain.
  ui::TOrlGrid bare;
  EXPECT_EQ(shell::GridRow(bare, {"x"}), "Text=\"x\";");
}

}  // namespace
