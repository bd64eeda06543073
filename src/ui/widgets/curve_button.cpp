#include "ui/widgets/curve_button.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/strings.h"
#include "data/iso_produkt.h"

namespace kav {
namespace {

constexpr int kTick = 5;
constexpr int kSegments = 20;

// The ticks of an axis, from low to high.
int TickCount(const CurveAxis& axis) {
  return static_cast<int>(std::lround((axis.high - axis.low) / axis.step));
}

float TickValue(const CurveAxis& axis, int i) {
  return axis.low + static_cast<float>(i) * axis.step;
}

}  // namespace

CurveAxis TemperatureAxis(float tmin, float tmax) {
  const float d = tmax - tmin;
  float step = 10.0f;
  if (d > 800.0f) {
    step = 200.0f;
  } else if (d > 400.0f) {
    step = 100.0f;
  } else if (d > 200.0f) {
    step = 50.0f;
  } else if (d > 100.0f) {
    step = 25.0f;
  }
  return {std::trunc(tmin / step) * step - step, std::trunc(tmax / step) * step + step, step};
}

CurveAxis ConductivityAxis(float lmin, float lmax) {
  struct Grade {
    float above;  // for differences above this
    float step;
    float grid;  // values are truncated to multiples of 1/grid
  };
  static constexpr Grade kGrades[] = {
      {25.0f, 2.5f, 50.0f},   {10.0f, 1.0f, 50.0f},     {5.0f, 0.5f, 50.0f},   {2.5f, 0.25f, 50.0f},
      {1.0f, 0.1f, 50.0f},    {0.5f, 0.1f, 50.0f},      {0.25f, 0.05f, 50.0f}, {0.1f, 0.02f, 50.0f},
      {0.05f, 0.01f, 100.0f}, {0.025f, 0.005f, 200.0f},
  };
  const float d = lmax - lmin;
  float step = 0.002f;
  float grid = 500.0f;
  for (const Grade& grade : kGrades) {
    if (d > grade.above) {
      step = grade.step;
      grid = grade.grid;
      break;
    }
  }
  return {std::trunc(lmin * grid) / grid - step, std::trunc(lmax * grid) / grid + step, step};
}

CCurveButton::CCurveButton(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool CCurveButton::SetPoints(const std::array<float, 4>& temperatures,
                             const std::array<float, 4>& lambdas) {
  temperatures_ = temperatures;
  lambdas_ = lambdas;
  const auto [tmin, tmax] = std::minmax_element(temperatures.begin(), temperatures.end());
  const auto [lmin, lmax] = std::minmax_element(lambdas.begin(), lambdas.end());
  temperatureAxis_ = TemperatureAxis(*tmin, *tmax);
  conductivityAxis_ = ConductivityAxis(*lmin, *lmax);
  std::array<float, 4> c = coefficients_;
  const bool fitted = FitCubic(temperatures, lambdas, c[0], c[1], c[2], c[3]);
  if (fitted) coefficients_ = c;
  update();
  return fitted;
}

void CCurveButton::SetCoefficients(const std::array<float, 4>& coefficients) {
  coefficients_ = coefficients;
  update();
}

QPoint CCurveButton::Map(float temperature, float lambda) const {
  const CurveAxis& t = temperatureAxis_;
  const CurveAxis& l = conductivityAxis_;
  const float x = 500.0f * (temperature - t.low) / (t.high - t.low);
  const float y = 300.0f * (lambda - l.low) / (l.high - l.low);
  // A curve far off the plot is clipped anyway; keep it within int.
  auto pixels = [](float v) {
    return static_cast<int>(std::isfinite(v) ? std::clamp(v, -1.0e6f, 1.0e6f) : 1.0e6f);
  };
  return QPoint(kLeft + pixels(x), kBottom - pixels(y));
}

float CCurveButton::Lambda(float t) const {
  const auto& c = coefficients_;
  return c[0] * t * t * t + c[1] * t * t + c[2] * t + c[3];
}

void CCurveButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area(QPoint(kLeft, kTop), QPoint(kRight, kBottom));
  painter.fillRect(area, Qt::white);
  PaintAxes(painter);
  PaintCurve(painter);
}

void CCurveButton::PaintAxes(QPainter& painter) const {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QColor ink = palette().color(QPalette::WindowText);
  painter.setPen(ink);
  painter.drawRect(QRect(QPoint(kLeft, kTop), QPoint(kRight, kBottom)));

  // Labels are left out where they would run into the one before.
  int lastRight = -1000;
  const int temperatureTicks = TickCount(temperatureAxis_);
  for (int i = 0; i <= temperatureTicks; ++i) {
    const float value = TickValue(temperatureAxis_, i);
    const int x = Map(value, conductivityAxis_.low).x();
    painter.drawLine(x, kBottom, x, kBottom + kTick);
    const QString text = QString::fromStdString(Format("%.0f", value));
    const int width = metrics.horizontalAdvance(text);
    const QRect box(x - width / 2, kBottom + kTick + 2, width, metrics.height());
    if (box.left() > lastRight + 4) {
      painter.drawText(box, Qt::AlignCenter, text);
      lastRight = box.right();
    }
  }
  painter.drawText(QRect(kRight + 18, kBottom + kTick + 2, 24, metrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("°C"));

  int lastTop = 100000;
  const int lambdaTicks = TickCount(conductivityAxis_);
  for (int i = 0; i <= lambdaTicks; ++i) {
    const float value = TickValue(conductivityAxis_, i);
    const int y = Map(temperatureAxis_.low, value).y();
    painter.drawLine(kLeft - kTick, y, kLeft, y);
    const QRect box(0, y - metrics.height() / 2, kLeft - kTick - 3, metrics.height());
    if (box.bottom() < lastTop - 1) {
      painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromStdString(Format("%.3f", value)));
      lastTop = box.top();
    }
  }
  painter.drawText(QRect(0, kTop - 2 * metrics.height() - 2, kLeft + 40, metrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("W/mK"));
}

void CCurveButton::PaintCurve(QPainter& painter) const {
  painter.save();
  painter.setClipRect(QRect(QPoint(kLeft, kTop), QPoint(kRight, kBottom)));
  painter.setPen(QPen(Qt::blue, 1, Qt::SolidLine));
  const CurveAxis& t = temperatureAxis_;
  QPoint previous = Map(t.low, Lambda(t.low));
  for (int i = 1; i <= kSegments; ++i) {
    const float temperature = t.low + (t.high - t.low) * static_cast<float>(i) / kSegments;
    const QPoint next = Map(temperature, Lambda(temperature));
    painter.drawLine(previous, next);
    previous = next;
  }
  painter.setPen(palette().color(QPalette::WindowText));
  for (std::size_t i = 0; i < temperatures_.size(); ++i) {
    const QPoint point = Map(temperatures_[i], lambdas_[i]);
    painter.drawRect(QRect(point - QPoint(2, 2), QSize(5, 5)));
  }
  painter.restore();
}

}  // namespace kav
