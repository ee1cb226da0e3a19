// shell/grid_rows.cpp — rows the game adds to the interface's lists in their columns' look.
#include "shell/grid_rows.hpp"

#include "ui/grid.hpp"
#include "ui/interface_types.hpp"

namespace shell {

std::string GridRow(const ui::TOrlGrid& grid, const std::vector<std::string>& texts) {
  const std::vector<ui::TOrlGridColumn>& columns = grid.Columns();
  std::string row;
  for (size_t i = 0; i < texts.size(); ++i) {
    row += "Text=\"" + texts[i] + "\"";
    if (!columns.empty()) {
      const ui::TOrlGridColumn& column = columns[i % columns.size()];
      row += " Color=\"" + std::to_string(column.Color) + "\" Alignment=\"" +
             ui::kTextAlignmentNames[static_cast<size_t>(column.Alignment)] + "\" Layout=\"" +
             ui::kTextLayoutNames[static_cast<size_t>(column.Layout)] + "\"";
    }
    row += ";";
  }
  return row;
}

}  // namespace shell
