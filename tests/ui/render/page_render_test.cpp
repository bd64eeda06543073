// A sample page (header, a filled table, a graph, the footer) drawn
// through Qt: as an image and as a printed PDF file.
#include "ui/render/page_render.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/strings.h"
#include "output/footer.h"
#include "output/graph.h"
#include "output/header.h"
#include "output/page_context.h"
#include "output/page_layout.h"
#include "output/tabell.h"
#include "ui/render/qt_device.h"
#include "ui_test_support.h"

namespace kav {
namespace {

class PageRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetScreenDevice(&screen_);
    SetCurrentPage(0);
    SetPageContext({{},
                    [] { return std::string("/tmp/prosjekt.kav"); },
                    {},
                    [] {
                      return LocalTime{12, 30, 1, 6, 2024};
                    }});
    header_ = std::make_unique<CHeader>(0);
    footer_ = std::make_unique<CFooter>();
    header_->Refresh();

    const int headings[] = {ids::InsulationThickness, ids::SurfaceTemperatureInsulation,
                            ids::HeatLoss_62315};
    const int rows[] = {ids::ThicknessLayer1, ids::ThicknessLayer2};
    const float values[] = {12.5f, 31.25f, 40.0f, 29.5f};
    table.SetUp(20.0f, 80.0f, 3.0f, 1.5f, "%.2f", headings, rows, values, 120.0f);
    table.HighlightRow = 1;
    AddToPage(0, &table);

    const int curves[] = {ids::TankGraphCurve};
    const Colour colours[] = {Rgb(200, 0, 0)};
    graph.SetUp(25.0f, BottomMm(table) + 10.0f, 120.0f, 60.0f, ids::TankGraphCurve,
                ids::TankGraphTemperatureAxis, ids::TankGraphTimeAxis, curves, colours,
                {"%.0f", "%.0f", "%.1f", "%.1f"}, true);
    const float x[] = {0.0f, 2.0f, 4.0f, 6.0f, 8.0f};
    const float y[] = {60.0f, 45.0f, 35.0f, 28.0f, 24.0f};
    const CurveData data[] = {{x, y}};
    graph.SetData(0.0f, 0.0f, 8.0f, 60.0f, data);
    AddToPage(0, &graph);
  }
  void TearDown() override {
    RemoveFromPage(0, &table);
    RemoveFromPage(0, &graph);
    header_.reset();
    footer_.reset();
    SetPageContext({});
    SetScreenDevice(nullptr);
  }

  static int DarkPixels(const QImage& image, const DeviceRect& area) {
    int dark = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) dark += qGray(image.pixel(x, y)) < 128;
    }
    return dark;
  }

  QtScreenDevice screen_;
  std::unique_ptr<CHeader> header_;
  std::unique_ptr<CFooter> footer_;
  CTabell table;
  CGraph graph;
};

TEST_F(PageRenderTest, ImageShowsThePageWithTextWhereTheTableIs) {
  const QImage image = RenderCurrentPage();
  ASSERT_EQ(image.width(), MmToDeviceX(200.0f));
  ASSERT_EQ(image.height(), MmToDeviceY(280.0f));
  EXPECT_GT(DarkPixels(image, {0, 0, image.width(), image.height()}), 1000);

  // The heading row: text, no rules.
  const int top = table.Rect.top + MmToDeviceY(1.5f);
  const DeviceRect headings{table.Rect.left, top, table.Rect.right, top + table.RowHeight()};
  EXPECT_GT(DarkPixels(image, headings), 20);
  // Just above the table: nothing.
  EXPECT_EQ(DarkPixels(image, {table.Rect.left, table.Rect.top - 10, table.Rect.right,
                               table.Rect.top - 2}),
            0);
  // The highlighted first row on its yellow band, right of its label.
  const int labelEnd = table.Rect.left + table.ColumnWidths()[0];
  EXPECT_EQ(image.pixelColor(labelEnd - 5, top + table.RowHeight() + 8), QColor(255, 255, 0));
  // The header picture beside the lines, its jacketing in the key yellow.
  const DeviceRect picture = MmToDeviceRect(142.0f, 30.0f, 190.0f, 70.0f);
  const int x = picture.left + (picture.right - picture.left) / 4;
  const int y = (picture.top + picture.bottom) / 2;
  EXPECT_EQ(image.pixelColor(x, y), QColor(255, 255, 0));
}

TEST_F(PageRenderTest, NumbersKeepTheirDecimalPointUnderQt) {
  EXPECT_EQ(header_->Lines()[0], "Programversjon : 5.10");
  EXPECT_EQ(table.Cell(1, 1), "12.50");
}

TEST_F(PageRenderTest, PngIsWritten) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("side.png").toStdString();
  ASSERT_TRUE(SaveCurrentPagePng(path));
  QImage saved(QString::fromStdString(path));
  EXPECT_EQ(saved.width(), MmToDeviceX(200.0f));
  if (const char* keep = std::getenv("KAV_KEEP_PAGE_PNG")) saved.save(keep);
}

TEST_F(PageRenderTest, PrintedPdfHasOneSheetPerPagePart) {
  QTemporaryDir dir;
  const DeviceRect before = table.Rect;
  const std::string single = dir.filePath("en.pdf").toStdString();
  ASSERT_TRUE(PrintCurrentPageToPdf(single));
  EXPECT_EQ(test::PdfPageCount(single), 1);
  EXPECT_FALSE(IsPrinting());
  EXPECT_EQ(table.Rect.left, before.left);  // back at screen scale
  EXPECT_EQ(table.Rect.right, before.right);

  table.FillValues(std::vector<int>{ids::InsulationThickness}, std::vector<int>{ids::Yes}, {},
                   230.0f);
  const std::string wide = dir.filePath("to.pdf").toStdString();
  ASSERT_TRUE(PrintCurrentPageToPdf(wide));
  EXPECT_EQ(test::PdfPageCount(wide), 2);
}

TEST_F(PageRenderTest, UnwritablePdfFails) {
  EXPECT_FALSE(PrintCurrentPageToPdf("/nonexistent-directory/side.pdf"));
  EXPECT_FALSE(IsPrinting());
}

}  // namespace
}  // namespace kav
