#pragma once
// The main window: the menu, the toolbar, the bar of the eight module tabs
// and the page view. The tabs and the "Vis" menu follow the document's
// active module; the title shows the document's name, "*" while it has
// unsaved changes, and "KAV".
#include <QMainWindow>
#include <array>
#include <vector>

#include "ui/app/document_files.h"
#include "ui/app/page_printer.h"

class QAction;
class QMenu;
class QTabBar;
class QToolBar;

namespace kav {

class CKavDoc;
class CKavView;

// The menu commands.
struct FrameActions {
  QAction* fileNew = nullptr;
  QAction* fileOpen = nullptr;
  QAction* fileSave = nullptr;
  QAction* fileSaveAs = nullptr;
  QAction* saveResults = nullptr;
  QAction* print = nullptr;
  QAction* printPreview = nullptr;
  QAction* printSetup = nullptr;
  QAction* exit = nullptr;
  QAction* copyText = nullptr;
  QAction* copyPicture = nullptr;
  QAction* project = nullptr;
  QAction* input = nullptr;
  QAction* database = nullptr;
  QAction* toolbar = nullptr;
  std::array<QAction*, 8> modules{};
  QAction* helpContents = nullptr;
  QAction* about = nullptr;
};

class CMainFrame final : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CKavDoc& doc, QWidget* parent = nullptr);
  ~CMainFrame() override;

  const FrameActions& Actions() const { return actions_; }
  CKavView& View() const { return *view_; }
  QTabBar& Tabs() const { return *tabs_; }
  QToolBar& ToolBar() const { return *toolbar_; }
  DocumentFiles& Files() { return files_; }

  // The tab and the "Vis" entry of the module.
  void SelectTab(int module);
  void UpdateTitle();
  // Opens the document (the command line), as "Åpne..." does after its
  // dialog: the view at the top of the page, the document first among the
  // recent ones.
  bool OpenDocument(const QString& path);
  // The recent documents in the "Fil" menu, above "Avslutt", as the
  // settings hold them.
  void UpdateRecentFiles();
  // The entries of the recent documents in the "Fil" menu, newest first.
  const std::vector<QAction*>& RecentFileActions() const { return recentActions_; }

 signals:
  // The user closes the window and the document may go; the window still
  // has its placement.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A ".kav" file dropped on the window opens, after the question to save
  // the document that is open.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateTabs();
  // Runs a document command and shows the document's state afterwards.
  void Run(const std::function<void()>& command);
  // Runs a command that may open a document; one that did starts at the top.
  bool RunOpen(const std::function<bool()>& open);

  CKavDoc& doc_;
  FrameActions actions_;
  CKavView* view_;
  QTabBar* tabs_;
  QToolBar* toolbar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  DocumentFiles files_;
  PagePrinter printer_;
};

}  // namespace kav
