#pragma once
// How a page is printed over sheets: as many sheets across and down as the
// page's content needs, left to right, then top to bottom.
#include "output/device.h"

namespace kav {

struct SheetPlan {
  int across = 1;
  int down = 1;
  DeviceSize printable;

  int Count() const { return across * down; }
  // The part of the page that sheet k (from 0) shows, in page units.
  DeviceRect Sheet(int k) const;
};

// Sheets for content of the given extent on sheets of the printable size.
SheetPlan PlanSheets(DeviceSize extent, DeviceSize printable);

}  // namespace kav
