#include "ui/modules/innvendig_kondens/innvendig_kondens_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "core/formulas.h"
#include "core/module_table.h"
#include "core/platform.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "ui/panels/dimension_box.h"
#include "ui/panels/flow_group.h"
#include "ui/panels/geometry_names.h"
#include "ui/panels/hanger_box.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/percent_field.h"
#include "ui/panels/picture_box.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/multi_button.h"

namespace kav {

CInnvendigKondensDlg::CInnvendigKondensDlg(InnvendigKondensInputs& inputs, QWidget* parent)
    : CItemDlg(QStringLiteral("Innvendig kondens"),
               ModuleAt(CInnvendigKondensModul::kPage).helpTopic, parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("internalCondensationDialog"));
  const InnvendigKondensInputs& in = inputs;

  // The duct.
  duct_ = MakeObjectButton(QStringLiteral("Kanal"), 2,
                           GeometryNames().mid(1, 2));  // the circular and rectangular ducts
  auto* ductBox = new PictureBox(QStringLiteral("Kanal"), duct_, this);

  auto* dimensions =
      new DimensionBox(QStringLiteral("Dimensjoner"), in.Diameter, in.Height, in.Width, this);
  diameter_ = dimensions->Diameter();
  height_ = dimensions->Height();
  width_ = dimensions->Width();
  length_ = MakeNumberField(dimensions, in.Length);
  length_->SetRange(0.0f, 1000.0f);
  AddFieldRow(dimensions->Grid(), QStringLiteral("Lengde [m]:"), length_);

  // The insulation, the surroundings and the inside.
  auto* insulation = new QGroupBox(QStringLiteral("Isolering"), this);
  auto* insulationLayout = new QVBoxLayout(insulation);
  layer_ = new LayerButton(QStringLiteral("Velg isolasjonsprodukt"), insulation);
  insulationLayout->addWidget(layer_);

  surroundings_ = new SurroundingsGroup(QStringLiteral("Omgivelsestemp. [°C]:"), true, this);
  surroundings_->SetValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                           in.OuterCoefficient);
  surroundings_->Ambient().SetRange(-60.0f, 500.0f);

  auto* inner = new QGroupBox(this);
  auto* innerGrid = new QGridLayout(inner);
  userInner_ = new QCheckBox(QStringLiteral("Indre varmeovergangstall "), inner);
  innerCoefficient_ = MakeNumberField(inner, in.InnerCoefficient);
  innerGrid->addWidget(userInner_, 0, 0, 1, 2);
  AddFieldRow(*innerGrid, QString::fromUtf8("[W/m²K]:"), innerCoefficient_, 22);

  // The air.
  flow_ = new FlowGroup([this] { return CrossSection(); }, this);
  flow_->setTitle(QStringLiteral("Velg enhet for mediestrømmen :"));
  flow_->SetValues(in.FlowUnit, in.Flow);

  auto* air = new QGroupBox(QStringLiteral("Luft inn i kanalen"), this);
  auto* airGrid = new QGridLayout(air);
  inlet_ = MakeNumberField(air, in.InletTemperature);
  inlet_->SetRange(0.1f, 500.0f);
  AddFieldRow(*airGrid, QString::fromUtf8("Innløpstemperatur [°C]:"), inlet_);
  humidity_ = new PercentField(1.0f, 99.0f, "%.1f", air);
  humidity_->Field().setObjectName(QStringLiteral("relativeHumidity"));
  humidity_->SetValue(in.RelativeHumidity);
  AddFieldRow(*airGrid, QStringLiteral("Rel. luftfuktighet [%]:"), humidity_);

  auto* hangerBox = new HangerBox(this);
  hangers_ = &hangerBox->Check();

  Body()->addLayout(
      Columns({Column({ductBox, dimensions}), Column({insulation, surroundings_, inner}),
               Column({flow_, air, hangerBox})}));

  // The names the tests and the help find the fields by.
  length_->setObjectName(QStringLiteral("length"));
  innerCoefficient_->setObjectName(QStringLiteral("innerCoefficient"));
  inlet_->setObjectName(QStringLiteral("inletTemperature"));

  userInner_->setChecked(in.UserInnerCoefficient != 0);
  hangers_->setChecked(in.UninsulatedHangers != 0);
  duct_->SetState(code::ToInt(in.DuctShape));
  duct_->SetVariant(in.Vertical != 0 ? 1 : 0);
  layer_->Show(in.Insulation);
  UpdatePicture();
  UpdateEnabling();

  connect(duct_, &CMultiButton2::clicked, this, [this] {
    inputs_.DuctShape = code::FromInt<code::DuctShape>(duct_->State());
    inputs_.Vertical = duct_->Variant();
    UpdatePicture();
    UpdateEnabling();
  });
  connect(userInner_, &QCheckBox::toggled, this, &CInnvendigKondensDlg::UpdateEnabling);
  connect(layer_, &LayerButton::clicked, this, &CInnvendigKondensDlg::EditLayer);
  duct_->setFocus();
}

