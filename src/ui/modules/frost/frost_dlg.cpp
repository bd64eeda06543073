#include "ui/modules/frost/frost_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/module_table.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"
#include "modules/frost/frost_modul.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/percent_field.h"
#include "ui/panels/picture_box.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/multi_button.h"

namespace kav {

CFrostDlg::CFrostDlg(FrostInputs& inputs, QWidget* parent)
    : CItemDlg(QStringLiteral("Frostbeskyttelse vannledninger"),
               ModuleAt(CFrostModul::kPage).helpTopic, parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("frostDialog"));
  const FrostInputs& in = inputs;

  // The pipe.
  pipe_ = MakeObjectButton(QStringLiteral("ROR"), 1);
  auto* pipeBox = new PictureBox(QString::fromUtf8("Rør"), pipe_, this);

  auto* dimension = new QGroupBox(QString::fromUtf8("Dimensjon på rør"), this);
  auto* dimensionGrid = new QGridLayout(dimension);
  diameter_ = MakeNumberField(dimension, in.Diameter);
  diameter_->SetRange(1.0f, 1500.0f);
  AddFieldRow(*dimensionGrid, QStringLiteral("Diameter [mm]:"), diameter_);

  auto* insulation = new QGroupBox(QStringLiteral("Isolering"), this);
  auto* insulationLayout = new QVBoxLayout(insulation);
  layer_ = new LayerButton(QStringLiteral("Velg isolasjonsprodukt"), insulation);
  insulationLayout->addWidget(layer_);

  // The air around the pipe and the water in it.
  surroundings_ = new SurroundingsGroup(QStringLiteral("Omgivelsestemperatur [°C]:"), false, this);
  surroundings_->SetValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                           in.OuterCoefficient);
  surroundings_->Ambient().SetRange(-60.0f, -0.1f);

  auto* water = new QGroupBox(this);
  auto* waterGrid = new QGridLayout(water);
  start_ = MakeNumberField(water, in.StartTemperature);
  start_->SetRange(0.0f, 100.0f);
  AddFieldRow(*waterGrid, QStringLiteral("Starttemperatur [°C]:"), start_);
  degree_ = new PercentField(0.0f, 100.0f, "%.0f", water);
  degree_->SetValue(in.FreezingDegree);
  AddFieldRow(*waterGrid, QStringLiteral("Frysningsgrad [%]:"), degree_);

  Body()->addLayout(
      Columns({Column({pipeBox, dimension, insulation}), Column({surroundings_, water})}));

  // The names the tests and the help find the fields by.
  diameter_->setObjectName(QStringLiteral("diameter"));
  start_->setObjectName(QStringLiteral("startTemperature"));
  degree_->Field().setObjectName(QStringLiteral("freezingDegree"));

  pipe_->SetVariant(in.Vertical != 0 ? 1 : 0);
  layer_->Show(in.Insulation);
  UpdatePicture();

  connect(pipe_, &CMultiButton2::clicked, this, [this] {
    inputs_.Vertical = pipe_->Variant();
    UpdatePicture();
  });
  connect(layer_, &LayerButton::clicked, this, &CFrostDlg::EditLayer);
  pipe_->setFocus();
}

void CFrostDlg::ReadFields() {
  FrostInputs& in = inputs_;
  in.Vertical = pipe_->Variant();
  ReadNumber(*diameter_, in.Diameter);
  surroundings_->ReadValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                            in.OuterCoefficient);
  ReadNumber(*start_, in.StartTemperature);
  ReadNumber(degree_->Field(), in.FreezingDegree);
}

void CFrostDlg::UpdatePicture() {
  const FrostInputs& in = inputs_;
  ColourRecord colours;
  in.Insulation.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  pipe_->Set(0, in.Vertical, colours, !in.Insulation.HasProduct());
}

void CFrostDlg::EditLayer() {
  ReadFields();
  CIsolasjon& layer = inputs_.Insulation;
  layer.ThicknessGiven = 1;
  layer.EditInputAt(inputs_.Diameter);
  layer_->Show(layer);
  UpdatePicture();
}

bool CFrostDlg::AcceptInput() {
  ReadFields();
  FrostInputs& in = inputs_;
  // The water's start temperature is the warmest the insulation meets.
  if (!layer_->CheckProduct(in.Insulation, in.StartTemperature, in.AmbientTemperature)) {
    return false;
  }
  if (!in.Insulation.CheckDiameterRange(in.Diameter)) return false;
  return surroundings_->CheckRanges(*this);
}

}  // namespace kav
