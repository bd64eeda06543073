#include "ui/database/koeff_beregning_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "core/formulas.h"
#include "core/strings.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/dialog_fields.h"

namespace kav {
namespace {

// Conductivities up to this (W/mK) move the curve.
constexpr float kMaxLambda = 1.0f;

constexpr const char* kLabels[4] = {"3. grads koeff.", "2. grads koeff.", "1. grads koeff.",
                                    "0. grads koeff."};

}  // namespace

CurvePoints::Points CKoeffBeregningDlg::StartingPoints(float maxTemperature,
                                                       const std::array<float, 4>& coefficients) {
  const ConductivityPolynomial polynomial{coefficients[0], coefficients[1], coefficients[2],
                                          coefficients[3]};
  CurvePoints::Points points{
      {0.0f, maxTemperature / 3.0f, maxTemperature / 1.5f, maxTemperature}, {}, coefficients};
  for (std::size_t i = 0; i < points.lambdas.size(); ++i) {
    points.lambdas[i] = polynomial.At(points.temperatures[i]);
  }
  return points;
}

CKoeffBeregningDlg::CKoeffBeregningDlg(const CurvePoints::Points& start,
                                       std::array<float, 4>& fitted, QWidget* parent)
    : CItemDlg(QStringLiteral("Beregning av koeffisienter"), "::/html/beregn_koeff.htm", parent),
      fitted_(fitted),
      points_(new CurvePoints(start, kMaxLambda, QString(), this)) {
  setObjectName(QStringLiteral("coefficientDialog"));
  auto* box = new QGroupBox(QStringLiteral("Koeffisienter"), this);
  auto* grid = new QGridLayout(box);
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    texts_[i] = new QLabel(box);
    texts_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts_[i]->setFrameShape(QFrame::StyledPanel);
    texts_[i]->setMinimumWidth(
        texts_[i]->fontMetrics().horizontalAdvance(QStringLiteral("-0.000e-00")) + 12);
    grid->addWidget(new QLabel(QString::fromLatin1(kLabels[i]), box), static_cast<int>(i), 0);
    grid->addWidget(texts_[i], static_cast<int>(i), 1);
  }
  grid->setRowStretch(static_cast<int>(texts_.size()), 1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(points_);
  columns->addWidget(box);
  Body()->addLayout(columns);
  connect(points_, &CurvePoints::curveChanged, this, &CKoeffBeregningDlg::ShowCoefficients);
  ShowCoefficients();
  points_->LambdaField(0).setFocus();
}

void CKoeffBeregningDlg::ShowCoefficients() {
  const std::array<float, 4>& c = points_->Curve().Coefficients();
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    texts_[i]->setText(QString::fromStdString(Format(i == 3 ? "%.3f" : "%.3e", c[i])));
  }
}

bool CKoeffBeregningDlg::AcceptInput() {
  fitted_ = points_->Curve().Coefficients();
  return true;
}

}  // namespace kav
