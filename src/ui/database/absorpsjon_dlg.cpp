#include "ui/database/absorpsjon_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/absorpsjon.h"
#include "data/active_list.h"
#include "ui/widgets/color_btn.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

CAbsorpsjonDlg::CAbsorpsjonDlg(CAbsorpsjon& product, QWidget* parent)
    : CItemDlg(QStringLiteral("Absorpsjonsprodukt"), "::/html/absorption.htm", parent),
      product_(product),
      name_(new TextField(kNameLimit, this)),
      thicknesses_(nullptr),
      insulationColour_(new CColorBtn(this)),
      surfaceColour_(new CColorBtn(this)) {
  setObjectName(QStringLiteral("absorptionDialog"));
  name_->SetText(product.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  Body()->addWidget(FieldLabel(QStringLiteral("Produktets navn :"), name_));
  Body()->addWidget(name_);

  auto* box = new QGroupBox(QStringLiteral("Tykkelser [mm]"), this);
  auto* boxLayout = new QVBoxLayout(box);
  thicknesses_ =
      new ListPanel({QStringLiteral("Ny tykkelse..."), QStringLiteral("Oppdater tykkelse..."),
                     QStringLiteral("Stryk tykkelse")},
                    {}, false, box);
  thicknesses_->View().setMinimumHeight(thicknesses_->View().fontMetrics().lineSpacing() * 8);
  boxLayout->addWidget(thicknesses_);
  Body()->addWidget(box, 1);
  EditOrdered(thicknesses_->Editor(), product.AbsorptionThicknesses);
  RefuseRowsInUse(thicknesses_->Editor(), ids::ThicknessInUse);

  insulationColour_->SetColour(product.InsulationColour);
  surfaceColour_->SetColour(product.SurfaceColour);
  Body()->addLayout(ColourChoiceRow(
      new QPushButton(QStringLiteral("Sett isolasjonsfarge..."), this), insulationColour_));
  Body()->addLayout(ColourChoiceRow(new QPushButton(QStringLiteral("Sett overflatefarge..."), this),
                                    surfaceColour_));
  // The product is out of the list while it is edited.
  SetNameList(&ActiveList<CAbsorpsjon>());
  name_->setFocus();
}

bool CAbsorpsjonDlg::AcceptInput() {
  if (product_.AbsorptionThicknesses.empty()) {
    ShowMessage(Str(ids::AtLeastOneThickness));
    thicknesses_->NewButton().setFocus();
    return false;
  }
  if (!CheckName(name_->Text(), name_)) return false;
  product_.Name = name_->Text();
  product_.InsulationColour = insulationColour_->Colour();
  product_.SurfaceColour = surfaceColour_->Colour();
  return true;
}

}  // namespace kav
