#include "output/page_layout.h"

#include <algorithm>
#include <array>

#include "output/graphics_item.h"
#include "output/text_form.h"

namespace kav {
namespace {

// Measures until the program installs its screen device: characters half as
// wide as the font is high, lines a fifth higher. Draws nothing.
class EstimatingDevice final : public Device {
 public:
  bool IsPrinting() const override { return false; }
  FontMetrics Metrics(const Font& font) override {
    return {font.height + font.height / 5, 0, font.height / 2};
  }
  DeviceSize TextExtent(const Font& font, std::string_view text) override {
    const int chars = static_cast<int>(CharCount(text));
    return {chars * (font.height / 2), Metrics(font).height};
  }
  void DrawText(const Font&, DevicePoint, std::string_view, HAlign, VAlign) override {}
  void DrawLine(const Pen&, DevicePoint, DevicePoint) override {}
  void DrawPolyline(const Pen&, std::span<const DevicePoint>) override {}
  void FillRect(const DeviceRect&, Colour) override {}
  void DrawImage(const RgbImage&, const DeviceRect&) override {}
};

struct ScreenFonts {
  Font normal{11, 400};
  Font bold{11, 700};
  Font large{20, 400};
  Font small{10, 400};
};

float gPageWidth = 200.0f;
float gPageHeight = 280.0f;
float gScaleX = kScreenMmPerUnit;
float gScaleY = kScreenMmPerUnit;
const ScreenFonts kScreenFonts;
ScreenFonts gFonts;
EstimatingDevice gEstimating;
Device* gScreen = nullptr;
Device* gPrinter = nullptr;
std::array<PageItems, kPageCount> gPages;
int gCurrentPage = 0;

Font ToPrinter(Font font, float printerMmPerUnit) {
  font.height = static_cast<int>(
      static_cast<float>(font.height) * kScreenMmPerUnit / printerMmPerUnit + 0.5f);
  return font;
}

PageItems& ListAt(int page) {
  return gPages.at(static_cast<std::size_t>(page));
}

}  // namespace

float PageWidthMm() {
  return gPageWidth;
}
float PageHeightMm() {
  return gPageHeight;
}

void SetPageSizeMm(float width, float height) {
  gPageWidth = width;
  gPageHeight = height;
}

float MmPerUnitX() {
  return gScaleX;
}
float MmPerUnitY() {
  return gScaleY;
}
int MmToDeviceX(float mm) {
  return static_cast<int>(mm / gScaleX + 0.5f);
}
int MmToDeviceY(float mm) {
  return static_cast<int>(mm / gScaleY + 0.5f);
}
float DeviceToMmX(int units) {
  return static_cast<float>(units) * gScaleX;
}
float DeviceToMmY(int units) {
  return static_cast<float>(units) * gScaleY;
}
DevicePoint MmToDevice(float x, float y) {
  return {MmToDeviceX(x), MmToDeviceY(y)};
}

DeviceRect MmToDeviceRect(float left, float top, float right, float bottom) {
  return {MmToDeviceX(left), MmToDeviceY(top), MmToDeviceX(right), MmToDeviceY(bottom)};
}

const Font& NormalFont() {
  return gFonts.normal;
}
const Font& BoldFont() {
  return gFonts.bold;
}
const Font& LargeFont() {
  return gFonts.large;
}
const Font& SmallFont() {
  return gFonts.small;
}

Device& MeasuringDevice() {
  if (gPrinter != nullptr) return *gPrinter;
  return gScreen != nullptr ? *gScreen : gEstimating;
}

void SetScreenDevice(Device* device) {
  gScreen = device;
}

bool IsPrinting() {
  return gPrinter != nullptr;
}

void BeginPrinting(Device& printer, float mmPerUnitX, float mmPerUnitY) {
  gPrinter = &printer;
  gScaleX = mmPerUnitX;
  gScaleY = mmPerUnitY;
  gFonts.normal = ToPrinter(kScreenFonts.normal, mmPerUnitY);
  gFonts.bold = ToPrinter(kScreenFonts.bold, mmPerUnitY);
  gFonts.large = ToPrinter(kScreenFonts.large, mmPerUnitY);
  gFonts.small = ToPrinter(kScreenFonts.small, mmPerUnitY);
  for (CGraphicsItem* item : CurrentPageList()) item->BeginDevice(printer);
}

void EndPrinting() {
  gPrinter = nullptr;
  gScaleX = kScreenMmPerUnit;
  gScaleY = kScreenMmPerUnit;
  gFonts = kScreenFonts;
  for (CGraphicsItem* item : CurrentPageList()) item->EndDevice();
}

const PageItems& PageList(int page) {
  return ListAt(page);
}

void AddToPage(int page, CGraphicsItem* item) {
  PageItems& list = ListAt(page);
  if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

void RemoveFromPage(int page, CGraphicsItem* item) {
  PageItems& list = ListAt(page);
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

void RemoveFromAllPages(CGraphicsItem* item) {
  for (int page = 0; page < kPageCount; ++page) RemoveFromPage(page, item);
}

void RefreshPage(int page) {
  const PageItems items = ListAt(page);  // a refresh may change the list
  for (CGraphicsItem* item : items) item->Refresh();
}

int CurrentPage() {
  return gCurrentPage;
}

void SetCurrentPage(int page) {
  ListAt(page);  // rejects a page that does not exist
  gCurrentPage = page;
}

const PageItems& CurrentPageList() {
  return ListAt(gCurrentPage);
}

void DrawCurrentPage(Device& device, const DeviceRect& view) {
  for (CGraphicsItem* item : CurrentPageList()) item->Draw(device, view);
}

DeviceSize ContentExtent() {
  DeviceSize extent;
  for (const CGraphicsItem* item : CurrentPageList()) {
    extent.width = std::max(extent.width, item->Rect.right);
    extent.height = std::max(extent.height, item->Rect.bottom);
  }
  return extent;
}

DeviceSize PageExtent(int minWidth, int minHeight) {
  const DeviceSize content = ContentExtent();
  const int stepX = MmToDeviceX(100.0f);
  const int stepY = MmToDeviceY(100.0f);
  const int width = std::max(content.width, minWidth);
  const int height = std::max(content.height, minHeight);
  return {(width / stepX + 1) * stepX, (height / stepY + 1) * stepY};
}

int PageColumnCount() {
  const int pageWidth = MmToDeviceX(PageWidthMm());
  const int columns = (ContentExtent().width + pageWidth / 2) / pageWidth;
  return std::max(columns, 1);
}

float BottomMm(const CGraphicsItem& item) {
  return DeviceToMmY(item.Rect.bottom);
}

}  // namespace kav
