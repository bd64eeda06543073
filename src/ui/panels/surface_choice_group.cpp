#include "ui/panels/surface_choice_group.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>

#include "core/platform.h"
#include "core/strings.h"
#include "ui/widgets/choice_binder.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

SurfaceChoiceGroup::SurfaceChoiceGroup(const QString& title, bool switchable, QWidget* parent)
    : QGroupBox(title, parent),
      database_(new QRadioButton(QStringLiteral("Database"), this)),
      rowBox_(new QComboBox(this)),
      user_(new QRadioButton(QStringLiteral("Egendef. emissivitet:"), this)),
      emissivity_(MakeNumberField(this, 0.94f)),
      rows_(new ChoiceBinder(*rowBox_, nullptr, this)) {
  setCheckable(switchable);
  rowBox_->setObjectName(QStringLiteral("row"));
  emissivity_->setObjectName(QStringLiteral("emissivity"));
  rowBox_->setMinimumContentsLength(24);
  rowBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  auto* choice = new QButtonGroup(this);
  choice->addButton(database_);
  choice->addButton(user_);
  auto* grid = new QGridLayout(this);
  grid->addWidget(database_, 0, 0);
  grid->addWidget(rowBox_, 0, 1);
  grid->addWidget(user_, 1, 0);
  grid->addWidget(emissivity_, 1, 1, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  connect(choice, &QButtonGroup::buttonToggled, this, [this] { UpdateEnabling(); });
  connect(this, &QGroupBox::toggled, this, [this] { UpdateEnabling(); });
  database_->setChecked(true);
}

void SurfaceChoiceGroup::Show(const ObjectList& rows, CListItem* row, bool on, bool userValue,
                              float emissivity) {
  rows_->Fill(rows, row);
  if (isCheckable()) setChecked(on);
  (userValue ? user_ : database_)->setChecked(true);
  emissivity_->SetValue(emissivity, "%g");
  UpdateEnabling();
}

bool SurfaceChoiceGroup::On() const {
  return !isCheckable() || isChecked();
}

bool SurfaceChoiceGroup::UserValue() const {
  return user_->isChecked();
}

CListItem* SurfaceChoiceGroup::Row() const {
  return rows_->Chosen();
}

void SurfaceChoiceGroup::ReadEmissivity(float& emissivity) const {
  ReadNumber(*emissivity_, emissivity);
}

bool SurfaceChoiceGroup::Check(CItemDlg& dialog, int selectMessage, int emissivityLabel) const {
  if (!On()) return true;
  if (UserValue()) return dialog.CheckRange(emissivityLabel, *emissivity_, 0.0f, 1.0f);
  if (Row() != nullptr) return true;
  ShowMessage(Str(selectMessage));
  FocusField(rowBox_);
  return false;
}

void SurfaceChoiceGroup::UpdateEnabling() {
  // A switched-off group disables its children itself.
  rowBox_->setEnabled(database_->isChecked());
  emissivity_->setEnabled(user_->isChecked());
}

}  // namespace kav
