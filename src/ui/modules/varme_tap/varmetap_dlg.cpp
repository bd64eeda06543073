#include "ui/modules/varme_tap/varmetap_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/module_table.h"
#include "core/platform.h"
#include "core/strings.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/panels/dimension_box.h"
#include "ui/panels/geometry_names.h"
#include "ui/panels/hanger_box.h"
#include "ui/panels/picture_box.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"
#include "ui/widgets/multi_button.h"

namespace kav {
namespace {

constexpr int kGeometries = 6;

}  // namespace

CVarmetapDlg::CVarmetapDlg(VarmeTapInputs& inputs, QWidget* parent)
    : CItemDlg(QStringLiteral("Varmetapsberegning"), ModuleAt(CVarmeTapModul::kPage).helpTopic,
               parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("heatLossDialog"));
  const VarmeTapInputs& in = inputs;

  // The object.
  geometry_ = MakeObjectButton(QStringLiteral("Materialtype"), kGeometries, GeometryNames());
  auto* object = new PictureBox(QStringLiteral("Materialtype"), geometry_, this);

  auto* dimensions =
      new DimensionBox(QStringLiteral("Dimensjoner"), in.Diameter, in.Height, in.Width, this);
  diameter_ = dimensions->Diameter();
  height_ = dimensions->Height();
  width_ = dimensions->Width();
  length_ = MakeNumberField(dimensions, in.Length);
  area_ = MakeNumberField(dimensions, in.Area);
  AddFieldRow(dimensions->Grid(), QString::fromUtf8("Rørlengde [m]:"), length_);
  AddFieldRow(dimensions->Grid(), QString::fromUtf8("Flateareal [m²]:"), area_);

  auto* hangerBox = new HangerBox(this);
  hangers_ = &hangerBox->Check();

