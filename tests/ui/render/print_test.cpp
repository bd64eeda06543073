// Printing a page over sheets: as many across and down as the content
// needs, left to right and then top to bottom, laid out for the printer
// while it prints.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "fake_items.h"
#include "ui/render/page_render.h"
#include "ui/render/qt_device.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

class PrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetScreenDevice(&screen_);
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(dir_.filePath("side.pdf"));
    printer_.setResolution(96);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  }
  void TearDown() override { SetScreenDevice(nullptr); }

  QtScreenDevice screen_;
  QTemporaryDir dir_;
  QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(PrintTest, APageTwiceAsWideAndHalfAgainAsHighPrintsOnFourSheets) {
  const int w = printer_.width();
  const int h = printer_.height();
  FakeItem table(ItemKind::Table, {0, 0, 100, 100});
  table.printerRect = {0, 0, 2 * w, h + h / 2};
  PageOfItems page{&table};

  EXPECT_EQ(PrintPages(printer_, {0}, [](int) {}), 4);
  const std::vector<DeviceRect> expected = {
      {0, 0, w, h}, {w, 0, 2 * w, h}, {0, h, w, 2 * h}, {w, h, 2 * w, 2 * h}};
  ASSERT_EQ(table.drawn.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(table.drawn[k].left, expected[k].left) << "sheet " << k;
    EXPECT_EQ(table.drawn[k].top, expected[k].top) << "sheet " << k;
    EXPECT_EQ(table.drawn[k].right, expected[k].right) << "sheet " << k;
    EXPECT_EQ(table.drawn[k].bottom, expected[k].bottom) << "sheet " << k;
    EXPECT_FLOAT_EQ(table.scales[k], 25.4f / 96.0f);  // the printer's scale
  }
  EXPECT_EQ(PdfPageCount(printer_.outputFileName().toStdString()), 4);

  // Back on screen: screen scale and the screen layout.
  EXPECT_FALSE(IsPrinting());
  EXPECT_FLOAT_EQ(MmPerUnitX(), kScreenMmPerUnit);
  EXPECT_EQ(table.Rect.right, 100);
}

}  // namespace
}  // namespace kav::test
