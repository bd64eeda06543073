#pragma once
// A block of text on a module page: a bold title (its Name) over lines in
// the normal font, with one empty line between them.
#include <span>
#include <string>
#include <vector>

#include "output/graphics_item.h"

namespace kav {

class CText : public CGraphicsItem {
 public:
  static constexpr const char* kClassName = "CText";

  const char* ClassName() const override { return kClassName; }
  ItemKind Kind() const override { return ItemKind::Text; }

  // The title and one line per id, from the string table; left and top in mm.
  void SetUp(int titleId, std::span<const int> lineIds, float left, float top);
  void SetPosition(float left, float top);
  // Lays the block out for the measuring device; the bottom edge.
  int Layout();
  void Draw(Device& device, const DeviceRect& page) override;
  // The lines, each ending with a line feed; the title is not written.
  void WriteText(std::string& out) override;
  void BeginDevice(Device& device) override;
  void EndDevice() override;

  const std::string& Title() const { return Name; }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  float left_ = 0.0f;  // mm
  float top_ = 0.0f;
  int titleHeight_ = 0;  // device units
  int lineHeight_ = 0;
};

}  // namespace kav
