#include "ui/app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/module_table.h"
#include "core/settings.h"
#include "core/strings.h"
#include "modules/kav_doc.h"
#include "output/page_layout.h"
#include "ui/app/app_icons.h"
#include "ui/app/kav_view.h"
#include "ui/app/recent_files.h"

namespace kav {
namespace {

QAction* NewAction(QObject* parent, const QString& name, const char* text,
                   const QKeySequence& shortcut = {}) {
  auto* action = new QAction(QString::fromUtf8(text), parent);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

// The first local ".kav" file among the dropped ones; empty when there is none.
QString DroppedDocument(const QMimeData* data) {
  if (data == nullptr) return {};
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (QFileInfo(path).suffix().compare(QStringLiteral("kav"), Qt::CaseInsensitive) == 0) {
      return path;
    }
  }
  return {};
}

}  // namespace

CMainFrame::CMainFrame(CKavDoc& doc, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      view_(new CKavView),
      tabs_(new QTabBar),
      files_(doc, DialogPrompts(this)) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowIcon(AppIcon());
  setAcceptDrops(true);
  CreateActions();
  CreateMenus();
  UpdateRecentFiles();
  CreateToolBar();
  CreateTabs();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tabs_);
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  view_->setFocus();

  connect(view_, &CKavView::selectionChanged, this,
          [this] { actions_.copyText->setEnabled(view_->CanCopyText()); });
  doc_.onSelectTab = [this](int module) { SelectTab(module); };
  doc_.onUpdateViews = [this] {
    view_->OnUpdate();
    UpdateTitle();
  };
  SelectTab(doc_.ActiveModule());
  UpdateTitle();
}

CMainFrame::~CMainFrame() {
  doc_.onSelectTab = nullptr;
  doc_.onUpdateViews = nullptr;
}

