#include "ui/modules/tank_temp/tank_temp_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/module_table.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/liquid_group.h"
#include "ui/panels/picture_box.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/multi_button.h"

namespace kav {
namespace {

using code::TankShape;

constexpr float kMinDimension = 0.1f;  // m
constexpr float kMaxDimension = 100.0f;
constexpr float kMaxStartTemperature = 500.0f;  // °C

LiquidLabels TankLiquidLabels() {
  return {QStringLiteral("Medie fra databasen:"), QStringLiteral("Egendefinert medie:"),
          QString::fromUtf8("Densitet [kg/m³]:"), QStringLiteral("Spes.varmek [J/kgK]:"),
          QString::fromUtf8("Frysepunkt [°C]:")};
}

QStringList ShapeNames() {
  QStringList names;
  for (int id : {ids::ShapeBox, ids::ShapeCylinder, ids::ShapeSphere}) {
    names << QString::fromStdString(Str(id));
  }
  return names;
}

}  // namespace

CTankTempDlg::CTankTempDlg(TankTempInputs& inputs, QWidget* parent)
    : CItemDlg(QStringLiteral("Temperatur over tid i tank"),
               ModuleAt(CTankTempModul::kPage).helpTopic, parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("tankDialog"));
  const TankTempInputs& in = inputs;

  // The tank.
  shape_ = new CMultiButton(QStringLiteral("Tanktype"), 3);
  shape_->SetStateToolTips(ShapeNames());
  auto* shapeBox = new PictureBox(QStringLiteral("Tanktype"), shape_, this);

  auto* dimensions = new QGroupBox(QStringLiteral("Dimensjoner"), this);
  auto* dimensionGrid = new QGridLayout(dimensions);
  diameter_ = MakeNumberField(dimensions, in.Diameter);
  length_ = MakeNumberField(dimensions, in.Length);
  width_ = MakeNumberField(dimensions, in.Width);
  height_ = MakeNumberField(dimensions, in.Height);
  depth_ = MakeNumberField(dimensions, in.Depth);
  AddFieldRow(*dimensionGrid, QStringLiteral("Diameter [m]:"), diameter_);
  AddFieldRow(*dimensionGrid, QStringLiteral("Lengde [m]:"), length_);
  AddFieldRow(*dimensionGrid, QStringLiteral("Bredde [m]:"), width_);
  AddFieldRow(*dimensionGrid, QString::fromUtf8("Høyde [m]:"), height_);
  AddFieldRow(*dimensionGrid, QStringLiteral("Dybde [m]:"), depth_);
  dimensionGrid->addWidget(new QLabel(QStringLiteral("Bruk innvendige dimensjoner."), dimensions),
                           dimensionGrid->rowCount(), 0, 1, 2);