  // The criterion and the temperatures.
  auto* criterion = new QGroupBox(QStringLiteral("Beregningskriterie"), this);
  auto* criterionLayout = new QVBoxLayout(criterion);
  auto* criterionGroup = new QButtonGroup(this);
  const char* const criterionNames[] = {"Gitt isolasjonstykkelse", "Gitt overflatetemperatur",
                                        "Gitt varmetap", "Nødv. iso. tykkelse (NS-EN12828)"};
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(criterionNames[i]), criterion);
    criterionGroup->addButton(radio, i);
    criterionLayout->addWidget(radio);
    criteria_[static_cast<std::size_t>(i)] = radio;
  }

  auto* temperatures = new QGroupBox(QStringLiteral("Temperaturer og varmetap"), this);
  auto* temperatureGrid = new QGridLayout(temperatures);
  medium_ = MakeNumberField(temperatures, in.MediumTemperature);
  surface_ = MakeNumberField(temperatures, in.GivenSurfaceTemperature);
  heatLoss_ = MakeNumberField(temperatures, in.GivenMaxHeatLoss);
  AddFieldRow(*temperatureGrid, QStringLiteral("Medietemperatur [°C]:"), medium_);
  AddFieldRow(*temperatureGrid, QStringLiteral("Overflatetemp. [°C):"), surface_);
  heatLossLabel_ = AddFieldRow(*temperatureGrid, QStringLiteral("Varmetap [W/m]:"), heatLoss_);

  surroundings_ = new SurroundingsGroup(QStringLiteral("Omgivelsestemp. [°C]:"), true, this);
  surroundings_->SetValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                           in.OuterCoefficient);

  // The insulation.
  auto* insulation = new QGroupBox(QStringLiteral("Isolering"), this);
  auto* insulationLayout = new QGridLayout(insulation);
  twoLayers_ = new QCheckBox(QStringLiteral("2-lags isolasjon"), insulation);
  insulationLayout->addWidget(twoLayers_, 0, 0, 1, 2);
  for (int layer = 0; layer < 2; ++layer) {
    auto* button = new QPushButton(
        layer == 0 ? QStringLiteral("Isolering lag 1") : QStringLiteral("Isolering lag 2"),
        insulation);
    button->setAutoDefault(false);
    auto* summary = new QLabel(insulation);
    summary->setWordWrap(true);
    summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary->setMinimumHeight(summary->fontMetrics().lineSpacing() * 3);
    summary->setMinimumWidth(summary->fontMetrics().averageCharWidth() * 30);
    insulationLayout->addWidget(button, 1 + 2 * layer, 0, 1, 2);
    insulationLayout->addWidget(summary, 2 + 2 * layer, 0, 1, 2);
    layerButtons_[static_cast<std::size_t>(layer)] = button;
    layerSummaries_[static_cast<std::size_t>(layer)] = summary;
    connect(button, &QPushButton::clicked, this, [this, layer] { EditLayer(layer + 1); });
  }

  auto* energy = new QGroupBox(this);
  auto* energyGrid = new QGridLayout(energy);
  calcEnergy_ = new QCheckBox(QStringLiteral("Beregn energitap/kostnad/utslipp"), energy);
  energyGrid->addWidget(calcEnergy_, 0, 0, 1, 2);
  hours_ = MakeNumberField(energy, in.OperatingHours);
  price_ = MakeNumberField(energy, in.EnergyPrice);
  co2_ = MakeNumberField(energy, in.Co2Factor);
  AddFieldRow(*energyGrid, QString::fromUtf8("Driftstid [timer/år]:"), hours_);
  AddFieldRow(*energyGrid, QString::fromUtf8("Energipris [øre/kWh]:"), price_);
  AddFieldRow(*energyGrid, QStringLiteral("CO2-utslipp [g/kWh]:"), co2_);

  auto* accessoryBox = new QGroupBox(this);
  auto* accessoryLayout = new QVBoxLayout(accessoryBox);
  hasAccessories_ = new QCheckBox(QStringLiteral("Tilleggsutstyr:"), accessoryBox);
  accessories_ = new ListPanel(
      {QStringLiteral("Nytt tilleggsutsyr..."), QStringLiteral("Oppdater tilleggsutsyr..."),
       QStringLiteral("Slett tilleggsutstyr...")},
      {}, false, accessoryBox);
  const QFontMetrics metrics = accessories_->View().fontMetrics();
  accessories_->View().setMinimumSize(metrics.averageCharWidth() * 22, metrics.lineSpacing() * 5);
  accessoryLayout->addWidget(hasAccessories_);
  accessoryLayout->addWidget(accessories_);

  auto* third = new QVBoxLayout;
  third->addWidget(insulation);
  third->addWidget(energy);
  third->addWidget(accessoryBox, 1);
  Body()->addLayout(Columns({Column({object, dimensions, hangerBox}),
                             Column({criterion, temperatures, surroundings_}), third}));

  // The names the tests and the help find the fields by.
  length_->setObjectName(QStringLiteral("length"));
  area_->setObjectName(QStringLiteral("area"));
  medium_->setObjectName(QStringLiteral("mediumTemperature"));
  surface_->setObjectName(QStringLiteral("surfaceTemperature"));
  heatLoss_->setObjectName(QStringLiteral("maxHeatLoss"));
  hours_->setObjectName(QStringLiteral("operatingHours"));
  price_->setObjectName(QStringLiteral("energyPrice"));
  co2_->setObjectName(QStringLiteral("co2Factor"));

  // The inputs.
  criteria_[static_cast<std::size_t>(std::clamp(code::ToInt(in.Criterion), 0, 3))]->setChecked(
      true);
  hangers_->setChecked(in.UninsulatedHangers != 0);
  twoLayers_->setChecked(in.TwoLayers != 0);
  calcEnergy_->setChecked(in.CalcEnergy != 0);
  hasAccessories_->setChecked(in.HasAccessories != 0);
  ListEditor& editor = accessories_->Editor();
  editor.SetRowFactory([] { return std::make_unique<CTilleggsutstyr>(); });
  editor.SetList(inputs_.Accessories);
  geometry_->SetState(code::ToInt(in.Geometry));
  geometry_->SetVariant(in.Vertical != 0 ? 1 : 0);
  UpdatePicture();
  UpdateSummaries();
  UpdateEnabling();

  connect(geometry_, &CMultiButton2::clicked, this, &CVarmetapDlg::GeometryClicked);
  connect(criterionGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (!checked) return;
    UpdateEnabling();
    UpdateSummaries();
  });
  connect(surroundings_, &SurroundingsGroup::surroundingsChanged, this,
          &CVarmetapDlg::UpdateEnabling);
  for (QCheckBox* box : {twoLayers_, calcEnergy_, hasAccessories_}) {
    connect(box, &QCheckBox::toggled, this, &CVarmetapDlg::UpdateEnabling);
  }
  connect(twoLayers_, &QCheckBox::toggled, this, &CVarmetapDlg::UpdatePicture);
  geometry_->setFocus();
}

code::Criterion CVarmetapDlg::Criterion() const {
  for (std::size_t i = 0; i < criteria_.size(); ++i) {
    if (criteria_[i]->isChecked()) return code::FromInt<code::Criterion>(static_cast<int>(i));
  }
  return code::Criterion::GivenThickness;
}

code::Geometry CVarmetapDlg::GeometryChosen() const {
  return code::FromInt<code::Geometry>(geometry_->State());
}

