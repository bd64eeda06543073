#pragma once
// The flow of a medium in a pipe or duct as the module dialogs ask for it:
// the unit radios "[m³/h]", "[liter/s]" and "[m/s]" and the value, whose
// label names the unit. Changing the unit converts the value typed with the
// inside cross-section the dialog gives.
#include <QGroupBox>
#include <array>
#include <functional>

#include "modules/common/codes.h"

class QLabel;
class QRadioButton;

namespace kav {

class CItemDlg;
class NumberField;

class FlowGroup final : public QGroupBox {
  Q_OBJECT

 public:
  // `crossSection` gives the inside cross-section in m² as the dialog's
  // fields stand. The title is "Mediestrøm inn i segmentet"; setTitle
  // words it otherwise.
  explicit FlowGroup(std::function<float()> crossSection, QWidget* parent = nullptr);

  void SetValues(code::FlowUnit unit, float flow);
  // The unit and the field's number (unchanged when it is not a number).
  void ReadValues(code::FlowUnit& unit, float& flow) const;
  // "mediestrømmen": 0.01 to 360000 m³/h, 0.01 to 100000 l/s, 0.001 to
  // 50 m/s; false, with the focus on the field, when refused.
  bool CheckValues(CItemDlg& dialog) const;

  code::FlowUnit Unit() const;
  QRadioButton& UnitRadio(code::FlowUnit unit) const {
    return *radios_[static_cast<std::size_t>(code::ToInt(unit))];
  }
  NumberField& FlowField() const { return *flow_; }
  QLabel& FlowLabel() const { return *label_; }

  // `flow` in unit `from` converted to unit `to` with the cross-section
  // `area` (m²).
  static float Convert(float flow, code::FlowUnit from, code::FlowUnit to, float area);
  // The format a converted flow is shown with: fewer decimals for larger
  // values.
  static const char* DisplayFormat(float flow);

 private:
  void UnitChosen(code::FlowUnit unit);
  void UpdateLabel();

  std::function<float()> crossSection_;
  std::array<QRadioButton*, 3> radios_{};
  QLabel* label_;
  NumberField* flow_;
  code::FlowUnit unit_ = code::FlowUnit::CubicMetresPerHour;
};

}  // namespace kav
