#include "ui/modules/kanal_temp/segment_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

#include "core/formulas.h"
#include "core/strings.h"
#include "data/active_list.h"
#include "modules/kanal_temp/segment.h"
#include "ui/panels/flow_group.h"
#include "ui/panels/hanger_box.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/surface_choice_group.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

CSegmentDlg::CSegmentDlg(CSegment& segment, QWidget* parent)
    : CItemDlg(QStringLiteral("Segment"), "::/html/segment.htm", parent), segment_(segment) {
  setObjectName(QStringLiteral("segmentDialog"));
  SetNameList(ListEditor::ListInEdit());
  const CSegment& s = segment;

  auto* nameRow = new QGridLayout;
  name_ = new TextField(kNameLimit, this);
  name_->SetText(s.Name);
  AddFieldRow(*nameRow, QStringLiteral("Navn:"), name_);

  // The insulation, or the bare surface.
  auto* insulation = new QGroupBox(QStringLiteral("Isolering"), this);
  auto* insulationLayout = new QVBoxLayout(insulation);
  layer1_ = new LayerButton(QStringLiteral("Velg isolasjonsprodukt"), insulation);
  twoLayers_ = new QCheckBox(QStringLiteral("2-lags isolering"), insulation);
  layer2_ = new LayerButton(QStringLiteral("Velg isolasjonsprodukt"), insulation);
  insulationLayout->addWidget(layer1_);
  insulationLayout->addWidget(twoLayers_);
  insulationLayout->addWidget(layer2_);
  bare_ = new SurfaceChoiceGroup(QStringLiteral("Uisolert segment"), true, this);
  bare_->DatabaseRadio().setText(QStringLiteral("Emissivitet rør/kanaloverflate"));
  bare_->Show(ActiveList<COverflate>(), s.Surface, s.Uninsulated != 0, s.UserEmissivity != 0,
              s.Emissivity);

  auto* accessoryBox = new QGroupBox(this);
  auto* accessoryLayout = new QVBoxLayout(accessoryBox);
  hasAccessories_ = new QCheckBox(QStringLiteral("Tilleggsutstyr"), accessoryBox);
  accessories_ = new ListPanel(
      {QStringLiteral("Nytt tilleggsutsyr..."), QStringLiteral("Oppdater tilleggsutsyr..."),
       QStringLiteral("Slett tilleggsutstyr...")},
      {}, false, accessoryBox);
  const QFontMetrics metrics = accessories_->View().fontMetrics();
  accessories_->View().setMinimumSize(metrics.averageCharWidth() * 22, metrics.lineSpacing() * 4);
  accessoryLayout->addWidget(hasAccessories_);
  accessoryLayout->addWidget(accessories_);

  // The pipe or duct.
  auto* dimensions = new QGroupBox(QStringLiteral("Dimensjoner"), this);
  auto* dimensionGrid = new QGridLayout(dimensions);
  height_ = MakeNumberField(dimensions, s.Height);
  width_ = MakeNumberField(dimensions, s.Width);
  diameter_ = MakeNumberField(dimensions, s.Diameter);
  length_ = MakeNumberField(dimensions, s.Length);
  length_->SetRange(0.1f, 10000.0f);
  AddFieldRow(*dimensionGrid, QString::fromUtf8("Høyde [mm]:"), height_);
  AddFieldRow(*dimensionGrid, QStringLiteral("Bredde [mm]:"), width_);
  AddFieldRow(*dimensionGrid, QStringLiteral("Diameter [mm]:"), diameter_);
  AddFieldRow(*dimensionGrid, QString::fromUtf8("Rørlengde [m]:"), length_);
  horizontal_ = new QRadioButton(QStringLiteral("Horisontal rør-/kanalseksjon"), dimensions);
  vertical_ = new QRadioButton(QStringLiteral("Vertikal rør-/kanalseksjon"), dimensions);
  auto* orientation = new QButtonGroup(dimensions);
  orientation->addButton(horizontal_);
  orientation->addButton(vertical_);
  dimensionGrid->addWidget(horizontal_, dimensionGrid->rowCount(), 0, 1, 2);
  dimensionGrid->addWidget(vertical_, dimensionGrid->rowCount(), 0, 1, 2);

  surroundings_ =
      new SurroundingsGroup(QString::fromUtf8("Omgivelsestemperatur [°C]:"), true, this);
  surroundings_->SetValues(s.Surroundings, s.AmbientTemperature, s.WindSpeed, s.OuterCoefficient);
  surroundings_->Ambient().SetRange(-60.0f, 500.0f);

  auto* inner = new QGroupBox(this);
  auto* innerGrid = new QGridLayout(inner);
  userInner_ = new QCheckBox(QStringLiteral("Indre varmeovergangstall "), inner);
  innerCoefficient_ = MakeNumberField(inner, s.InnerCoefficient);
  innerGrid->addWidget(userInner_, 0, 0, 1, 2);
  AddFieldRow(*innerGrid, QString::fromUtf8("[W/m²K]:"), innerCoefficient_, 22);

  flow_ = new FlowGroup([this] { return CrossSection(); }, this);
  flow_->SetValues(s.FlowUnit, s.Flow);

  auto* hangerBox = new HangerBox(this);
  hangers_ = &hangerBox->Check();

  auto* first = new QVBoxLayout;
  first->addLayout(nameRow);
  first->addWidget(insulation);
  first->addWidget(bare_);
  first->addWidget(accessoryBox, 1);
  Body()->addLayout(
      Columns({first, Column({dimensions, surroundings_}), Column({inner, flow_, hangerBox})}, 0));

  // The names the tests and the help find the fields by.
  name_->setObjectName(QStringLiteral("name"));
  height_->setObjectName(QStringLiteral("height"));
  width_->setObjectName(QStringLiteral("width"));
  diameter_->setObjectName(QStringLiteral("diameter"));
  length_->setObjectName(QStringLiteral("length"));
  innerCoefficient_->setObjectName(QStringLiteral("innerCoefficient"));

  twoLayers_->setChecked(s.TwoLayers != 0);
  hasAccessories_->setChecked(s.HasAccessories != 0);
  (s.Vertical != 0 ? vertical_ : horizontal_)->setChecked(true);
  userInner_->setChecked(s.UserInnerCoefficient != 0);
  hangers_->setChecked(s.UninsulatedHangers != 0);
  ListEditor& editor = accessories_->Editor();
  editor.SetRowFactory([] { return std::make_unique<CTilleggsutstyr>(); });
  editor.SetList(segment_.Accessories);
  layer1_->Show(s.Layer1);
  layer2_->Show(s.Layer2);
  UpdateEnabling();

  for (QCheckBox* box : {twoLayers_, hasAccessories_, userInner_}) {
    connect(box, &QCheckBox::toggled, this, &CSegmentDlg::UpdateEnabling);
  }
  connect(bare_, &QGroupBox::toggled, this, &CSegmentDlg::UpdateEnabling);
  connect(&bare_->RowBox(), &QComboBox::activated, this, [this] {
    if (const auto* surface = static_cast<const COverflate*>(bare_->Row())) {
      bare_->EmissivityField().SetValue(surface->Emissivity, "%.2f");
    }
  });
  connect(layer1_, &LayerButton::clicked, this, [this] { EditLayer(1); });
  connect(layer2_, &LayerButton::clicked, this, [this] { EditLayer(2); });
  name_->setFocus();
}

