#include "ui/modules/okonomi/okonomi_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/editors.h"
#include "core/module_table.h"
#include "core/platform.h"
#include "core/strings.h"
#include "data/kostnad.h"
#include "modules/okonomi/okonomi_isolasjon_edit.h"
#include "modules/okonomi/okonomi_modul.h"
#include "ui/panels/dimension_box.h"
#include "ui/panels/geometry_names.h"
#include "ui/panels/picture_box.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/multi_button.h"

namespace kav {
namespace {

constexpr int kObjectTypes = 6;
constexpr std::size_t kMaxAlternatives = 20;

QPushButton* Button(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

COkonomiDlg::COkonomiDlg(OkonomiInputs& inputs, QWidget* parent)
    : CItemDlg(QString::fromUtf8("Økonomisk isolasjon"), ModuleAt(COkonomiModul::kPage).helpTopic,
               parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("economyDialog"));
  const OkonomiInputs& in = inputs;

  object_ = MakeObjectButton(QStringLiteral("Materialtype"), kObjectTypes, GeometryNames());
  auto* material = new PictureBox(QStringLiteral("Materialtype"), object_, this);

  auto* dimensions = new DimensionBox(QStringLiteral("Dimensjoner"), in.Diameter, in.DuctHeight,
                                      in.DuctWidth, this);
  diameter_ = dimensions->Diameter();
  height_ = dimensions->Height();
  width_ = dimensions->Width();

  auto* other = new QGroupBox(QStringLiteral("Andre data"), this);
  auto* otherGrid = new QGridLayout(other);
  medium_ = MakeNumberField(other, in.MediumTemperature);
  AddFieldRow(*otherGrid, QString::fromUtf8("Medietemp.[°C):"), medium_);

  auto* standardBox = new QGroupBox(
      QStringLiteral("Isolering standardløsning (utgangspunkt for beregningene)"), this);
  auto* standardLayout = new QHBoxLayout(standardBox);
  standard_ = Button(QStringLiteral("Velg isolering"), standardBox);
  standardText_ = new QLabel(QString::fromStdString(in.StandardSolution.Name), standardBox);
  standardLayout->addWidget(standard_);
  standardLayout->addWidget(standardText_, 1);

  auto* alternativeBox =
      new QGroupBox(QStringLiteral("Alternative isolasjonstyper/tykkelse"), this);
  auto* alternativeLayout = new QHBoxLayout(alternativeBox);
  alternatives_ = new QListWidget(alternativeBox);
  alternatives_->setMinimumWidth(alternatives_->fontMetrics().averageCharWidth() * 60);
  alternatives_->setMinimumHeight(alternatives_->fontMetrics().lineSpacing() * 7);
  auto* alternativeButtons = new QVBoxLayout;
  new_ = Button(QStringLiteral("Ny Isolasjon..."), alternativeBox);
  edit_ = Button(QStringLiteral("Rediger Isolasjon..."), alternativeBox);
  delete_ = Button(QStringLiteral("Stryk Isolasjon"), alternativeBox);
  alternativeButtons->addWidget(new_);
  alternativeButtons->addWidget(edit_);
  alternativeButtons->addWidget(delete_);
  alternativeButtons->addStretch(1);
  alternativeLayout->addWidget(alternatives_, 1);
  alternativeLayout->addLayout(alternativeButtons);

  surroundings_ = new SurroundingsGroup(QString::fromUtf8("Omgivelsestemp. [°C]:"), true, this);
  surroundings_->SetValues(in.SurroundingsMode, in.AmbientTemperature, in.WindSpeed,
                           in.GivenCoefficient);

  auto* economy = new QGroupBox(QString::fromUtf8("Økonomiske data"), this);
  auto* economyGrid = new QGridLayout(economy);
  price_ = MakeNumberField(economy, in.EnergyPrice);
  hours_ = MakeNumberField(economy, in.OperatingHours);
  co2_ = MakeNumberField(economy, in.Co2Factor);
  years_ = MakeNumberField(economy, in.DepreciationYears);
  increase_ = MakeNumberField(economy, in.EnergyPriceIncrease);
  interest_ = MakeNumberField(economy, in.RealInterest);
  AddFieldRow(*economyGrid, QString::fromUtf8("Energipris [øre/kWh]:"), price_);
  AddFieldRow(*economyGrid, QString::fromUtf8("Driftstid [h/år]:"), hours_);
  AddFieldRow(*economyGrid, QStringLiteral("CO2-utslipp [g/kWh]:"), co2_);
  AddFieldRow(*economyGrid, QString::fromUtf8("Avskrivningstid [år]:"), years_);
  AddFieldRow(*economyGrid, QStringLiteral("Inflasjon energi [%]:"), increase_);
  AddFieldRow(*economyGrid, QStringLiteral("Realrente [%]:"), interest_);

  auto* top = new QHBoxLayout;
  top->addWidget(material);
  auto* topRight = new QVBoxLayout;
  topRight->addWidget(dimensions);
  topRight->addWidget(other);
  top->addLayout(topRight);
  Body()->addLayout(top);
  Body()->addWidget(standardBox);
  Body()->addWidget(alternativeBox);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(surroundings_);
  bottom->addWidget(economy);
  Body()->addLayout(bottom);

  object_->SetState(code::ToInt(in.ObjectType));
  object_->SetVariant(in.Orientation != 0 ? 1 : 0);
  SetCostUnitWord(UnitWord(in.ObjectType));
  FillAlternatives(-1);

  connect(object_, &CMultiButton2::clicked, this, &COkonomiDlg::ObjectClicked);
  connect(standard_, &QPushButton::clicked, this, &COkonomiDlg::EditStandard);
  connect(new_, &QPushButton::clicked, this, &COkonomiDlg::NewAlternative);
  connect(edit_, &QPushButton::clicked, this, &COkonomiDlg::EditAlternative);
  connect(alternatives_, &QListWidget::itemDoubleClicked, this, &COkonomiDlg::EditAlternative);
  connect(delete_, &QPushButton::clicked, this, &COkonomiDlg::DeleteAlternative);
  connect(alternatives_, &QListWidget::currentRowChanged, this, &COkonomiDlg::UpdatePicture);
  UpdateEnabling();
  UpdatePicture();
  resize(minimumSizeHint());
}

void COkonomiDlg::ReadFields() {
  OkonomiInputs& in = inputs_;
  in.Orientation = object_->Variant();
  ReadNumber(*diameter_, in.Diameter);
  ReadNumber(*height_, in.DuctHeight);
  ReadNumber(*width_, in.DuctWidth);
  ReadNumber(*medium_, in.MediumTemperature);
  surroundings_->ReadValues(in.SurroundingsMode, in.AmbientTemperature, in.WindSpeed,
                            in.GivenCoefficient);
  ReadNumber(*price_, in.EnergyPrice);
  ReadNumber(*hours_, in.OperatingHours);
  ReadNumber(*co2_, in.Co2Factor);
  ReadNumber(*years_, in.DepreciationYears);
  ReadNumber(*increase_, in.EnergyPriceIncrease);
  ReadNumber(*interest_, in.RealInterest);
}

void COkonomiDlg::UpdateEnabling() {
  const code::Geometry g = code::FromInt<code::Geometry>(object_->State());
  const bool rectangular = code::IsRectangular(g);
  diameter_->setEnabled(code::IsCircular(g));
  height_->setEnabled(rectangular || (code::IsFlat(g) && object_->Variant() == 1));
  width_->setEnabled(rectangular);
}

void COkonomiDlg::UpdatePicture() {
  const OkonomiInputs& in = inputs_;
  const int row = alternatives_->currentRow();
  const COkonomiIsolasjon& shown =
      row >= 0 && static_cast<std::size_t>(row) < in.Alternatives.size()
          ? *in.Alternatives[static_cast<std::size_t>(row)]
          : in.StandardSolution;
  ColourRecord colours;
  colours.Add(kKeyOlive, shown.InsulationColour());
  colours.Add(kKeyYellow, shown.OuterColour());
  object_->Set(object_->State(), object_->Variant(), colours, shown.InsulationProduct() == nullptr);
}

void COkonomiDlg::ObjectClicked() {
  OkonomiInputs& in = inputs_;
  in.Orientation = object_->Variant();
  const code::Geometry chosen = code::FromInt<code::Geometry>(object_->State());
  if (chosen != in.ObjectType) {
    if (!in.Alternatives.empty() && !AskOkCancel(Str(ids::ObjectTypeChangeResetsAlternatives))) {
      object_->SetState(code::ToInt(in.ObjectType));
    } else {
      in.ObjectType = chosen;
      DeleteAll(in.Alternatives);
      in.StandardSolution = COkonomiIsolasjon(chosen);
      standardText_->clear();
      SetCostUnitWord(UnitWord(chosen));
      FillAlternatives(-1);
    }
  }
  UpdateEnabling();
  UpdatePicture();
}

void COkonomiDlg::FillAlternatives(int selected) {
  alternatives_->clear();
  for (const COkonomiIsolasjon* alternative : inputs_.Alternatives) {
    alternatives_->addItem(QString::fromStdString(alternative->Name));
  }
  alternatives_->setCurrentRow(selected);
}

bool COkonomiDlg::EditSolution(COkonomiIsolasjon& solution, const CListItem* self) {
  ReadFields();
  OkoIsolasjonEdit edit(solution, inputs_.Diameter, &inputs_.Alternatives, self);
  if (!Editors::Edit(edit)) return false;
  solution = edit.Solution;
  return true;
}

void COkonomiDlg::EditStandard() {
  if (EditSolution(inputs_.StandardSolution, nullptr)) {
    standardText_->setText(QString::fromStdString(inputs_.StandardSolution.Name));
    UpdatePicture();
  }
}

void COkonomiDlg::NewAlternative() {
  if (inputs_.Alternatives.size() >= kMaxAlternatives) {
    ShowMessage(Str(ids::TooManyAlternatives));
    return;
  }
  auto solution = std::make_unique<COkonomiIsolasjon>(inputs_.ObjectType);
  if (!EditSolution(*solution, nullptr)) return;
  inputs_.Alternatives.Append(std::move(solution));
  FillAlternatives(static_cast<int>(inputs_.Alternatives.size()) - 1);
}

void COkonomiDlg::EditAlternative() {
  const int row = alternatives_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= inputs_.Alternatives.size()) return;
  COkonomiIsolasjon& solution = *inputs_.Alternatives[static_cast<std::size_t>(row)];
  if (EditSolution(solution, &solution)) FillAlternatives(row);
}

void COkonomiDlg::DeleteAlternative() {
  const int row = alternatives_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= inputs_.Alternatives.size()) return;
  inputs_.Alternatives.RemoveAt(static_cast<std::size_t>(row));
  FillAlternatives(std::min(row, static_cast<int>(inputs_.Alternatives.size()) - 1));
}

