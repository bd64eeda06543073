#pragma once
// The items repeated on every page column of a page: the header and the
// footer. Their layout describes the first column; column i lies i page
// widths further right.
#include "output/graphics_item.h"

namespace kav {

class CPageBand : public CGraphicsItem {
 public:
  // Lays the item out for the measuring device and the page size.
  virtual void Layout() = 0;

  // Lays the item out again (the page size may have changed).
  void Refresh() override;
  // In the item on any page column.
  bool Contains(DevicePoint point) const override;
  // Draws every page column whose copy of the item meets the page part.
  void Draw(Device& device, const DeviceRect& page) override;
  void BeginDevice(Device& device) override;
  void EndDevice() override;

 protected:
  // Draws the copy on one page column: `offset` takes the first column's
  // positions to the device.
  virtual void DrawColumn(Device& device, DevicePoint offset, int column, int columnCount) = 0;

 private:
  static int ColumnWidth();
};

}  // namespace kav