bool CSegmentDlg::Circular() const {
  return code::IsCircular(segment_.Type);
}

float CSegmentDlg::CrossSection() const {
  if (Circular()) {
    const float d = diameter_->Value().value_or(0.0f) / 1000.0f;
    return kPi * d * d / 4.0f;
  }
  return width_->Value().value_or(0.0f) / 1000.0f * (height_->Value().value_or(0.0f) / 1000.0f);
}

void CSegmentDlg::ReadFields() {
  CSegment& s = segment_;
  s.Name = name_->Text();
  ReadNumber(*height_, s.Height);
  ReadNumber(*width_, s.Width);
  ReadNumber(*diameter_, s.Diameter);
  ReadNumber(*length_, s.Length);
  s.Uninsulated = bare_->isChecked() ? 1 : 0;
  s.TwoLayers = twoLayers_->isChecked() ? 1 : 0;
  s.UserEmissivity = bare_->UserValue() ? 1 : 0;
  s.Surface = static_cast<COverflate*>(bare_->Row());
  bare_->ReadEmissivity(s.Emissivity);
  s.HasAccessories = hasAccessories_->isChecked() ? 1 : 0;
  s.Vertical = vertical_->isChecked() ? 1 : 0;
  surroundings_->ReadValues(s.Surroundings, s.AmbientTemperature, s.WindSpeed, s.OuterCoefficient);
  s.UserInnerCoefficient = userInner_->isChecked() ? 1 : 0;
  ReadNumber(*innerCoefficient_, s.InnerCoefficient);
  flow_->ReadValues(s.FlowUnit, s.Flow);
  s.UninsulatedHangers = hangers_->isChecked() ? 1 : 0;
}

