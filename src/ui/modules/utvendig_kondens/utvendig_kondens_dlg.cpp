#include "ui/modules/utvendig_kondens/utvendig_kondens_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/editors.h"
#include "core/module_table.h"
#include "core/platform.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"
#include "modules/utvendig_kondens/room_types.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"
#include "ui/panels/dimension_box.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/percent_field.h"
#include "ui/panels/picture_box.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/multi_button.h"

namespace kav {
namespace {

using code::CondensationObject;

QStringList ObjectNames() {
  QStringList names;
  for (int id : {ids::GeometryPipe, ids::GeometryCircularDuct, ids::GeometryRectangularDuct,
                 ids::GeometryCircularDuctInside, ids::GeometryRectangularDuctInside,
                 ids::GeometryFlatOutside, ids::GeometryFlatInside}) {
    names << QString::fromStdString(Str(id));
  }
  return names;
}

}  // namespace

CUtvendigKondensDlg::CUtvendigKondensDlg(UtvendigKondensInputs& inputs, QWidget* parent)
    : CItemDlg(QStringLiteral("Isolering mot utvendig kondens"),
               ModuleAt(CUtvendigKondensModul::kPage).helpTopic, parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("externalCondensationDialog"));
  const UtvendigKondensInputs& in = inputs;

  // The object.
  object_ =
      MakeObjectButton(QStringLiteral("Utvkondtype"), code::kCondensationObjects, ObjectNames());
  auto* objectBox = new PictureBox(QStringLiteral("Objekttype"), object_, this);

  auto* dimensions =
      new DimensionBox(QStringLiteral("Dimensjoner"), in.Diameter, in.Height, in.Width, this);
  diameter_ = dimensions->Diameter();
  height_ = dimensions->Height();
  width_ = dimensions->Width();

  // The medium, the air and the surroundings.
  auto* temperatures = new QGroupBox(QStringLiteral("Temperaturer og luftfuktighet"), this);
  auto* temperatureGrid = new QGridLayout(temperatures);
  medium_ = MakeNumberField(temperatures, in.MediumTemperature);
  medium_->SetRange(-273.0f, 50.0f);
  AddFieldRow(*temperatureGrid, QStringLiteral("Medietemp. [°C]:"), medium_);
  humidity_ = new PercentField(1.0f, 99.0f, "%.0f", temperatures);
  humidity_->Field().setObjectName(QStringLiteral("relativeHumidity"));
  humidity_->SetValue(in.RelativeHumidity);
  AddFieldRow(*temperatureGrid, QStringLiteral("Rel. luftfuktighet [%]:"), humidity_);
  roomTemperature_ = new QPushButton(QStringLiteral("Typisk romtemperatur..."), temperatures);
  roomTemperature_->setAutoDefault(false);
  roomTemperature_->setMinimumWidth(
      roomTemperature_->fontMetrics().horizontalAdvance(roomTemperature_->text()) + 32);
  temperatureGrid->addWidget(roomTemperature_, temperatureGrid->rowCount(), 0, 1, 2,
                             Qt::AlignRight);

  surroundings_ = new SurroundingsGroup(QStringLiteral("Omgivelsestemp. [°C]:"), true, this);
  surroundings_->SetValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                           in.OuterCoefficient);
  surroundings_->Ambient().SetRange(-60.0f, 500.0f);

  // The insulation.
  auto* insulation = new QGroupBox(QStringLiteral("Isolering"), this);
  auto* insulationLayout = new QVBoxLayout(insulation);
  layer1_ = new LayerButton(QStringLiteral("Velg isolasjonsprodukt..."), insulation);
  twoLayers_ = new QCheckBox(QStringLiteral("2-lags isolasjon"), insulation);
  layer2_ = new LayerButton(QStringLiteral("Isolering lag 2"), insulation);
  auto* note = new QLabel(
      QString::fromUtf8("Ved beregning med 2-lags isolasjon er det ikke tatt hensyn til "
                        "dampmotstand i det ytre isolasjonslaget. Se Hjelp for mer informasjon."),
      insulation);
  note->setWordWrap(true);
  note->setMinimumHeight(note->fontMetrics().lineSpacing() * 4);
  insulationLayout->addWidget(layer1_);
  insulationLayout->addWidget(twoLayers_);
  insulationLayout->addWidget(layer2_);
  insulationLayout->addWidget(note);

  Body()->addLayout(Columns({Column({objectBox, dimensions}), Column({temperatures, surroundings_}),
                             Column({insulation})}));

  // The names the tests and the help find the fields by.
  medium_->setObjectName(QStringLiteral("mediumTemperature"));

  twoLayers_->setChecked(in.TwoLayers != 0);
  object_->SetState(code::ToInt(in.ObjectType));
  object_->SetVariant(in.Vertical != 0 ? 1 : 0);
  UpdatePicture();
  UpdateSummaries();
  UpdateEnabling();

  connect(object_, &CMultiButton2::clicked, this, &CUtvendigKondensDlg::ObjectClicked);
  connect(twoLayers_, &QCheckBox::toggled, this, [this] {
    inputs_.TwoLayers = twoLayers_->isChecked() ? 1 : 0;
    UpdateEnabling();
    UpdatePicture();
  });
  connect(layer1_, &LayerButton::clicked, this, [this] { EditLayer(1); });
  connect(layer2_, &LayerButton::clicked, this, [this] { EditLayer(2); });
  connect(roomTemperature_, &QPushButton::clicked, this,
          &CUtvendigKondensDlg::ChooseRoomTemperature);
  object_->setFocus();
}

