#include "ui/panels/flow_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/strings.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/item_dlg.h"

namespace kav {
namespace {

using code::FlowUnit;

int LabelId(FlowUnit unit) {
  switch (unit) {
    case FlowUnit::LitresPerSecond:
      return ids::FlowLabelLitrePerSecond;
    case FlowUnit::MetresPerSecond:
      return ids::FlowLabelMetrePerSecond;
    default:
      return ids::FlowLabelCubicMetrePerHour;
  }
}

}  // namespace

FlowGroup::FlowGroup(std::function<float()> crossSection, QWidget* parent)
    : QGroupBox(QString::fromUtf8("Mediestrøm inn i segmentet"), parent),
      crossSection_(std::move(crossSection)),
      label_(nullptr),
      flow_(MakeNumberField(this, 100.0f)) {
  flow_->setObjectName(QStringLiteral("flow"));
  auto* grid = new QGridLayout(this);
  auto* units = new QButtonGroup(this);
  const char* const texts[] = {"[m³/h]", "[liter/s]", "[m/s]"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(texts[i]), this);
    units->addButton(radio, i);
    grid->addWidget(radio, 0, i);
    radios_[static_cast<std::size_t>(i)] = radio;
  }
  label_ = FieldLabel(QString(), flow_);
  label_->setParent(this);
  grid->addWidget(label_, 1, 0, 1, 2);
  grid->addWidget(flow_, 1, 2);
  radios_[0]->setChecked(true);
  UpdateLabel();
  connect(units, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) UnitChosen(code::FromInt<FlowUnit>(id));
  });
}

void FlowGroup::SetValues(FlowUnit unit, float flow) {
  unit_ = code::FromInt<FlowUnit>(std::clamp(code::ToInt(unit), 0, 2));
  {
    const QSignalBlocker blocker(radios_[0]->group());
    UnitRadio(unit_).setChecked(true);
  }
  flow_->SetValue(flow, "%g");
  UpdateLabel();
}

void FlowGroup::ReadValues(FlowUnit& unit, float& flow) const {
  unit = Unit();
  ReadNumber(*flow_, flow);
}

bool FlowGroup::CheckValues(CItemDlg& dialog) const {
  switch (Unit()) {
    case FlowUnit::LitresPerSecond:
      return dialog.CheckRange(ids::LabelFlow, *flow_, 0.01f, 100000.0f);
    case FlowUnit::MetresPerSecond:
      return dialog.CheckRange(ids::LabelFlow, *flow_, 0.001f, 50.0f);
    default:
      return dialog.CheckRange(ids::LabelFlow, *flow_, 0.01f, 360000.0f);
  }
}

FlowUnit FlowGroup::Unit() const {
  return unit_;
}

float FlowGroup::Convert(float flow, FlowUnit from, FlowUnit to, float area) {
  if (from == to) return flow;
  switch (from) {
    case FlowUnit::CubicMetresPerHour:
      return to == FlowUnit::LitresPerSecond ? flow / 3.6f : flow / (area * 3600.0f);
    case FlowUnit::LitresPerSecond:
      return to == FlowUnit::CubicMetresPerHour ? flow * 3.6f : flow / (area * 1000.0f);
    case FlowUnit::MetresPerSecond:
      return to == FlowUnit::LitresPerSecond ? flow * area * 1000.0f : flow * area * 3600.0f;
  }
  return flow;
}

const char* FlowGroup::DisplayFormat(float flow) {
  if (flow > 1000.0f) return "%.0f";
  if (flow > 100.0f) return "%.1f";
  if (flow > 10.0f) return "%.2f";
  if (flow > 1.0f) return "%.3f";
  if (flow > 0.1f) return "%.4f";
  if (flow > 0.01f) return "%.5f";
  return "%.6f";
}

void FlowGroup::UnitChosen(FlowUnit unit) {
  // A value that is not a number, or a cross-section that cannot convert
  // it (a dimension of 0), stays as it was typed.
  if (const std::optional<float> flow = flow_->Value()) {
    const float converted = Convert(*flow, unit_, unit, crossSection_());
    if (std::isfinite(converted)) flow_->SetValue(converted, DisplayFormat(converted));
  }
  unit_ = unit;
  UpdateLabel();
}

void FlowGroup::UpdateLabel() {
  label_->setText(QString::fromStdString(Str(LabelId(unit_))));
}

}  // namespace kav
