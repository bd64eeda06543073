#include "ui/modules/insulation/tilleggsutstyr_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/active_list.h"
#include "modules/insulation/tilleggsutstyr.h"
#include "ui/widgets/choice_binder.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

constexpr int kNameLimit = 50;
constexpr int kIndent = 22;

}  // namespace

CTilleggsutstyrDlg::CTilleggsutstyrDlg(TilleggsutstyrEdit& edit, QWidget* parent)
    : CItemDlg(QStringLiteral("Tilleggsutstyr"), "::/html/tilleggsutstyr.htm", parent),
      edit_(edit),
      typeBox_(new QComboBox(this)),
      types_(new ChoiceBinder(*typeBox_, nullptr, this)),
      user_(new QCheckBox(QStringLiteral("Egendef. tilleggsutstyr"), this)),
      name_(new TextField(kNameLimit, this)),
      length_(MakeNumberField(this, edit.EquivalentLength)),
      count_(new QSpinBox(this)) {
  setObjectName(QStringLiteral("accessoryDialog"));
  typeBox_->setMinimumContentsLength(30);
  typeBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  length_->SetRange(0.0f, 1000.0f);
  count_->setRange(0, 9999);
  count_->setMaximumWidth(length_->maximumWidth());
  count_->setValue(edit.Count);

  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Type tilleggsutsyr:"), typeBox_);
  grid->addWidget(user_, grid->rowCount(), 0, 1, 2);
  AddFieldRow(*grid, QStringLiteral("Navn:"), name_, kIndent);
  AddFieldRow(*grid, QStringLiteral("Ekv. tilleggslengde [m]:"), length_, kIndent);
  AddFieldRow(*grid, QStringLiteral("Antall enheter:"), count_);
  grid->setColumnStretch(1, 1);
  Body()->addLayout(grid);

  types_->Fill(ActiveList<CTillegg2>(), edit.Type);
  user_->setChecked(edit.UserLength != 0);
  name_->SetText(edit.UserName);
  connect(user_, &QCheckBox::toggled, this, &CTilleggsutstyrDlg::UpdateEnabling);
  UpdateEnabling();
  resize(minimumSizeHint());
}

void CTilleggsutstyrDlg::UpdateEnabling() {
  const bool user = user_->isChecked();
  typeBox_->setEnabled(!user);
  name_->setEnabled(user);
  length_->setEnabled(user);
}

bool CTilleggsutstyrDlg::AcceptInput() {
  const bool user = user_->isChecked();
  CTillegg2* type = types_->ChosenAs<CTillegg2>();
  if (!user && type == nullptr) {
    ShowMessage(Str(ids::SelectAccessoryType));
    FocusField(typeBox_);
    return false;
  }
  edit_.Type = type;
  edit_.UserLength = user ? 1 : 0;
  edit_.UserName = name_->Text();
  ReadNumber(*length_, edit_.EquivalentLength);
  edit_.Count = count_->value();
  return true;
}

}  // namespace kav
