#include "ui/database/veske_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "data/active_list.h"
#include "data/veske.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

NumberField* RangedField(QWidget* parent, float value, float min, float max, const char* name) {
  NumberField* field = MakeRangedField(parent, value, min, max);
  field->setObjectName(QString::fromLatin1(name));
  return field;
}

}  // namespace

CVeskeDlg::CVeskeDlg(CVeske& liquid, QWidget* parent)
    : CItemDlg(QString::fromUtf8("Væske"), "::/html/vaeske.htm", parent),
      liquid_(liquid),
      name_(new TextField(kNameLimit, this)),
      density_(RangedField(this, liquid.Density, 1.0f, 10000.0f, "density")),
      heatCapacity_(RangedField(this, liquid.HeatCapacity, 1.0f, 10000.0f, "heatCapacity")),
      freezingPoint_(RangedField(this, liquid.FreezingPoint, -273.0f, 200.0f, "freezingPoint")) {
  setObjectName(QStringLiteral("liquidDialog"));
  name_->SetText(liquid.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Navn"), name_);
  AddFieldRow(*grid, QString::fromUtf8("Densitet [kg/m³]:"), density_);
  AddFieldRow(*grid, QStringLiteral("Spes. varmekap. [J/kgK]:"), heatCapacity_);
  AddFieldRow(*grid, QString::fromUtf8("Frysepunkt [°C]:"), freezingPoint_);
  Body()->addLayout(grid);
  Body()->addStretch(1);
  // The liquid is out of the list while it is edited.
  SetNameList(&ActiveList<CVeske>());
  name_->setFocus();
}

bool CVeskeDlg::AcceptInput() {
  if (!CheckName(name_->Text(), name_)) return false;
  liquid_.Name = name_->Text();
  ReadNumber(*density_, liquid_.Density);
  ReadNumber(*heatCapacity_, liquid_.HeatCapacity);
  ReadNumber(*freezingPoint_, liquid_.FreezingPoint);
  return true;
}

}  // namespace kav
