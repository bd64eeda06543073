#include "ui/panels/dimension_box.h"

#include <QGridLayout>

#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {

DimensionBox::DimensionBox(const QString& title, float diameter, float height, float width,
                           QWidget* parent)
    : QGroupBox(title, parent),
      grid_(new QGridLayout(this)),
      diameter_(MakeNumberField(this, diameter)),
      height_(MakeNumberField(this, height)),
      width_(MakeNumberField(this, width)) {
  AddFieldRow(*grid_, QStringLiteral("Diameter [mm]:"), diameter_);
  AddFieldRow(*grid_, QString::fromUtf8("Høyde [mm]:"), height_);
  AddFieldRow(*grid_, QStringLiteral("Bredde [mm]:"), width_);
  diameter_->setObjectName(QStringLiteral("diameter"));
  height_->setObjectName(QStringLiteral("height"));
  width_->setObjectName(QStringLiteral("width"));
}

}  // namespace kav
