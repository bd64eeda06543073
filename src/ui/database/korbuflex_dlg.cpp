#include "ui/database/korbuflex_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/active_list.h"
#include "data/korbuflex.h"
#include "ui/database/coefficient_fields.h"
#include "ui/widgets/color_btn.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

CKorbuFlexDlg::CKorbuFlexDlg(CKorbuFlex& product, QWidget* parent)
    : CItemDlg(QStringLiteral("Cellegummislanger (seriesystem)"), "::/html/gummix.htm", parent),
      product_(product),
      name_(new TextField(kNameLimit, this)),
      maxTemperature_(MakeRangedField(this, product.MaxTemperature, 0.0f, 2000.0f)),
      emissivity_(MakeRangedField(this, product.SurfaceEmissivity, 0.0f, 1.0f)),
      series_(nullptr),
      minThickness_(nullptr),
      maxThickness_(nullptr),
      insulationColour_(new CColorBtn(this)),
      surfaceColour_(new CColorBtn(this)),
      notOuterLayer_(new QCheckBox(
          QStringLiteral("Produktet kan ikke brukes som ytterste lag ved 2-lags isolasjon"),
          this)) {
  setObjectName(QStringLiteral("hoseProductDialog"));
  name_->SetText(product.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  maxTemperature_->setObjectName(QStringLiteral("maxTemperature"));
  emissivity_->setObjectName(QStringLiteral("surfaceEmissivity"));

  auto* left = new QVBoxLayout;
  left->addWidget(FieldLabel(QStringLiteral("Produktets navn :"), name_));
  left->addWidget(name_);
  auto* numbers = new QGridLayout;
  AddFieldRow(*numbers, QString::fromUtf8("Maks. temp. [°C]:"), maxTemperature_);
  AddFieldRow(*numbers, QStringLiteral("Emissivitet oveflate:"), emissivity_);
  coefficients_ = std::make_unique<CoefficientFields>(this, *numbers, product);
  numbers->setColumnStretch(2, 1);
  left->addLayout(numbers);
  insulationColour_->SetColour(product.InsulationColour);
  surfaceColour_->SetColour(product.SurfaceColour);
  left->addLayout(ColourChoiceRow(new QPushButton(QStringLiteral("Sett isolasjonsfarge..."), this),
                                  insulationColour_));
  left->addLayout(ColourChoiceRow(new QPushButton(QStringLiteral("Sett overflatefarge..."), this),
                                  surfaceColour_));
  notOuterLayer_->setChecked(product.NotOuterLayer != 0);
  left->addWidget(notOuterLayer_);
  left->addStretch(1);

  auto* seriesBox = new QGroupBox(QStringLiteral("Serier"), this);
  auto* seriesLayout = new QVBoxLayout(seriesBox);
  series_ = new ListPanel({QStringLiteral("Ny serie..."), QStringLiteral("Oppdater serie..."),
                           QStringLiteral("Slett serie...")},
                          {}, false, seriesBox);
  series_->View().setMinimumSize(series_->View().fontMetrics().averageCharWidth() * 30,
                                 series_->View().fontMetrics().lineSpacing() * 8);
  seriesLayout->addWidget(series_, 1);
  // A series a calculation has chosen stays, so that it keeps one to refer to.
  EditOrdered(series_->Editor(), product.Series);
  RefuseRowsInUse(series_->Editor(), ids::ElementInUse);
  minThickness_ = MakeRangedField(seriesBox, product.MinThickness, 0.0f, 1000.0f);
  maxThickness_ = MakeRangedField(seriesBox, product.MaxThickness, 0.0f, 2000.0f);
  minThickness_->setObjectName(QStringLiteral("minThickness"));
  maxThickness_->setObjectName(QStringLiteral("maxThickness"));
  auto* limits = new QGridLayout;
  AddFieldRow(*limits, QStringLiteral("Min. tykkelse [mm]:"), minThickness_);
  AddFieldRow(*limits, QStringLiteral("Maks. tykkelse [mm]:"), maxThickness_);
  limits->setColumnStretch(2, 1);
  seriesLayout->addLayout(limits);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(seriesBox, 1);
  Body()->addLayout(columns);
  // The product is out of the list while it is edited.
  SetNameList(&ActiveList<CKorbuFlex>());
  name_->setFocus();
}

CKorbuFlexDlg::~CKorbuFlexDlg() = default;

bool CKorbuFlexDlg::AcceptInput() {
  if (product_.Series.empty()) {
    ShowMessage(Str(ids::AtLeastOneSeries));
    series_->NewButton().setFocus();
    return false;
  }
  if (!CheckName(name_->Text(), name_)) return false;
  product_.Name = name_->Text();
  ReadNumber(*maxTemperature_, product_.MaxTemperature);
  ReadNumber(*emissivity_, product_.SurfaceEmissivity);
  coefficients_->ReadInto(product_);
  ReadNumber(*minThickness_, product_.MinThickness);
  ReadNumber(*maxThickness_, product_.MaxThickness);
  product_.InsulationColour = insulationColour_->Colour();
  product_.SurfaceColour = surfaceColour_->Colour();
  product_.NotOuterLayer = notOuterLayer_->isChecked() ? 1 : 0;
  return true;
}

}  // namespace kav
