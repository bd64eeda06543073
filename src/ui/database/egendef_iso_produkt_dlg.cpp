#include "ui/database/egendef_iso_produkt_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "data/active_list.h"
#include "data/iso_produkt.h"
#include "ui/panels/product_fields.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/dialog_fields.h"

namespace kav {
namespace {

// Measured conductivities up to this (W/mK) move the curve.
constexpr float kMaxLambda = 100.0f;

}  // namespace

CEgendefIsoProduktDlg::CEgendefIsoProduktDlg(CEgendefIsoProdukt& product, QWidget* parent)
    : CItemDlg(QStringLiteral("Egendefinert isolasjonsprodukt"), "::/html/egendefisoprodukt.htm",
               parent),
      product_(product),
      fields_(new ProductFields(
          product, {QStringLiteral("Maksimal temperatur [°C]:"), -50.0f, 1000.0f}, this)),
      points_(new CurvePoints(
          {product.Temperatures, product.Lambdas, {product.C3, product.C2, product.C1, product.C0}},
          kMaxLambda,
          QString::fromUtf8(
              "Lambdaverdien (varmeledningsevnen) ved 4 temperaturer må legges inn. \n"
              "Det er viktig at disse temperaturene spenner over en stor del av "
              "isolasjonens bruksområde."),
          this)) {
  setObjectName(QStringLiteral("userProductDialog"));
  auto* columns = new QHBoxLayout;
  columns->addWidget(fields_);
  columns->addWidget(points_);
  Body()->addLayout(columns);
  // The product is out of the list while it is edited.
  SetNameList(&ActiveList<CEgendefIsoProdukt>());
  fields_->NameField().setFocus();
}

bool CEgendefIsoProduktDlg::AcceptInput() {
  if (!fields_->Check(*this)) return false;
  fields_->ReadInto(product_);
  // The points as typed; the polynomial as the curve has it.
  points_->ReadTyped(product_.Temperatures, product_.Lambdas);
  const std::array<float, 4>& c = points_->Curve().Coefficients();
  product_.C3 = c[0];
  product_.C2 = c[1];
  product_.C1 = c[2];
  product_.C0 = c[3];
  return true;
}

}  // namespace kav
