#pragma once
// Page items for the view and printing tests: a rectangle of a given kind
// that counts its copies and records where it was drawn.
#include <vector>

#include "output/graphics_item.h"
#include "output/page_layout.h"

namespace kav::test {

class FakeItem final : public CGraphicsItem {
 public:
  FakeItem(ItemKind kind, DeviceRect rect, std::string helpTopic = {}) : kind_(kind) {
    Rect = rect;
    HelpTopic = std::move(helpTopic);
  }
  ~FakeItem() override = default;

  ItemKind Kind() const override { return kind_; }
  void CopyToClipboard() override { ++copies; }
  void Draw(Device&, const DeviceRect& page) override {
    drawn.push_back(page);
    scales.push_back(MmPerUnitX());
  }
  // While printing, the item takes the rectangle given for the printer.
  void BeginDevice(Device&) override {
    screenRect_ = Rect;
    if (!printerRect.IsEmpty()) Rect = printerRect;
  }
  void EndDevice() override { Rect = screenRect_; }

  int copies = 0;
  std::vector<DeviceRect> drawn;
  std::vector<float> scales;
  DeviceRect printerRect;

 private:
  ItemKind kind_;
  DeviceRect screenRect_;
};

// Puts items on page 0, makes it the current page, and takes them off again.
class PageOfItems {
 public:
  explicit PageOfItems(std::initializer_list<CGraphicsItem*> items) : items_(items) {
    SetCurrentPage(0);
    for (CGraphicsItem* item : items_) AddToPage(0, item);
  }
  ~PageOfItems() {
    for (CGraphicsItem* item : items_) RemoveFromPage(0, item);
  }
  PageOfItems(const PageOfItems&) = delete;
  PageOfItems& operator=(const PageOfItems&) = delete;

 private:
  std::vector<CGraphicsItem*> items_;
};

}  // namespace kav::test
