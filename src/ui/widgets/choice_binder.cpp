#include "ui/widgets/choice_binder.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace kav {

ChoiceBinder::ChoiceBinder(QComboBox& box, QLabel* description, QObject* parent)
    : QObject(parent), box_(box), description_(description) {
  connect(&box_, &QComboBox::activated, this, &ChoiceBinder::LinePicked);
}

void ChoiceBinder::Fill(const ObjectList& rows, CListItem* current) {
  Fill(std::vector<CListItem*>(rows.begin(), rows.end()), current);
}

void ChoiceBinder::Fill(const std::vector<CListItem*>& rows, CListItem* current) {
  const QSignalBlocker blocker(box_);
  rows_ = rows;
  current_ = nullptr;
  box_.clear();
  for (const CListItem* row : rows_) box_.addItem(QString::fromStdString(row->Name));
  if (current != nullptr && box_.findText(QString::fromStdString(current->Name),
                                          Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    box_.addItem(QString::fromStdString(current->Name));
    rows_.push_back(current);
  }
  box_.setCurrentIndex(-1);
  ShowDescription(nullptr);
  if (current != nullptr) Select(current->Name);
}

bool ChoiceBinder::Select(const std::string& name) {
  const QString text = QString::fromStdString(name);
  const int index = box_.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  const QSignalBlocker blocker(box_);
  box_.setCurrentIndex(index);
  current_ = RowNamed(text);
  ShowDescription(current_);
  return true;
}

CListItem* ChoiceBinder::Chosen() {
  if (box_.currentIndex() < 0) return nullptr;
  current_ = RowNamed(box_.currentText());
  ShowDescription(current_);
  return current_;
}

CListItem* ChoiceBinder::RowNamed(const QString& name) const {
  const std::string wanted = name.toStdString();
  for (CListItem* row : rows_) {
    if (row->Name == wanted) return row;
  }
  return nullptr;
}

void ChoiceBinder::ShowDescription(const CListItem* row) {
  if (description_ == nullptr) return;
  description_->setText(row != nullptr ? QString::fromStdString(row->Description) : QString());
}

void ChoiceBinder::LinePicked(int) {
  emit rowChosen(Chosen());
}

}  // namespace kav
