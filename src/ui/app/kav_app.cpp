#include "ui/app/kav_app.h"

#include <QAction>
#include <QDate>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <cstdlib>

#include "core/platform.h"
#include "core/settings.h"
#include "modules/kav_doc.h"
#include "output/page_layout.h"
#include "ui/app/about_dlg.h"
#include "ui/app/kav_view.h"
#include "ui/app/main_frame.h"
#include "ui/app/new_doc_dlg.h"
#include "ui/app/page_printer.h"
#include "ui/app/register_dialogs.h"
#include "ui/app/startup_settings.h"
#include "ui/app/title_dlg.h"
#include "ui/platform/help_viewer.h"
#include "ui/render/qt_device.h"
#include "ui/render/qt_pictures.h"

namespace kav {

int CurrentMonth() {
  return QDate::currentDate().month();
}

CKavApp::CKavApp(Settings& settings, std::function<int()> month)
    : settings_(settings), previousSettings_(CurrentSettings()), month_(std::move(month)) {
  SetSettings(&settings_);
}

CKavApp::~CKavApp() {
  frame_.reset();
  doc_.reset();
  SetScreenDevice(nullptr);
  SetPictureProvider(nullptr);
  SetSettings(&previousSettings_);
}

void CKavApp::InitInstance(const QString& documentPath) {
  // What the document's page items need when they are built.
  screen_ = std::make_unique<QtScreenDevice>();
  SetScreenDevice(screen_.get());
  InstallQtPictures();
  // Pages are laid out for the default printer's printable area. Asking
  // for it starts the printing system, so a new document starts on the page
  // of no printer and takes the printer's once the page has been painted;
  // a document named on the command line is laid out for the printer from
  // the start.
  const bool opening = !documentPath.isEmpty();
  const QSizeF page = opening ? DefaultPageSizeMm() : kNoPrinterPageMm;
  SetPageSizeMm(static_cast<float>(page.width()), static_cast<float>(page.height()));
  RegisterDialogs();

  doc_ = std::make_unique<CKavDoc>();
  frame_ = std::make_unique<CMainFrame>(*doc_);
  constexpr auto kOnceAfterwards =
      static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection);
  // With KAV_QUIT_AFTER_FIRST_PAINT set the program ends, saving nothing,
  // as soon as the page has been painted once: what the start-up benchmark
  // times.
  if (qEnvironmentVariableIsSet("KAV_QUIT_AFTER_FIRST_PAINT")) {
    connect(
        &frame_->View(), &CKavView::painted, this, [] { std::_Exit(0); }, kOnceAfterwards);
  }
  if (!opening) {
    connect(&frame_->View(), &CKavView::painted, this, &CKavApp::UsePrinterPage, kOnceAfterwards);
  }
  connect(frame_->Actions().fileNew, &QAction::triggered, this, &CKavApp::OnFileNew);
  connect(frame_->Actions().about, &QAction::triggered, this, &CKavApp::OnAppAbout);
  connect(frame_->Actions().helpContents, &QAction::triggered, this, &CKavApp::OnHelpContents);
  connect(frame_.get(), &CMainFrame::closing, this,
          [this] { placement_ = WindowPlacement::Of(*frame_); });
  NewDocument();

  // Maximised unless the settings place the window otherwise; the normal
  // rectangle it comes back to is centred on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    const QSize size = QSize(1100, 780).boundedTo(area.size() * 9 / 10);
    frame_->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
  }
  frame_->setWindowState(Qt::WindowMaximized);
  placement_ = WindowPlacement::Of(*frame_).ReadFrom(settings_);
  placement_.ApplyTo(*frame_);
  // The getting-started window of the first document waits until the main
  // window is placed and shown, so that it opens over it.
  ShowGettingStarted();

  if (!documentPath.isEmpty()) {
    frame_->OpenDocument(documentPath);
    return;
  }
  if (SwitchIsOn(settings_, kHelpWindowKey)) ShowWelcome();
}

void CKavApp::UsePrinterPage() {
  const QSizeF page = DefaultPageSizeMm();
  if (page == QSizeF(PageWidthMm(), PageHeightMm())) return;
  SetPageSizeMm(static_cast<float>(page.width()), static_cast<float>(page.height()));
  RefreshPage(CurrentPage());
  frame_->View().OnUpdate();
}

void CKavApp::ExitInstance() {
  placement_.WriteTo(settings_);
}

void CKavApp::NewDocument() {
  // The selected table loses its mark while it is still there.
  frame_->View().ClearSelection();
  doc_->NewDocument();
  frame_->View().StartAtTop();
  frame_->UpdateTitle();
}

void CKavApp::OnFileNew() {
  if (!frame_->Files().SaveModified()) return;
  NewDocument();
  ShowGettingStarted();
}

void CKavApp::ShowGettingStarted() {
  if (!SwitchIsOn(settings_, kNewDocWindowKey)) return;
  CNewDocDlg dialog(settings_, frame_.get());
  dialog.exec();
}

void CKavApp::ShowWelcome() {
  CTitleDlg dialog(settings_, month_(), frame_.get());
  dialog.exec();
}

void CKavApp::OnAppAbout() {
  CAboutDlg dialog(settings_, frame_.get());
  dialog.exec();
}

void CKavApp::OnHelpContents() {
  OpenHelp(HelpViewer::kContentsTopic);
}

}  // namespace kav
