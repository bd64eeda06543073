#include "ui/panels/product_fields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/platform.h"
#include "core/strings.h"
#include "ui/widgets/color_btn.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/item_dlg.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

const char* const kUseFlagNames[CIsoProdukt::kUseFlagCount] = {
    "Rørisolasjon",
    "Isolering av sirkulær kanal",
    "Utv. isolering av rektangulær kanal",
    "Innv. isolering av rektangulær kanal",
    "Utvendig isolering av flater",
    "Innvendig isolering av flater",
    "Isolering av tanker",
};

}  // namespace

ProductFields::ProductFields(CIsoProdukt& product, const MaxTemperature& maxTemperature,
                             QWidget* parent)
    : QWidget(parent),
      product_(product),
      name_(new TextField(kNameLimit, this)),
      minThickness_(MakeRangedField(this, product.MinThickness, 0.0f, 1000.0f)),
      maxThickness_(MakeRangedField(this, product.MaxThickness, 0.0f, 2000.0f)),
      maxTemperature_(
          MakeRangedField(this, product.MaxTemperature, maxTemperature.min, maxTemperature.max)),
      emissivity_(MakeRangedField(this, product.SurfaceEmissivity, 0.0f, 1.0f)),
      insulationColour_(new CColorBtn(this)),
      surfaceColour_(new CColorBtn(this)),
      thicknesses_(nullptr),
      notOuterLayer_(nullptr) {
  name_->SetText(product.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  name_->setObjectName(QStringLiteral("name"));
  minThickness_->setObjectName(QStringLiteral("minThickness"));
  maxThickness_->setObjectName(QStringLiteral("maxThickness"));
  maxTemperature_->setObjectName(QStringLiteral("maxTemperature"));
  emissivity_->setObjectName(QStringLiteral("surfaceEmissivity"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FieldLabel(QStringLiteral("Produktets navn :"), name_));
  layout->addWidget(name_);
  auto* numbers = new QGridLayout;
  AddFieldRow(*numbers, QStringLiteral("Min. tykkelse [mm]:"), minThickness_);
  AddFieldRow(*numbers, QStringLiteral("Maks. tykkelse [mm]:"), maxThickness_);
  AddFieldRow(*numbers, maxTemperature.label, maxTemperature_);
  AddFieldRow(*numbers, QStringLiteral("Emissivitet oveflate:"), emissivity_);
  numbers->setColumnStretch(2, 1);
  layout->addLayout(numbers);

  insulationColour_->SetColour(product.InsulationColour);
  surfaceColour_->SetColour(product.SurfaceColour);
  layout->addLayout(ColourChoiceRow(
      new QPushButton(QStringLiteral("Sett isolasjonsfarge..."), this), insulationColour_));
  layout->addLayout(ColourChoiceRow(new QPushButton(QStringLiteral("Sett overflatefarge..."), this),
                                    surfaceColour_));

  auto* standard = new QGroupBox(QStringLiteral("Standard tykkelser [mm]"), this);
  auto* standardLayout = new QVBoxLayout(standard);
  thicknesses_ =
      new ListPanel({QStringLiteral("Ny tykkelse..."), QStringLiteral("Oppdater tykkelse..."),
                     QStringLiteral("Slett tykkelse...")},
                    {}, false, standard);
  thicknesses_->View().setMinimumHeight(thicknesses_->View().fontMetrics().lineSpacing() * 6);
  standardLayout->addWidget(thicknesses_);
  layout->addWidget(standard, 1);
  // The thicknesses stay ascending; one that a calculation has chosen
  // stays too, so that the calculation keeps a thickness to refer to.
  EditOrdered(thicknesses_->Editor(), product.Thicknesses);
  RefuseRowsInUse(thicknesses_->Editor(), ids::ElementInUse);

  auto* use = new QGroupBox(QString::fromUtf8("Bruksområde"), this);
  auto* useLayout = new QVBoxLayout(use);
  for (std::size_t i = 0; i < useFlags_.size(); ++i) {
    useFlags_[i] = new QCheckBox(QString::fromUtf8(kUseFlagNames[i]), use);
    useFlags_[i]->setChecked(product.UseFlags[i] != 0);
    useLayout->addWidget(useFlags_[i]);
  }
  layout->addWidget(use);
  notOuterLayer_ =
      new QCheckBox(QStringLiteral("Kan ikke brukes som ytterste lag ved 2-lags isolasjon"), this);
  notOuterLayer_->setChecked(product.NotOuterLayer != 0);
  layout->addWidget(notOuterLayer_);
}

bool ProductFields::Check(CItemDlg& dialog) const {
  const bool used = std::any_of(useFlags_.begin(), useFlags_.end(),
                                [](const QCheckBox* box) { return box->isChecked(); });
  if (!used) {
    ShowMessage(Str(ids::AtLeastOneFieldOfUse));
    useFlags_[0]->setFocus();
    return false;
  }
  const TypedList<CIsoTykkelse>& rows = product_.Thicknesses;
  if (rows.empty()) {
    ShowMessage(Str(ids::AtLeastOneThickness));
    thicknesses_->NewButton().setFocus();
    return false;
  }
  float min = product_.MinThickness;
  float max = product_.MaxThickness;
  ReadNumber(*minThickness_, min);
  ReadNumber(*maxThickness_, max);
  if (rows.front()->Thickness < min) {
    ShowMessage(Str(ids::StandardThicknessBelowMin));
    FocusField(minThickness_);
    return false;
  }
  if (rows.back()->Thickness > max) {
    ShowMessage(Str(ids::StandardThicknessAboveMax));
    FocusField(maxThickness_);
    return false;
  }
  return dialog.CheckName(name_->Text(), name_);
}

void ProductFields::ReadInto(CIsoProdukt& product) const {
  product.Name = name_->Text();
  ReadNumber(*minThickness_, product.MinThickness);
  ReadNumber(*maxThickness_, product.MaxThickness);
  ReadNumber(*maxTemperature_, product.MaxTemperature);
  ReadNumber(*emissivity_, product.SurfaceEmissivity);
  product.InsulationColour = insulationColour_->Colour();
  product.SurfaceColour = surfaceColour_->Colour();
  for (std::size_t i = 0; i < useFlags_.size(); ++i) {
    product.UseFlags[i] = useFlags_[i]->isChecked() ? 1 : 0;
  }
  product.NotOuterLayer = notOuterLayer_->isChecked() ? 1 : 0;
}

}  // namespace kav
