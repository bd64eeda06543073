#include "ui/database/iso_produkt_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "data/active_list.h"
#include "data/iso_produkt.h"
#include "ui/database/coefficient_fields.h"
#include "ui/database/koeff_beregning_dlg.h"
#include "ui/panels/product_fields.h"
#include "ui/widgets/dialog_fields.h"

namespace kav {

CIsoProduktDlg::CIsoProduktDlg(CIsoProdukt& product, QWidget* parent)
    : CItemDlg(QStringLiteral("Isolasjonsprodukt"), "::/html/isoprodukt.htm", parent),
      product_(product),
      fields_(
          new ProductFields(product, {QStringLiteral("Maks. temp. [°C]:"), 0.0f, 2000.0f}, this)),
      fit_(nullptr),
      heldMaxTemperature_(product.MaxTemperature),
      held_{product.C3, product.C2, product.C1, product.C0} {
  setObjectName(QStringLiteral("productDialog"));
  auto* polynomial =
      new QGroupBox(QString::fromUtf8("Varmeledningsevne λ(T) [W/mK], T i °C"), this);
  auto* grid = new QGridLayout;
  coefficients_ = std::make_unique<CoefficientFields>(polynomial, *grid, product);
  fit_ = new QPushButton(QStringLiteral("Beregn koeffisienter..."), polynomial);
  fit_->setAutoDefault(false);
  auto* polynomialLayout = new QVBoxLayout(polynomial);
  polynomialLayout->addLayout(grid);
  polynomialLayout->addWidget(fit_, 0, Qt::AlignLeft);

  auto* right = new QVBoxLayout;
  right->addWidget(polynomial);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(fields_);
  columns->addLayout(right);
  Body()->addLayout(columns);

  connect(fit_, &QPushButton::clicked, this, &CIsoProduktDlg::FitCoefficients);
  // The product is out of the list while it is edited.
  SetNameList(&ActiveList<CIsoProdukt>());
  fields_->NameField().setFocus();
}

CIsoProduktDlg::~CIsoProduktDlg() = default;

void CIsoProduktDlg::FitCoefficients() {
  std::array<float, 4> fitted = held_;
  CKoeffBeregningDlg dialog(CKoeffBeregningDlg::StartingPoints(heldMaxTemperature_, held_), fitted,
                            this);
  if (dialog.exec() != QDialog::Accepted) return;
  held_ = fitted;
  coefficients_->Show(fitted);
}

bool CIsoProduktDlg::AcceptInput() {
  if (!fields_->Check(*this)) return false;
  fields_->ReadInto(product_);
  coefficients_->ReadInto(product_);
  return true;
}

}  // namespace kav
