#pragma once
// The page footer: two contact lines, the page number and a rule, repeated
// on every page column. One item, on every page list.
#include <array>
#include <string>

#include "output/page_band.h"

namespace kav {

class CFooter : public CPageBand {
 public:
  static constexpr const char* kClassName = "CFooter";

  // Puts itself on every page list.
  CFooter();

  const char* ClassName() const override { return kClassName; }
  ItemKind Kind() const override { return ItemKind::Footer; }

  void Layout() override;

  // "Side 1/2": the page number of a page column (from 0).
  static std::string PageNumberText(int column, int columnCount);

 protected:
  void DrawColumn(Device& device, DevicePoint offset, int column, int columnCount) override;

 private:
  std::array<std::string, 2> contact_;
  // Layout, device units.
  std::array<DevicePoint, 2> lineAt_{};
  int rulePen_ = 1;
};

}  // namespace kav
