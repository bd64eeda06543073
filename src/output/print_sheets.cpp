#include "output/print_sheets.h"

namespace kav {

DeviceRect SheetPlan::Sheet(int k) const {
  const int left = (k % across) * printable.width;
  const int top = (k / across) * printable.height;
  return {left, top, left + printable.width, top + printable.height};
}

namespace {
// Sheets needed for `extent` units, at least one; content that ends exactly
// on a sheet edge needs no further, empty sheet.
int SheetsFor(int extent, int sheet) {
  return extent <= sheet ? 1 : (extent + sheet - 1) / sheet;
}
}  // namespace

SheetPlan PlanSheets(DeviceSize extent, DeviceSize printable) {
  return {SheetsFor(extent.width, printable.width), SheetsFor(extent.height, printable.height),
          printable};
}

}  // namespace kav
