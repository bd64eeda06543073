#pragma once
// Shared pieces of the desktop program's tests: temporary settings and a
// temporary copy of the shipped data files, and a handler for the modal
// windows a command opens (a test says beforehand what to do with each).
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../core/scoped_editor.h"
#include "core/editors.h"
#include "ui/platform/qt_settings.h"

class QDialog;
class QMessageBox;
class QTimer;

namespace kav::test {

// Settings in a temporary file (the defaults of QSettings point there too)
// and the data directory set to a temporary copy of build/share/kav.
class UiEnvironment {
 public:
  UiEnvironment();
  ~UiEnvironment();

  QString FilePath(const QString& name) const { return dir_.filePath(name); }
  // Settings in the temporary file, as the program keeps them.
  std::unique_ptr<QtSettings> MakeSettings() const;
  // An example document of the source tree.
  static QString Example(const char* name);

 private:
  QTemporaryDir dir_;
};

// Answers the modal windows that open while a command runs, in order. A
// window for which no answer is left is closed and noted as unexpected.
class ModalAnswers {
 public:
  using Answer = std::function<void(QWidget&)>;

  ModalAnswers();
  ~ModalAnswers();

  void Then(Answer answer) { answers_.push_back(std::move(answer)); }
  // Accepts a dialog (OK, with its checks) or presses a message box's
  // button with that text.
  void ThenAccept();
  void ThenPress(const QString& buttonText);

  // The object names (or, when empty, the captions) of the windows seen.
  const std::vector<QString>& Seen() const { return seen_; }
  int Unexpected() const { return unexpected_; }
  bool AllUsed() const { return answers_.empty(); }

 private:
  void Poll();

  QTimer* timer_;
  std::deque<Answer> answers_;
  std::vector<QString> seen_;
  std::vector<QPointer<QWidget>> handled_;
  int unexpected_ = 0;
};

// Presses the button with that text in a message box or dialog.
void PressButton(QWidget& window, const QString& text);

// The number of pages in a PDF file.
int PdfPageCount(const std::string& path);

// Shows a dialog as the active window, as the user sees it.
void ShowActive(QWidget& dialog);

// Confirms the dialog; true when it closed with OK.
bool Ok(QDialog& dialog);

}  // namespace kav::test
