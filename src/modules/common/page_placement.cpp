#include "modules/common/page_placement.h"

#include "output/page_layout.h"

namespace kav {

namespace {

void PlaceFrom(CTabell& table, const TableRows& rows, CTabell::Ids headings, float left,
               float top) {
  rows.FillTable(table, headings, left, top);
  if (BottomMm(table) + kItemGapMm > PageHeightMm()) {
    rows.FillTable(table, headings, PageWidthMm() + left, kColumnTopMm);
  }
}

}  // namespace

void PlaceBelowOrInNextColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                              const CGraphicsItem& above) {
  PlaceFrom(table, rows, headings, kLeftMarginMm, BottomMm(above) + kItemGapMm);
}

void PlaceBelowInItsColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                           const CTabell& above) {
  PlaceFrom(table, rows, headings, above.Left, BottomMm(above) + kItemGapMm);
}

}  // namespace kav
