#include "ui/widgets/slider_field.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "ui/widgets/dialog_fields.h"

namespace kav {
namespace {

int Positions(float value, float factor) {
  return static_cast<int>(std::lround(value * factor));
}

}  // namespace

SliderField::SliderField(QScrollBar& bar, NumberField& field, const Scale& scale, QObject* parent)
    : QObject(parent), bar_(bar), field_(field), scale_(scale) {
  bar_.setOrientation(Qt::Horizontal);
  bar_.setRange(Positions(scale.min, scale.factor), Positions(scale.max, scale.factor));
  bar_.setSingleStep(Positions(scale.line, scale.factor));
  bar_.setPageStep(Positions(scale.page, scale.factor));
  bar_.setTracking(true);
  connect(&bar_, &QScrollBar::valueChanged, this, &SliderField::ThumbMoved);
}

void SliderField::SetValue(float value) {
  field_.SetValue(value, scale_.format);
  const QSignalBlocker blocker(bar_);
  bar_.setValue(Positions(value, scale_.factor));
}

void SliderField::ThumbMoved(int position) {
  field_.SetValue(static_cast<float>(position) / scale_.factor, scale_.format);
}

}  // namespace kav
