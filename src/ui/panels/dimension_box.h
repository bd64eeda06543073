#pragma once
// The box with an object's diameter, height and width in mm, the fields
// named "diameter", "height" and "width" for the tests and the help. A
// dialog adds its further rows to Grid().
#include <QGroupBox>

class QGridLayout;

namespace kav {

class NumberField;

class DimensionBox final : public QGroupBox {
  Q_OBJECT

 public:
  DimensionBox(const QString& title, float diameter, float height, float width, QWidget* parent);

  NumberField* Diameter() const { return diameter_; }
  NumberField* Height() const { return height_; }
  NumberField* Width() const { return width_; }
  QGridLayout& Grid() const { return *grid_; }

 private:
  QGridLayout* grid_;
  NumberField* diameter_;
  NumberField* height_;
  NumberField* width_;
};

}  // namespace kav