bool CInnvendigKondensDlg::Rectangular() const {
  return duct_->State() == code::ToInt(code::DuctShape::Rectangular);
}

float CInnvendigKondensDlg::CrossSection() const {
  if (Rectangular()) {
    return height_->Value().value_or(0.0f) / 1000.0f * (width_->Value().value_or(0.0f) / 1000.0f);
  }
  const float d = diameter_->Value().value_or(0.0f) / 1000.0f;
  return kPi * d * d / 4.0f;
}

void CInnvendigKondensDlg::ReadFields() {
  InnvendigKondensInputs& in = inputs_;
  in.DuctShape = code::FromInt<code::DuctShape>(duct_->State());
  in.Vertical = duct_->Variant();
  ReadNumber(*diameter_, in.Diameter);
  ReadNumber(*height_, in.Height);
  ReadNumber(*width_, in.Width);
  ReadNumber(*length_, in.Length);
  surroundings_->ReadValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                            in.OuterCoefficient);
  in.UserInnerCoefficient = userInner_->isChecked() ? 1 : 0;
  ReadNumber(*innerCoefficient_, in.InnerCoefficient);
  flow_->ReadValues(in.FlowUnit, in.Flow);
  ReadNumber(*inlet_, in.InletTemperature);
  ReadNumber(humidity_->Field(), in.RelativeHumidity);
  in.UninsulatedHangers = hangers_->isChecked() ? 1 : 0;
}

void CInnvendigKondensDlg::UpdateEnabling() {
  const bool rectangular = Rectangular();
  diameter_->setEnabled(!rectangular);
  height_->setEnabled(rectangular);
  width_->setEnabled(rectangular);
  innerCoefficient_->setEnabled(userInner_->isChecked());
}

void CInnvendigKondensDlg::UpdatePicture() {
  const InnvendigKondensInputs& in = inputs_;
  ColourRecord colours;
  in.Insulation.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  duct_->Set(code::ToInt(in.DuctShape), in.Vertical, colours, !in.Insulation.HasProduct());
}

void CInnvendigKondensDlg::EditLayer() {
  ReadFields();
  CIsolasjon& layer = inputs_.Insulation;
  layer.ThicknessGiven = 0;
  layer.EditInputAt(0.0f);
  layer_->Show(layer);
  UpdatePicture();
}

bool CInnvendigKondensDlg::AcceptInput() {
  ReadFields();
  InnvendigKondensInputs& in = inputs_;
  if (!layer_->CheckProduct(in.Insulation, in.InletTemperature, in.AmbientTemperature)) {
    return false;
  }
  if (in.Rectangular()) {
    if (!CheckRange(ids::LabelHeight, in.Height, 1.0f, 5000.0f, height_) ||
        !CheckRange(ids::LabelWidth, in.Width, 1.0f, 5000.0f, width_)) {
      return false;
    }
  } else if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 3000.0f, diameter_)) {
    return false;
  }
  if (!flow_->CheckValues(*this) || !surroundings_->CheckRanges(*this)) return false;
  if (in.UserInnerCoefficient != 0 && !CheckRange(ids::LabelInnerCoefficient, in.InnerCoefficient,
                                                  0.1f, 10000.0f, innerCoefficient_)) {
    return false;
  }
  if (std::fabs(in.InletTemperature - in.AmbientTemperature) < 0.1f) {
    ShowMessage(Str(ids::TooSmallInletTemperatureDifference));
    FocusField(inlet_);
    return false;
  }
  return true;
}

}  // namespace kav