bool COkonomiDlg::CheckProductTemperatures() {
  const OkonomiInputs& in = inputs_;
  for (const COkonomiIsolasjon* alternative : in.Alternatives) {
    const CIsoProdukt* product = alternative->InsulationProduct();
    if (product == nullptr) continue;
    if (product->MaxTemperature < in.MediumTemperature) {
      if (!AskOkCancel(Str(ids::MediumAboveProductMaxTemperature))) return false;
    } else if (product->MaxTemperature < in.AmbientTemperature) {
      if (!AskOkCancel(Str(ids::AmbientAboveProductMaxTemperature))) return false;
    }
  }
  return true;
}

bool COkonomiDlg::CheckRanges() {
  const OkonomiInputs& in = inputs_;
  switch (in.ObjectType) {
    case code::Geometry::Pipe:
      if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 1500.0f, diameter_)) return false;
      break;
    case code::Geometry::CircularDuct:
      if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 3000.0f, diameter_)) return false;
      break;
    case code::Geometry::RectangularDuct:
    case code::Geometry::InternalDuct:
      if (!CheckRange(ids::LabelHeight, in.DuctHeight, 1.0f, 5000.0f, height_) ||
          !CheckRange(ids::LabelWidth, in.DuctWidth, 1.0f, 5000.0f, width_)) {
        return false;
      }
      break;
    default:
      break;
  }
  return surroundings_->CheckRanges(*this) &&
         CheckRange(ids::LabelMediumTemperature, in.MediumTemperature, -273.0f, 2000.0f, medium_) &&
         CheckRange(ids::LabelAmbientTemperature, in.AmbientTemperature, -60.0f, 500.0f,
                    &surroundings_->Ambient()) &&
         CheckRange(ids::LabelOperatingTime, in.OperatingHours, 1.0f, 8760.0f, hours_) &&
         CheckRange(ids::LabelEnergyPrice, in.EnergyPrice, 1.0f, 200.0f, price_) &&
         CheckRange(ids::LabelRealInterest, in.RealInterest, 0.0f, 100.0f, interest_) &&
         CheckRange(ids::LabelPriceIncrease, in.EnergyPriceIncrease, 0.0f, 100.0f, increase_) &&
         CheckRange(ids::LabelDepreciationTime, in.DepreciationYears, 0.1f, 100.0f, years_) &&
         CheckRange(ids::LabelCo2Factor, in.Co2Factor, 0.0f, 5000.0f, co2_);
}

bool COkonomiDlg::AcceptInput() {
  ReadFields();
  const OkonomiInputs& in = inputs_;
  if (in.Alternatives.empty()) {
    ShowMessage(Str(ids::AtLeastOneAlternative));
    new_->setFocus();
    return false;
  }
  if (!CheckProductTemperatures() || !CheckRanges()) return false;
  if (std::fabs(in.MediumTemperature - in.AmbientTemperature) < 0.1f) {
    ShowMessage(Str(ids::TooSmallTemperatureDifference));
    FocusField(medium_);
    return false;
  }
  return true;
}

}  // namespace kav
