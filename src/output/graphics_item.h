#pragma once
// The base of everything drawn on a module page: tables, graphs, text
// blocks, the page header and footer. An item keeps its rectangle in device
// units of the device it was last laid out for, and appends its text form
// to the text export.
#include <span>
#include <string>

#include "core/item.h"
#include "core/object_list.h"
#include "output/device.h"

namespace kav {

// A list of string-table ids as the page items take it: up to its end or
// its first 0.
std::span<const int> UpToZero(std::span<const int> ids);

enum class ItemKind { Header, Footer, Table, Graph, Text };

class CGraphicsItem : public CListItem {
 public:
  static constexpr const char* kClassName = "CGraphicsItem";

  CGraphicsItem() = default;
  CGraphicsItem(const CGraphicsItem&) = delete;
  CGraphicsItem& operator=(const CGraphicsItem&) = delete;
  // Takes the item off every page list.
  ~CGraphicsItem() override;

  const char* ClassName() const override { return kClassName; }
  virtual ItemKind Kind() const = 0;

  // Selects the item when the point, moved by the scroll offset, lies in
  // it; the new selection state.
  virtual bool HitTest(DevicePoint point, DevicePoint scroll);
  virtual bool Contains(DevicePoint point) const;
  // Opens the help topic when the point, moved by the scroll offset, lies
  // in the item (Contains); whether it did.
  virtual bool ShowHelp(DevicePoint point, DevicePoint scroll);
  virtual void CopyToClipboard();
  virtual void Refresh();
  // Draws the item; `page` is the part of the page being drawn, its
  // top-left corner the device's origin.
  virtual void Draw(Device& device, const DeviceRect& page);
  // Called around printing so the item can lay itself out for the device.
  virtual void BeginDevice(Device& device);
  virtual void EndDevice();
  // Appends the item's text form to the text export.
  virtual void WriteText(std::string& out);

  ObjectList Children;  // sub-items: table cells, graph curves
  DeviceRect Rect;
  bool Selected = false;
  std::string HelpTopic;
};

}  // namespace kav
