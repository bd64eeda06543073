#pragma once
// The current module page as a picture, printed, and as a printed PDF file.
#include <QImage>
#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace kav {

// The current page at screen scale on white: every page column, each with
// its header and footer. Lays nothing out: the items keep the layout of
// the measuring device installed when they were filled.
QImage RenderCurrentPage();
bool SaveCurrentPagePng(const std::string& path);

// Prints pages on a printer or PDF writer, each page starting on a new
// sheet and spread over as many sheets across and down as its content
// needs (left to right, then top to bottom); `showPage` makes a page the
// current one before it is printed. The items are laid out for the device
// while it prints, at its resolution, and for the screen again afterwards.
// The number of sheets printed; -1 when the device cannot be painted on.
int PrintPages(QPagedPaintDevice& device, const std::vector<int>& pages,
               const std::function<void(int)>& showPage);

// Prints the current page to a PDF file on A4 sheets without margins, as
// many sheets across and down as its content needs; the items are laid out
// for the printer while it prints and for the screen again afterwards.
// False when the file cannot be written.
bool PrintCurrentPageToPdf(const std::string& path, int dotsPerInch = 300);
// Prints several pages into one PDF file, each starting on a new sheet;
// `showPage` makes a page the current one before it is printed.
bool PrintPagesToPdf(const std::string& path, const std::vector<int>& pages,
                     const std::function<void(int)>& showPage, int dotsPerInch = 300);

}  // namespace kav
