#include "output/text_item.h"

#include <algorithm>

#include "core/strings.h"
#include "output/page_layout.h"

namespace kav {

void CText::SetUp(int titleId, std::span<const int> lineIds, float left, float top) {
  Name = Str(titleId);
  lines_.clear();
  for (int id : lineIds) lines_.push_back(Str(id));
  SetPosition(left, top);
}

void CText::SetPosition(float left, float top) {
  left_ = left;
  top_ = top;
  Layout();
}

int CText::Layout() {
  Device& device = MeasuringDevice();
  const int left = MmToDeviceX(left_);
  const int top = MmToDeviceY(top_);
  const DeviceSize title = device.TextExtent(BoldFont(), Name);
  titleHeight_ = title.height;
  lineHeight_ = device.Metrics(NormalFont()).height;
  int width = title.width;
  for (const std::string& line : lines_) {
    width = std::max(width, device.TextExtent(NormalFont(), line).width);
  }
  const int lineCount = static_cast<int>(lines_.size());
  Rect = {left, top, left + width, top + titleHeight_ + (lineCount + 1) * lineHeight_};
  return Rect.bottom;
}

void CText::Draw(Device& device, const DeviceRect& page) {
  if (!Rect.Meets(page)) return;
  const DeviceRect drawn = Rect.Moved(-page.left, -page.top);
  device.DrawText(BoldFont(), {drawn.left, drawn.top}, Name, HAlign::Left, VAlign::Top);
  int y = drawn.top + titleHeight_ + lineHeight_;
  for (const std::string& line : lines_) {
    device.DrawText(NormalFont(), {drawn.left, y}, line, HAlign::Left, VAlign::Top);
    y += lineHeight_;
  }
}

void CText::WriteText(std::string& out) {
  for (const std::string& line : lines_) out += line + "\n";
}

void CText::BeginDevice(Device& device) {
  CGraphicsItem::BeginDevice(device);
  Layout();
}

void CText::EndDevice() {
  CGraphicsItem::EndDevice();
  Layout();
}

}  // namespace kav
