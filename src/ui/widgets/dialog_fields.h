#pragma once
// The edit fields of the input dialogs. Each checks its own input when the
// dialog is confirmed: a number field must hold a number (61713), within
// its range when it has one (61715); a text field must not hold more than
// its limit (61716). A failed check shows the message and leaves the focus
// in the field. Numbers are read and shown with a decimal point whatever
// the user's locale; a decimal comma is read as well.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>
#include <string>

namespace kav {

// A field that takes part in the dialog's confirmation checks.
class CheckedField {
 public:
  virtual ~CheckedField() = default;
  // True when the input is acceptable; otherwise tells the user, puts the
  // focus in the field and returns false.
  virtual bool CheckInput() = 0;
};

// Puts the focus in a field that failed a check, its text selected.
void FocusField(QWidget* field);

// The number in a field's text: surrounding blanks are ignored and a
// decimal comma counts as a point; nothing when it is not a number.
std::optional<float> ParseNumber(const QString& text);

class NumberField final : public QLineEdit, public CheckedField {
  Q_OBJECT

 public:
  explicit NumberField(QWidget* parent = nullptr);

  // Shows the value in a printf format of the program ("%.2f").
  void SetValue(float value, const char* format = "%.2f");
  // The value typed, or nothing when the text is not a number.
  std::optional<float> Value() const { return ParseNumber(text()); }
  // A range checked on confirmation, both ends included.
  void SetRange(float min, float max);

  bool CheckInput() override;

 private:
  std::optional<std::pair<float, float>> range_;
};

// The number of characters a text occupies when it is stored (code page
// 1252: one byte a character).
int StoredLength(const QString& text);

// A single-line text field of at most `limit` characters: typing and
// pasting stop at the limit. A longer text put in by the program is kept,
// and can only get shorter, until the check on confirmation refuses it.
class TextField final : public QLineEdit, public CheckedField {
  Q_OBJECT

 public:
  explicit TextField(int limit, QWidget* parent = nullptr);

  void SetText(const std::string& text);
  std::string Text() const { return text().toStdString(); }
  int Limit() const { return limit_; }

  bool CheckInput() override;

 private:
  void LimitEdit(const QString& edited);

  int limit_;
  QString previous_;
};

// A multi-line text field of at most `limit` stored characters. Lines are
// stored with CR LF between them, as the document format has them, and
// each line break counts as two characters.
class MultiLineField final : public QPlainTextEdit, public CheckedField {
  Q_OBJECT

 public:
  explicit MultiLineField(int limit, QWidget* parent = nullptr);

  void SetText(const std::string& text);
  std::string Text() const;
  int Limit() const { return limit_; }

  bool CheckInput() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // How many characters the limit leaves for text replacing the selection.
  int Room() const;

  int limit_;
};

}  // namespace kav
