#include "ui/modules/lyd/lyd_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/module_table.h"
#include "core/platform.h"
#include "core/strings.h"
#include "data/active_list.h"
#include "modules/lyd/lyd_modul.h"
#include "ui/panels/dimension_box.h"
#include "ui/panels/picture_box.h"
#include "ui/widgets/choice_binder.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/multi_button.h"

namespace kav {
namespace {

using code::DuctType;

constexpr int kDuctTypes = 4;
constexpr int kOwnNameLimit = 60;
constexpr const char* kBandLabels[LydInputs::kBandCount] = {
    "125 Hz :", "250 Hz :", "500 Hz :", "1000 Hz :", "2000 Hz :", "4000 Hz :"};

QStringList DuctTypeNames() {
  QStringList names;
  for (int id : {ids::DuctTypeCircular, ids::DuctTypeRectangular, ids::DuctTypeHorizontalBaffles,
                 ids::DuctTypeVerticalBaffles}) {
    names << QString::fromStdString(Str(id));
  }
  return names;
}

}  // namespace

CLydDlg::CLydDlg(LydInputs& inputs, QWidget* parent)
    : CItemDlg(QStringLiteral("Lydfelleberegning"), ModuleAt(CLydModul::kPage).helpTopic, parent),
      inputs_(inputs) {
  setObjectName(QStringLiteral("soundTrapDialog"));
  const LydInputs& in = inputs;

  // The duct.
  ductType_ = new CMultiButton(QStringLiteral("Kanaltype"), kDuctTypes);
  ductType_->SetStateToolTips(DuctTypeNames());
  auto* typeGroup = new PictureBox(QStringLiteral("Kanaltype"), ductType_, this);

  auto* dimensions = new DimensionBox(QStringLiteral("Dimensjoner kanal"), in.Diameter,
                                      in.DuctHeight, in.DuctWidth, this);
  diameter_ = dimensions->Diameter();
  height_ = dimensions->Height();
  width_ = dimensions->Width();

  // The lining.
  auto* source = new QGroupBox(QStringLiteral("Absorpsjonsprodukt"), this);
  auto* sourceLayout = new QHBoxLayout(source);
  database_ = new QRadioButton(QStringLiteral("KORBU produkt"), source);
  own_ = new QRadioButton(QStringLiteral("Annet produkt"), source);
  auto* sourceChoice = new QButtonGroup(this);
  sourceChoice->addButton(database_);
  sourceChoice->addButton(own_);
  sourceLayout->addWidget(database_);
  sourceLayout->addWidget(own_);
  sourceLayout->addStretch(1);

  databaseGroup_ = new QGroupBox(QStringLiteral("KORBU produkt"), this);
  auto* databaseGrid = new QGridLayout(databaseGroup_);
  productBox_ = new QComboBox(databaseGroup_);
  productBox_->setMinimumContentsLength(36);
  productBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  auto* description = new QLabel(databaseGroup_);
  description->setWordWrap(true);
  description->setForegroundRole(QPalette::PlaceholderText);
  description->setMinimumHeight(description->fontMetrics().lineSpacing() * 3);
  description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  thicknessBox_ = new QComboBox(databaseGroup_);
  thicknessBox_->setMinimumContentsLength(8);
  databaseGrid->addWidget(productBox_, 0, 0, 1, 2);
  databaseGrid->addWidget(description, 1, 0, 1, 2);
  AddFieldRow(*databaseGrid, QStringLiteral("Tykkelse [mm]:"), thicknessBox_);
  databaseGrid->setColumnStretch(1, 1);
  products_ = new ChoiceBinder(*productBox_, description, this);
  thicknesses_ = new ChoiceBinder(*thicknessBox_, nullptr, this);

  ownGroup_ = new QGroupBox(QStringLiteral("Annet produkt"), this);
  auto* ownGrid = new QGridLayout(ownGroup_);
  ownName_ = new TextField(kOwnNameLimit, ownGroup_);
  ownName_->SetText(in.OwnName);
  ownThickness_ = MakeNumberField(ownGroup_, in.OwnThickness);
  ownGrid->addWidget(FieldLabel(QStringLiteral("Produktets navn :"), ownName_), 0, 0);
  ownGrid->addWidget(ownName_, 0, 1, 1, 2);
  AddFieldRow(*ownGrid, QStringLiteral("Tykkelse [mm]:"), ownThickness_);
  auto* coefficients = new QGroupBox(QStringLiteral("Absorpsjonskoeffisienter"), ownGroup_);
  auto* coefficientGrid = new QGridLayout(coefficients);
  for (std::size_t k = 0; k < absorption_.size(); ++k) {
    absorption_[k] = MakeNumberField(coefficients, in.OwnAbsorption[k]);
    absorption_[k]->setObjectName(QStringLiteral("absorption%1").arg(k));
    // Two columns of three bands.
    const int row = static_cast<int>(k % 3);
    const int column = static_cast<int>(k / 3) * 2;
    coefficientGrid->addWidget(FieldLabel(QString::fromLatin1(kBandLabels[k]), absorption_[k]), row,
                               column);
    coefficientGrid->addWidget(absorption_[k], row, column + 1);
  }
  ownGrid->addWidget(coefficients, ownGrid->rowCount(), 0, 1, 3);
  ownGrid->setColumnStretch(2, 1);

  Body()->addLayout(
      Columns({Column({typeGroup, dimensions}), Column({source, databaseGroup_, ownGroup_})}));

  // The names the tests and the help find the fields by.
  productBox_->setObjectName(QStringLiteral("product"));
  thicknessBox_->setObjectName(QStringLiteral("thickness"));
  ownName_->setObjectName(QStringLiteral("ownName"));
  ownThickness_->setObjectName(QStringLiteral("ownThickness"));

  // The inputs.
  ductType_->SetState(std::clamp(code::ToInt(in.DuctType), 0, kDuctTypes - 1));
  (in.UsesOwnValues() ? own_ : database_)->setChecked(true);
  products_->Fill(ActiveList<CAbsorpsjon>(), in.AbsorptionProduct);
  if (in.AbsorptionProduct != nullptr) {
    thicknesses_->Fill(in.AbsorptionProduct->AbsorptionThicknesses, in.AbsorptionThickness);
  }
  UpdateEnabling();
  UpdatePicture();

  connect(ductType_, &CMultiButton::clicked, this, &CLydDlg::DuctTypeClicked);
  connect(sourceChoice, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
    if (!checked) return;
    UpdateEnabling();
    UpdatePicture();
  });
  connect(products_, &ChoiceBinder::rowChosen, this, &CLydDlg::ProductPicked);
  ductType_->setFocus();
}

