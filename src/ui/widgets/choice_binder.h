#pragma once
// Ties a list of database rows to a drop-down list, and optionally to a text
// that shows the chosen row's Description. A line is a row's Name; the row
// behind a line is the first row of the list with that name.
#include <QObject>
#include <string>
#include <vector>

#include "core/object_list.h"

class QComboBox;
class QLabel;

namespace kav {

class ChoiceBinder final : public QObject {
  Q_OBJECT

 public:
  explicit ChoiceBinder(QComboBox& box, QLabel* description = nullptr, QObject* parent = nullptr);

  // One line per row, in list order. A current row whose name is not among
  // them (a row the list does not offer, which the object still refers to)
  // is added, so that it stays selectable; then it is selected. Without a
  // current row nothing is selected.
  void Fill(const std::vector<CListItem*>& rows, CListItem* current);
  void Fill(const ObjectList& rows, CListItem* current);
  template <class T>
  void Fill(const std::vector<T*>& rows, CListItem* current) {
    Fill(std::vector<CListItem*>(rows.begin(), rows.end()), current);
  }

  // Selects the first line with exactly this text and makes its row the
  // current one; false, and nothing changed, when there is none.
  bool Select(const std::string& name);
  // The row of the selected line (it becomes the current one), or null
  // when no line is selected.
  CListItem* Chosen();
  template <class T>
  T* ChosenAs() {
    return static_cast<T*>(Chosen());
  }

 signals:
  // The user picked a line.
  void rowChosen(kav::CListItem* row);

 private:
  CListItem* RowNamed(const QString& name) const;
  void ShowDescription(const CListItem* row);
  void LinePicked(int index);

  QComboBox& box_;
  QLabel* description_;
  std::vector<CListItem*> rows_;
  CListItem* current_ = nullptr;
};

}  // namespace kav
