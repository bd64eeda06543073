#include "output/page_band.h"

#include "output/page_layout.h"

namespace kav {

int CPageBand::ColumnWidth() {
  return MmToDeviceX(PageWidthMm());
}

void CPageBand::Refresh() {
  Layout();
}

bool CPageBand::Contains(DevicePoint point) const {
  const int columns = PageColumnCount();
  for (int column = 0; column < columns; ++column) {
    if (Rect.Moved(column * ColumnWidth(), 0).Contains(point)) return true;
  }
  return false;
}

void CPageBand::Draw(Device& device, const DeviceRect& page) {
  const int columns = PageColumnCount();
  for (int column = 0; column < columns; ++column) {
    const int shift = column * ColumnWidth();
    if (!Rect.Moved(shift, 0).Meets(page)) continue;
    DrawColumn(device, {shift - page.left, -page.top}, column, columns);
  }
}

void CPageBand::BeginDevice(Device& device) {
  CGraphicsItem::BeginDevice(device);
  Layout();
}

void CPageBand::EndDevice() {
  CGraphicsItem::EndDevice();
  Layout();
}

}  // namespace kav
