#pragma once
// Four measured points of a product's conductivity ("Lambdaverdi:",
// "Temperatur:") with the curve through them ("Lambdakurve"). Every change
// of a field is read at once: a value within its range moves the point and
// the curve is fitted and drawn again; a value outside stays in the field
// and leaves the curve as it was.
#include <QWidget>
#include <array>

namespace kav {

class CCurveButton;
class NumberField;

class CurvePoints final : public QWidget {
  Q_OBJECT

 public:
  struct Points {
    std::array<float, 4> temperatures;
    std::array<float, 4> lambdas;
    // The cubic shown while the points have none (c3, c2, c1, c0).
    std::array<float, 4> coefficients;
  };

  // `maxLambda`: the largest conductivity (W/mK) the curve takes; `note`,
  // when not empty, stands above the fields.
  CurvePoints(const Points& points, float maxLambda, const QString& note,
              QWidget* parent = nullptr);

  NumberField& LambdaField(int point) const { return *lambdas_[static_cast<std::size_t>(point)]; }
  NumberField& TemperatureField(int point) const {
    return *temperatures_[static_cast<std::size_t>(point)];
  }
  CCurveButton& Curve() const { return *curve_; }
  // The points as typed; a field that holds no number leaves its value.
  void ReadTyped(std::array<float, 4>& temperatures, std::array<float, 4>& lambdas) const;

 signals:
  // The curve was fitted anew.
  void curveChanged();

 private:
  void PointTyped(std::size_t point);

  float maxLambda_;
  std::array<NumberField*, 4> lambdas_{};
  std::array<NumberField*, 4> temperatures_{};
  CCurveButton* curve_;
};

}  // namespace kav
