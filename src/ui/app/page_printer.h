#pragma once
// Printing the current page: the printer the user has set up (kept for the
// whole run), the print dialog, the print preview and the page set-up. The
// page size the pages are laid out for follows the default printer's
// printable area.
#include <QPrinter>
#include <memory>

class QWidget;

namespace kav {

// The page width and height in mm when there is no printer.
inline constexpr QSizeF kNoPrinterPageMm(200.0, 280.0);

// Page width and height in mm: the default printer's printable area, or
// kNoPrinterPageMm when there is no printer. Asking starts the printing
// system.
QSizeF DefaultPageSizeMm();
// The printable area of a printer in mm.
QSizeF PrintableSizeMm(const QPrinter& printer);

class PagePrinter {
 public:
  // "Utskrift...": the print dialog, then the current page on the printer.
  void Print(QWidget* parent);
  // "Forhåndsvisning": the current page as it would be printed.
  void Preview(QWidget* parent);
  // "SkriverOppsett...": paper and margins; true when the user accepted,
  // and the page size then follows the new printable area.
  bool Setup(QWidget* parent);

  // The printer, set up for the default printer when first asked for.
  QPrinter& Printer();

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace kav
