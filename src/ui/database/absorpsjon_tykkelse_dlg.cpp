#include "ui/database/absorpsjon_tykkelse_dlg.h"

#include <QGridLayout>

#include "core/strings.h"
#include "data/absorpsjon.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr const char* kBands[CAbsorpsjonTykkelse::kBandCount] = {
    "125 Hz :", "250 Hz :", "500 Hz :", "1000 Hz :", "2000 Hz :", "4000 Hz :"};

}  // namespace

CAbsorpsjonTykkelseDlg::CAbsorpsjonTykkelseDlg(CAbsorpsjonTykkelse& row, QWidget* parent)
    : CItemDlg(QStringLiteral("Absorpsjon"), "::/html/absorptiondlg.htm", parent),
      row_(row),
      thickness_(MakeRangedField(this, row.Thickness, 0.0f, 2000.0f)) {
  setObjectName(QStringLiteral("absorptionThicknessDialog"));
  thickness_->setObjectName(QStringLiteral("thickness"));
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Tykkelse [mm]:"), thickness_);
  for (std::size_t i = 0; i < coefficients_.size(); ++i) {
    coefficients_[i] = MakeRangedField(this, row.Coefficients[i], 0.0f, 1.0f);
    coefficients_[i]->setObjectName(QStringLiteral("band%1").arg(i));
    AddFieldRow(*grid, QString::fromLatin1(kBands[i]), coefficients_[i]);
  }
  Body()->addLayout(grid);
  // The product's other thicknesses: the edited one is out of the list.
  SetNameList(ListEditor::ListInEdit());
  thickness_->setFocus();
}

bool CAbsorpsjonTykkelseDlg::AcceptInput() {
  float thickness = row_.Thickness;
  ReadNumber(*thickness_, thickness);
  if (!CheckName(FormatId(ids::FmtNumber1, thickness), thickness_)) return false;
  row_.Thickness = thickness;
  for (std::size_t i = 0; i < coefficients_.size(); ++i) {
    ReadNumber(*coefficients_[i], row_.Coefficients[i]);
  }
  row_.UpdateName();
  return true;
}

}  // namespace kav
