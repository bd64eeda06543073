#pragma once
// The desktop program: start-up, the commands that belong to the program
// rather than the document ("Ny", "Om KAV...", "Innholdsfortegnelse") and
// the settings of its start-up windows and main window. The settings and
// the clock (the month picks the welcome picture) are given, so that tests
// can set them.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "ui/app/window_placement.h"

namespace kav {

class CKavDoc;
class CMainFrame;
class QtScreenDevice;
class Settings;

// The month of today, 1 to 12.
int CurrentMonth();

class CKavApp final : public QObject {
  Q_OBJECT

 public:
  // Installs `settings` as the program's settings while it lives.
  explicit CKavApp(Settings& settings, std::function<int()> month = CurrentMonth);
  ~CKavApp() override;

  // The start-up: measuring device, pictures, page size and dialogs; the
  // document and the main window; a new document; the main window's
  // placement; then the document named on the command line, or else the
  // welcome window when it is turned on.
  void InitInstance(const QString& documentPath = {});
  // Writes the main window's placement as it was when it closed.
  void ExitInstance();

  // "Ny": after the question to save, a new document and the
  // getting-started window when it is turned on.
  void OnFileNew();
  void OnAppAbout();
  void OnHelpContents();

  CKavDoc& Document() const { return *doc_; }
  CMainFrame& Frame() const { return *frame_; }

 private:
  void NewDocument();
  // The page size of the default printer, and the current page laid out
  // again when it is another.
  void UsePrinterPage();
  void ShowGettingStarted();
  void ShowWelcome();

  Settings& settings_;
  Settings& previousSettings_;
  std::function<int()> month_;
  std::unique_ptr<QtScreenDevice> screen_;
  std::unique_ptr<CKavDoc> doc_;
  std::unique_ptr<CMainFrame> frame_;
  WindowPlacement placement_;
};

}  // namespace kav