void CMainFrame::CreateActions() {
  FrameActions& a = actions_;
  a.fileNew = NewAction(this, QStringLiteral("fileNew"), "&Ny", QKeySequence::New);
  a.fileOpen = NewAction(this, QStringLiteral("fileOpen"), "&Åpne...", QKeySequence::Open);
  a.fileSave = NewAction(this, QStringLiteral("fileSave"), "&Lagre", QKeySequence::Save);
  a.fileSaveAs = NewAction(this, QStringLiteral("fileSaveAs"), "Lagre &Som...");
  a.saveResults =
      NewAction(this, QStringLiteral("saveResults"), "Lagre &resultater i en tekstfil..");
  a.print = NewAction(this, QStringLiteral("print"), "&Utskrift...", QKeySequence::Print);
  a.printPreview = NewAction(this, QStringLiteral("printPreview"), "&Forhåndsvisning");
  a.printSetup = NewAction(this, QStringLiteral("printSetup"), "Skriver&Oppsett...");
  a.exit = NewAction(this, QStringLiteral("exit"), "&Avslutt");
  a.copyText = NewAction(this, QStringLiteral("copyText"), "&Kopier som tekst til Utklippstavle",
                         QKeySequence(Qt::CTRL | Qt::Key_C));
  a.copyPicture =
      NewAction(this, QStringLiteral("copyPicture"), "Kopier som &bilde til Utklippstavle",
                QKeySequence(Qt::CTRL | Qt::Key_K));
  a.project = NewAction(this, QStringLiteral("project"), "&Prosjektinformasjon..");
  a.input = NewAction(this, QStringLiteral("input"), "&Inndata...");
  a.database = NewAction(this, QStringLiteral("database"), "&Database...");
  a.toolbar = NewAction(this, QStringLiteral("toolbar"), "&Knapperad");
  a.helpContents =
      NewAction(this, QStringLiteral("helpContents"), "&Innholdsfortegnelse", Qt::Key_F1);
  a.about = NewAction(this, QStringLiteral("about"), "&Om KAV...");

  a.fileNew->setIcon(MakeToolIcon(ToolIcon::New));
  a.fileOpen->setIcon(MakeToolIcon(ToolIcon::Open));
  a.fileSave->setIcon(MakeToolIcon(ToolIcon::Save));
  a.print->setIcon(MakeToolIcon(ToolIcon::Print));
  a.printPreview->setIcon(MakeToolIcon(ToolIcon::Preview));
  a.copyText->setIcon(MakeToolIcon(ToolIcon::CopyText));
  a.copyPicture->setIcon(MakeToolIcon(ToolIcon::CopyPicture));
  a.input->setIcon(MakeToolIcon(ToolIcon::EditInput));
  a.input->setIconText(QStringLiteral("Rediger inndata"));
  a.project->setIcon(MakeToolIcon(ToolIcon::Project));
  a.helpContents->setIcon(MakeToolIcon(ToolIcon::Help));

  a.copyText->setEnabled(false);
  a.toolbar->setCheckable(true);
  a.toolbar->setChecked(true);

  auto* group = new QActionGroup(this);
  for (int module = 0; module < kModuleCount; ++module) {
    QAction* action =
        NewAction(this, QStringLiteral("module%1").arg(module), ModuleAt(module).menuText);
    action->setCheckable(true);
    group->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, module] { Run([this, module] { doc_.SetActiveModule(module); }); });
    a.modules[static_cast<std::size_t>(module)] = action;
  }

  connect(a.fileOpen, &QAction::triggered, this,
          [this] { RunOpen([this] { return files_.Open(); }); });
  connect(a.fileSave, &QAction::triggered, this, [this] { Run([this] { files_.Save(); }); });
  connect(a.fileSaveAs, &QAction::triggered, this, [this] { Run([this] { files_.SaveAs(); }); });
  connect(a.saveResults, &QAction::triggered, this, [this] { files_.SaveResultsText(); });
  connect(a.print, &QAction::triggered, this, [this] {
    printer_.Print(this);
    view_->OnUpdate();
  });
  connect(a.printPreview, &QAction::triggered, this, [this] {
    printer_.Preview(this);
    view_->OnUpdate();
  });
  connect(a.printSetup, &QAction::triggered, this, [this] {
    if (!printer_.Setup(this)) return;
    RefreshPage(CurrentPage());
    view_->OnUpdate();
  });
  connect(a.exit, &QAction::triggered, this, &QWidget::close);
  connect(a.copyText, &QAction::triggered, view_, &CKavView::CopyText);
  connect(a.copyPicture, &QAction::triggered, view_, &CKavView::CopyPicture);
  connect(a.project, &QAction::triggered, this, [this] { Run([this] { doc_.EditProject(); }); });
  connect(a.input, &QAction::triggered, this, [this] { Run([this] { doc_.EditInput(); }); });
  connect(a.database, &QAction::triggered, this, [this] { Run([this] { doc_.EditDatabase(); }); });
}

void CMainFrame::CreateMenus() {
  const FrameActions& a = actions_;
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&Fil"));
  fileMenu_->addActions({a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs});
  fileMenu_->addSeparator();
  fileMenu_->addAction(a.saveResults);
  fileMenu_->addSeparator();
  fileMenu_->addActions({a.print, a.printPreview, a.printSetup});
  fileMenu_->addSeparator();
  fileMenu_->addAction(a.exit);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Rediger"));
  edit->addActions({a.copyText, a.copyPicture});
  edit->addSeparator();
  edit->addActions({a.project, a.input, a.database});

  QMenu* view = menuBar()->addMenu(QStringLiteral("&Vis"));
  view->addAction(a.toolbar);
  view->addSeparator();
  for (QAction* module : a.modules) view->addAction(module);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Hjelp"));
  help->addAction(a.helpContents);
  help->addSeparator();
  help->addAction(a.about);
}

