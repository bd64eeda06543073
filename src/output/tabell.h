#pragma once
// The ruled result and input tables of the module pages: a bold heading
// row, then one row per label with the values beside it. Positions are in
// mm on the page; the layout is in units of the measuring device.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "output/graphics_item.h"

namespace kav {

// One cell; its text is the Name.
class CTabellVerdi : public CListItem {
 public:
  static constexpr const char* kClassName = "CTabellVerdi";

  CTabellVerdi() = default;
  // The text of a string-table entry; id 0 leaves the cell empty.
  explicit CTabellVerdi(int textId);
  explicit CTabellVerdi(std::string text) : CListItem(std::move(text)) {}
  // Copies the text only.
  CTabellVerdi(const CTabellVerdi& other) : CListItem(other.Name) {}

  const char* ClassName() const override { return kClassName; }
  std::unique_ptr<CListItem> Clone() const override;
};

class CTabell : public CGraphicsItem {
 public:
  static constexpr const char* kClassName = "CTabell";
  // String-table ids; a 0 ends the list early.
  using Ids = std::span<const int>;
  using Texts = std::span<const std::string>;
  using Values = std::span<const float>;

  const char* ClassName() const override { return kClassName; }
  ItemKind Kind() const override { return ItemKind::Table; }

  // Places and configures the table; its Name becomes the first heading.
  // Then FillValues with the position kept and no highlight.
  void SetUp(float left, float top, float columnGap, float rowGap, std::string numberFormat,
             Ids headings, Ids rowLabels, Values values, float minWidth);

  // Rebuild the cells: one heading cell per heading id, then per row label
  // a label cell and an empty cell for every other column; the contents
  // (if any) fill the value cells in row-major order. A negative left or
  // top keeps the current one; highlightRow -1 highlights nothing.
  void FillValues(Ids headings, Ids rowLabels, Values values, float left = -1.0f, float top = -1.0f,
                  int highlightRow = -1);
  void FillTexts(Ids headings, Ids rowLabels, Texts texts, float left = -1.0f, float top = -1.0f,
                 int highlightRow = -1);
  void FillLabelledValues(Ids headings, Texts rowLabels, Values values, float left = -1.0f,
                          float top = -1.0f, int highlightRow = -1);
  void FillLabelledTexts(Ids headings, Texts rowLabels, Texts texts, float left = -1.0f,
                         float top = -1.0f, int highlightRow = -1);
  void FillFromStringArrays(Ids headings, const std::vector<std::string>& rowLabels,
                            const std::vector<std::string>& texts, float left = -1.0f,
                            float top = -1.0f, int highlightRow = -1);

  // Write the value cells in row-major order (values with NumberFormat),
  // as far as the contents reach, then lay the table out.
  void SetCellValues(Values values);
  void SetCellTexts(std::span<const char* const> texts);
  void SetCellTexts(Texts texts);

  // Lays the table out for the measuring device; the bottom edge.
  int Layout();
  void MeasureColumns();
  // Moves the table as laid out, without measuring it again.
  void MoveTo(float left, float top);
  void Draw(Device& device, const DeviceRect& page) override;
  // The selection background and the rules, in the rectangle as drawn.
  void DrawRules(Device& device, const DeviceRect& drawn);
  // The tab-separated text form, without a terminating NUL.
  std::string FormatAsText() const;
  // The HTML form for spreadsheets (output/table_html.h).
  std::string FormatAsHtml() const;
  // Puts both forms on the clipboard.
  void CopyToClipboard() override;
  void WriteText(std::string& out) override;
  void BeginDevice(Device& device) override;
  void EndDevice() override;

  int ColumnCount() const { return columns_; }
  // Rows including the heading row.
  int RowCount() const { return rows_; }
  // The text as drawn; row 0 is the heading row.
  const std::string& Cell(int row, int column) const;
  std::vector<std::string> Headings() const;
  // Every data row: its label, then its values.
  std::vector<std::vector<std::string>> Rows() const;
  const std::vector<int>& ColumnWidths() const { return widths_; }
  int RowHeight() const { return rowHeight_; }

  float Top = 0.0f;  // mm
  float Left = 0.0f;
  float ColumnGap = 0.0f;
  float RowGap = 0.0f;
  float MinWidth = 0.0f;
  int HighlightRow = -1;  // drawn on a yellow band; 0 and -1 highlight nothing
  std::string NumberFormat;

 private:
  void Rebuild(Ids headings, Texts rowLabels, float left, float top, int highlightRow);
  std::vector<CTabellVerdi*> ValueCells();
  void WriteValues(Values values);
  void WriteTexts(Texts texts);
  // Positions and size from the column widths as measured; the bottom edge.
  int Place();
  CTabellVerdi& CellAt(int row, int column) const;
  void DrawRow(Device& device, const Font& font, int row, int left, int y);

  int columns_ = 0;
  int rows_ = 0;
  int columnGap_ = 0;  // device units
  int rowGap_ = 0;
  int rowHeight_ = 0;
  std::vector<int> widths_;
};

}  // namespace kav
