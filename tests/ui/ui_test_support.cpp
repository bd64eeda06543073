#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/data_directory.h"

namespace kav::test {

UiEnvironment::UiEnvironment() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("user"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir_.filePath("system"));
  const std::filesystem::path data = dir_.filePath("data").toStdString();
  SeedDataDirectory(data, ShippedDataDirectory());
  SetDataDirectory(data);
}

UiEnvironment::~UiEnvironment() = default;

std::unique_ptr<QtSettings> UiEnvironment::MakeSettings() const {
  return std::make_unique<QtSettings>(
      std::make_unique<QSettings>(dir_.filePath("KAV.conf"), QSettings::IniFormat));
}

QString UiEnvironment::Example(const char* name) {
  return QStringLiteral(KAV_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

void PressButton(QWidget& window, const QString& text) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text() == text) {
      button->click();
      return;
    }
  }
  ADD_FAILURE() << "no button " << text.toStdString() << " in "
                << window.windowTitle().toStdString();
}

int PdfPageCount(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int pages = 0;
  const std::string marker = "/Type /Page";  // not "/Type /Pages"
  for (auto at = pdf.find(marker); at != std::string::npos; at = pdf.find(marker, at + 1)) {
    if (at + marker.size() < pdf.size() && pdf[at + marker.size()] != 's') ++pages;
  }
  return pages;
}

void ShowActive(QWidget& dialog) {
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

bool Ok(QDialog& dialog) {
  dialog.accept();
  return dialog.result() == QDialog::Accepted;
}

ModalAnswers::ModalAnswers() : timer_(new QTimer) {
  timer_->setInterval(5);
  QObject::connect(timer_, &QTimer::timeout, [this] { Poll(); });
  timer_->start();
}

ModalAnswers::~ModalAnswers() {
  delete timer_;
}

void ModalAnswers::ThenAccept() {
  Then([](QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) dialog->accept();
  });
}

void ModalAnswers::ThenPress(const QString& buttonText) {
  Then([buttonText](QWidget& window) { PressButton(window, buttonText); });
}

void ModalAnswers::Poll() {
  // A window answered once is not answered again while it stays open (a
  // dialog is modal again when the message it showed closes).
  std::erase_if(handled_, [](const QPointer<QWidget>& window) {
    return window.isNull() || !window->isVisible();
  });
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  if (std::find(handled_.begin(), handled_.end(), modal) != handled_.end()) return;
  handled_.emplace_back(modal);
  seen_.push_back(modal->objectName().isEmpty() ? modal->windowTitle() : modal->objectName());
  if (answers_.empty()) {
    ++unexpected_;
    modal->close();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
    return;
  }
  // Answered from the window's own event loop rather than from the timer,
  // which does not fire again while its slot runs: a window the answer
  // opens in turn is answered as well.
  QTimer::singleShot(0, modal, [answer = std::move(answers_.front()), modal] { answer(*modal); });
  answers_.pop_front();
}

}  // namespace kav::test
