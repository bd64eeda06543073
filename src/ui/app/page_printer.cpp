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
  if (info.isNull()) return kNoPrinterPageMm;
  return PrintableSizeMm(QPrinter(info, QPrinter::HighResolution));
}

QPrinter& PagePrinter::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void PagePrinter::Print(QWidget* parent) {
  QPrintDialog dialog(&Printer(), parent);
  dialog.setWindowTitle(QStringLiteral("Skriv ut"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) PrintCurrent(Printer());
}

void PagePrinter::Preview(QWidget* parent) {
  QPrintPreviewDialog preview(&Printer(), parent);
  preview.setWindowTitle(QStringLiteral("Forhåndsvisning"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [](QPrinter* printer) { PrintCurrent(*printer); });
  preview.exec();
}

bool PagePrinter::Setup(QWidget* parent) {
  QPageSetupDialog dialog(&Printer(), parent);
  dialog.setWindowTitle(QStringLiteral("Skriveroppsett"));
  if (dialog.exec() != QDialog::Accepted) return false;
  const QSizeF size = PrintableSizeMm(Printer());
  SetPageSizeMm(static_cast<float>(size.width()), static_cast<float>(size.height()));
  return true;
}

}  // namespace kav
