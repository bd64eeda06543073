// The page state shared by all page items: unit conversion, page lists,
// page extent and columns, the switch to the printer and back, and the
// planning of printed sheets.
#include "output/page_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "output/graphics_item.h"
#include "output/print_sheets.h"
#include "page_fixture.h"

namespace kav {
namespace {

using test::FakeDevice;

// An item with a fixed rectangle that records what it is asked to do.
class Probe : public CGraphicsItem {
 public:
  Probe(std::string name, std::vector<std::string>* log, DeviceRect rect = {}) : log_(log) {
    Name = std::move(name);
    Rect = rect;
  }
  ItemKind Kind() const override { return ItemKind::Text; }
  void Refresh() override { log_->push_back("refresh " + Name); }
  void BeginDevice(Device&) override {
    log_->push_back("begin " + Name + " " + std::to_string(MmToDeviceX(10.0f)));
  }
  void EndDevice() override {
    log_->push_back("end " + Name + " " + std::to_string(MmToDeviceX(10.0f)));
  }

 private:
  std::vector<std::string>* log_;
};

using PageLayoutTest = test::PageTest;

TEST_F(PageLayoutTest, ScreenUnitsAreAQuarterMillimetre) {
  EXPECT_EQ(MmToDeviceX(10.0f), 39);  // 39.37 rounds down
  EXPECT_EQ(MmToDeviceY(20.0f), 79);  // 78.74 rounds up
  EXPECT_EQ(MmToDeviceX(0.0f), 0);
  EXPECT_FLOAT_EQ(DeviceToMmY(100), 25.4f);
  const DeviceRect rect = MmToDeviceRect(10.0f, 20.0f, 100.0f, 0.5f);
  EXPECT_EQ(rect.left, 39);
  EXPECT_EQ(rect.top, 79);
  EXPECT_EQ(rect.right, 394);
  EXPECT_EQ(rect.bottom, 2);
  EXPECT_FLOAT_EQ(PageWidthMm(), 200.0f);  // until a printer is known
  EXPECT_FLOAT_EQ(PageHeightMm(), 280.0f);
}

TEST_F(PageLayoutTest, AnItemIsHeldOnceAndLeavesEveryListWhenDestroyed) {
  std::vector<std::string> log;
  const PageItems before = PageList(4);
  {
    Probe item("a", &log);
    AddToPage(4, &item);
    AddToPage(4, &item);
    AddToPage(5, &item);
    EXPECT_EQ(PageList(4).size(), before.size() + 1);
    RemoveFromPage(5, &item);
    EXPECT_TRUE(PageList(5).empty());
    RemoveFromPage(5, &item);  // not there: nothing happens
    AddToPage(5, &item);
  }
  EXPECT_EQ(PageList(4), before);
  EXPECT_TRUE(PageList(5).empty());
  EXPECT_THROW(AddToPage(kPageCount, nullptr), std::out_of_range);
}

TEST_F(PageLayoutTest, RefreshGoesThroughThePageInListOrder) {
  std::vector<std::string> log;
  Probe first("1", &log);
  Probe second("2", &log);
  Probe other("3", &log);
  AddToPage(1, &second);
  AddToPage(1, &first);
  AddToPage(2, &other);
  RefreshPage(1);
  EXPECT_EQ(log, (std::vector<std::string>{"refresh 2", "refresh 1"}));
}

TEST_F(PageLayoutTest, ExtentRoundsUpToWholeHundredsOfMillimetres) {
  std::vector<std::string> log;
  const int step = MmToDeviceX(100.0f);  // 394 units both ways
  EXPECT_EQ(PageExtent(0, 0).width, step);
  EXPECT_EQ(PageExtent(step - 1, 0).width, step);
  EXPECT_EQ(PageExtent(step, 0).width, 2 * step);  // a multiple gains a step
  Probe item("a", &log, {0, 0, 500, 3 * step});
  AddToPage(0, &item);
  const DeviceSize extent = PageExtent(100, 100);
  EXPECT_EQ(extent.width, 2 * step);
  EXPECT_EQ(extent.height, 4 * step);
  EXPECT_EQ(PageExtent(900, 0).width, 3 * step);  // the minimum wins
  SetCurrentPage(1);
  EXPECT_EQ(ContentExtent().width, 0);  // only the current page counts
}

TEST_F(PageLayoutTest, PageColumnsAreTheContentWidthInPagesRounded) {
  std::vector<std::string> log;
  const int page = MmToDeviceX(200.0f);
  Probe item("a", &log);
  AddToPage(0, &item);
  EXPECT_EQ(PageColumnCount(), 1);  // an empty page still has one
  item.Rect.right = page + page / 2 - 1;
  EXPECT_EQ(PageColumnCount(), 1);
  item.Rect.right = page + page / 2 + 1;
  EXPECT_EQ(PageColumnCount(), 2);
}

TEST_F(PageLayoutTest, PrintingSwitchesScalesFontsAndMeasuringDevice) {
  std::vector<std::string> log;
  Probe item("a", &log);
  AddToPage(0, &item);
  FakeDevice printer;
  EXPECT_EQ(&MeasuringDevice(), &screen);
  BeginPrinting(printer, 0.1f, 0.2f);
  EXPECT_TRUE(IsPrinting());
  EXPECT_EQ(&MeasuringDevice(), &printer);
  EXPECT_EQ(MmToDeviceX(10.0f), 100);
  EXPECT_EQ(MmToDeviceY(10.0f), 50);
  // Screen heights times 0.254 / 0.2 (the vertical scale), rounded.
  EXPECT_EQ(NormalFont().height, 14);
  EXPECT_EQ(BoldFont().height, 14);
  EXPECT_EQ(BoldFont().weight, 700);
  EXPECT_EQ(LargeFont().height, 25);
  EXPECT_EQ(SmallFont().height, 13);
  EndPrinting();
  EXPECT_FALSE(IsPrinting());
  EXPECT_EQ(&MeasuringDevice(), &screen);
  EXPECT_EQ(NormalFont(), (Font{11, 400, "Arial"}));
  EXPECT_EQ(LargeFont().height, 20);
  EXPECT_EQ(log, (std::vector<std::string>{"begin a 100", "end a 39"}));
}

TEST_F(PageLayoutTest, ClickSelectsAtTheScrolledPoint) {
  std::vector<std::string> log;
  Probe item("a", &log, {10, 10, 20, 20});
  EXPECT_TRUE(item.HitTest({5, 5}, {5, 5}));
  EXPECT_TRUE(item.Selected);
  EXPECT_FALSE(item.HitTest({20, 15}, {0, 0}));  // right edge is outside
  EXPECT_FALSE(item.Selected);
}

TEST(PrintSheetsTest, SheetsAcrossThenDown) {
  const DeviceSize sheet{1000, 1400};
  // Twice as wide and one and a half times as high as a sheet.
  const SheetPlan plan = PlanSheets({2000, 2100}, sheet);
  EXPECT_EQ(plan.across, 2);
  EXPECT_EQ(plan.down, 2);
  EXPECT_EQ(plan.Count(), 4);
  const DeviceRect second = plan.Sheet(1);
  EXPECT_EQ(second.left, 1000);
  EXPECT_EQ(second.top, 0);
  const DeviceRect third = plan.Sheet(2);
  EXPECT_EQ(third.left, 0);
  EXPECT_EQ(third.top, 1400);
  EXPECT_EQ(third.bottom, 2800);
}

TEST(PrintSheetsTest, ContentEndingOnASheetEdgeNeedsNoEmptySheet) {
  EXPECT_EQ(PlanSheets({1000, 10}, {1000, 1400}).across, 1);
  EXPECT_EQ(PlanSheets({1001, 10}, {1000, 1400}).across, 2);
  EXPECT_EQ(PlanSheets({0, 0}, {1000, 1400}).Count(), 1);
}

}  // namespace
}  // namespace kav
