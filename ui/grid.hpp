// ui/grid.hpp — a list of rows in columns with a selection cursor: saved games, high scores.
#pragma once

#include <string>
#include <vector>

#include "ui/focused_object.hpp"

namespace ui {

class TOrlFont;
class TOrlSlider;

struct TOrlGridColumn {
  int32_t Width = 0;  // pixels
  std::string FontName;
  int32_t Color = 0;
  TTextAlignment Alignment = taLeft;
  TTextLayout Layout = tlTop;
  int32_t TextShiftLeft = 0, TextShiftTop = 0;
  TPictureHAlignType PictureHAlign = phaLeft;
  TPictureVAlignType PictureVAlign = pvaTop;
  int32_t PictureShiftLeft = 0, PictureShiftTop = 0;
};

struct TOrlGridCell {
  std::string FontName;
  int32_t Color = 0;
  std::u16string Text;
  TTextAlignment Alignment = taLeft;
  TTextLayout Layout = tlTop;
  int32_t TextShiftLeft = 0, TextShiftTop = 0;
  std::string Picture;
  TPictureHAlignType PictureHAlign = phaLeft;
  TPictureVAlignType PictureVAlign = pvaTop;
  int32_t PictureShiftLeft = 0, PictureShiftTop = 0;
};

struct TGridProps {
  int32_t Position = 0;          // the selected data row
  std::string LinkedObjectName;  // a slider that scrolls this grid
  std::string CursorPicture;
  uint8_t NotActiveCursorAlpha = 0;  // cursor opacity while the grid has no focus
  int32_t RowsHeight = 0, BorderWidth = 0;
  bool FixedRow = false;  // row 0 is a header that never scrolls
  std::string FixedFontName;
  int32_t FixedColor = 0;
  int32_t DivisorHeight = 0;  // pixels between the header and the data rows
  int32_t RowMouseOverColor = 0;
  std::string Cells;  // the last text written to Cells
};

class TOrlGrid : public TOrlFocusedObject, public TGridProps {
 public:
  const data::TOrlClass& Class() const override { return StaticClass(); }
  static const data::TOrlClass& StaticClass();
  void Assign(const data::TOrlObject& source) override;

  // Item lists are ";"-separated attribute lists (Width="120" Alignment="taRight"); a bad
  // attribute raises data::Error before anything changes.
  void AddColumns(const std::string& text);
  void AddCells(const std::string& text);
  void SetCells(const std::string& text);  // changes existing cells by flat index
  void SetPosition(int32_t value);
  void SetLinkedObjectName(const std::string& value);
  void SetFixedRow(bool value);

  // Empties the grid (a header row of empty cells stays with FixedRow) and scrolls to the top.
  void ClearRows();
  // The text of the selected row's first cell; empty when there is none.
  std::u16string SelectedText() const;
  int VisibleRows() const;  // V: data rows that fit, at most RowCount

  void KeyDown(uint16_t key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseWheel(TShiftState shift, int wheelDelta, int x, int y, bool& handled) override;
  void Paint() override;
  void ForgetObject(const data::TOrlObject* gone) override;
  std::string GetPictures() const override;

  const std::vector<TOrlGridColumn>& Columns() const { return columns; }
  const std::vector<TOrlGridCell>& GridCells() const { return gridCells; }
  TOrlSlider* LinkedSlider() const { return linkedSlider; }
  void LinkSlider(TOrlSlider* slider) { linkedSlider = slider; }

  int32_t RowCount = 0;   // whole rows of cells, the header included
  int32_t TopRow = 0;     // first data row on screen
  int32_t HoverRow = -1;  // screen row under the pointer; with FixedRow data rows start at 1

 private:
  bool MoveByKey(uint16_t key);
  void SliderFollows();
  int DataTop() const;  // screen y where the data rows start
  void DrawCell(size_t index, const std::vector<int>& columnLeft);

  std::vector<TOrlGridColumn> columns;
  std::vector<TOrlGridCell>
      gridCells;             // row after row, RowCount x columns (a partial row may trail)
  TOrlFont* font = nullptr;  // the last column font named
  TOrlSlider* linkedSlider = nullptr;  // not owned
};

}  // namespace ui
