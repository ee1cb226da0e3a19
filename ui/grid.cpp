// ui/grid.cpp
#include "ui/grid.hpp"

#include <algorithm>

#include "data/error.hpp"
#include "data/utf8.hpp"
#include "data/xml_parser.hpp"
#include "ui/interface_engine.hpp"
#include "ui/orl_font.hpp"
#include "ui/orl_font_engine.hpp"
#include "ui/slider.hpp"
#include "ui/value_text.hpp"

namespace ui {
namespace {

// Items are separated by ";" outside double quotes; a ";" ending the text does not start
// another item.
std::vector<std::string> SplitItems(std::string_view text) {
  std::vector<std::string> items(1);
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == ';' && !quoted)
      items.emplace_back();
    else
      items.back().push_back(c);
  }
  if (items.size() > 1 && items.back().empty()) items.pop_back();
  return items;
}

std::u16string ToWide(std::string_view text) {
  std::u16string wide = data::Utf8ToWide(text);
  if (wide.empty() && !text.empty())
    for (unsigned char c : text) wide.push_back(c);
  return wide;
}

// Applies the attributes of one item; `apply(name, value)` returns false for a name it does not
// know.
template <class Apply>
void ForEachAttribute(const std::string& item, const std::string& property, Apply&& apply) {
  data::TOrlXMLTag holder;
  const data::TOrlXMLTag& cell = holder.AddTagByString(item.empty() ? "Cell" : "Cell " + item);
  for (const data::TOrlParserAttribute& a : cell.Attributes)
    if (!apply(a.Name, a.Value))
      throw data::Error("Unknown attribute \"" + a.Name + "\" in property \"" + property + "\"");
}

bool ApplyColumnAttribute(TOrlGridColumn& c, const std::string& n, const std::string& v,
                          const std::string& prop) {
  if (n == "Width")
    c.Width = ParseIntValue(v, prop);
  else if (n == "FontName")
    c.FontName = v;
  else if (n == "Color")
    c.Color = ParseIntValue(v, prop);
  else if (n == "Alignment")
    c.Alignment = static_cast<TTextAlignment>(ParseEnumValue(v, prop, kTextAlignmentNames));
  else if (n == "Layout")
    c.Layout = static_cast<TTextLayout>(ParseEnumValue(v, prop, kTextLayoutNames));
  else if (n == "TextShiftLeft")
    c.TextShiftLeft = ParseIntValue(v, prop);
  else if (n == "TextShiftTop")
    c.TextShiftTop = ParseIntValue(v, prop);
  else if (n == "PictureHAlign")
    c.PictureHAlign = static_cast<TPictureHAlignType>(ParseEnumValue(v, prop, kPictureHAlignNames));
  else if (n == "PictureVAlign")
    c.PictureVAlign = static_cast<TPictureVAlignType>(ParseEnumValue(v, prop, kPictureVAlignNames));
  else if (n == "PictureShiftLeft")
    c.PictureShiftLeft = ParseIntValue(v, prop);
  else if (n == "PictureShiftTop")
    c.PictureShiftTop = ParseIntValue(v, prop);
  else
    return false;
  return true;
}

bool ApplyCellAttribute(TOrlGridCell& c, const std::string& n, const std::string& v,
                        const std::string& prop) {
  if (n == "FontName")
    c.FontName = v;
  else if (n == "Color")
    c.Color = ParseIntValue(v, prop);
  else if (n == "Text")
    c.Text = ToWide(v);
  else if (n == "Alignment")
    c.Alignment = static_cast<TTextAlignment>(ParseEnumValue(v, prop, kTextAlignmentNames));
  else if (n == "Layout")
    c.Layout = static_cast<TTextLayout>(ParseEnumValue(v, prop, kTextLayoutNames));
  else if (n == "TextShiftLeft")
    c.TextShiftLeft = ParseIntValue(v, prop);
  else if (n == "TextShiftTop")
    c.TextShiftTop = ParseIntValue(v, prop);
  else if (n == "Picture")
    c.Picture = v;
  else if (n == "PictureHAlign")
    c.PictureHAlign = static_cast<TPictureHAlignType>(ParseEnumValue(v, prop, kPictureHAlignNames));
  else if (n == "PictureVAlign")
    c.PictureVAlign = static_cast<TPictureVAlignType>(ParseEnumValue(v, prop, kPictureVAlignNames));
  else if (n == "PictureShiftLeft")
    c.PictureShiftLeft = ParseIntValue(v, prop);
  else if (n == "PictureShiftTop")
    c.PictureShiftTop = ParseIntValue(v, prop);
  else
    return false;
  return true;
}

}  // namespace