void CUtvendigKondensDlg::ReadFields() {
  UtvendigKondensInputs& in = inputs_;
  in.ObjectType = code::FromInt<CondensationObject>(object_->State());
  in.Vertical = object_->Variant();
  ReadNumber(*diameter_, in.Diameter);
  ReadNumber(*height_, in.Height);
  ReadNumber(*width_, in.Width);
  ReadNumber(*medium_, in.MediumTemperature);
  ReadNumber(humidity_->Field(), in.RelativeHumidity);
  surroundings_->ReadValues(in.Surroundings, in.AmbientTemperature, in.WindSpeed,
                            in.OuterCoefficient);
  in.TwoLayers = twoLayers_->isChecked() ? 1 : 0;
}

void CUtvendigKondensDlg::UpdateEnabling() {
  const auto object = code::FromInt<CondensationObject>(object_->State());
  const bool rectangular = object == CondensationObject::RectangularDuct ||
                           object == CondensationObject::RectangularDuctInside;
  diameter_->setEnabled(code::HasDiameter(object));
  width_->setEnabled(rectangular);
  height_->setEnabled(rectangular || (code::IsFlat(object) && object_->Variant() == 1));
  const bool ducts = code::TakesTwoLayers(object);
  twoLayers_->setEnabled(ducts);
  layer2_->setEnabled(ducts && twoLayers_->isChecked());
}

void CUtvendigKondensDlg::UpdatePicture() {
  const UtvendigKondensInputs& in = inputs_;
  // With two layers the picture shows the outer one.
  ColourRecord colours;
  in.OuterLayer().AddPictureColours(colours, kKeyOlive, kKeyYellow);
  object_->Set(code::ToInt(in.ObjectType), in.Vertical, colours, !in.Layer1.HasProduct());
}

void CUtvendigKondensDlg::UpdateSummaries() {
  layer1_->Show(inputs_.Layer1);
  layer2_->Show(inputs_.Layer2);
}

void CUtvendigKondensDlg::ObjectClicked() {
  UtvendigKondensInputs& in = inputs_;
  in.Vertical = object_->Variant();
  const auto object = code::FromInt<CondensationObject>(object_->State());
  if (object != in.ObjectType) {
    if (in.Layer1.ActiveProduct() != nullptr && !AskOkCancel(Str(ids::LayersMustBeChosenAgain))) {
      object_->SetState(code::ToInt(in.ObjectType));
    } else {
      in.ObjectType = object;
      in.Layer1.Reset(code::UsageFor(object), 0, 1);
      in.Layer2.Reset(code::UsageFor(object), 1, 0);
    }
  }
  UpdatePicture();
  UpdateSummaries();
  UpdateEnabling();
}

void CUtvendigKondensDlg::EditLayer(int number) {
  ReadFields();
  UtvendigKondensInputs& in = inputs_;
  const code::Usage usage = code::UsageFor(in.ObjectType);
  CIsolasjon& layer = number == 1 ? in.Layer1 : in.Layer2;
  // The outer layer of a document made before the object was chosen
  // still has the use it was reset for.
  if (number == 2 && layer.Usage != usage) layer.Reset(usage, 1, 0);
  layer.ThicknessGiven = number == 1 ? 0 : 1;
  layer.FirstLayer = number == 1 ? 1 : 0;
  layer.EditInputAt(in.Diameter);
  UpdateSummaries();
  UpdatePicture();
}

void CUtvendigKondensDlg::ChooseRoomTemperature() {
  RoomTypeChoice choice;
  if (!Editors::Edit(choice)) return;
  if (choice.selected < 0 || choice.selected >= static_cast<int>(kRoomTypes.size())) return;
  surroundings_->Ambient().SetValue(
      kRoomTypes[static_cast<std::size_t>(choice.selected)].temperature, "%.1f");
}

bool CUtvendigKondensDlg::AcceptInput() {
  ReadFields();
  UtvendigKondensInputs& in = inputs_;
  const float medium = in.MediumTemperature;
  const float ambient = in.AmbientTemperature;
  if (!layer1_->CheckProduct(in.Layer1, medium, ambient)) return false;
  if (in.CalculatesTwoLayers() && !layer2_->CheckProduct(in.Layer2, medium, ambient)) {
    return false;
  }
  switch (in.ObjectType) {
    case CondensationObject::Pipe:
      if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 1500.0f, diameter_)) return false;
      break;
    case CondensationObject::CircularDuct:
      if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 3000.0f, diameter_)) return false;
      break;
    case CondensationObject::RectangularDuct:
      if (!CheckRange(ids::LabelHeight, in.Height, 1.0f, 5000.0f, height_) ||
          !CheckRange(ids::LabelWidth, in.Width, 1.0f, 5000.0f, width_)) {
        return false;
      }
      break;
    default:
      break;
  }
  return surroundings_->CheckRanges(*this);
}

}  // namespace kav
