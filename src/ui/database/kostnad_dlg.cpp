#include "ui/database/kostnad_dlg.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "ui/widgets/list_editor.h"

namespace kav {

CKostnadDlg::CKostnadDlg(CostChoice& choice, QWidget* parent)
    : CItemDlg(QStringLiteral("Kostnadsdata Isolasjon"), "::/html/kostnad.htm", parent),
      choice_(choice),
      entries_(new ListPanel(
          {QStringLiteral("Ny..."), QStringLiteral("Rediger..."), QStringLiteral("Stryk")},
          {QString(), QStringLiteral("Kostnad")}, false, this)) {
  setObjectName(QStringLiteral("costListDialog"));
  QTreeWidget& view = entries_->View();
  // The prices line up in a column of their own, 150 dialog units in.
  const int nameWidth = view.fontMetrics().averageCharWidth() * 38;
  view.header()->setStretchLastSection(true);
  view.header()->resizeSection(0, nameWidth);
  view.setMinimumSize(nameWidth + view.fontMetrics().averageCharWidth() * 16,
                      view.fontMetrics().lineSpacing() * 14);

  ListEditor& editor = entries_->Editor();
  editor.SetRowFactory([] { return std::make_unique<CIsoKostnad>(); });
  editor.SetLineText([](const CListItem& row) {
    return QString::fromStdString(static_cast<const CIsoKostnad&>(row).DisplayText);
  });
  // An edited entry goes to the end of the list, whether or not it changed.
  editor.SetPlacement(
      [](ObjectList& list, std::unique_ptr<CListItem> row, int) { list.Append(std::move(row)); });
  editor.SetNoSelectionMessage(ids::SelectCostData);
  editor.SetList(choice_.Rows);
  if (choice_.Selected != nullptr) editor.SelectRow(choice_.Selected);
  choice_.Changed = false;

  Body()->addWidget(entries_, 1);
  view.setFocus();
}

bool CKostnadDlg::AcceptInput() {
  auto* entry = static_cast<CIsoKostnad*>(entries_->Editor().SelectedRow());
  if (entry == nullptr) {
    ShowMessage(Str(ids::SelectCostData));
    entries_->View().setFocus();
    return false;
  }
  choice_.Selected = entry;
  choice_.Changed = entries_->Editor().Modified();
  return true;
}

void CKostnadDlg::reject() {
  if (entries_->Editor().Modified() &&
      !AskOkCancel(Str(ids::CostListChangesNotSaved), Icon::Question)) {
    return;
  }
  CItemDlg::reject();
}

}  // namespace kav
