#pragma once
// The conductivity curve ("Lambdakurve") of the product dialogs: the cubic
// through four (temperature, conductivity) points, plotted over axes that
// fit the points. The plotting area spans x 60 to 560 and y 50 to 350.
#include <QWidget>
#include <array>

namespace kav {

// One axis: from `low` to `high`, a tick every `step`.
struct CurveAxis {
  float low = 0.0f;
  float high = 0.0f;
  float step = 0.0f;
};

// The temperature axis over the points' temperatures tmin..tmax (°C).
CurveAxis TemperatureAxis(float tmin, float tmax);
// The conductivity axis over the points' conductivities lmin..lmax (W/mK).
CurveAxis ConductivityAxis(float lmin, float lmax);

class CCurveButton final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLeft = 60;
  static constexpr int kRight = 560;
  static constexpr int kTop = 50;
  static constexpr int kBottom = 350;

  explicit CCurveButton(QWidget* parent = nullptr);

  // Takes the points, sets the axes, fits the cubic and redraws. With two
  // equal temperatures there is no cubic: the previous one stays, and the
  // result is false.
  bool SetPoints(const std::array<float, 4>& temperatures, const std::array<float, 4>& lambdas);

  // The cubic to keep while the points have none (c3, c2, c1, c0).
  void SetCoefficients(const std::array<float, 4>& coefficients);

  const std::array<float, 4>& Temperatures() const { return temperatures_; }
  const std::array<float, 4>& Lambdas() const { return lambdas_; }
  // The fitted c3, c2, c1, c0.
  const std::array<float, 4>& Coefficients() const { return coefficients_; }
  const CurveAxis& TemperatureScale() const { return temperatureAxis_; }
  const CurveAxis& ConductivityScale() const { return conductivityAxis_; }
  // The pixel of a point.
  QPoint Map(float temperature, float lambda) const;

  QSize sizeHint() const override { return QSize(610, 380); }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  float Lambda(float t) const;
  void PaintAxes(QPainter& painter) const;
  void PaintCurve(QPainter& painter) const;

  std::array<float, 4> temperatures_{};
  std::array<float, 4> lambdas_{};
  std::array<float, 4> coefficients_{};
  CurveAxis temperatureAxis_;
  CurveAxis conductivityAxis_;
};

}  // namespace kav
