#include "ui/app/document_files.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

#include "core/platform.h"
#include "core/settings.h"
#include "core/strings.h"
#include "modules/kav_doc.h"
#include "ui/app/recent_files.h"
#include "ui/platform/file_dialog.h"

namespace kav {
namespace {

// The document template's parts: title, default name, type, filter, suffix.
QString TemplatePart(int index) {
  return QString::fromStdString(Str(ids::DocumentTemplate)).split(QLatin1Char('\n')).value(index);
}

QString DefaultName() {
  return TemplatePart(1);
}
QString DocumentFilter() {
  return TemplatePart(3);
}

// The chosen file; empty when the user cancels.
QString Chosen(QFileDialog& dialog) {
  UseNorwegianFileList(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString ChooseSavePath(QWidget* parent, const QString& caption, const QString& filter,
                       const QString& suffix, const QString& suggested) {
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(suggested);
  return Chosen(dialog);
}

SaveAnswer AskSave(QWidget* parent, const QString& name) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(Str(ids::AppTitle)),
                  QStringLiteral("Vil du lagre endringene i %1?").arg(name), QMessageBox::NoButton,
                  parent);
  box.addButton(QMessageBox::Yes)->setText(QString::fromStdString(Str(ids::Yes)));
  box.addButton(QMessageBox::No)->setText(QString::fromStdString(Str(ids::No)));
  box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Avbryt"));
  box.setDefaultButton(QMessageBox::Yes);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return SaveAnswer::Yes;
    case QMessageBox::No:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
}

}  // namespace

FilePrompts DialogPrompts(QWidget* parent) {
  FilePrompts prompts;
  prompts.askSave = [parent](const QString& name) { return AskSave(parent, name); };
  prompts.openPath = [parent](const QString& directory) {
    QFileDialog dialog(parent, QStringLiteral("Åpne"), directory, DocumentFilter());
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
  };
  prompts.savePath = [parent](const QString& suggested) {
    return ChooseSavePath(parent, QStringLiteral("Lagre som"), DocumentFilter(),
                          QStringLiteral("kav"), suggested);
  };
  prompts.textPath = [parent](const QString& suggested) {
    return ChooseSavePath(parent, QStringLiteral("Lagre resultater i en tekstfil"),
                          QString::fromStdString(Str(ids::TextFileFilter)), QStringLiteral("txt"),
                          suggested);
  };
  return prompts;
}

QString DocumentName(const CKavDoc& doc) {
  if (doc.PathName().empty()) return DefaultName();
  return QString::fromStdString(doc.PathName().filename().string());
}

DocumentFiles::DocumentFiles(CKavDoc& doc, FilePrompts prompts)
    : doc_(doc), prompts_(std::move(prompts)) {}

QString DocumentFiles::DocumentDirectory() const {
  if (!doc_.PathName().empty()) {
    const QString own = QString::fromStdString(doc_.PathName().parent_path().string());
    if (QFileInfo(own).isDir()) return own;
  }
  const QString last = LastUsedFolder(CurrentSettings());
  if (!last.isEmpty()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

bool DocumentFiles::SaveModified() {
  if (!doc_.IsModified()) return true;
  switch (prompts_.askSave(DocumentName(doc_))) {
    case SaveAnswer::Yes:
      return Save();
    case SaveAnswer::No:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

bool DocumentFiles::Open() {
  if (!SaveModified()) return false;
  const QString path = prompts_.openPath(DocumentDirectory());
  return !path.isEmpty() && OpenPath(path);
}

bool DocumentFiles::OpenPath(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (!doc_.Open(absolute.toStdString())) return false;
  AddRecentFile(CurrentSettings(), absolute);
  return true;
}

bool DocumentFiles::OpenRecent(const QString& path) {
  if (!QFileInfo::exists(path)) {
    RemoveRecentFile(CurrentSettings(), path);
    ShowMessage(Substitute(Str(ids::RecentFileGone), {path.toStdString()}), Icon::Exclamation);
    return false;
  }
  return OpenDropped(path);
}

bool DocumentFiles::OpenDropped(const QString& path) {
  return SaveModified() && OpenPath(path);
}

bool DocumentFiles::SaveTo(const QString& path) {
  if (!doc_.Save(path.toStdString())) return false;
  AddRecentFile(CurrentSettings(), path);
  return true;
}

bool DocumentFiles::Save() {
  if (doc_.PathName().empty()) return SaveAs();
  return SaveTo(QString::fromStdString(doc_.PathName().string()));
}

bool DocumentFiles::SaveAs() {
  const QString name = doc_.PathName().empty()
                           ? DefaultName() + TemplatePart(4)
                           : QString::fromStdString(doc_.PathName().filename().string());
  const QString path = prompts_.savePath(QDir(DocumentDirectory()).filePath(name));
  return !path.isEmpty() && SaveTo(path);
}

bool DocumentFiles::SaveResultsText() {
  const QString name = QFileInfo(DocumentName(doc_)).completeBaseName() + QStringLiteral(".txt");
  const QString path = prompts_.textPath(QDir(DocumentDirectory()).filePath(name));
  return !path.isEmpty() && doc_.WriteResultsText(path.toStdString());
}

}  // namespace kav
