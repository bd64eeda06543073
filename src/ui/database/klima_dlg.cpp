#include "ui/database/klima_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "ui/widgets/list_editor.h"

namespace kav {

CKlimaDlg::CKlimaDlg(ClimateChoice& choice, QWidget* parent)
    : CItemDlg(QStringLiteral("Klimasteder"), "::/html/klimasteder.htm", parent),
      choice_(choice),
      places_(
          new ListPanel({QStringLiteral("Nytt klimasted..."),
                         QStringLiteral("Rediger klimasted..."), QStringLiteral("Stryk klimated")},
                        {QStringLiteral("Klimasted"), QString::fromUtf8("Temp. [°C]"),
                         QStringLiteral("Vind [m/s]")},
                        true, this)) {
  setObjectName(QStringLiteral("climateDialog"));
  QTreeWidget& view = places_->View();
  const int digits = view.fontMetrics().horizontalAdvance(QStringLiteral("Vind [m/s]")) + 24;
  view.header()->setStretchLastSection(false);
  view.header()->setSectionResizeMode(0, QHeaderView::Stretch);
  view.header()->resizeSection(1, digits);
  view.header()->resizeSection(2, digits);
  // The numbers line up on the right, under their headings.
  view.headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  view.headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  view.setMinimumSize(view.fontMetrics().averageCharWidth() * 30 + 2 * digits,
                      view.fontMetrics().lineSpacing() * 16);

  ListEditor& editor = places_->Editor();
  editor.SetRowFactory([] { return std::make_unique<CKlimasted>(); });
  editor.SetLineText([](const CListItem& row) {
    return QString::fromStdString(static_cast<const CKlimasted&>(row).DisplayText);
  });
  // An edited place goes to the end of the list, whether or not it changed.
  editor.SetPlacement(
      [](ObjectList& list, std::unique_ptr<CListItem> row, int) { list.Append(std::move(row)); });
  editor.SetNoSelectionMessage(ids::SelectClimateLocation);
  editor.SetList(choice_.Rows);
  if (choice_.Selected != nullptr) editor.SelectRow(choice_.Selected);
  choice_.Changed = false;

  Body()->addWidget(places_, 1);
  auto* note = new QLabel(QString::fromUtf8("Trykk på OK for å overføre data fra valgt klimasted. "
                                            "Forandringer blir automatisk lagret."),
                          this);
  note->setWordWrap(true);
  Body()->addWidget(note);
  view.setFocus();
}

bool CKlimaDlg::AcceptInput() {
  auto* place = static_cast<CKlimasted*>(places_->Editor().SelectedRow());
  if (place == nullptr) {
    ShowMessage(Str(ids::SelectClimateLocation));
    places_->View().setFocus();
    return false;
  }
  choice_.Selected = place;
  choice_.Changed = places_->Editor().Modified();
  return true;
}

void CKlimaDlg::reject() {
  if (places_->Editor().Modified() && !AskOkCancel(Str(ids::ClimateChangesNotSaved))) return;
  CItemDlg::reject();
}

}  // namespace kav
