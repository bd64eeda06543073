#include "ui/database/iso_tykkelse_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/iso_produkt.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kIndent = 22;

}  // namespace

CIsoTykkelseDlg::CIsoTykkelseDlg(CIsoTykkelse& thickness, QWidget* parent)
    : CItemDlg(QStringLiteral("Std. tykkelse isolasjon"), "::/html/isotykkelse.htm", parent),
      row_(thickness),
      thickness_(MakeNumberField(this, thickness.Thickness)),
      limited_(new QCheckBox(QString::fromUtf8("Begrensning rør/kanaldiameter"), this)),
      minDiameter_(MakeNumberField(this, thickness.MinDiameter)),
      maxDiameter_(MakeNumberField(this, thickness.MaxDiameter)) {
  setObjectName(QStringLiteral("thicknessDialog"));
  thickness_->SetRange(1.0f, 1500.0f);
  minDiameter_->SetRange(0.0f, 1000.0f);
  maxDiameter_->SetRange(0.0f, 2000.0f);
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Tykkelse [mm]:"), thickness_);
  grid->addWidget(limited_, grid->rowCount(), 0, 1, 2);
  AddFieldRow(*grid, QStringLiteral("Min. diameter [mm]:"), minDiameter_, kIndent);
  AddFieldRow(*grid, QStringLiteral("Maks. diameter [mm]:"), maxDiameter_, kIndent);
  Body()->addLayout(grid);

  limited_->setChecked(thickness.DiameterLimited != 0);
  connect(limited_, &QCheckBox::toggled, this, &CIsoTykkelseDlg::UpdateEnabling);
  UpdateEnabling();
  // The product's other thicknesses: the edited one is out of the list.
  SetNameList(ListEditor::ListInEdit());
  thickness_->setFocus();
  resize(minimumSizeHint());
}

void CIsoTykkelseDlg::UpdateEnabling() {
  minDiameter_->setEnabled(limited_->isChecked());
  maxDiameter_->setEnabled(limited_->isChecked());
}

bool CIsoTykkelseDlg::AcceptInput() {
  const bool limited = limited_->isChecked();
  float thickness = row_.Thickness;
  float min = row_.MinDiameter;
  float max = row_.MaxDiameter;
  ReadNumber(*thickness_, thickness);
  ReadNumber(*minDiameter_, min);
  ReadNumber(*maxDiameter_, max);
  const std::string name = FormatId(ids::FmtNumber1, thickness);
  if (limited && max < min) {
    ShowMessage(Str(ids::MaxDiameterBelowMin));
    FocusField(maxDiameter_);
    return false;
  }
  if (!CheckName(name, thickness_)) return false;
  row_.Thickness = thickness;
  row_.DiameterLimited = limited ? 1 : 0;
  row_.MinDiameter = min;
  row_.MaxDiameter = max;
  row_.UpdateName();
  return true;
}

}  // namespace kav
