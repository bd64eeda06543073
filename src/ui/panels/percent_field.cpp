#include "ui/panels/percent_field.h"

#include <QHBoxLayout>
#include <QScrollBar>

#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/slider_field.h"

namespace kav {

PercentField::PercentField(float min, float max, const char* format, QWidget* parent)
    : QWidget(parent),
      field_(MakeNumberField(this, min)),
      bar_(new QScrollBar(Qt::Horizontal, this)),
      slider_(nullptr) {
  field_->SetRange(min, max);
  SliderField::Scale scale;
  scale.factor = 1.0f;
  scale.min = min;
  scale.max = max;
  scale.line = 1.0f;
  scale.page = 10.0f;
  scale.format = format;
  slider_ = new SliderField(*bar_, *field_, scale, this);
  field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("00.0")) + 16);
  bar_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * 16);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(field_);
  layout->addWidget(bar_, 1);
}

void PercentField::SetValue(float percent) {
  slider_->SetValue(percent);
}

}  // namespace kav
