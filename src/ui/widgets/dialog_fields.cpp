#include "ui/widgets/dialog_fields.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>

#include "core/platform.h"
#include "core/strings.h"

namespace kav {
namespace {

void Refuse(QWidget* field, const std::string& message) {
  ShowMessage(message);
  FocusField(field);
}

std::string TooLongMessage(int limit) {
  return Substitute(Str(ids::TextTooLong), {std::to_string(limit)});
}

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator;
}

// The text with its line breaks as QPlainTextEdit holds them ("\n").
QString FromStored(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

// The text that fits into `room` stored characters.
QString Fitting(const QString& text, int room) {
  QString out;
  int used = 0;
  for (const QChar c : text) {
    if (c == QLatin1Char('\r')) continue;
    const int size = IsLineBreak(c) ? 2 : c.isLowSurrogate() ? 0 : 1;
    if (used + size > room) break;
    out += c;
    used += size;
  }
  return out;
}

}  // namespace

void FocusField(QWidget* field) {
  if (field == nullptr) return;
  field->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
}

std::optional<float> ParseNumber(const QString& text) {
  QString number = text.trimmed();
  number.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const float value = QLocale::c().toFloat(number, &ok);
  if (!ok) return std::nullopt;
  return value;
}

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumberField::SetValue(float value, const char* format) {
  setText(QString::fromStdString(Format(format, value)));
}

void NumberField::SetRange(float min, float max) {
  range_ = std::make_pair(min, max);
}

bool NumberField::CheckInput() {
  const std::optional<float> value = Value();
  if (!value) {
    Refuse(this, Str(ids::NotANumber));
    return false;
  }
  if (range_ && (*value < range_->first || *value > range_->second)) {
    Refuse(this, Substitute(Str(ids::NumberOutOfRange),
                            {Format("%g", range_->first), Format("%g", range_->second)}));
    return false;
  }
  return true;
}

int StoredLength(const QString& text) {
  int length = 0;
  for (const QChar c : text) {
    if (c == QLatin1Char('\r') || c.isLowSurrogate()) continue;
    length += IsLineBreak(c) ? 2 : 1;
  }
  return length;
}

TextField::TextField(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit) {
  // A user's edit is reported before the change, so previous_ still holds
  // the text before it.
  connect(this, &QLineEdit::textEdited, this, &TextField::LimitEdit);
  connect(this, &QLineEdit::textChanged, this, [this] { previous_ = text(); });
}

void TextField::SetText(const std::string& text) {
  setText(QString::fromStdString(text));
}

void TextField::LimitEdit(const QString& edited) {
  const int length = StoredLength(edited);
  const int allowed = std::max(limit_, StoredLength(previous_));
  if (length <= allowed) return;
  // Drop what went in past the limit: the characters before the cursor.
  const int cursor = cursorPosition();
  const int excess = std::min(length - allowed, cursor);
  QString kept = edited;
  kept.remove(cursor - excess, excess);
  setText(kept);
  setCursorPosition(cursor - excess);
  setModified(true);
  QApplication::beep();
}

bool TextField::CheckInput() {
  if (StoredLength(text()) <= limit_) return true;
  Refuse(this, TooLongMessage(limit_));
  return false;
}

MultiLineField::MultiLineField(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
  setTabChangesFocus(true);
}

void MultiLineField::SetText(const std::string& text) {
  setPlainText(FromStored(text));
}

std::string MultiLineField::Text() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text.toStdString();
}

bool MultiLineField::CheckInput() {
  if (StoredLength(toPlainText()) <= limit_) return true;
  Refuse(this, TooLongMessage(limit_));
  return false;
}

int MultiLineField::Room() const {
  const int selected = StoredLength(textCursor().selectedText());
  return limit_ - (StoredLength(toPlainText()) - selected);
}

void MultiLineField::keyPressEvent(QKeyEvent* event) {
  const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const QString typed = event->text();
  const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
  if (inserts) {
    const int needed = lineBreak ? 2 : StoredLength(typed);
    if (needed > Room()) {
      QApplication::beep();
      event->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

bool MultiLineField::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText();
}

void MultiLineField::insertFromMimeData(const QMimeData* source) {
  const QString text = source->text();
  const QString fitting = Fitting(text, std::max(Room(), 0));
  if (StoredLength(fitting) < StoredLength(text)) QApplication::beep();
  textCursor().insertText(fitting);
}

}  // namespace kav
