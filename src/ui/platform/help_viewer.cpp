#include "ui/platform/help_viewer.h"

#include <QAction>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

#include "core/data_directory.h"

namespace kav {
namespace fs = std::filesystem;

fs::path HelpDirectory() {
  return ShippedDataDirectory() / "help" / "html";
}

QUrl HelpTopicUrl(const std::string& topic, const fs::path& directory) {
  static const std::string kPrefix = "::/html/";
  if (topic.rfind(kPrefix, 0) != 0) return {};
  std::string page = topic.substr(kPrefix.size());
  std::string anchor;
  if (const std::size_t hash = page.find('#'); hash != std::string::npos) {
    anchor = page.substr(hash + 1);
    page.erase(hash);
  }
  // A plain file name only: a topic never reaches outside the help pages.
  if (page.empty() || page.find('/') != std::string::npos || page == "." || page == "..") {
    return {};
  }
  const fs::path file = directory / page;
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return {};
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  return url;
}

HelpViewer::HelpViewer(fs::path directory)
    : directory_(std::move(directory)), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("helpViewer"));
  // The program ends with its main window, whether help is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  browser_->setOpenExternalLinks(true);
  setCentralWidget(browser_);

  QToolBar* bar = addToolBar(QStringLiteral("Navigering"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                 QStringLiteral("Tilbake"), browser_, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                    QStringLiteral("Frem"), browser_, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Innhold"), this,
                 [this] { ShowTopic(kContentsTopic); });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::UpdateTitle);
  resize(780, 640);
  UpdateTitle();
}

bool HelpViewer::ShowTopic(const std::string& topic) {
  const QUrl url = HelpTopicUrl(topic, directory_);
  if (url.isEmpty()) return false;
  browser_->setSource(url);
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  return true;
}

QUrl HelpViewer::CurrentPage() const {
  return browser_->source();
}

void HelpViewer::UpdateTitle() {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? QStringLiteral("KAV – hjelp")
                                 : QStringLiteral("KAV – hjelp: ") + title);
}

}  // namespace kav
