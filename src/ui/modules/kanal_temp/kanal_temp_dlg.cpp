#include "ui/modules/kanal_temp/kanal_temp_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/module_table.h"
#include "core/platform.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "ui/panels/geometry_names.h"
#include "ui/panels/liquid_group.h"
#include "ui/panels/percent_field.h"
#include "ui/panels/picture_box.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"
#include "ui/widgets/multi_button.h"

namespace kav {
namespace {

constexpr std::size_t kMaxSegments = 25;

QPushButton* MakeButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CKanalTempDlg::CKanalTempDlg(KanalTempInputs& inputs, QWidget* parent)
    : CItemDlg(QString::fromUtf8("Temperaturendring i strømmende medie"),
               ModuleAt(CKanalTempModul::kPage).helpTopic, parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("flowingMediumDialog"));
  const KanalTempInputs& in = inputs;

  runType_ = new CMultiButton(QStringLiteral("Kanalror"), 4);
  runType_->SetStateToolTips(GeometryNames().mid(0, 4));  // pipe and the three ducts
  auto* typeBox = new PictureBox(QStringLiteral("Type"), runType_, this);

  liquid_ = new LiquidGroup(this);
  liquid_->SetValues(in);

  // The segments.
  auto* segments = new QGroupBox(QStringLiteral("Segmenter"), this);
  list_ = new QTreeWidget(segments);
  list_->setObjectName(QStringLiteral("segments"));
  list_->setHeaderHidden(true);
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  const QFontMetrics metrics = list_->fontMetrics();
  list_->setMinimumSize(metrics.averageCharWidth() * 20, metrics.lineSpacing() * 8);
  editor_ = new ListEditor(*list_, this);
  new_ = MakeButton(QStringLiteral("Nytt segment..."), segments);
  copy_ = MakeButton(QString::fromUtf8("Kopiér segment..."), segments);
  update_ = MakeButton(QStringLiteral("Oppdater segment..."), segments);
  delete_ = MakeButton(QStringLiteral("Stryk segment"), segments);
  description_ = new QLabel(segments);
  description_->setObjectName(QStringLiteral("description"));
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description_->setMinimumWidth(metrics.averageCharWidth() * 36);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {new_, copy_, update_, delete_}) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* segmentLayout = new QHBoxLayout(segments);
  segmentLayout->addWidget(list_, 1);
  segmentLayout->addLayout(buttons);
  segmentLayout->addWidget(description_, 1);

  auto* run = new QGroupBox(this);
  auto* runGrid = new QGridLayout(run);
  inlet_ = MakeNumberField(run, in.InletTemperature);
  inlet_->setObjectName(QStringLiteral("inletTemperature"));
  AddFieldRow(*runGrid, QString::fromUtf8("Innløpstemperatur i første segment [°C]:"), inlet_);
  calcEnergy_ = new QCheckBox(QStringLiteral("Beregn årlig energitap og energikostnader"), run);
  runGrid->addWidget(calcEnergy_, runGrid->rowCount(), 0, 1, 2);
  hours_ = MakeNumberField(run, in.OperatingHours);
  price_ = MakeNumberField(run, in.EnergyPrice);
  hours_->setObjectName(QStringLiteral("operatingHours"));
  price_->setObjectName(QStringLiteral("energyPrice"));
  AddFieldRow(*runGrid, QString::fromUtf8("Driftstid [timer/år]:"), hours_, 22);
  AddFieldRow(*runGrid, QString::fromUtf8("Energipris [øre/kWh]:"), price_, 22);
  checkDewPoint_ = new QCheckBox(QStringLiteral("Beregn kondensrisiko"), run);
  runGrid->addWidget(checkDewPoint_, runGrid->rowCount(), 0, 1, 2);
  humidity_ = new PercentField(1.0f, 99.0f, "%.1f", run);
  humidity_->SetValue(in.RelativeHumidity);
  AddFieldRow(*runGrid, QStringLiteral("Relativ luftfuktighet ved innløp [%]:"), humidity_, 22);

  auto* top = new QHBoxLayout;
  top->addWidget(typeBox);
  top->addWidget(liquid_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(run);
  bottom->addStretch(1);
  Body()->addLayout(top);
  Body()->addWidget(segments, 1);
  Body()->addLayout(bottom);

  calcEnergy_->setChecked(in.CalcEnergy != 0);
  checkDewPoint_->setChecked(in.CheckDewPoint != 0);
  shownRunType_ = code::ToInt(in.RunType);
  runType_->SetState(shownRunType_);
  editor_->SetRowFactory([this]() -> std::unique_ptr<CListItem> {
    const auto* selected = static_cast<const CSegment*>(editor_->SelectedRow());
    if (copying_) return selected->Clone();
    return inputs_.NewSegment(selected);
  });
  editor_->SetPlacement([this](ObjectList& list, std::unique_ptr<CListItem> row, int index) {
    if (index >= 0) return list.Insert(static_cast<std::size_t>(index), std::move(row));
    const int selected = list.IndexOf(editor_->SelectedRow());
    if (copying_ || selected < 0) return list.Append(std::move(row));
    list.Insert(static_cast<std::size_t>(selected + 1), std::move(row));
  });
  editor_->SetList(inputs_.Segments);
  if (!inputs_.Segments.empty()) editor_->SelectRow(inputs_.Segments.front());
  UpdatePicture();
  UpdateDescription();
  UpdateEnabling();

  connect(runType_, &CMultiButton::clicked, this, &CKanalTempDlg::RunTypeClicked);
  connect(new_, &QPushButton::clicked, this, [this] { AddSegment(false); });
  connect(copy_, &QPushButton::clicked, this, [this] { AddSegment(true); });
  connect(update_, &QPushButton::clicked, editor_, &ListEditor::Update);
  connect(delete_, &QPushButton::clicked, editor_, &ListEditor::Delete);
  connect(editor_, &ListEditor::listChanged, this, [this] {
    UpdatePicture();
    UpdateDescription();
  });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &CKanalTempDlg::UpdateDescription);
  for (QCheckBox* box : {calcEnergy_, checkDewPoint_}) {
    connect(box, &QCheckBox::toggled, this, &CKanalTempDlg::UpdateEnabling);
  }
  runType_->setFocus();
}