  // The surroundings, the liquid and the insulation.
  surroundings_ = new SurroundingsGroup(QStringLiteral("Omgivelsestemp. [°C]:"), true, this);
  surroundings_->SetValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                           in.OuterCoefficient);
  surroundings_->Ambient().SetRange(-60.0f, 500.0f);

  liquid_ = new LiquidGroup(TankLiquidLabels(), this);
  liquid_->SetValues(in);

  auto* insulation = new QGroupBox(QStringLiteral("Isolering"), this);
  auto* insulationLayout = new QVBoxLayout(insulation);
  layer_ = new LayerButton(QStringLiteral("Velg isolasjonsprodukt"), insulation);
  insulationLayout->addWidget(layer_);

  // The storage.
  auto* storage = new QGroupBox(QStringLiteral("Lagring"), this);
  auto* storageGrid = new QGridLayout(storage);
  start_ = MakeNumberField(storage, in.StartTemperature);
  storage_ = MakeNumberField(storage, in.StorageTime);
  storage_->SetRange(1.0f, 8760.0f);
  AddFieldRow(*storageGrid, QString::fromUtf8("Starttemperatur [°C]:"), start_);
  AddFieldRow(*storageGrid, QStringLiteral("Lagringstid [h]:"), storage_);

  Body()->addLayout(Columns({Column({shapeBox, dimensions}), Column({surroundings_, liquid_}),
                             Column({insulation, storage})},
                            1));

  // The names the tests and the help find the fields by.
  diameter_->setObjectName(QStringLiteral("diameter"));
  length_->setObjectName(QStringLiteral("length"));
  width_->setObjectName(QStringLiteral("width"));
  height_->setObjectName(QStringLiteral("height"));
  depth_->setObjectName(QStringLiteral("depth"));
  start_->setObjectName(QStringLiteral("startTemperature"));
  storage_->setObjectName(QStringLiteral("storageTime"));

  shape_->SetState(code::ToInt(in.Shape));
  layer_->Show(in.Insulation);
  UpdatePicture();
  UpdateEnabling();

  connect(shape_, &CMultiButton::clicked, this, [this] {
    inputs_.Shape = code::FromInt<TankShape>(shape_->State());
    UpdatePicture();
    UpdateEnabling();
  });
  connect(layer_, &LayerButton::clicked, this, &CTankTempDlg::EditLayer);
  shape_->setFocus();
}

void CTankTempDlg::ReadFields() {
  TankTempInputs& in = inputs_;
  in.Shape = code::FromInt<TankShape>(shape_->State());
  ReadNumber(*diameter_, in.Diameter);
  ReadNumber(*length_, in.Length);
  ReadNumber(*width_, in.Width);
  ReadNumber(*height_, in.Height);
  ReadNumber(*depth_, in.Depth);
  surroundings_->ReadValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                            in.OuterCoefficient);
  liquid_->ReadValues(in);
  ReadNumber(*start_, in.StartTemperature);
  ReadNumber(*storage_, in.StorageTime);
}

void CTankTempDlg::UpdateEnabling() {
  const auto shape = code::FromInt<TankShape>(shape_->State());
  const bool box = shape == TankShape::Box;
  diameter_->setEnabled(!box);
  length_->setEnabled(shape == TankShape::Cylinder);
  width_->setEnabled(box);
  height_->setEnabled(box);
  depth_->setEnabled(box);
}

void CTankTempDlg::UpdatePicture() {
  ColourRecord colours;
  inputs_.Insulation.AddPictureColours(colours, kKeyYellow, kKeyBlue);
  shape_->SetColours(colours);
  shape_->SetVariantFlag(!inputs_.Insulation.HasProduct());
}

void CTankTempDlg::EditLayer() {
  ReadFields();
  inputs_.Insulation.EditInputAt(0.0f);
  layer_->Show(inputs_.Insulation);
  UpdatePicture();
}

bool CTankTempDlg::CheckDimensions() {
  const TankTempInputs& in = inputs_;
  auto check = [&](int label, float value, NumberField* field) {
    return CheckRange(label, value, kMinDimension, kMaxDimension, field);
  };
  switch (in.Shape) {
    case TankShape::Cylinder:
      return check(ids::LabelDiameter, in.Diameter, diameter_) &&
             check(ids::LabelLength, in.Length, length_);
    case TankShape::Sphere:
      return check(ids::LabelDiameter, in.Diameter, diameter_);
    case TankShape::Box:
      break;
  }
  return check(ids::LabelHeight, in.Height, height_) && check(ids::LabelWidth, in.Width, width_) &&
         check(ids::LabelDepth, in.Depth, depth_);
}

bool CTankTempDlg::AcceptInput() {
  ReadFields();
  const TankTempInputs& in = inputs_;
  return layer_->CheckChosen(in.Insulation) && CheckDimensions() &&
         surroundings_->CheckRanges(*this) && liquid_->CheckValues(*this) &&
         CheckRange(ids::LabelStartTemperature, in.StartTemperature, liquid_->FreezingPoint(),
                    kMaxStartTemperature, start_);
}

}  // namespace kav
