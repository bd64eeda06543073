#include "ui/panels/surroundings_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/strings.h"
#include "data/reference_data.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/item_dlg.h"

namespace kav {
namespace {

constexpr int kIndent = 22;  // the fields that belong to a radio, under it

}  // namespace

SurroundingsGroup::SurroundingsGroup(const QString& ambientLabel, bool climateButton,
                                     QWidget* parent)
    : QGroupBox(QStringLiteral("Omgivelser"), parent),
      ambient_(MakeNumberField(this, 20.0f)),
      wind_(nullptr),
      coefficient_(nullptr) {
  auto* grid = new QGridLayout(this);
  AddFieldRow(*grid, ambientLabel, ambient_);

  auto* group = new QButtonGroup(this);
  auto addRadio = [&](int id, const char* text) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), this);
    group->addButton(radio, id);
    grid->addWidget(radio, grid->rowCount(), 0, 1, 2);
    radios_[static_cast<std::size_t>(id)] = radio;
  };
  addRadio(0, "I rom (fri konveksjon)");
  addRadio(1, "Ute (tvungen konveksjon)");
  wind_ = MakeNumberField(this, 2.0f);
  wind_->setObjectName(QStringLiteral("windSpeed"));
  AddFieldRow(*grid, QStringLiteral("Vindhastighet [m/s]:"), wind_, kIndent);
  if (climateButton) {
    climate_ = new QPushButton(QStringLiteral("Velg klimasted..."), this);
    climate_->setAutoDefault(false);
    grid->addWidget(climate_, grid->rowCount(), 0, 1, 2, Qt::AlignRight);
    connect(climate_, &QPushButton::clicked, this, &SurroundingsGroup::ChooseClimate);
  }
  addRadio(2, "Ytre varmeovergangstall");
  coefficient_ = MakeNumberField(this, 5.0f);
  coefficient_->setObjectName(QStringLiteral("outerCoefficient"));
  AddFieldRow(*grid, QString::fromUtf8("[W/m²K]:"), coefficient_, kIndent);
  ambient_->setObjectName(QStringLiteral("ambientTemperature"));

  connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (!checked) return;
    UpdateEnabling();
    emit surroundingsChanged(id);
  });
  radios_[0]->setChecked(true);
}

void SurroundingsGroup::SetValues(code::Surroundings surroundings, float ambient, float wind,
                                  float coefficient) {
  ambient_->SetValue(ambient, "%g");
  wind_->SetValue(wind, "%g");
  coefficient_->SetValue(coefficient, "%g");
  radios_[static_cast<std::size_t>(std::clamp(code::ToInt(surroundings), 0, 2))]->setChecked(true);
  UpdateEnabling();
}

code::Surroundings SurroundingsGroup::Surroundings() const {
  for (std::size_t i = 0; i < radios_.size(); ++i) {
    if (radios_[i]->isChecked()) return code::FromInt<code::Surroundings>(static_cast<int>(i));
  }
  return code::Surroundings::Indoors;
}

void SurroundingsGroup::ReadValues(code::Surroundings& surroundings, float& ambient, float& wind,
                                   float& coefficient) const {
  surroundings = Surroundings();
  ReadNumber(*ambient_, ambient);
  ReadNumber(*wind_, wind);
  ReadNumber(*coefficient_, coefficient);
}

bool SurroundingsGroup::CheckRanges(CItemDlg& dialog) const {
  const code::Surroundings surroundings = Surroundings();
  if (surroundings == code::Surroundings::Outdoors &&
      !dialog.CheckRange(ids::LabelWindSpeed, *wind_, 0.1f, 50.0f)) {
    return false;
  }
  if (surroundings == code::Surroundings::UserCoefficient &&
      !dialog.CheckRange(ids::LabelOuterCoefficient, *coefficient_, 0.1f, 10000.0f)) {
    return false;
  }
  return true;
}

void SurroundingsGroup::ChooseClimate() {
  CKlima* climate = Climate();
  if (climate == nullptr || climate->ChooseLocation() == 0 || climate->Selected == nullptr) return;
  ambient_->SetValue(climate->Selected->MeanTemperature, "%.1f");
  wind_->SetValue(climate->Selected->MeanWindSpeed, "%.1f");
}

void SurroundingsGroup::UpdateEnabling() {
  const code::Surroundings surroundings = Surroundings();
  const bool outdoors = surroundings == code::Surroundings::Outdoors;
  wind_->setEnabled(outdoors);
  if (climate_ != nullptr) climate_->setEnabled(outdoors);
  coefficient_->setEnabled(surroundings == code::Surroundings::UserCoefficient);
}

}  // namespace kav
