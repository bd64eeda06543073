#include "ui/database/egendef_database_dlg.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/egendef_database.h"
#include "ui/widgets/list_editor.h"

namespace kav {

CEgendefDatabaseDlg::CEgendefDatabaseDlg(UserDatabaseLists& lists, QWidget* parent)
    : CItemDlg(QStringLiteral("Egendefinerte isolasjonsprodukter"), "::/html/egendefdatabase.htm",
               parent),
      products_(
          new ListPanel({QStringLiteral("Nytt produkt..."), QStringLiteral("Oppdater produkt..."),
                         QStringLiteral("Fjern produkt...")},
                        {}, true, this)) {
  setObjectName(QStringLiteral("userDatabaseDialog"));
  QTreeWidget& view = products_->View();
  view.setMinimumSize(view.fontMetrics().averageCharWidth() * 50,
                      view.fontMetrics().lineSpacing() * 14);
  ListEditor& editor = products_->Editor();
  editor.SetRowFactory([] { return std::make_unique<CEgendefIsoProdukt>(); });
  RefuseRowsInUse(editor, ids::ElementInUse);
  editor.SetList(lists.UserProducts);
  Body()->addWidget(products_, 1);
  view.setFocus();
}

bool CEgendefDatabaseDlg::AcceptInput() {
  return !products_->Editor().Modified() ||
         AskOkCancel(Str(ids::AcceptDatabaseChanges), Icon::Question);
}

void CEgendefDatabaseDlg::reject() {
  if (products_->Editor().Modified() && !AskOkCancel(Str(ids::DiscardDatabaseChanges))) return;
  CItemDlg::reject();
}

}  // namespace kav
