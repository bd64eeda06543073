#pragma once
// The process-wide page state: page size, the mm/device-unit conversion of
// the device in use, the four page fonts, the measuring device, the eight
// module page lists and the printing switch.
//
// Positions on a page are given in mm and converted to device units:
// device = mm / (mm per device unit) + 0.5, truncated. On screen both
// scales are 0.254 mm per unit; between BeginPrinting and EndPrinting they
// are the printer's and the fonts are rescaled to printer units.
#include <vector>

#include "core/module_table.h"
#include "output/device.h"

namespace kav {

class CGraphicsItem;

// One page per module.
inline constexpr int kPageCount = kModuleCount;
inline constexpr float kScreenMmPerUnit = 0.254f;
inline constexpr Colour kTextColour = Rgb(0, 0, 0);
// The background of a selected table or graph on screen.
inline constexpr Colour kSelectionColour = Rgb(255, 255, 192);

// Page size in mm: 200 x 280 until the program knows its printer.
float PageWidthMm();
float PageHeightMm();
void SetPageSizeMm(float width, float height);

float MmPerUnitX();
float MmPerUnitY();
int MmToDeviceX(float mm);
int MmToDeviceY(float mm);
float DeviceToMmX(int units);
float DeviceToMmY(int units);
DevicePoint MmToDevice(float x, float y);
DeviceRect MmToDeviceRect(float left, float top, float right, float bottom);

// "Arial" 11, 11 bold, 20 and 10 in screen units; in printer units while
// printing.
const Font& NormalFont();
const Font& BoldFont();
const Font& LargeFont();
const Font& SmallFont();

// The device that measures text for layouts: the printer while printing,
// otherwise the installed screen device. Until the program installs one, a
// built-in device estimates text sizes from the font height.
Device& MeasuringDevice();
// Installs the screen's measuring device (not owned); null removes it.
void SetScreenDevice(Device* device);

bool IsPrinting();
// Sets the printing device and the printer's scales, rescales the fonts
// and lays every item of the current page out for the printer.
void BeginPrinting(Device& printer, float mmPerUnitX, float mmPerUnitY);
// Back to the screen: scales, fonts and every item of the current page.
void EndPrinting();

// The module pages. The lists hold the items, they do not own them.
using PageItems = std::vector<CGraphicsItem*>;
const PageItems& PageList(int page);
// Appends the item unless the list holds it already.
void AddToPage(int page, CGraphicsItem* item);
void RemoveFromPage(int page, CGraphicsItem* item);
void RemoveFromAllPages(CGraphicsItem* item);
// Refresh on every item of the page, in list order.
void RefreshPage(int page);
int CurrentPage();
void SetCurrentPage(int page);
const PageItems& CurrentPageList();

// Draws every item of the current page in list order; `view` is the part
// of the page shown, its top-left corner the device's origin.
void DrawCurrentPage(Device& device, const DeviceRect& view);

// The largest right and bottom edge of the current page's items.
DeviceSize ContentExtent();
// The scroll size of the view: the content extent, at least the minimum,
// each rounded up to the next multiple of 100 mm (a multiple gains 100 mm).
DeviceSize PageExtent(int minWidth, int minHeight);
// How many page columns the current page spans: the content width in page
// widths, rounded to the nearest whole number, at least 1.
int PageColumnCount();
// The item's bottom edge in mm.
float BottomMm(const CGraphicsItem& item);

}  // namespace kav