void CVarmetapDlg::ReadFields() {
  VarmeTapInputs& in = inputs_;
  in.Criterion = Criterion();
  in.Geometry = GeometryChosen();
  in.Vertical = geometry_->Variant();
  ReadNumber(*diameter_, in.Diameter);
  ReadNumber(*height_, in.Height);
  ReadNumber(*width_, in.Width);
  ReadNumber(*length_, in.Length);
  ReadNumber(*area_, in.Area);
  in.UninsulatedHangers = hangers_->isChecked() ? 1 : 0;
  ReadNumber(*medium_, in.MediumTemperature);
  ReadNumber(*surface_, in.GivenSurfaceTemperature);
  ReadNumber(*heatLoss_, in.GivenMaxHeatLoss);
  surroundings_->ReadValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                            in.OuterCoefficient);
  in.TwoLayers = twoLayers_->isChecked() ? 1 : 0;
  in.CalcEnergy = calcEnergy_->isChecked() ? 1 : 0;
  ReadNumber(*hours_, in.OperatingHours);
  ReadNumber(*price_, in.EnergyPrice);
  ReadNumber(*co2_, in.Co2Factor);
  in.HasAccessories = hasAccessories_->isChecked() ? 1 : 0;
}

void CVarmetapDlg::UpdateEnabling() {
  const code::Geometry geometry = GeometryChosen();
  const code::Criterion criterion = Criterion();
  const bool givenThickness = criterion == code::Criterion::GivenThickness;
  const bool flat = code::IsFlat(geometry);
  const bool rectangular = code::IsRectangular(geometry);
  diameter_->setEnabled(code::IsCircular(geometry));
  width_->setEnabled(rectangular);
  height_->setEnabled(rectangular || (flat && geometry_->Variant() == 1));
  length_->setEnabled(givenThickness && !flat);
  area_->setEnabled(givenThickness && flat);
  surface_->setEnabled(criterion == code::Criterion::GivenSurfaceTemperature);
  heatLoss_->setEnabled(criterion == code::Criterion::GivenMaxHeatLoss);
  heatLossLabel_->setText(flat ? QString::fromUtf8("Varmetap [W/m²]:")
                               : QStringLiteral("Varmetap [W/m]:"));
  twoLayers_->setEnabled(givenThickness);
  const bool second = twoLayers_->isChecked() && givenThickness;
  layerButtons_[1]->setEnabled(second);
  layerSummaries_[1]->setEnabled(second);
  const bool energy = calcEnergy_->isChecked();
  hours_->setEnabled(energy || criterion == code::Criterion::InsulationClass);
  price_->setEnabled(energy);
  co2_->setEnabled(energy);
  hasAccessories_->setEnabled(givenThickness);
  accessories_->setEnabled(hasAccessories_->isChecked() && givenThickness);
  hangers_->setEnabled(givenThickness && code::IsRun(geometry) &&
                       geometry != code::Geometry::InternalDuct);
}

void CVarmetapDlg::UpdatePicture() {
  VarmeTapInputs& in = inputs_;
  in.TwoLayers = twoLayers_->isChecked() ? 1 : 0;
  in.Criterion = Criterion();
  ColourRecord colours;
  in.PictureColours(colours);
  // Without a product for the first layer the picture is shown plain.
  geometry_->Set(code::ToInt(in.Geometry), in.Vertical, colours, !in.Layer1.HasProduct());
}

void CVarmetapDlg::UpdateSummaries() {
  const bool withThickness = Criterion() == code::Criterion::GivenThickness;
  layerSummaries_[0]->setText(QString::fromStdString(inputs_.Layer1.Describe(withThickness)));
  layerSummaries_[1]->setText(QString::fromStdString(inputs_.Layer2.Describe(withThickness)));
}

void CVarmetapDlg::GeometryClicked() {
  VarmeTapInputs& in = inputs_;
  in.Vertical = geometry_->Variant();
  const code::Geometry geometry = GeometryChosen();
  if (geometry != in.Geometry) {
    if (layersChosen_ && !AskOkCancel(Str(ids::LayersMustBeChosenAgain))) {
      geometry_->SetState(code::ToInt(in.Geometry));
    } else {
      in.Geometry = geometry;
      DeleteAll(in.Accessories);
      accessories_->Editor().Fill();
      const int thicknessGiven = Criterion() == code::Criterion::GivenThickness ? 1 : 0;
      in.Layer1.Reset(code::UsageFor(geometry), thicknessGiven, 1);
      in.Layer2.Reset(code::UsageFor(geometry), thicknessGiven, 0);
      layersChosen_ = false;
    }
  }
  UpdatePicture();
  UpdateSummaries();
  UpdateEnabling();
}

