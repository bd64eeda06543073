#include "ui/database/database_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "core/platform.h"
#include "core/strings.h"
#include "data/database.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

const char* const kListNames[kDatabaseListCount] = {
    "Isolasjonsprodukt",      "Cellegummislanger (seriesystem)",
    "Absorpsjonsprodukter",   "Mantling isolasjon",
    "Overflate rør/kanaler",  "Innv. mantling isolasjon",
    "Tilleggsutstyr for rør", "Væsker",
};

// "Ny..." of each list: a default row of its class.
template <std::size_t... I>
std::array<ListEditor::RowFactory, kDatabaseListCount> MakeFactories(std::index_sequence<I...>) {
  return {[] {
    return std::unique_ptr<CListItem>(
        std::make_unique<std::tuple_element_t<I, DatabaseRowTypes>>());
  }...};
}

const std::array<ListEditor::RowFactory, kDatabaseListCount>& Factories() {
  static const auto factories = MakeFactories(std::make_index_sequence<kDatabaseListCount>());
  return factories;
}

}  // namespace

CDatabaseDlg::CDatabaseDlg(DatabaseLists& lists, QWidget* parent)
    : CItemDlg(QStringLiteral("Rediger database"), "::/html/database.htm", parent),
      lists_(lists),
      rows_(new ListPanel(
          {QStringLiteral("Ny..."), QStringLiteral("Oppdater..."), QStringLiteral("Slett...")}, {},
          true, this)) {
  setObjectName(QStringLiteral("databaseDialog"));
  auto* choice = new QGroupBox(QStringLiteral("Lister"), this);
  auto* choiceLayout = new QVBoxLayout(choice);
  auto* group = new QButtonGroup(this);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i] = new QRadioButton(QString::fromUtf8(kListNames[i]), choice);
    group->addButton(buttons_[i], static_cast<int>(i));
    choiceLayout->addWidget(buttons_[i]);
  }
  choiceLayout->addStretch(1);

  auto* active = new QGroupBox(QStringLiteral("Aktiv liste"), this);
  auto* activeLayout = new QVBoxLayout(active);
  QTreeWidget& view = rows_->View();
  view.setMinimumSize(view.fontMetrics().averageCharWidth() * 50,
                      view.fontMetrics().lineSpacing() * 16);
  activeLayout->addWidget(rows_);
  RefuseRowsInUse(rows_->Editor(), ids::ElementInUse);

  auto* columns = new QHBoxLayout;
  columns->addWidget(choice);
  columns->addWidget(active, 1);
  Body()->addLayout(columns);

  const int first = 0 <= lists.LastList && lists.LastList < kDatabaseListCount ? lists.LastList : 0;
  buttons_[static_cast<std::size_t>(first)]->setChecked(true);
  ShowList(first);
  connect(group, &QButtonGroup::idClicked, this, &CDatabaseDlg::ShowList);
  view.setFocus();
}

void CDatabaseDlg::ShowList(int list) {
  lists_.LastList = list;
  ListEditor& editor = rows_->Editor();
  editor.SetRowFactory(Factories()[static_cast<std::size_t>(list)]);
  editor.SetList(lists_.List(static_cast<DatabaseList>(list)));
}

bool CDatabaseDlg::AcceptInput() {
  return !rows_->Editor().Modified() ||
         AskOkCancel(Str(ids::AcceptDatabaseChanges), Icon::Question);
}

void CDatabaseDlg::reject() {
  if (rows_->Editor().Modified() && !AskOkCancel(Str(ids::DiscardDatabaseChanges))) return;
  CItemDlg::reject();
}

}  // namespace kav