DuctType CLydDlg::DuctTypeChosen() const {
  return code::FromInt<DuctType>(ductType_->State());
}

void CLydDlg::ReadFields() {
  LydInputs& in = inputs_;
  in.DuctType = DuctTypeChosen();
  ReadNumber(*diameter_, in.Diameter);
  ReadNumber(*height_, in.DuctHeight);
  ReadNumber(*width_, in.DuctWidth);
  in.OwnValues = own_->isChecked() ? 1 : 0;
  in.AbsorptionProduct = products_->ChosenAs<CAbsorpsjon>();
  in.AbsorptionThickness =
      in.AbsorptionProduct != nullptr ? thicknesses_->ChosenAs<CAbsorpsjonTykkelse>() : nullptr;
  in.OwnName = ownName_->Text();
  ReadNumber(*ownThickness_, in.OwnThickness);
  for (std::size_t k = 0; k < absorption_.size(); ++k) {
    ReadNumber(*absorption_[k], in.OwnAbsorption[k]);
  }
}

void CLydDlg::UpdateEnabling() {
  const bool circular = code::IsCircular(DuctTypeChosen());
  // The database's products are for rectangular ducts.
  if (circular) own_->setChecked(true);
  database_->setEnabled(!circular);
  databaseGroup_->setEnabled(database_->isChecked());
  ownGroup_->setEnabled(own_->isChecked());
  diameter_->setEnabled(circular);
  height_->setEnabled(!circular);
  width_->setEnabled(!circular);
}

void CLydDlg::UpdatePicture() {
  LydInputs& in = inputs_;
  in.OwnValues = own_->isChecked() ? 1 : 0;
  in.AbsorptionProduct = products_->ChosenAs<CAbsorpsjon>();
  ColourRecord colours;
  in.PictureColours(colours);
  ductType_->SetColours(colours);
  ductType_->SetVariantFlag(false);
}

void CLydDlg::DuctTypeClicked() {
  UpdateEnabling();
  UpdatePicture();
}

void CLydDlg::ProductPicked() {
  const auto* product = products_->ChosenAs<CAbsorpsjon>();
  if (product != nullptr) {
    const CAbsorpsjonTykkelse* before = thicknesses_->ChosenAs<CAbsorpsjonTykkelse>();
    thicknesses_->Fill(product->AbsorptionThicknesses, nullptr);
    if ((before == nullptr || !thicknesses_->Select(before->Name)) &&
        !product->AbsorptionThicknesses.empty()) {
      thicknesses_->Select(product->AbsorptionThicknesses[0]->Name);
    }
  }
  UpdatePicture();
}

std::pair<float, NumberField*> CLydDlg::FreeDimension() const {
  const LydInputs& in = inputs_;
  switch (in.DuctType) {
    case DuctType::Circular:
      return {in.Diameter, diameter_};
    case DuctType::Rectangular:
      return in.DuctWidth < in.DuctHeight ? std::pair{in.DuctWidth, width_}
                                          : std::pair{in.DuctHeight, height_};
    case DuctType::TopAndBottom:
      return {in.DuctHeight, height_};
    case DuctType::SideWalls:
      return {in.DuctWidth, width_};
  }
  return {in.Diameter, diameter_};
}

bool CLydDlg::AcceptInput() {
  ReadFields();
  LydInputs& in = inputs_;
  float lining = 0.0f;
  if (in.UsesOwnValues()) {
    if (!CheckRange(ids::LabelUserThickness, in.OwnThickness, 1.0f, 500.0f, ownThickness_)) {
      return false;
    }
    for (std::size_t k = 0; k < absorption_.size(); ++k) {
      if (!CheckRange(ids::LabelAbsorption, in.OwnAbsorption[k], 0.0f, 1.0f, absorption_[k])) {
        return false;
      }
    }
    lining = in.OwnThickness;
  } else {
    if (in.AbsorptionProduct == nullptr || in.AbsorptionThickness == nullptr) {
      ShowMessage(Str(ids::SelectAbsorptionProduct));
      productBox_->setFocus();
      return false;
    }
    lining = in.AbsorptionThickness->Thickness;
  }

  if (code::IsCircular(in.DuctType)) {
    if (!CheckRange(ids::LabelDiameter, in.Diameter, 1.0f, 3000.0f, diameter_)) return false;
  } else if (!CheckRange(ids::LabelHeight, in.DuctHeight, 1.0f, 3000.0f, height_) ||
             !CheckRange(ids::LabelWidth, in.DuctWidth, 1.0f, 3000.0f, width_)) {
    return false;
  }

  const auto [free, field] = FreeDimension();
  if (!(free > 2.0f * lining)) {
    ShowMessage(Str(ids::SoundTrapFilled));
    FocusField(field);
    return false;
  }
  return true;
}

}  // namespace kav