const data::TOrlClass& TOrlGrid::StaticClass() {
  using T = TOrlGrid;
  static const data::TOrlClass cls = data::TOrlClass::Make<T>(
      "TOrlGrid", &TOrlFocusedObject::StaticClass(), [](data::TPropBuilder<T>& p) {
        p.Int("Position", &T::Position, INT32_MIN, INT32_MAX, &T::SetPosition)
            .Text("LinkedObjectName", &T::LinkedObjectName, &T::SetLinkedObjectName)
            .Text("CursorPicture", &T::CursorPicture)
            .Byte("NotActiveCursorAlpha", &T::NotActiveCursorAlpha)
            .Int("RowsHeight", &T::RowsHeight)
            .Int("BorderWidth", &T::BorderWidth)
            .Bool("FixedRow", &T::FixedRow, &T::SetFixedRow)
            .Text("FixedFontName", &T::FixedFontName)
            .Int("FixedColor", &T::FixedColor)
            .Int("DivisorHeight", &T::DivisorHeight)
            .Int("RowMouseOverColor", &T::RowMouseOverColor)
            .Custom("AddColumns", data::TPropKind::Text, nullptr,
                    [](T& g, const data::TPropValue& v) { g.AddColumns(v.Text); })
            .Custom("AddCells", data::TPropKind::Text, nullptr,
                    [](T& g, const data::TPropValue& v) { g.AddCells(v.Text); })
            .Text("Cells", &T::Cells, &T::SetCells);
      });
  return cls;
}

void TOrlGrid::Assign(const data::TOrlObject& source) {
  TOrlFocusedObject::Assign(source);
  if (auto* s = dynamic_cast<const TOrlGrid*>(&source)) {
    static_cast<TGridProps&>(*this) = *s;
    columns = s->columns;
    gridCells = s->gridCells;
    font = s->font;
    linkedSlider = s->linkedSlider;
    RowCount = s->RowCount;
    TopRow = s->TopRow;
    HoverRow = s->HoverRow;
  }
}

void TOrlGrid::AddColumns(const std::string& text) {
  const std::string prop = "AddColumns";
  std::vector<TOrlGridColumn> added;
  for (const std::string& item : SplitItems(text)) {
    TOrlGridColumn column;
    column.Width = FWidth - 2 * BorderWidth;
    ForEachAttribute(item, prop, [&](const std::string& n, const std::string& v) {
      return ApplyColumnAttribute(column, n, v, prop);
    });
    added.push_back(std::move(column));
  }
  const TOrlInterfaceEngine* engine = InterfaceEngine();
  for (TOrlGridColumn& column : added) {
    if (!column.FontName.empty() && engine && engine->FontEngine)
      font = engine->FontEngine->FindFont(column.FontName);
    columns.push_back(std::move(column));
  }
}

void TOrlGrid::AddCells(const std::string& text) {
  if (columns.empty()) return;
  const std::string prop = "AddCells";
  std::vector<TOrlGridCell> added;
  for (const std::string& item : SplitItems(text)) {
    TOrlGridCell cell;
    ForEachAttribute(item, prop, [&](const std::string& n, const std::string& v) {
      return ApplyCellAttribute(cell, n, v, prop);
    });
    added.push_back(std::move(cell));
  }
  gridCells.insert(gridCells.end(), std::make_move_iterator(added.begin()),
                   std::make_move_iterator(added.end()));
  // Counted from all cells, so rows added a cell at a time are rows too.
  RowCount = static_cast<int32_t>(gridCells.size() / columns.size());
  if (linkedSlider) linkedSlider->SetMax(RowCount - 1);
}

void TOrlGrid::SetCells(const std::string& text) {
  const std::string prop = "Cells";
  std::vector<TOrlGridCell> changed;
  const std::vector<std::string> items = SplitItems(text);
  for (size_t i = 0; i < items.size() && i < gridCells.size(); ++i) {
    TOrlGridCell cell = gridCells[i];
    ForEachAttribute(items[i], prop, [&](const std::string& n, const std::string& v) {
      return ApplyCellAttribute(cell, n, v, prop);
    });
    changed.push_back(std::move(cell));
  }
  Cells = text;
  std::move(changed.begin(), changed.end(), gridCells.begin());
}

int TOrlGrid::VisibleRows() const {
  if (RowsHeight <= 0) return 0;
  const int room =
      FixedRow ? FHeight - 2 * BorderWidth - RowsHeight - DivisorHeight : FHeight - 2 * BorderWidth;
  return std::clamp(room / RowsHeight, 0, std::max(0, RowCount));
}

void TOrlGrid::SetPosition(int32_t value) {
  if (RowsHeight <= 0) return;
  const int32_t old = Position;
  if (value < old) {
    if (TopRow > 0 && value < TopRow) TopRow = value;
    if (TopRow < old) Position = value;
  } else {
    const int v = VisibleRows();
    if (value >= TopRow + v) TopRow = value - v + 1;
    Position = value;
  }
  QueueEventScript(FSoundMouseDown, FOnMouseDown);
}