void CMainFrame::CreateToolBar() {
  const FrameActions& a = actions_;
  toolbar_ = addToolBar(QStringLiteral("Knapperad"));
  toolbar_->setObjectName(QStringLiteral("toolBar"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
  toolbar_->addActions({a.fileNew, a.fileOpen, a.fileSave});
  toolbar_->addSeparator();
  toolbar_->addActions({a.copyText, a.copyPicture});
  toolbar_->addSeparator();
  toolbar_->addActions({a.print, a.printPreview});
  toolbar_->addSeparator();
  toolbar_->addActions({a.project, a.input});
  toolbar_->addSeparator();
  toolbar_->addAction(a.helpContents);
  // The command a new user looks for shows its name.
  if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(a.input))) {
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }

  const std::pair<QAction*, const char*> tips[] = {
      {a.fileNew, "Ny beregning"},
      {a.fileOpen, "Åpne et dokument"},
      {a.fileSave, "Lagre dokumentet"},
      {a.copyText, "Kopier den valgte tabellen som tekst til utklippstavlen"},
      {a.copyPicture, "Kopier den synlige delen av siden som bilde til utklippstavlen"},
      {a.print, "Skriv ut siden"},
      {a.printPreview, "Forhåndsvis utskriften"},
      {a.project, "Prosjektinformasjon"},
      {a.input, "Rediger inndata for beregningen"},
      {a.helpContents, "Hjelp: innholdsfortegnelse"},
  };
  for (const auto& [action, tip] : tips) {
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    action->setToolTip(keys.isEmpty()
                           ? QString::fromUtf8(tip)
                           : QStringLiteral("%1 (%2)").arg(QString::fromUtf8(tip), keys));
  }

  connect(a.toolbar, &QAction::toggled, toolbar_, &QToolBar::setVisible);
  connect(toolbar_, &QToolBar::visibilityChanged, a.toolbar, &QAction::setChecked);
}

void CMainFrame::CreateTabs() {
  tabs_->setObjectName(QStringLiteral("moduleTabs"));
  tabs_->setDocumentMode(true);
  tabs_->setExpanding(false);
  tabs_->setDrawBase(true);
  for (const ModuleInfo& module : kModules)
    tabs_->addTab(QString::fromStdString(Str(module.tabText)));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int module) {
    if (module != doc_.ActiveModule()) Run([this, module] { doc_.SetActiveModule(module); });
  });
}

void CMainFrame::SelectTab(int module) {
  const QSignalBlocker blocker(tabs_);
  tabs_->setCurrentIndex(module);
  actions_.modules.at(static_cast<std::size_t>(module))->setChecked(true);
}

void CMainFrame::UpdateTitle() {
  setWindowTitle(DocumentName(doc_) + QStringLiteral("[*] - ") +
                 QString::fromStdString(Str(ids::AppTitle)));
  setWindowModified(doc_.IsModified());
}

void CMainFrame::Run(const std::function<void()>& command) {
  command();
  UpdateTitle();
  UpdateRecentFiles();
}

bool CMainFrame::RunOpen(const std::function<bool()>& open) {
  bool opened = false;
  Run([&] {
    opened = open();
    if (opened) view_->StartAtTop();
  });
  return opened;
}

bool CMainFrame::OpenDocument(const QString& path) {
  return RunOpen([this, &path] { return files_.OpenPath(path); });
}

void CMainFrame::UpdateRecentFiles() {
  // An entry may be the one being triggered: it goes when control is back.
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  const QStringList paths = RecentFiles(CurrentSettings());
  if (paths.isEmpty()) {
    if (recentSeparator_ != nullptr) recentSeparator_->setVisible(false);
    return;
  }
  if (recentSeparator_ == nullptr) recentSeparator_ = fileMenu_->insertSeparator(actions_.exit);
  recentSeparator_->setVisible(true);
  for (int index = 0; index < paths.size(); ++index) {
    const QString& path = paths[index];
    auto* action = new QAction(RecentFileMenuText(index, path), this);
    action->setObjectName(QStringLiteral("recentFile%1").arg(index + 1));
    action->setStatusTip(path);
    connect(action, &QAction::triggered, this,
            [this, path] { RunOpen([this, &path] { return files_.OpenRecent(path); }); });
    fileMenu_->insertAction(recentSeparator_, action);
    recentActions_.push_back(action);
  }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedDocument(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DroppedDocument(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // The question to save is a window of its own: it waits until the drop
  // is over, so that the program the file came from is not held up.
  QMetaObject::invokeMethod(
      this, [this, path] { RunOpen([this, &path] { return files_.OpenDropped(path); }); },
      Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!files_.SaveModified()) {
    event->ignore();
    return;
  }
  emit closing();
  event->accept();
}

}  // namespace kav
