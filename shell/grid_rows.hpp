// shell/grid_rows.hpp — rows the game adds to the interface's lists (saved games, high scores).
#pragma once

#include <string>
#include <vector>

namespace ui {
class TOrlGrid;
}

namespace shell {

// The grid's cell list ("AddCells") for one row of texts, one cell per text. Each cell names
// its column's colour, alignment and layout: a cell draws with its own look only, and one
// without would be black and at the left whatever the interface file gave the columns.
std::string GridRow(const ui::TOrlGrid& grid, const std::vector<std::string>& texts);

}  // namespace shell