void CSegmentDlg::UpdateEnabling() {
  const code::Geometry type = segment_.Type;
  const bool pipe = type == code::Geometry::Pipe;
  const bool insulated = !bare_->isChecked();
  const bool twoLayersPossible = insulated && type != code::Geometry::InternalDuct;
  diameter_->setEnabled(Circular());
  height_->setEnabled(!Circular());
  width_->setEnabled(!Circular());
  layer1_->setEnabled(insulated);
  twoLayers_->setEnabled(twoLayersPossible);
  layer2_->setEnabled(twoLayersPossible);
  hasAccessories_->setEnabled(pipe);
  accessories_->setEnabled(pipe && hasAccessories_->isChecked());
  hangers_->setEnabled(type != code::Geometry::InternalDuct);
  userInner_->setEnabled(!pipe);
  innerCoefficient_->setEnabled(!pipe && userInner_->isChecked());
}

void CSegmentDlg::EditLayer(int layer) {
  ReadFields();
  CSegment& s = segment_;
  if (layer == 1) {
    s.Layer1.EditInputAt(s.Diameter);
  } else {
    s.Layer2.EditInputAt(s.Diameter + s.Layer1.ThicknessAt(s.Diameter));
  }
  layer1_->Show(s.Layer1);
  layer2_->Show(s.Layer2);
}

bool CSegmentDlg::CheckDimensions() {
  const CSegment& s = segment_;
  switch (s.Type) {
    case code::Geometry::Pipe:
      return CheckRange(ids::LabelDiameter, s.Diameter, 1.0f, 1500.0f, diameter_);
    case code::Geometry::CircularDuct:
      return CheckRange(ids::LabelDiameter, s.Diameter, 1.0f, 3000.0f, diameter_);
    default:
      return CheckRange(ids::LabelHeight, s.Height, 1.0f, 5000.0f, height_) &&
             CheckRange(ids::LabelWidth, s.Width, 1.0f, 5000.0f, width_);
  }
}

bool CSegmentDlg::CheckLayers() {
  const CSegment& s = segment_;
  if (s.Uninsulated != 0) return true;
  // Only the ambient temperature is known here: the medium's is the run's.
  constexpr float kNoMedium = -std::numeric_limits<float>::max();
  const float ambient = s.AmbientTemperature;
  if (!layer1_->CheckProduct(s.Layer1, kNoMedium, ambient) ||
      !s.Layer1.CheckDiameterRange(s.Diameter)) {
    return false;
  }
  if (s.TwoLayers == 0 || s.Type == code::Geometry::InternalDuct) return true;
  return layer2_->CheckProduct(s.Layer2, kNoMedium, ambient) &&
         s.Layer2.CheckDiameterRange(s.Diameter + 2.0f * s.Layer1.ThicknessAt(s.Diameter));
}

bool CSegmentDlg::AcceptInput() {
  ReadFields();
  const CSegment& s = segment_;
  if (!CheckDimensions() || !CheckLayers() || !flow_->CheckValues(*this) ||
      !surroundings_->CheckRanges(*this)) {
    return false;
  }
  if (s.UserInnerCoefficient != 0 && s.Type != code::Geometry::Pipe &&
      !CheckRange(ids::LabelInnerCoefficient, s.InnerCoefficient, 0.0f, 10000.0f,
                  innerCoefficient_)) {
    return false;
  }
  if (s.Uninsulated != 0 && s.Surroundings != code::Surroundings::UserCoefficient &&
      !bare_->Check(*this, ids::SelectSurface, ids::LabelEmissivity)) {
    return false;
  }
  return CheckName(s.Name, name_);
}

}  // namespace kav
