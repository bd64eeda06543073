#include "ui/database/curve_points.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <optional>

#include "ui/widgets/curve_button.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

// The points the curve takes.
constexpr float kMinLambda = 0.01f;
constexpr float kMinTemperature = -200.0f;
constexpr float kMaxTemperature = 1500.0f;

bool Within(const std::optional<float>& value, float min, float max) {
  return value && min <= *value && *value <= max;
}

}  // namespace

CurvePoints::CurvePoints(const Points& points, float maxLambda, const QString& note,
                         QWidget* parent)
    : QWidget(parent), maxLambda_(maxLambda), curve_(nullptr) {
  auto* pointBox = new QGroupBox(QStringLiteral("Lambdaverdier"), this);
  auto* pointLayout = new QVBoxLayout(pointBox);
  if (!note.isEmpty()) {
    auto* text = new QLabel(note, pointBox);
    text->setWordWrap(true);
    pointLayout->addWidget(text);
  }
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < lambdas_.size(); ++i) {
    lambdas_[i] = MakeNumberField(pointBox, points.lambdas[i]);
    temperatures_[i] = MakeNumberField(pointBox, points.temperatures[i]);
    lambdas_[i]->setObjectName(QStringLiteral("lambda%1").arg(i + 1));
    temperatures_[i]->setObjectName(QStringLiteral("temperature%1").arg(i + 1));
    const int row = static_cast<int>(i);
    grid->addWidget(FieldLabel(QStringLiteral("Lambdaverdi:"), lambdas_[i]), row, 0);
    grid->addWidget(lambdas_[i], row, 1);
    grid->addWidget(new QLabel(QStringLiteral("W/mK"), pointBox), row, 2);
    grid->addWidget(FieldLabel(QStringLiteral("Temperatur:"), temperatures_[i]), row, 3);
    grid->addWidget(temperatures_[i], row, 4);
    grid->addWidget(new QLabel(QStringLiteral("°C"), pointBox), row, 5);
  }
  grid->setColumnMinimumWidth(2, 48);
  grid->setColumnStretch(6, 1);
  pointLayout->addLayout(grid);

  auto* curveBox = new QGroupBox(QStringLiteral("Lambdakurve"), this);
  auto* curveLayout = new QVBoxLayout(curveBox);
  curve_ = new CCurveButton(curveBox);
  curveLayout->addWidget(curve_);
  curve_->SetCoefficients(points.coefficients);
  curve_->SetPoints(points.temperatures, points.lambdas);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pointBox);
  layout->addWidget(curveBox);
  layout->addStretch(1);

  for (std::size_t i = 0; i < lambdas_.size(); ++i) {
    connect(lambdas_[i], &NumberField::textChanged, this, [this, i] { PointTyped(i); });
    connect(temperatures_[i], &NumberField::textChanged, this, [this, i] { PointTyped(i); });
  }
}

void CurvePoints::PointTyped(std::size_t i) {
  std::array<float, 4> temperatures = curve_->Temperatures();
  std::array<float, 4> lambdas = curve_->Lambdas();
  const std::optional<float> lambda = lambdas_[i]->Value();
  const std::optional<float> temperature = temperatures_[i]->Value();
  bool moved = false;
  if (Within(lambda, kMinLambda, maxLambda_) && *lambda != lambdas[i]) {
    lambdas[i] = *lambda;
    moved = true;
  }
  if (Within(temperature, kMinTemperature, kMaxTemperature) && *temperature != temperatures[i]) {
    temperatures[i] = *temperature;
    moved = true;
  }
  if (!moved) return;
  curve_->SetPoints(temperatures, lambdas);
  emit curveChanged();
}

void CurvePoints::ReadTyped(std::array<float, 4>& temperatures,
                            std::array<float, 4>& lambdas) const {
  for (std::size_t i = 0; i < lambdas_.size(); ++i) {
    ReadNumber(*lambdas_[i], lambdas[i]);
    ReadNumber(*temperatures_[i], temperatures[i]);
  }
}

}  // namespace kav