void CVarmetapDlg::EditLayer(int number) {
  ReadFields();
  VarmeTapInputs& in = inputs_;
  CIsolasjon& layer = number == 1 ? in.Layer1 : in.Layer2;
  layer.ThicknessGiven = in.Criterion == code::Criterion::GivenThickness ? 1 : 0;
  // The second layer lies on the first.
  const float diameter =
      number == 1 ? in.Diameter : in.Diameter + 2.0f * in.Layer1.ThicknessAt(in.Diameter);
  if (layer.EditInputAt(diameter) != 0) layersChosen_ = true;
  UpdateSummaries();
  UpdatePicture();
}

bool CVarmetapDlg::CheckLayerProduct(const CIsolasjon& layer, int number, float temperature,
                                     int warning) {
  if (!layer.HasProduct()) {
    ShowMessage(Str(ids::SelectInsulationProduct));
    layerButtons_[static_cast<std::size_t>(number - 1)]->setFocus();
    return false;
  }
  const CIsoProdukt* product = layer.ActiveProduct();
  return product == nullptr || temperature <= product->MaxTemperature || AskOkCancel(Str(warning));
}

bool CVarmetapDlg::AcceptInput() {
  ReadFields();
  VarmeTapInputs& in = inputs_;
  if (!CheckLayerProduct(in.Layer1, 1, in.MediumTemperature,
                         ids::MediumAboveProductMaxTemperature)) {
    return false;
  }
  const bool twoLayers = in.CalculatesTwoLayers();
  if (twoLayers && !CheckLayerProduct(in.Layer2, 2, in.AmbientTemperature,
                                      ids::AmbientAboveProductMaxTemperature)) {
    return false;
  }

  switch (in.Geometry) {
    case code::Geometry::Pipe:
      if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 1500.0f, diameter_)) return false;
      break;
    case code::Geometry::CircularDuct:
      if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 3000.0f, diameter_)) return false;
      break;
    case code::Geometry::RectangularDuct:
      if (!CheckRange(ids::LabelHeight, in.Height, 1.0f, 5000.0f, height_) ||
          !CheckRange(ids::LabelWidth, in.Width, 1.0f, 5000.0f, width_)) {
        return false;
      }
      break;
    case code::Geometry::FlatOutside:
      if (!CheckRange(ids::LabelFlatArea, in.Area, 0.1f, 1000.0f, area_)) return false;
      break;
    default:
      break;
  }

  if (in.Criterion == code::Criterion::GivenThickness &&
      in.Geometry != code::Geometry::FlatOutside) {
    if (!in.Layer1.CheckDiameterRange(in.Diameter)) return false;
    if (twoLayers &&
        !in.Layer2.CheckDiameterRange(in.Diameter + 2.0f * in.Layer1.ThicknessAt(in.Diameter))) {
      return false;
    }
    if (!CheckRange(ids::LabelPipeLength, in.Length, 0.1f, 1000.0f, length_)) return false;
  }

  if (in.CalcEnergy != 0 &&
      !CheckRange(ids::LabelEnergyPrice, in.EnergyPrice, 1.0f, 200.0f, price_)) {
    return false;
  }
  if ((in.CalcEnergy != 0 || in.Criterion == code::Criterion::InsulationClass) &&
      !CheckRange(ids::LabelOperatingTime, in.OperatingHours, 1.0f, 8760.0f, hours_)) {
    return false;
  }

  if (!surroundings_->CheckRanges(*this)) return false;

  const float low = std::min(in.MediumTemperature, in.AmbientTemperature);
  const float high = std::max(in.MediumTemperature, in.AmbientTemperature);
  if (in.Criterion == code::Criterion::GivenSurfaceTemperature &&
      !CheckRange(ids::LabelSurfaceTemperature, in.GivenSurfaceTemperature, low + 0.1f, high - 0.1f,
                  surface_)) {
    return false;
  }
  // Criterion 3 takes the loss from the insulation class: its field is not
  // an input, and a value left from another case must not hold OK up.
  if (in.Criterion == code::Criterion::GivenMaxHeatLoss) {
    const bool heating = in.MediumTemperature >= in.AmbientTemperature;
    if (!CheckRange(ids::LabelHeatLoss, in.GivenMaxHeatLoss, heating ? 1.0f : -5000.0f,
                    heating ? 5000.0f : -1.0f, heatLoss_)) {
      return false;
    }
  }

  if (std::fabs(in.MediumTemperature - in.AmbientTemperature) < 0.1f) {
    ShowMessage(Str(ids::TooSmallTemperatureDifference));
    FocusField(medium_);
    return false;
  }

  // The layers' thickness is an input exactly when the criterion gives it.
  in.Layer1.ThicknessGiven = in.Criterion == code::Criterion::GivenThickness ? 1 : 0;
  in.Layer2.ThicknessGiven = in.Layer1.ThicknessGiven;
  return true;
}

}  // namespace kav
