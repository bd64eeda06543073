#include "ui/database/klimasted_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "data/active_list.h"
#include "data/klima.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

constexpr int kNameLimit = 50;

}  // namespace

CKlimastedDlg::CKlimastedDlg(CKlimasted& place, QWidget* parent)
    : CItemDlg(QStringLiteral("Klimadata"), "::/html/klimasted.htm", parent),
      place_(place),
      name_(new TextField(kNameLimit, this)),
      temperature_(MakeNumberField(this, place.MeanTemperature)),
      wind_(MakeNumberField(this, place.MeanWindSpeed)) {
  setObjectName(QStringLiteral("climatePlaceDialog"));
  name_->SetText(place.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 34);
  temperature_->SetRange(-60.0f, 60.0f);
  wind_->SetRange(0.0f, 20.0f);
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Klimasted:"), name_);
  AddFieldRow(*grid, QString::fromUtf8("Årsmiddel utetemperatur [°C]:"), temperature_);
  AddFieldRow(*grid, QStringLiteral("Årsmiddel vindhastighet [m/s]:"), wind_);
  Body()->addLayout(grid);
  // The place being edited is out of the list meanwhile.
  SetNameList(&ActiveList<CKlimasted>());
  name_->setFocus();
  resize(minimumSizeHint());
}

bool CKlimastedDlg::AcceptInput() {
  if (!CheckName(name_->Text(), name_)) return false;
  place_.Name = name_->Text();
  ReadNumber(*temperature_, place_.MeanTemperature);
  ReadNumber(*wind_, place_.MeanWindSpeed);
  place_.UpdateDisplayText();
  return true;
}

}  // namespace kav
