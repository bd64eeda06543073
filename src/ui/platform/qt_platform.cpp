#include "ui/platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include "core/strings.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/replacement_dlg.h"

namespace kav {
namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// The text with every run of more than kLongestRun characters without a
// space (a file name of thousands of characters) shortened in the middle,
// so that the box fits on the screen and shows both ends of the name.
constexpr qsizetype kLongestRun = 100;
QString ShortenLongRuns(const QString& text) {
  QString shown;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = start;
    while (end < text.size() && !text[end].isSpace()) ++end;
    const qsizetype run = end - start;
    if (run > kLongestRun) {
      const qsizetype half = kLongestRun / 2;
      shown += text.mid(start, half) + QChar(0x2026) + text.mid(end - half, half);
    } else {
      shown += text.mid(start, run);
    }
    if (end < text.size()) shown += text[end];
    start = end + 1;
  }
  return shown;
}

// A message box with the program's title and Norwegian button texts.
class MessageBox {
 public:
  MessageBox(const std::string& text, Icon icon)
      : box_(ToQtIcon(icon), QString::fromStdString(Str(ids::AppTitle)),
             ShortenLongRuns(QString::fromStdString(text)), QMessageBox::NoButton,
             QtPlatform::DialogParent()) {
    box_.setObjectName(QStringLiteral("kavMessage"));
  }
  QPushButton* Add(QMessageBox::StandardButton button, const QString& text) {
    QPushButton* added = box_.addButton(button);
    added->setText(text);
    return added;
  }
  // The button the user pressed.
  QMessageBox::StandardButton Run() {
    box_.exec();
    return box_.standardButton(box_.clickedButton());
  }

 private:
  QMessageBox box_;
};

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

void QtPlatform::ShowMessage(const std::string& text, Icon icon) {
  MessageBox box(text, icon);
  box.Add(QMessageBox::Ok, QStringLiteral("OK"));
  box.Run();
}

bool QtPlatform::AskOkCancel(const std::string& text, Icon icon) {
  MessageBox box(text, icon);
  box.Add(QMessageBox::Ok, QStringLiteral("OK"));
  box.Add(QMessageBox::Cancel, QStringLiteral("Avbryt"));
  return box.Run() == QMessageBox::Ok;
}

bool QtPlatform::AskYesNo(const std::string& text, Icon icon) {
  MessageBox box(text, icon);
  box.Add(QMessageBox::Yes, QString::fromStdString(Str(ids::Yes)));
  box.Add(QMessageBox::No, QString::fromStdString(Str(ids::No)));
  return box.Run() == QMessageBox::Yes;
}

int QtPlatform::Choose(const ChoiceRequest& request) {
  if (request.entries.empty()) return -1;
  CDatabaseverdiBorteDlg dialog(request, DialogParent());
  dialog.exec();
  return dialog.Chosen();
}

bool QtPlatform::ShowHelp(const std::string& topic) {
  return Help().ShowTopic(topic);
}

namespace {

QString WithoutNul(const std::string& text) {
  std::string plain = text;
  if (!plain.empty() && plain.back() == '\0') plain.pop_back();
  return QString::fromStdString(plain);
}

}  // namespace

void QtPlatform::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(WithoutNul(text));
}

void QtPlatform::SetClipboardTextAndHtml(const std::string& text, const std::string& html) {
  auto* data = new QMimeData;
  data->setText(WithoutNul(text));
  data->setHtml(QString::fromStdString(html));
  QGuiApplication::clipboard()->setMimeData(data);
}

HelpViewer& QtPlatform::Help() {
  if (!help_) help_ = std::make_unique<HelpViewer>();
  return *help_;
}

}  // namespace kav
