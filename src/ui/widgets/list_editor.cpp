#include "ui/widgets/list_editor.h"

#include <QCollator>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"

namespace kav {
namespace {

const ObjectList* listInEdit = nullptr;

// A line of a list box; sorted lines go in Norwegian alphabetical order,
// without regard to case and with numbers by value.
class Line final : public QTreeWidgetItem {
 public:
  Line(const QStringList& columns, CListItem* row) : QTreeWidgetItem(columns) {
    setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(row)));
  }

  CListItem* Row() const { return static_cast<CListItem*>(data(0, Qt::UserRole).value<void*>()); }

  bool operator<(const QTreeWidgetItem& other) const override {
    static const QCollator collator = [] {
      QCollator c(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
      c.setCaseSensitivity(Qt::CaseInsensitive);
      c.setNumericMode(true);
      return c;
    }();
    const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
    return collator.compare(text(column), other.text(column)) < 0;
  }
};

Line* LineOf(QTreeWidgetItem* item) {
  return static_cast<Line*>(item);
}

// Sets ListInEdit while it lives.
class EditScope {
 public:
  explicit EditScope(const ObjectList* list) : previous_(listInEdit) { listInEdit = list; }
  EditScope(const EditScope&) = delete;
  EditScope& operator=(const EditScope&) = delete;
  ~EditScope() { listInEdit = previous_; }

 private:
  const ObjectList* previous_;
};

}  // namespace

ListEditor::ListEditor(QTreeWidget& view, QObject* parent) : QObject(parent), view_(view) {
  connect(&view_, &QTreeWidget::itemDoubleClicked, this, [this] { Update(); });
}

const ObjectList* ListEditor::ListInEdit() {
  return listInEdit;
}

void ListEditor::SetList(ObjectList& list) {
  list_ = &list;
  Fill();
}

void ListEditor::Fill() {
  view_.clear();
  if (list_ == nullptr) return;
  QList<QTreeWidgetItem*> lines;
  for (CListItem* row : *list_) {
    const QString text = lineText_ ? lineText_(*row) : QString::fromStdString(row->Name);
    auto* line = new Line(text.split(QLatin1Char('\t')), row);
    // Each column lined up as its heading is.
    for (int column = 1; column < view_.columnCount(); ++column) {
      line->setTextAlignment(column, Qt::Alignment(view_.headerItem()->textAlignment(column)));
    }
    lines.append(line);
  }
  view_.addTopLevelItems(lines);
}

CListItem* ListEditor::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = view_.selectedItems();
  return selected.isEmpty() ? nullptr : LineOf(selected.front())->Row();
}

void ListEditor::SelectRow(const CListItem* row) {
  for (int i = 0; i < view_.topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = view_.topLevelItem(i);
    if (LineOf(item)->Row() == row) {
      view_.setCurrentItem(item);
      item->setSelected(true);
      view_.scrollToItem(item);
      return;
    }
  }
}

CListItem* ListEditor::CurrentRow() {
  if (CListItem* row = SelectedRow()) return row;
  if (noSelectionMessage_ != 0) {
    ShowMessage(Str(noSelectionMessage_));
    return nullptr;
  }
  if (view_.topLevelItemCount() == 0) {
    ShowMessage(Str(ids::ListIsEmpty));
    return nullptr;
  }
  CListItem* first = LineOf(view_.topLevelItem(0))->Row();
  SelectRow(first);
  return first;
}

bool ListEditor::EditRow(CListItem& row) {
  const EditScope scope(list_);
  return row.EditInput() != 0;
}

void ListEditor::Place(std::unique_ptr<CListItem> row, int index) {
  if (placement_) {
    placement_(*list_, std::move(row), index);
  } else if (index < 0) {
    list_->Append(std::move(row));
  } else {
    list_->Insert(static_cast<std::size_t>(index), std::move(row));
  }
}

void ListEditor::Changed() {
  modified_ = true;
  emit listChanged();
}

bool ListEditor::New() {
  if (list_ == nullptr || !factory_) return false;
  std::unique_ptr<CListItem> row = factory_();
  if (!EditRow(*row)) return false;
  const CListItem* added = row.get();
  Place(std::move(row), -1);
  Fill();
  SelectRow(added);
  Changed();
  return true;
}

bool ListEditor::Update() {
  if (list_ == nullptr) return false;
  CListItem* row = CurrentRow();
  if (row == nullptr) return false;
  const int index = list_->IndexOf(row);
  std::unique_ptr<CListItem> owned = list_->RemoveAt(static_cast<std::size_t>(index));
  delete view_.selectedItems().front();
  const bool accepted = EditRow(*owned);
  Place(std::move(owned), index);
  Fill();
  SelectRow(row);
  if (accepted) Changed();
  return accepted;
}

bool ListEditor::Delete() {
  if (list_ == nullptr) return false;
  CListItem* row = CurrentRow();
  if (row == nullptr) return false;
  if (deleteCheck_ && !deleteCheck_(*row)) return false;
  if (!AskOkCancel(Substitute(Str(ids::ConfirmDelete), {row->Name}), Icon::Exclamation)) {
    return false;
  }
  list_->Remove(row);  // deletes it
  Fill();
  Changed();
  return true;
}

void RefuseRowsInUse(ListEditor& editor, int messageId) {
  editor.SetDeleteCheck([messageId](const CListItem& row) {
    if (row.Users.empty()) return true;
    ShowMessage(Str(messageId));
    return false;
  });
}

ListPanel::ListPanel(const std::array<QString, 3>& buttons, const QStringList& headings,
                     bool sorted, QWidget* parent)
    : QWidget(parent), view_(new QTreeWidget(this)), editor_(new ListEditor(*view_, this)) {
  view_->setRootIsDecorated(false);
  view_->setUniformRowHeights(true);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setAllColumnsShowFocus(true);
  if (headings.isEmpty()) {
    view_->setHeaderHidden(true);
  } else {
    view_->setColumnCount(static_cast<int>(headings.size()));
    view_->setHeaderLabels(headings);
    view_->header()->setSectionsMovable(false);
  }
  if (sorted) {
    view_->setSortingEnabled(true);
    view_->sortByColumn(0, Qt::AscendingOrder);
  }

  auto* column = new QVBoxLayout;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    buttons_[i] = new QPushButton(buttons[i], this);
    buttons_[i]->setAutoDefault(false);
    column->addWidget(buttons_[i]);
  }
  column->addStretch(1);
  connect(buttons_[0], &QPushButton::clicked, editor_, &ListEditor::New);
  connect(buttons_[1], &QPushButton::clicked, editor_, &ListEditor::Update);
  connect(buttons_[2], &QPushButton::clicked, editor_, &ListEditor::Delete);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_, 1);
  layout->addLayout(column);
  setTabOrder(view_, buttons_[0]);
  setTabOrder(buttons_[0], buttons_[1]);
  setTabOrder(buttons_[1], buttons_[2]);
}

}  // namespace kav
