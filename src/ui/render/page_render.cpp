#include "ui/render/page_render.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>

#include "output/page_layout.h"
#include "output/print_sheets.h"
#include "ui/render/qt_device.h"

namespace kav {

QImage RenderCurrentPage() {
  const DeviceSize content = ContentExtent();
  const int width = std::max(PageColumnCount() * MmToDeviceX(PageWidthMm()), content.width);
  const int height = std::max(MmToDeviceY(PageHeightMm()), content.height);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtPainterDevice device(painter, false);
  DrawCurrentPage(device, {0, 0, width, height});
  return image;
}

bool SaveCurrentPagePng(const std::string& path) {
  return RenderCurrentPage().save(QString::fromStdString(path), "PNG");
}

bool PrintCurrentPageToPdf(const std::string& path, int dotsPerInch) {
  return PrintPagesToPdf(
      path, {CurrentPage()}, [](int) {}, dotsPerInch);
}

int PrintPages(QPagedPaintDevice& device, const std::vector<int>& pages,
               const std::function<void(int)>& showPage) {
  QPainter painter;
  if (!painter.begin(&device)) return -1;
  QtPainterDevice printer(painter, true);
  const float mmPerDotX = 25.4f / static_cast<float>(device.logicalDpiX());
  const float mmPerDotY = 25.4f / static_cast<float>(device.logicalDpiY());
  int sheets = 0;
  for (int page : pages) {
    showPage(page);
    BeginPrinting(printer, mmPerDotX, mmPerDotY);
    const SheetPlan plan = PlanSheets(ContentExtent(), {device.width(), device.height()});
    for (int k = 0; k < plan.Count(); ++k) {
      if (sheets > 0) device.newPage();
      ++sheets;
      DrawCurrentPage(printer, plan.Sheet(k));
    }
    EndPrinting();
  }
  return painter.end() ? sheets : -1;
}

bool PrintPagesToPdf(const std::string& path, const std::vector<int>& pages,
                     const std::function<void(int)>& showPage, int dotsPerInch) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setResolution(dotsPerInch);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  return PrintPages(writer, pages, showPage) >= 0;
}

}  // namespace kav
