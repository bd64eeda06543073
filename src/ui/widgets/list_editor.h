#pragma once
// Editing a list of rows in a dialog: the list box that shows the rows (one
// line per row, its Name unless told otherwise; tabs separate columns) and
// the buttons that add, edit and delete them. Each row is edited by its own
// EditInput; while it runs, the row's dialog finds the list it belongs to in
// ListInEdit() (without the row itself while it is being edited), for its
// name check.
#include <QObject>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/object_list.h"

class QPushButton;
class QTreeWidget;

namespace kav {

class ListEditor final : public QObject {
  Q_OBJECT

 public:
  using RowFactory = std::function<std::unique_ptr<CListItem>()>;
  // Puts a row into the list: a new one (index -1) or an edited one taken
  // out at `index`.
  using Placement =
      std::function<void(ObjectList& list, std::unique_ptr<CListItem> row, int index)>;
  using LineText = std::function<QString(const CListItem& row)>;
  // Whether the row may be deleted; tells the user when not.
  using DeleteCheck = std::function<bool(const CListItem& row)>;

  explicit ListEditor(QTreeWidget& view, QObject* parent = nullptr);

  // Edits `list` from now on and shows it.
  void SetList(ObjectList& list);
  // One line per row, in list order (a sorted view sorts them); each
  // column lined up as its heading.
  void Fill();

  // What "New" constructs: a default row of the list's class.
  void SetRowFactory(RowFactory factory) { factory_ = std::move(factory); }
  // By default a new row goes to the end and an edited one back to its place.
  void SetPlacement(Placement placement) { placement_ = std::move(placement); }
  void SetLineText(LineText text) { lineText_ = std::move(text); }
  void SetDeleteCheck(DeleteCheck check) { deleteCheck_ = std::move(check); }
  // Instead of taking the first line when none is selected, show this
  // message (and do nothing).
  void SetNoSelectionMessage(int messageId) { noSelectionMessage_ = messageId; }

  // The row of the selected line, or null.
  CListItem* SelectedRow() const;
  void SelectRow(const CListItem* row);
  // The row to work on: the selected one, or the first line's when none is
  // selected; null with 341 "Lista er tom!" for an empty list.
  CListItem* CurrentRow();

  // The buttons. Each returns true when the list changed.
  bool New();
  // The current row, edited out of the list; it goes back in either way.
  bool Update();
  // The current row after the question 61208.
  bool Delete();

  // Whether a row has been added, edited or deleted.
  bool Modified() const { return modified_; }

  // The list whose row is being edited, while its EditInput runs.
  static const ObjectList* ListInEdit();

 signals:
  // A row was added, edited (with OK) or deleted.
  void listChanged();

 private:
  void Place(std::unique_ptr<CListItem> row, int index);
  // Runs the row's dialog with the list as ListInEdit.
  bool EditRow(CListItem& row);
  void Changed();

  QTreeWidget& view_;
  ObjectList* list_ = nullptr;
  RowFactory factory_;
  Placement placement_;
  LineText lineText_;
  DeleteCheck deleteCheck_;
  int noSelectionMessage_ = 0;
  bool modified_ = false;
};

// Edits a list of T rows kept in order: "New" makes a default T, and a new
// or edited row goes where InsertInOrder puts it.
template <class T>
void EditOrdered(ListEditor& editor, TypedList<T>& list) {
  editor.SetRowFactory([] { return std::make_unique<T>(); });
  editor.SetPlacement([](ObjectList& rows, std::unique_ptr<CListItem> row, int) {
    InsertInOrder(static_cast<TypedList<T>&>(rows),
                  std::unique_ptr<T>(static_cast<T*>(row.release())));
  });
  editor.SetList(list);
}

// A row that something refers to (it has users) is not deleted: the
// message `messageId` says so instead.
void RefuseRowsInUse(ListEditor& editor, int messageId);

// A list box with its three buttons ("Ny...", "Oppdater...", "Slett...")
// in a column to its right; a double-click on a line is "Oppdater...".
class ListPanel final : public QWidget {
  Q_OBJECT

 public:
  // Without headings the list box has a single column and no header;
  // `sorted` shows the lines in alphabetical order.
  ListPanel(const std::array<QString, 3>& buttons, const QStringList& headings, bool sorted,
            QWidget* parent = nullptr);

  ListEditor& Editor() const { return *editor_; }
  QTreeWidget& View() const { return *view_; }
  QPushButton& NewButton() const { return *buttons_[0]; }
  QPushButton& UpdateButton() const { return *buttons_[1]; }
  QPushButton& DeleteButton() const { return *buttons_[2]; }

 private:
  QTreeWidget* view_;
  ListEditor* editor_;
  std::array<QPushButton*, 3> buttons_{};
};

}  // namespace kav
