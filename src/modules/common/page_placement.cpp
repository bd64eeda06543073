#include "modules/common/page_placement.h"

#include "output/page_layout.h"

namespace kav {

void PlaceBelowOrInNextColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                              const CGraphicsItem& above) {
  rows.FillTable(table, headings, kLeftMarginMm, BottomMm(above) + kItemGapMm);
  if (BottomMm(table) + kItemGapMm > PageHeightMm()) {
    rows.FillTable(table, headings, PageWidthMm() + kLeftMarginMm, kColumnTopMm);
  }
}

}  // namespace kav
