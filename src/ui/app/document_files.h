#pragma once
// Opening and saving documents and writing the results text, with the
// question to save a changed document before it is replaced or the program
// closes. The dialogs are behind FilePrompts, so that tests can answer them.
#include <QString>
#include <functional>

class QWidget;

namespace kav {

class CKavDoc;

enum class SaveAnswer { Yes, No, Cancel };

struct FilePrompts {
  // Whether to save the changed document of that name first.
  std::function<SaveAnswer(const QString& documentName)> askSave;
  // A document to open; empty when the user cancels.
  std::function<QString(const QString& directory)> openPath;
  // Where to save the document; `suggested` is its current or default path.
  std::function<QString(const QString& suggested)> savePath;
  // Where to write the results text.
  std::function<QString(const QString& suggested)> textPath;
};

// The program's file dialogs and its save question.
FilePrompts DialogPrompts(QWidget* parent);

// The name the title shows: the file name, "NyFil" for a new document.
QString DocumentName(const CKavDoc& doc);

class DocumentFiles {
 public:
  DocumentFiles(CKavDoc& doc, FilePrompts prompts);

  // Before the document is replaced or the program closes: true when it
  // may go (saved, or the user does not want it saved), false to keep it.
  bool SaveModified();
  // "Åpne...": asks to save first, then the file chosen; false when nothing
  // was opened.
  bool Open();
  // Opens the file as it is (the command line); it goes first in the list
  // of recent documents.
  bool OpenPath(const QString& path);
  // A document from the list of recent documents, or dropped on the window:
  // asks to save first, then opens it. A recent document that is gone is
  // said to be so and taken out of the list, without the question.
  bool OpenRecent(const QString& path);
  bool OpenDropped(const QString& path);
  // "Lagre": under its name, or as "Lagre som" when it has none.
  bool Save();
  // "Lagre som...".
  bool SaveAs();
  // "Lagre resultater i en tekstfil..".
  bool SaveResultsText();

  void SetPrompts(FilePrompts prompts) { prompts_ = std::move(prompts); }

  // The folder the file dialogs start in: the document's own, else the one
  // last used, else the documents folder if there is one, else home.
  QString DocumentDirectory() const;

 private:
  bool SaveTo(const QString& path);

  CKavDoc& doc_;
  FilePrompts prompts_;
};

}  // namespace kav
