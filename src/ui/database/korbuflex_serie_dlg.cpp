#include "ui/database/korbuflex_serie_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/korbuflex.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/list_editor.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

CKorbuFlexSerieDlg::CKorbuFlexSerieDlg(CKorbuFlexSerie& series, QWidget* parent)
    : CItemDlg(QStringLiteral("Serie Cellegummislanger"), "::/html/gummix_serie.htm", parent),
      series_(series),
      name_(new TextField(kNameLimit, this)),
      minDiameter_(MakeNumberField(this, series.MinDiameter)),
      maxDiameter_(MakeNumberField(this, series.MaxDiameter)),
      steps_(nullptr) {
  setObjectName(QStringLiteral("seriesDialog"));
  name_->SetText(series.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 30);
  minDiameter_->setObjectName(QStringLiteral("minDiameter"));
  maxDiameter_->setObjectName(QStringLiteral("maxDiameter"));
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QString::fromUtf8("Navn på serie :"), name_);
  AddFieldRow(*grid, QString::fromUtf8("Minste standard rørdiameter [mm]:"), minDiameter_);
  AddFieldRow(*grid, QString::fromUtf8("Største standard rørdiameter [mm]:"), maxDiameter_);
  Body()->addLayout(grid);

  auto* box = new QGroupBox(QStringLiteral("Isolasjonstykkelser"), this);
  auto* boxLayout = new QVBoxLayout(box);
  steps_ = new ListPanel({QStringLiteral("Ny tykkelse..."), QStringLiteral("Oppdater tykkelse..."),
                          QStringLiteral("Slett tykkelse...")},
                         {}, false, box);
  steps_->View().setMinimumSize(steps_->View().fontMetrics().averageCharWidth() * 34,
                                steps_->View().fontMetrics().lineSpacing() * 8);
  boxLayout->addWidget(steps_);
  Body()->addWidget(box, 1);
  EditOrdered(steps_->Editor(), series.SeriesThicknesses);
  // The product's other series: the edited one is out of the list.
  SetNameList(ListEditor::ListInEdit());
  name_->setFocus();
}

bool CKorbuFlexSerieDlg::AcceptInput() {
  const TypedList<CKorbuFlexTykkelse>& steps = series_.SeriesThicknesses;
  if (steps.empty()) {
    ShowMessage(Str(ids::AtLeastOneThickness));
    steps_->NewButton().setFocus();
    return false;
  }
  float min = series_.MinDiameter;
  float max = series_.MaxDiameter;
  ReadNumber(*minDiameter_, min);
  ReadNumber(*maxDiameter_, max);
  const float first = steps.front()->MaxDiameter;
  const float last = steps.back()->MaxDiameter;
  if (first < min || min < 0.0f) {
    ShowMessage(FormatId(ids::MinStandardDiameterRange, first));
    FocusField(minDiameter_);
    return false;
  }
  if (last > max) {
    ShowMessage(FormatId(ids::MaxStandardDiameterAtLeast, last));
    FocusField(maxDiameter_);
    return false;
  }
  if (!CheckName(name_->Text(), name_)) return false;
  series_.Name = name_->Text();
  series_.MinDiameter = min;
  series_.MaxDiameter = max;
  return true;
}

}  // namespace kav
