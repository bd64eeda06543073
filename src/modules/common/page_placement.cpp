#include "modules/common/page_placement.h"

#include "output/page_layout.h"

namespace kav {

namespace {

void PlaceFrom(CTabell& table, const std::function<void(float left, float top)>& fill, float left,
               float top) {
  fill(left, top);
  // The contents stay as they are: moving needs no new measuring.
  if (BottomMm(table) + kItemGapMm > PageHeightMm())
    table.MoveTo(PageWidthMm() + left, kColumnTopMm);
}

std::function<void(float, float)> Filler(CTabell& table, const TableRows& rows,
                                         CTabell::Ids headings) {
  return [&table, &rows, headings](float left, float top) {
    rows.FillTable(table, headings, left, top);
  };
}

}  // namespace

void PlaceBelowOrInNextColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                              const CGraphicsItem& above) {
  PlaceFrom(table, Filler(table, rows, headings), kLeftMarginMm, BottomMm(above) + kItemGapMm);
}

void PlaceBelowInItsColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                           const CTabell& above) {
  PlaceFrom(table, Filler(table, rows, headings), above.Left, BottomMm(above) + kItemGapMm);
}

void PlaceBelowInItsColumn(CTabell& table, const std::function<void(float left, float top)>& fill,
                           const CTabell& above) {
  PlaceFrom(table, fill, above.Left, BottomMm(above) + kItemGapMm);
}

}  // namespace kav
