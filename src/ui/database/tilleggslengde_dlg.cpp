#include "ui/database/tilleggslengde_dlg.h"

#include <QGridLayout>

#include "data/tillegg.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {

CTilleggslengdeDlg::CTilleggslengdeDlg(CTilleggslengde& band, QWidget* parent)
    : CItemDlg(QString::fromUtf8("Tilleggslengde/rørdiameter"), "::/html/tillegglengde.htm",
               parent),
      band_(band),
      length_(MakeRangedField(this, band.AdditionalLength, 0.0f, 1000.0f)),
      minDiameter_(MakeRangedField(this, band.MinDiameter, 0.0f, 10000.0f)),
      maxDiameter_(MakeRangedField(this, band.MaxDiameter, 0.0f, 10000.0f)) {
  setObjectName(QStringLiteral("lengthBandDialog"));
  length_->setObjectName(QStringLiteral("additionalLength"));
  minDiameter_->setObjectName(QStringLiteral("minDiameter"));
  maxDiameter_->setObjectName(QStringLiteral("maxDiameter"));
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Ekv. tilleggslengde [m]:"), length_);
  AddFieldRow(*grid, QString::fromUtf8("Min. rørdiameter [mm]:"), minDiameter_);
  AddFieldRow(*grid, QString::fromUtf8("Maks. rørdiameter [mm]:"), maxDiameter_);
  Body()->addLayout(grid);
  length_->setFocus();
}

bool CTilleggslengdeDlg::AcceptInput() {
  ReadNumber(*length_, band_.AdditionalLength);
  ReadNumber(*minDiameter_, band_.MinDiameter);
  ReadNumber(*maxDiameter_, band_.MaxDiameter);
  band_.UpdateName();
  return true;
}

}  // namespace kav