void TOrlGrid::SetLinkedObjectName(const std::string& value) {
  LinkedObjectName = value;
  const data::TOrlEngine* engine = Engine();
  linkedSlider =
      engine && !value.empty() ? dynamic_cast<TOrlSlider*>(engine->FindObject(value)) : nullptr;
  if (!linkedSlider) return;
  linkedSlider->LinkedObjectName = Name();
  linkedSlider->LinkGrid(this);
  linkedSlider->SetMax(RowCount - 1);
}

void TOrlGrid::SetFixedRow(bool value) {
  FixedRow = value;
  if (linkedSlider) linkedSlider->SetMax(RowCount - 1);
  if (FixedRow && TopRow < Position) --Position;
}

void TOrlGrid::ClearRows() {
  gridCells.clear();
  if (FixedRow && !columns.empty()) {
    gridCells.resize(columns.size());
    RowCount = 1;
  } else {
    RowCount = 0;
  }
  TopRow = Position = 0;
  if (linkedSlider) linkedSlider->SetPosition(0);
}

std::u16string TOrlGrid::SelectedText() const {
  if (columns.empty() || Position < 0) return {};
  // The selected data row sits below the header when there is one.
  const size_t index = (static_cast<size_t>(Position) + (FixedRow ? 1 : 0)) * columns.size();
  return index < gridCells.size() ? gridCells[index].Text : std::u16string();
}

void TOrlGrid::SliderFollows() {
  if (linkedSlider) linkedSlider->SetPosition(Position);
}

namespace {

// The selection keys move the top row t and the selected row p over r rows of which v fit;
// a header row (fixed) is counted in r but can be neither the top nor selected.
struct TRowMove {
  int& t;
  int& p;
  const int r, v;
  const bool fixed;

  void Up() {
    if (t > 0 && p == t) --t;
    if (p > t) --p;
  }
  void Down() {
    if (p >= r - 2 + (fixed ? 0 : 1)) return;
    if (t + v == p + 1) ++t;
    if (p - t < v - 1) ++p;
  }
  void End() {
    if (fixed) {
      t = v < r ? r - v - 1 : 0;
      p = r - 2;
    } else {
      t = v < r ? r - v : 0;
      p = r - 1;
    }
  }
  void PageUp() {
    if (t == 0) p = 0;
    if (fixed ? t - v > 1 : t >= v) {
      t = t - v + 1;
      p = p + 1 - v;
    } else {
      p -= t;
      t = 0;
    }
  }
  void PageDown() {
    if (fixed ? t >= r - v - 1 : t == r - v) p = r - (fixed ? 2 : 1);
    if (t < r - 2 * v + 1) {
      t += v - 1;
      p += v - 1;
    } else if (fixed && r != v) {
      p = p + r - v - t - 1;
      t = r - v - 1;
    } else {
      p = p + r - v - t;
      t = r - v;
    }
  }
};

}  // namespace

bool TOrlGrid::MoveByKey(uint16_t key) {
  TRowMove move{TopRow, Position, RowCount, VisibleRows(), FixedRow};
  switch (key) {
    case kKeyUp:
      move.Up();
      break;
    case kKeyDown:
      move.Down();
      break;
    case kKeyHome:
      TopRow = Position = 0;
      break;
    case kKeyEnd:
      move.End();
      break;
    case kKeyPageUp:
      move.PageUp();
      break;
    case kKeyPageDown:
      move.PageDown();
      break;
    default:
      return false;
  }
  // Grids with fewer rows than fit can drive the arithmetic below zero; the top stays the top.
  TopRow = std::max(TopRow, 0);
  Position = std::max(Position, 0);
  return true;
}

void TOrlGrid::KeyDown(uint16_t key, TShiftState) {
  if (Focused) {
    MoveByKey(key);
    QueueEventScript(FSoundMouseDown, FOnMouseDown);
  }
  SliderFollows();
}

int TOrlGrid::DataTop() const {
  return FAbsTop + BorderWidth + (FixedRow ? RowsHeight + DivisorHeight : 0);
}

void TOrlGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TOrlFocusedObject::MouseDown(button, shift, x, y);
  if (!Contains(x, y) || RowsHeight <= 0 || button != mbLeft) return;
  const int a = DataTop();
  if (a < y && y < a + VisibleRows() * RowsHeight) {
    const int row = (y - a) / RowsHeight + TopRow;
    // Empty space below the last row selects nothing.
    if (row < RowCount - (FixedRow ? 1 : 0)) Position = row;
  }
  SliderFollows();
  QueueEventScript(FSoundMouseDown, FOnMouseDown);
}

