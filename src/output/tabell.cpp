#include "output/tabell.h"

#include <algorithm>

#include "core/strings.h"
#include "output/page_layout.h"
#include "output/table_html.h"
#include "output/text_form.h"

namespace kav {
namespace {

constexpr Colour kHighlightColour = Rgb(255, 255, 0);

std::vector<std::string> TextsOf(CTabell::Ids ids) {
  std::vector<std::string> texts;
  for (int id : UpToZero(ids)) texts.push_back(Str(id));
  return texts;
}

}  // namespace

CTabellVerdi::CTabellVerdi(int textId) {
  if (textId != 0) Name = Str(textId);
}

std::unique_ptr<CListItem> CTabellVerdi::Clone() const {
  return std::make_unique<CTabellVerdi>(*this);
}

void CTabell::SetUp(float left, float top, float columnGap, float rowGap, std::string numberFormat,
                    Ids headings, Ids rowLabels, Values values, float minWidth) {
  const Ids used = UpToZero(headings);
  Name = used.empty() ? std::string() : Str(used.front());
  Left = left;
  Top = top;
  ColumnGap = columnGap;
  RowGap = rowGap;
  NumberFormat = std::move(numberFormat);
  MinWidth = minWidth;
  FillValues(headings, rowLabels, values);
}

void CTabell::FillValues(Ids headings, Ids rowLabels, Values values, float left, float top,
                         int highlightRow) {
  FillLabelledValues(headings, TextsOf(rowLabels), values, left, top, highlightRow);
}

void CTabell::FillTexts(Ids headings, Ids rowLabels, Texts texts, float left, float top,
                        int highlightRow) {
  FillLabelledTexts(headings, TextsOf(rowLabels), texts, left, top, highlightRow);
}

void CTabell::FillLabelledValues(Ids headings, Texts rowLabels, Values values, float left,
                                 float top, int highlightRow) {
  Rebuild(headings, rowLabels, left, top, highlightRow);
  WriteValues(values);
  Layout();
}

void CTabell::FillLabelledTexts(Ids headings, Texts rowLabels, Texts texts, float left, float top,
                                int highlightRow) {
  Rebuild(headings, rowLabels, left, top, highlightRow);
  WriteTexts(texts);
  Layout();
}

void CTabell::FillFromStringArrays(Ids headings, const std::vector<std::string>& rowLabels,
                                   const std::vector<std::string>& texts, float left, float top,
                                   int highlightRow) {
  FillLabelledTexts(headings, rowLabels, texts, left, top, highlightRow);
}

void CTabell::Rebuild(Ids headings, Texts rowLabels, float left, float top, int highlightRow) {
  if (left >= 0.0f) Left = left;
  if (top >= 0.0f) Top = top;
  HighlightRow = highlightRow;
  const Ids used = UpToZero(headings);
  columns_ = static_cast<int>(used.size());
  rows_ = 1 + static_cast<int>(rowLabels.size());
  // The cells of the last filling are written over; only the count changes.
  const auto count = static_cast<std::size_t>(rows_ * columns_);
  while (Children.size() > count) Children.RemoveAt(Children.size() - 1);
  while (Children.size() < count) Children.Append(std::make_unique<CTabellVerdi>());
  for (int column = 0; column < columns_; ++column) {
    CellAt(0, column).Name = Str(used[static_cast<std::size_t>(column)]);
    for (int row = 1; row < rows_; ++row) {
      std::string& cell = CellAt(row, column).Name;
      if (column == 0) {
        cell = rowLabels[static_cast<std::size_t>(row - 1)];
      } else {
        cell.clear();
      }
    }
  }
}

std::vector<CTabellVerdi*> CTabell::ValueCells() {
  std::vector<CTabellVerdi*> cells;
  for (int row = 1; row < rows_; ++row) {
    for (int column = 1; column < columns_; ++column) cells.push_back(&CellAt(row, column));
  }
  return cells;
}

void CTabell::WriteValues(Values values) {
  const std::vector<CTabellVerdi*> cells = ValueCells();
  for (std::size_t i = 0; i < std::min(cells.size(), values.size()); ++i) {
    cells[i]->Name = Format(NumberFormat, values[i]);
  }
}

void CTabell::WriteTexts(Texts texts) {
  const std::vector<CTabellVerdi*> cells = ValueCells();
  for (std::size_t i = 0; i < std::min(cells.size(), texts.size()); ++i) {
    cells[i]->Name = texts[i];
  }
}

void CTabell::SetCellValues(Values values) {
  WriteValues(values);
  Layout();
}

void CTabell::SetCellTexts(std::span<const char* const> texts) {
  std::vector<std::string> copies;
  for (const char* text : texts) copies.emplace_back(text != nullptr ? text : "");
  SetCellTexts(copies);
}

void CTabell::SetCellTexts(Texts texts) {
  WriteTexts(texts);
  Layout();
}

CTabellVerdi& CTabell::CellAt(int row, int column) const {
  return *static_cast<CTabellVerdi*>(
      Children.at(static_cast<std::size_t>(row * columns_ + column)));
}

const std::string& CTabell::Cell(int row, int column) const {
  return CellAt(row, column).Name;
}

std::vector<std::string> CTabell::Headings() const {
  std::vector<std::string> headings;
  for (int column = 0; column < columns_; ++column) headings.push_back(Cell(0, column));
  return headings;
}

std::vector<std::vector<std::string>> CTabell::Rows() const {
  std::vector<std::vector<std::string>> rows;
  for (int row = 1; row < rows_; ++row) {
    std::vector<std::string>& cells = rows.emplace_back();
    for (int column = 0; column < columns_; ++column) cells.push_back(Cell(row, column));
  }
  return rows;
}

int CTabell::Layout() {
  MeasureColumns();
  return Place();
}

void CTabell::MoveTo(float left, float top) {
  Left = left;
  Top = top;
  Place();
}

int CTabell::Place() {
  const int top = MmToDeviceY(Top);
  const int left = MmToDeviceX(Left);
  columnGap_ = MmToDeviceX(ColumnGap);
  rowGap_ = MmToDeviceY(RowGap);
  int right = left;
  for (int width : widths_) right += width;
  if (columns_ > 1) right += (columns_ - 1) * columnGap_;
  const int extra = MmToDeviceX(MinWidth) - (right - left);
  if (extra > 0 && !widths_.empty()) {
    widths_.front() += extra;
    right += extra;
  }
  const int bottom = top + rows_ * (rowHeight_ + rowGap_) + rowGap_;
  Rect = {left, top, right, bottom};
  return bottom;
}

void CTabell::MeasureColumns() {
  Device& device = MeasuringDevice();
  widths_.assign(static_cast<std::size_t>(columns_), 0);
  rowHeight_ = 0;
  for (int row = 0; row < rows_; ++row) {
    const Font& font = row == 0 ? BoldFont() : NormalFont();
    for (int column = 0; column < columns_; ++column) {
      const DeviceSize extent = device.TextExtent(font, Cell(row, column));
      int& width = widths_[static_cast<std::size_t>(column)];
      width = std::max(width, extent.width);
      if (row == 0) rowHeight_ = extent.height;
    }
  }
}

void CTabell::Draw(Device& device, const DeviceRect& page) {
  if (!Rect.Meets(page)) return;
  const DeviceRect drawn = Rect.Moved(-page.left, -page.top);
  DrawRules(device, drawn);
  int y = drawn.top + rowGap_;
  for (int row = 0; row < rows_; ++row) {
    if (row > 0 && row == HighlightRow) {
      device.FillRect({drawn.left, y, drawn.right, y + rowHeight_}, kHighlightColour);
    }
    DrawRow(device, row == 0 ? BoldFont() : NormalFont(), row, drawn.left, y);
    y += rowHeight_ + rowGap_;
  }
}

void CTabell::DrawRow(Device& device, const Font& font, int row, int left, int y) {
  int x = left;
  for (int column = 0; column < columns_; ++column) {
    const int width = widths_[static_cast<std::size_t>(column)];
    if (column == 0) {
      device.DrawText(font, {x, y}, Cell(row, column), HAlign::Left, VAlign::Top);
    } else {
      device.DrawText(font, {x + width, y}, Cell(row, column), HAlign::Right, VAlign::Top);
    }
    x += width + columnGap_;
  }
}

void CTabell::DrawRules(Device& device, const DeviceRect& drawn) {
  if (Selected && !device.IsPrinting()) device.FillRect(drawn, kSelectionColour);
  const Pen thick{MmToDeviceY(0.5f), LineStyle::Solid, kTextColour};
  const Pen thin{1, LineStyle::Solid, kTextColour};
  int y = drawn.top + rowHeight_ + rowGap_ + rowGap_ / 2;
  for (int i = 0; i < rows_ - 1; ++i) {
    device.DrawLine(i == 0 ? thick : thin, {drawn.left, y}, {drawn.right, y});
    y += rowHeight_ + rowGap_;
  }
  device.DrawLine(thick, {drawn.left, y}, {drawn.right, y});
}

std::string CTabell::FormatAsText() const {
  std::vector<std::size_t> longest(static_cast<std::size_t>(columns_), 0);
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) {
      std::size_t& length = longest[static_cast<std::size_t>(column)];
      length = std::max(length, CharCount(Cell(row, column)));
    }
  }
  std::string text;
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) {
      const std::string& cell = Cell(row, column);
      const std::string shown = row > 0 && column > 0 ? WithDecimalComma(cell) : cell;
      if (column + 1 < columns_) {
        AppendPadded(text, shown, longest[static_cast<std::size_t>(column)]);
        text += '\t';
      } else {
        text += shown;
      }
    }
    text += '\n';
  }
  return text;
}

std::string CTabell::FormatAsHtml() const {
  std::vector<std::vector<std::string>> rows = Rows();
  rows.insert(rows.begin(), Headings());
  return TableAsHtml(rows);
}

void CTabell::CopyToClipboard() {
  PutOnClipboard(FormatAsText(), FormatAsHtml());
}

void CTabell::WriteText(std::string& out) {
  out += FormatAsText();
  out += "\n\n";
}

void CTabell::BeginDevice(Device& device) {
  CGraphicsItem::BeginDevice(device);
  Layout();
}

void CTabell::EndDevice() {
  CGraphicsItem::EndDevice();
  Layout();
}

}  // namespace kav
