#include "ui/panels/product_choice_group.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "core/platform.h"
#include "core/strings.h"
#include "data/iso_produkt.h"
#include "data/korbuflex.h"
#include "modules/insulation/isolasjon_edit.h"
#include "ui/widgets/choice_binder.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

ProductChoiceGroup::ProductChoiceGroup(Rows rows, QWidget* parent)
    : QWidget(parent),
      rows_(rows),
      productBox_(new QComboBox(this)),
      description_(new QLabel(this)),
      standard_(new QRadioButton(
          rows == Rows::Series ? QStringLiteral("Serie:") : QStringLiteral("Std. tykkelse [mm]:"),
          this)),
      rowBox_(new QComboBox(this)),
      own_(new QRadioButton(QStringLiteral("Egendef. tykkelse [mm]:"), this)),
      thickness_(MakeNumberField(this, 50.0f)),
      range_(new QLabel(this)),
      products_(new ChoiceBinder(*productBox_, description_, this)),
      rowChoice_(new ChoiceBinder(*rowBox_, nullptr, this)) {
  productBox_->setObjectName(QStringLiteral("product"));
  rowBox_->setObjectName(QStringLiteral("row"));
  thickness_->setObjectName(QStringLiteral("thickness"));
  productBox_->setMinimumContentsLength(36);
  productBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  rowBox_->setMinimumContentsLength(rows == Rows::Series ? 16 : 8);
  description_->setWordWrap(true);
  description_->setForegroundRole(QPalette::PlaceholderText);
  description_->setMinimumHeight(description_->fontMetrics().lineSpacing() * 3);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* choice = new QButtonGroup(this);
  choice->addButton(standard_);
  choice->addButton(own_);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(FieldLabel(QStringLiteral("Produkt:"), productBox_), 0, 0);
  grid->addWidget(productBox_, 0, 1, 1, 2);
  grid->addWidget(description_, 1, 1, 1, 2);
  grid->addWidget(standard_, 2, 0);
  grid->addWidget(rowBox_, 2, 1);
  grid->addWidget(range_, 2, 2);
  grid->addWidget(own_, 3, 0);
  grid->addWidget(thickness_, 3, 1, Qt::AlignLeft);
  grid->setColumnStretch(2, 1);

  connect(products_, &ChoiceBinder::rowChosen, this, &ProductChoiceGroup::ProductPicked);
  connect(rowChoice_, &ChoiceBinder::rowChosen, this, &ProductChoiceGroup::UpdateRange);
  connect(choice, &QButtonGroup::buttonToggled, this, [this] { UpdateEnabling(); });
  standard_->setChecked(true);
}

void ProductChoiceGroup::Show(const std::vector<CListItem*>& products, CListItem* product,
                              CListItem* row, bool ownThickness, float thickness) {
  products_->Fill(products, product);
  const CIsoProdukt* chosen = Product();
  if (chosen != nullptr) {
    rowChoice_->Fill(chosen->SubRows(), row);
  } else {
    rowChoice_->Fill(std::vector<CListItem*>(), nullptr);
  }
  (ownThickness ? own_ : standard_)->setChecked(true);
  thickness_->SetValue(thickness, "%g");
  UpdateEnabling();
}

void ProductChoiceGroup::SetThicknessGiven(bool given) {
  thicknessGiven_ = given;
  UpdateEnabling();
}

CIsoProdukt* ProductChoiceGroup::Product() const {
  return products_->ChosenAs<CIsoProdukt>();
}

CListItem* ProductChoiceGroup::Row() const {
  return rowChoice_->Chosen();
}

bool ProductChoiceGroup::OwnThickness() const {
  return own_->isChecked();
}

void ProductChoiceGroup::ReadThickness(float& thickness) const {
  ReadNumber(*thickness_, thickness);
}

void ProductChoiceGroup::ProductPicked() {
  // The same thickness of the newly chosen product, when it has one.
  const QString previous = rowBox_->currentText();
  const CIsoProdukt* product = Product();
  if (product != nullptr) {
    rowChoice_->Fill(product->SubRows(), nullptr);
    rowChoice_->Select(previous.toStdString());
  } else {
    rowChoice_->Fill(std::vector<CListItem*>(), nullptr);
  }
  UpdateRange();
}

void ProductChoiceGroup::UpdateEnabling() {
  standard_->setEnabled(thicknessGiven_);
  own_->setEnabled(thicknessGiven_);
  rowBox_->setEnabled(thicknessGiven_ && standard_->isChecked());
  thickness_->setEnabled(thicknessGiven_ && own_->isChecked());
  UpdateRange();
}

void ProductChoiceGroup::UpdateRange() {
  QString text;
  const CListItem* row = thicknessGiven_ && standard_->isChecked() ? Row() : nullptr;
  if (const auto* series = dynamic_cast<const CKorbuFlexSerie*>(row)) {
    text = QString::fromStdString(
        FormatId(ids::PipeDiameterRange, series->MinDiameter, series->MaxDiameter));
  } else if (const auto* thickness = dynamic_cast<const CIsoTykkelse*>(row);
             thickness != nullptr && thickness->DiameterLimited != 0) {
    text = QString::fromStdString(
        FormatId(ids::PipeDiameterRange, thickness->MinDiameter, thickness->MaxDiameter));
  }
  range_->setText(text);
}

bool ProductChoiceGroup::Check(CItemDlg& dialog, const IsolasjonEdit& edit) const {
  const CIsoProdukt* product = edit.Layer.ActiveProduct();
  if (product == nullptr) {
    ShowMessage(Str(ids::SelectInsulationProduct));
    FocusField(productBox_);
    return false;
  }
  if (!thicknessGiven_) return true;
  const bool series = rows_ == Rows::Series;
  if (!OwnThickness()) {
    if (Row() == nullptr) {
      ShowMessage(Str(series ? ids::SelectHoseSeries : ids::SelectInsulationThickness));
      FocusField(rowBox_);
      return false;
    }
    return edit.Layer.CheckDiameterRange(edit.PipeDiameter);
  }
  if (!edit.CheckOwnThickness()) return false;
  float thickness = 0.0f;
  ReadThickness(thickness);
  float min = 0.0f;
  float max = 0.0f;
  product->ThicknessLimits(min, max);
  return dialog.CheckRange(series ? ids::LabelHoseThickness : ids::LabelThickness, thickness, min,
                           max, thickness_);
}

}  // namespace kav
