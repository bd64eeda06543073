#include "ui/panels/liquid_group.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>

#include "core/platform.h"
#include "core/strings.h"
#include "data/active_list.h"
#include "modules/common/liquid.h"
#include "ui/widgets/choice_binder.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/item_dlg.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;
constexpr int kIndent = 22;  // the user's fields, under their radio

}  // namespace

LiquidLabels LiquidLabels::FlowingMedia() {
  return {QStringLiteral("Medie fra databasen :"), QStringLiteral("Egendefinert medie :"),
          QString::fromUtf8("Densitet [kg/m³]:"), QStringLiteral("Spes. varmekap.[J/kgK]:"),
          QString::fromUtf8("Frysepunkt [°C]:")};
}

LiquidGroup::LiquidGroup(QWidget* parent) : LiquidGroup(LiquidLabels::FlowingMedia(), parent) {}

LiquidGroup::LiquidGroup(const LiquidLabels& labels, QWidget* parent)
    : QGroupBox(QStringLiteral("Medie"), parent),
      database_(new QRadioButton(labels.database, this)),
      liquidBox_(new QComboBox(this)),
      user_(new QRadioButton(labels.user, this)),
      name_(new TextField(kNameLimit, this)),
      density_(MakeNumberField(this, 999.0f)),
      heatCapacity_(MakeNumberField(this, 4180.0f)),
      freezingPoint_(MakeNumberField(this, 0.0f)),
      liquids_(new ChoiceBinder(*liquidBox_, nullptr, this)) {
  liquidBox_->setObjectName(QStringLiteral("liquid"));
  name_->setObjectName(QStringLiteral("liquidName"));
  density_->setObjectName(QStringLiteral("density"));
  heatCapacity_->setObjectName(QStringLiteral("heatCapacity"));
  freezingPoint_->setObjectName(QStringLiteral("freezingPoint"));
  liquidBox_->setMinimumContentsLength(20);
  liquidBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  auto* choice = new QButtonGroup(this);
  choice->addButton(database_);
  choice->addButton(user_);
  auto* grid = new QGridLayout(this);
  grid->addWidget(database_, 0, 0);
  grid->addWidget(liquidBox_, 0, 1);
  grid->addWidget(user_, 1, 0);
  grid->addWidget(name_, 1, 1);
  AddFieldRow(*grid, labels.density, density_, kIndent);
  AddFieldRow(*grid, labels.heatCapacity, heatCapacity_, kIndent);
  AddFieldRow(*grid, labels.freezingPoint, freezingPoint_, kIndent);
  grid->setColumnStretch(1, 1);

  connect(choice, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
    if (!checked) return;
    UpdateEnabling();
    emit liquidChanged();
  });
  connect(liquids_, &ChoiceBinder::rowChosen, this, &LiquidGroup::LiquidPicked);
  database_->setChecked(true);
}

void LiquidGroup::SetValues(const LiquidInputs& liquid) {
  liquids_->Fill(ActiveList<CVeske>(), liquid.Liquid);
  (liquid.UserLiquid != 0 ? user_ : database_)->setChecked(true);
  name_->SetText(liquid.UserLiquidName);
  density_->SetValue(liquid.UserDensity, "%g");
  heatCapacity_->SetValue(liquid.UserHeatCapacity, "%g");
  freezingPoint_->SetValue(liquid.UserFreezingPoint, "%g");
  setFreezingPoint_ = liquid.UserFreezingPoint;
  UpdateEnabling();
}

void LiquidGroup::ReadValues(LiquidInputs& liquid) const {
  liquid.UserLiquid = user_->isChecked() ? 1 : 0;
  liquid.Liquid = liquids_->ChosenAs<CVeske>();
  liquid.UserLiquidName = name_->Text();
  ReadNumber(*density_, liquid.UserDensity);
  ReadNumber(*heatCapacity_, liquid.UserHeatCapacity);
  ReadNumber(*freezingPoint_, liquid.UserFreezingPoint);
}

bool LiquidGroup::CheckValues(CItemDlg& dialog) const {
  if (user_->isChecked()) {
    return dialog.CheckRange(ids::LabelDensity, *density_, 1.0f, 2500.0f) &&
           dialog.CheckRange(ids::LabelHeatCapacity, *heatCapacity_, 1.0f, 5000.0f) &&
           dialog.CheckRange(ids::LabelFreezingPoint, *freezingPoint_, -273.0f, 200.0f);
  }
  if (liquids_->Chosen() != nullptr) return true;
  ShowMessage(Str(ids::SelectLiquid));
  FocusField(liquidBox_);
  return false;
}

float LiquidGroup::FreezingPoint() const {
  if (database_->isChecked()) {
    if (const auto* chosen = liquids_->ChosenAs<CVeske>()) return chosen->FreezingPoint;
  }
  return freezingPoint_->Value().value_or(setFreezingPoint_);
}

void LiquidGroup::LiquidPicked(CListItem* row) {
  if (const auto* liquid = static_cast<const CVeske*>(row)) {
    density_->SetValue(liquid->Density, "%.0f");
    heatCapacity_->SetValue(liquid->HeatCapacity, "%.0f");
    freezingPoint_->SetValue(liquid->FreezingPoint, "%.1f");
  }
  emit liquidChanged();
}

void LiquidGroup::UpdateEnabling() {
  const bool own = user_->isChecked();
  liquidBox_->setEnabled(!own);
  for (QWidget* field :
       {static_cast<QWidget*>(name_), static_cast<QWidget*>(density_),
        static_cast<QWidget*>(heatCapacity_), static_cast<QWidget*>(freezingPoint_)}) {
    field->setEnabled(own);
  }
}

}  // namespace kav
