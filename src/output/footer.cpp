#include "output/footer.h"

#include "core/strings.h"
#include "output/page_layout.h"

namespace kav {

CFooter::CFooter() : contact_{Str(ids::FooterContactLine1), Str(ids::FooterContactLine2)} {
  HelpTopic = "::/html/footer.htm";
  Layout();
  for (int page = 0; page < kPageCount; ++page) AddToPage(page, this);
}

void CFooter::Layout() {
  const float height = PageHeightMm();
  Rect = MmToDeviceRect(20.0f, height - 10.0f, 190.0f, height - 1.0f);
  lineAt_[0] = MmToDevice(20.0f, height - 8.0f);
  lineAt_[1] = lineAt_[0] + DevicePoint{0, MeasuringDevice().Metrics(SmallFont()).height};
  rulePen_ = MmToDeviceX(0.5f);
}

std::string CFooter::PageNumberText(int column, int columnCount) {
  return FormatId(ids::PageNumber, column + 1, columnCount);
}

void CFooter::DrawColumn(Device& device, DevicePoint offset, int column, int columnCount) {
  for (std::size_t i = 0; i < contact_.size(); ++i) {
    device.DrawText(SmallFont(), lineAt_[i] + offset, contact_[i], HAlign::Left, VAlign::Top);
  }
  const DeviceRect area = Rect.Moved(offset.x, offset.y);
  device.DrawText(SmallFont(), {area.right, lineAt_[0].y + offset.y},
                  PageNumberText(column, columnCount), HAlign::Right, VAlign::Top);
  const Pen rule{rulePen_, LineStyle::Solid, kTextColour};
  device.DrawLine(rule, {area.left, area.top}, {area.right, area.top});
}

}  // namespace kav