void TOrlGrid::MouseMove(TShiftState, int x, int y) {
  HoverRow = -1;
  if (!Contains(x, y) || RowsHeight <= 0) return;
  const int a = DataTop();
  if (a < y && y < a + VisibleRows() * RowsHeight)
    HoverRow = (y - FAbsTop - BorderWidth - (FixedRow ? DivisorHeight : 0)) / RowsHeight;
}

void TOrlGrid::MouseWheel(TShiftState, int wheelDelta, int, int, bool& handled) {
  if (Focused) {
    MoveByKey(wheelDelta < 0 ? kKeyDown : kKeyUp);
    QueueEventScript(FSoundMouseDown, FOnMouseDown);
    handled = true;
  }
  SliderFollows();
}

void TOrlGrid::Paint() {
  TOrlInterfaceObject::Paint();
  const size_t k = columns.size();
  const int rh = RowsHeight, b = BorderWidth;
  if (k < 1 || RowCount < 1 || rh < 1 || gridCells.empty()) return;
  if (!CursorPicture.empty()) {
    const int ch = PictureSize(CursorPicture).Height;
    const int y = FAbsTop + b +
                  (FixedRow ? (rh - ch) / 2 + DivisorHeight + rh * (Position - TopRow + 1)
                            : (Position - TopRow) * rh + (rh - ch) / 2);
    if (Focused) {
      DrawPicture(CursorPicture, FAbsLeft + b, y, FPictureAlpha);
    } else if (IOrlGraphic* g = Graphic()) {
      g->DrawColoredAlpha(CursorPicture, std::string(), FAbsLeft + b, y, 0, NotActiveCursorAlpha);
    }
  }
  std::vector<int> columnLeft(k);
  int left = FAbsLeft + b;
  for (size_t c = 0; c < k; ++c) {
    columnLeft[c] = left;
    left += columns[c].Width;
  }
  auto drawRow = [&](int64_t row) {
    if (row < 0) return;
    for (size_t c = 0; c < k; ++c) {
      const size_t i = static_cast<size_t>(row) * k + c;
      if (i < gridCells.size()) DrawCell(i, columnLeft);
    }
  };
  const int v = VisibleRows();
  if (FixedRow) {
    drawRow(0);
    for (int64_t row = int64_t{TopRow} + 1; row <= int64_t{TopRow} + v; ++row) drawRow(row);
  } else {
    for (int64_t row = TopRow; row < int64_t{TopRow} + v; ++row) drawRow(row);
  }
}

void TOrlGrid::DrawCell(size_t i, const std::vector<int>& columnLeft) {
  const size_t k = columns.size();
  const TOrlGridCell& cell = gridCells[i];
  const int rh = RowsHeight;
  const int colWidth = columns[i % k].Width;
  const int s = static_cast<int>(i / k) - TopRow;
  const bool header = FixedRow && i < k;
  const int x = columnLeft[i % k];
  const int y = header ? FAbsTop + BorderWidth
                       : FAbsTop + BorderWidth + s * rh + (FixedRow ? DivisorHeight : 0);
  if (!cell.Picture.empty()) {
    const TSize size = PictureSize(cell.Picture);
    const int px = cell.PictureHAlign == phaLeft ? cell.PictureShiftLeft
                   : cell.PictureHAlign == phaCenter
                       ? (colWidth - size.Width) / 2 + cell.PictureShiftLeft
                       : colWidth - size.Width + cell.PictureShiftLeft;
    const int py = cell.PictureVAlign == pvaTop      ? cell.PictureShiftTop
                   : cell.PictureVAlign == pvaCenter ? (rh - size.Height) / 2 + cell.PictureShiftTop
                                                     : rh - size.Height + cell.PictureShiftTop;
    DrawPicture(cell.Picture, x + px, y + py, FPictureAlpha);
  }
  if (!font || cell.Text.empty()) return;
  const int tw = font->TextAdvance(cell.Text);
  const int tx = cell.Alignment == taCenter  ? (colWidth - tw) / 2 + cell.TextShiftLeft
                 : cell.Alignment == taRight ? colWidth + cell.TextShiftLeft - tw
                                             : cell.TextShiftLeft;
  const int ty = cell.Layout == tlCenter   ? (rh - font->Height) / 2 + cell.TextShiftTop
                 : cell.Layout == tlBottom ? cell.TextShiftTop + rh - font->Height
                                           : cell.TextShiftTop;
  const int32_t color = header ? FixedColor : s == HoverRow ? RowMouseOverColor : cell.Color;
  font->DrawText(x + tx, y + ty, cell.Text, 255, static_cast<uint32_t>(color));
}

void TOrlGrid::ForgetObject(const data::TOrlObject* gone) {
  if (linkedSlider == gone) linkedSlider = nullptr;
}

std::string TOrlGrid::GetPictures() const {
  if (FPicture.empty()) return CursorPicture;
  return CursorPicture.empty() ? FPicture : FPicture + "\r\n" + CursorPicture;
}

}  // namespace ui
