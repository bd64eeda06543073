#pragma once
// Where a module puts a table under the one above it: at the left margin,
// 10 mm below; when the page has no room left for it, at the top of the
// next page column.
#include <functional>

#include "modules/common/table_rows.h"
#include "output/graphics_item.h"
#include "output/tabell.h"

namespace kav {

inline constexpr float kLeftMarginMm = 20.0f;
inline constexpr float kItemGapMm = 10.0f;
// Where tables start in a further page column, under the header.
inline constexpr float kColumnTopMm = 75.0f;

// Fills `table` with `rows` 10 mm below `above`; if its bottom edge plus
// 10 mm would pass the page height, it goes to the next page column at
// 75 mm instead.
void PlaceBelowOrInNextColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                              const CGraphicsItem& above);

// The same in the column of `above`: at its left edge, 10 mm below it, or
// at 75 mm in the page column to its right.
void PlaceBelowInItsColumn(CTabell& table, const TableRows& rows, CTabell::Ids headings,
                           const CTabell& above);
// The same for a table that fills itself: `fill(left, top)` fills it there
// (once: a table that goes to the next page column is moved, not refilled).
void PlaceBelowInItsColumn(CTabell& table, const std::function<void(float left, float top)>& fill,
                           const CTabell& above);

}  // namespace kav
