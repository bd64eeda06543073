#include "output/graphics_item.h"

#include <algorithm>

#include "core/platform.h"
#include "output/page_layout.h"

namespace kav {

std::span<const int> UpToZero(std::span<const int> ids) {
  const auto end = std::find(ids.begin(), ids.end(), 0);
  return ids.first(static_cast<std::size_t>(end - ids.begin()));
}

CGraphicsItem::~CGraphicsItem() {
  RemoveFromAllPages(this);
}

bool CGraphicsItem::HitTest(DevicePoint point, DevicePoint scroll) {
  Selected = Rect.Contains(point + scroll);
  return Selected;
}

bool CGraphicsItem::Contains(DevicePoint point) const {
  return Rect.Contains(point);
}

bool CGraphicsItem::ShowHelp(DevicePoint point, DevicePoint scroll) {
  if (!Contains(point + scroll)) return false;
  OpenHelp(HelpTopic);
  return true;
}

void CGraphicsItem::CopyToClipboard() {}

void CGraphicsItem::Refresh() {}

void CGraphicsItem::Draw(Device&, const DeviceRect&) {}

void CGraphicsItem::BeginDevice(Device&) {}

void CGraphicsItem::EndDevice() {}

void CGraphicsItem::WriteText(std::string&) {}

}  // namespace kav
