#include "modules/common/page_placement.h"

#include "output/page_layout.h"

namespace kav {

void PlaceBelowOrInNextColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                              const CGraphicsItem& above) {
  float left = kLeftMarginMm;
  PlaceInColumn(
      table, [&](float l, float top) { rows.FillTable(table, headings, l, top); }, above, left);
}

void PlaceInColumn(CTabell& table, const std::function<void(float left, float top)>& fill,
                   const CGraphicsItem& above, float& left) {
  fill(left, BottomMm(above) + kItemGapMm);
  if (BottomMm(table) + kItemGapMm > PageHeightMm()) {
    left += PageWidthMm();
    fill(left, kColumnTopMm);
  }
}

}  // namespace kav
