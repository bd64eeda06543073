#include "ui/database/tillegg_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/active_list.h"
#include "data/tillegg.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

CTillegg2Dlg::CTillegg2Dlg(CTillegg2& type, QWidget* parent)
    : CItemDlg(QStringLiteral("Tilleggsutstyr"), "::/html/tillegg.htm", parent),
      type_(type),
      name_(new TextField(kNameLimit, this)),
      lengths_(nullptr) {
  setObjectName(QStringLiteral("accessoryTypeDialog"));
  name_->SetText(type.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Navn :"), name_);
  Body()->addLayout(grid);

  auto* box = new QGroupBox(QString::fromUtf8("Tilleggslengde/diameter"), this);
  auto* boxLayout = new QVBoxLayout(box);
  lengths_ = new ListPanel(
      {QStringLiteral("Ny tilleggslengde..."), QStringLiteral("Oppdater tilleggslengde..."),
       QStringLiteral("Slett tilleggslengde...")},
      {}, false, box);
  lengths_->View().setMinimumSize(lengths_->View().fontMetrics().averageCharWidth() * 30,
                                  lengths_->View().fontMetrics().lineSpacing() * 8);
  boxLayout->addWidget(lengths_);
  Body()->addWidget(box, 1);
  EditOrdered(lengths_->Editor(), type.Lengths);
  // The type is out of the list while it is edited.
  SetNameList(&ActiveList<CTillegg2>());
  name_->setFocus();
}

bool CTillegg2Dlg::AcceptInput() {
  if (type_.Lengths.empty()) {
    ShowMessage(Str(ids::AtLeastOneAdditionalLength));
    lengths_->NewButton().setFocus();
    return false;
  }
  if (!CheckName(name_->Text(), name_)) return false;
  type_.Name = name_->Text();
  return true;
}

}  // namespace kav
