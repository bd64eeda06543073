#include "ui/database/egendef_iso_produkt_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/active_list.h"
#include "data/iso_produkt.h"
#include "ui/panels/product_fields.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

// The points the curve takes.
constexpr float kMinLambda = 0.01f;
constexpr float kMaxLambda = 100.0f;
constexpr float kMinTemperature = -200.0f;
constexpr float kMaxTemperature = 1500.0f;

bool Within(const std::optional<float>& value, float min, float max) {
  return value && min <= *value && *value <= max;
}

}  // namespace

CEgendefIsoProduktDlg::CEgendefIsoProduktDlg(CEgendefIsoProdukt& product, QWidget* parent)
    : CItemDlg(QStringLiteral("Egendefinert isolasjonsprodukt"), "::/html/egendefisoprodukt.htm",
               parent),
      product_(product),
      fields_(new ProductFields(
          product, {QStringLiteral("Maksimal temperatur [°C]:"), -50.0f, 1000.0f}, this)),
      curve_(nullptr) {
  setObjectName(QStringLiteral("userProductDialog"));

  auto* points = new QGroupBox(QStringLiteral("Lambdaverdier"), this);
  auto* pointLayout = new QVBoxLayout(points);
  auto* note = new QLabel(
      QString::fromUtf8("Lambdaverdien (varmeledningsevnen) ved 4 temperaturer må legges inn. \n"
                        "Det er viktig at disse temperaturene spenner over en stor del av "
                        "isolasjonens bruksområde."),
      points);
  note->setWordWrap(true);
  pointLayout->addWidget(note);
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < lambdas_.size(); ++i) {
    lambdas_[i] = MakeNumberField(points, product.Lambdas[i]);
    temperatures_[i] = MakeNumberField(points, product.Temperatures[i]);
    lambdas_[i]->setObjectName(QStringLiteral("lambda%1").arg(i + 1));
    temperatures_[i]->setObjectName(QStringLiteral("temperature%1").arg(i + 1));
    const int row = static_cast<int>(i);
    grid->addWidget(FieldLabel(QStringLiteral("Lambdaverdi:"), lambdas_[i]), row, 0);
    grid->addWidget(lambdas_[i], row, 1);
    grid->addWidget(new QLabel(QStringLiteral("W/mK"), points), row, 2);
    grid->addWidget(FieldLabel(QStringLiteral("Temperatur:"), temperatures_[i]), row, 3);
    grid->addWidget(temperatures_[i], row, 4);
    grid->addWidget(new QLabel(QStringLiteral("°C"), points), row, 5);
  }
  grid->setColumnMinimumWidth(2, 48);
  grid->setColumnStretch(6, 1);
  pointLayout->addLayout(grid);

  auto* curveBox = new QGroupBox(QStringLiteral("Lambdakurve"), this);
  auto* curveLayout = new QVBoxLayout(curveBox);
  curve_ = new CCurveButton(curveBox);
  curveLayout->addWidget(curve_);
  curve_->SetCoefficients({product.C3, product.C2, product.C1, product.C0});
  curve_->SetPoints(product.Temperatures, product.Lambdas);

  auto* right = new QVBoxLayout;
  right->addWidget(points);
  right->addWidget(curveBox);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(fields_);
  columns->addLayout(right);
  Body()->addLayout(columns);

  for (int i = 0; i < 4; ++i) {
    connect(lambdas_[static_cast<std::size_t>(i)], &NumberField::textChanged, this,
            [this, i] { PointTyped(i); });
    connect(temperatures_[static_cast<std::size_t>(i)], &NumberField::textChanged, this,
            [this, i] { PointTyped(i); });
  }
  // The product is out of the list while it is edited.
  SetNameList(&ActiveList<CEgendefIsoProdukt>());
  fields_->NameField().setFocus();
}

void CEgendefIsoProduktDlg::PointTyped(int point) {
  const auto i = static_cast<std::size_t>(point);
  std::array<float, 4> temperatures = curve_->Temperatures();
  std::array<float, 4> lambdas = curve_->Lambdas();
  const std::optional<float> lambda = lambdas_[i]->Value();
  const std::optional<float> temperature = temperatures_[i]->Value();
  bool moved = false;
  if (Within(lambda, kMinLambda, kMaxLambda) && *lambda != lambdas[i]) {
    lambdas[i] = *lambda;
    moved = true;
  }
  if (Within(temperature, kMinTemperature, kMaxTemperature) && *temperature != temperatures[i]) {
    temperatures[i] = *temperature;
    moved = true;
  }
  if (moved) curve_->SetPoints(temperatures, lambdas);
}

bool CEgendefIsoProduktDlg::AcceptInput() {
  if (!fields_->Check(*this)) return false;
  fields_->ReadInto(product_);
  // The points as typed; the polynomial as the curve has it.
  for (std::size_t i = 0; i < lambdas_.size(); ++i) {
    ReadNumber(*lambdas_[i], product_.Lambdas[i]);
    ReadNumber(*temperatures_[i], product_.Temperatures[i]);
  }
  const std::array<float, 4>& c = curve_->Coefficients();
  product_.C3 = c[0];
  product_.C2 = c[1];
  product_.C1 = c[2];
  product_.C0 = c[3];
  return true;
}

}  // namespace kav
