#include "ui/database/korbuflex_tykkelse_dlg.h"

#include <QGridLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/korbuflex.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {

CKorbuFlexTykkelseDlg::CKorbuFlexTykkelseDlg(CKorbuFlexTykkelse& step, QWidget* parent)
    : CItemDlg(QStringLiteral("Isolasjonstykkelse AF/GUMMIX"), "::/html/gummix_tykkelse.htm",
               parent),
      step_(step),
      thickness_(MakeRangedField(this, step.Thickness, 1.0f, 500.0f)),
      maxDiameter_(MakeRangedField(this, step.MaxDiameter, 1.0f, 500.0f)),
      steps_(ListEditor::ListInEdit()) {
  setObjectName(QStringLiteral("stepDialog"));
  thickness_->setObjectName(QStringLiteral("thickness"));
  maxDiameter_->setObjectName(QStringLiteral("maxDiameter"));
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Isolasjonstykkelse [mm]:"), thickness_);
  AddFieldRow(*grid, QString::fromUtf8("Maks. rørdiameter [mm]:"), maxDiameter_);
  Body()->addLayout(grid);
  thickness_->setFocus();
}

bool CKorbuFlexTykkelseDlg::AcceptInput() {
  float thickness = step_.Thickness;
  float maxDiameter = step_.MaxDiameter;
  ReadNumber(*thickness_, thickness);
  ReadNumber(*maxDiameter_, maxDiameter);
  if (steps_ != nullptr) {
    for (const CListItem* row : *steps_) {
      if (static_cast<const CKorbuFlexTykkelse*>(row)->MaxDiameter == maxDiameter) {
        ShowMessage(Str(ids::PipeDiameterAlreadyInSeries));
        FocusField(maxDiameter_);
        return false;
      }
    }
  }
  step_.Thickness = thickness;
  step_.MaxDiameter = maxDiameter;
  step_.UpdateName();
  return true;
}

}  // namespace kav
