#include "ui/app/page_printer.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

#include "output/page_layout.h"
#include "ui/render/page_render.h"

namespace kav {
namespace {

void PrintCurrent(QPrinter& printer) {
  PrintPages(printer, {CurrentPage()}, [](int) {});
}

}  // namespace

QSizeF PrintableSizeMm(const QPrinter& printer) {
  return printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

QSizeF DefaultPageSizeMm() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return {200.0, 280.0};
  return PrintableSizeMm(QPrinter(info, QPrinter::HighResolution));
}

PagePrinter::PagePrinter() : printer_(QPrinter::HighResolution) {}

void PagePrinter::Print(QWidget* parent) {
  QPrintDialog dialog(&printer_, parent);
  dialog.setWindowTitle(QStringLiteral("Skriv ut"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) PrintCurrent(printer_);
}

void PagePrinter::Preview(QWidget* parent) {
  QPrintPreviewDialog preview(&printer_, parent);
  preview.setWindowTitle(QStringLiteral("Forhåndsvisning"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [](QPrinter* printer) { PrintCurrent(*printer); });
  preview.exec();
}

bool PagePrinter::Setup(QWidget* parent) {
  QPageSetupDialog dialog(&printer_, parent);
  dialog.setWindowTitle(QStringLiteral("Skriveroppsett"));
  if (dialog.exec() != QDialog::Accepted) return false;
  const QSizeF size = PrintableSizeMm(printer_);
  SetPageSizeMm(static_cast<float>(size.width()), static_cast<float>(size.height()));
  return true;
}

}  // namespace kav