bool CKanalTempDlg::Pipes() const {
  return runType_->State() == code::ToInt(code::RunType::Pipes);
}

void CKanalTempDlg::ReadFields() {
  KanalTempInputs& in = inputs_;
  in.RunType = code::FromInt<code::RunType>(runType_->State());
  liquid_->ReadValues(in);
  ReadNumber(*inlet_, in.InletTemperature);
  in.CalcEnergy = calcEnergy_->isChecked() ? 1 : 0;
  ReadNumber(*hours_, in.OperatingHours);
  ReadNumber(*price_, in.EnergyPrice);
  in.CheckDewPoint = checkDewPoint_->isChecked() ? 1 : 0;
  ReadNumber(humidity_->Field(), in.RelativeHumidity);
}

void CKanalTempDlg::UpdateEnabling() {
  const bool pipes = Pipes();
  liquid_->setEnabled(pipes);
  checkDewPoint_->setEnabled(!pipes);
  humidity_->setEnabled(!pipes && checkDewPoint_->isChecked());
  hours_->setEnabled(calcEnergy_->isChecked());
  price_->setEnabled(calcEnergy_->isChecked());
}

void CKanalTempDlg::UpdatePicture() {
  ColourRecord colours;
  const CSegment* first = inputs_.Segments.empty() ? nullptr : inputs_.Segments.front();
  if (first != nullptr) first->Layer1.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  runType_->SetColours(colours);
  runType_->SetVariantFlag(first == nullptr || first->Uninsulated != 0);
}

void CKanalTempDlg::UpdateDescription() {
  const auto* selected = static_cast<const CSegment*>(editor_->SelectedRow());
  description_->setText(selected != nullptr ? QString::fromStdString(selected->Describe())
                                            : QString());
}

void CKanalTempDlg::RunTypeClicked() {
  const int chosen = runType_->State();
  const bool pipesBefore = shownRunType_ == code::ToInt(code::RunType::Pipes);
  if (pipesBefore != Pipes() && !inputs_.Segments.empty()) {
    if (!AskOkCancel(Str(ids::AllSegmentsDeleted), Icon::Exclamation)) {
      runType_->SetState(shownRunType_);
      return;
    }
    inputs_.Segments.Clear();
    inputs_.NextSegmentNumber = 1;
    editor_->Fill();
  }
  shownRunType_ = chosen;
  inputs_.RunType = code::FromInt<code::RunType>(chosen);
  UpdatePicture();
  UpdateDescription();
  UpdateEnabling();
}

void CKanalTempDlg::AddSegment(bool copy) {
  if (inputs_.Segments.size() >= kMaxSegments) {
    ShowMessage(Str(ids::TooManySegments));
    return;
  }
  if (copy && editor_->CurrentRow() == nullptr) return;
  inputs_.RunType = code::FromInt<code::RunType>(runType_->State());
  const int number = inputs_.NextSegmentNumber;
  copying_ = copy;
  const bool added = editor_->New();
  copying_ = false;
  // The number goes up with the segment added: a copy adds one too.
  inputs_.NextSegmentNumber = added ? number + 1 : number;
}

bool CKanalTempDlg::AcceptInput() {
  ReadFields();
  const KanalTempInputs& in = inputs_;
  if (in.Segments.empty()) {
    ShowMessage(Str(ids::SegmentListEmpty));
    FocusField(list_);
    return false;
  }
  if (in.CalcEnergy != 0 &&
      (!CheckRange(ids::LabelEnergyPrice, in.EnergyPrice, 1.0f, 200.0f, price_) ||
       !CheckRange(ids::LabelOperatingTime, in.OperatingHours, 1.0f, 8760.0f, hours_))) {
    return false;
  }
  if (in.RunType == code::RunType::Pipes) {
    if (!liquid_->CheckValues(*this)) return false;
    if (!CheckRange(ids::LabelInletTemperature, in.InletTemperature,
                    liquid_->FreezingPoint() + 0.1f, 1000.0f, inlet_)) {
      return false;
    }
  }
  return true;
}

}  // namespace kav
