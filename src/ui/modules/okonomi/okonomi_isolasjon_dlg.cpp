#include "ui/modules/okonomi/okonomi_isolasjon_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "data/egendef_database.h"
#include "data/kostnad.h"
#include "data/reference_data.h"
#include "modules/okonomi/okonomi_isolasjon_edit.h"
#include "ui/panels/layer_choice.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {

COkoIsolasjonDlg::COkoIsolasjonDlg(OkoIsolasjonEdit& edit, QWidget* parent)
    : CItemDlg(QString::fromUtf8("Økonomisk isolasjon - Isolasjonstype"),
               "::/html/okoiso_isolasjon.htm", parent),
      edit_(edit),
      kinds_(new QButtonGroup(this)),
      jacketing_(new SurfaceChoiceGroup(QStringLiteral("Mantling"), true, this)),
      surface_(new SurfaceChoiceGroup(QStringLiteral("Overflate kanaler"), false, this)),
      innerJacketing_(new SurfaceChoiceGroup(QStringLiteral("Innvendig mantling"), true, this)),
      cost_(new QGroupBox(QStringLiteral("Kostnad inkl. montering"), this)),
      price_(MakeNumberField(cost_, edit.Solution.Price, "%.2f")),
      costList_(new QPushButton(QStringLiteral("Velg kostnadsdata..."), cost_)) {
  setObjectName(QStringLiteral("solutionDialog"));

  auto* type = new QGroupBox(QStringLiteral("Isolasjonstype"), this);
  auto* typeLayout = new QHBoxLayout(type);
  const char* const kindNames[] = {"KORBU produkt", "Cellegummislanger med seriesystem",
                                   "Annet produkt", "Uisolert (ingen isolasjon)"};
  for (int kind = 0; kind < 4; ++kind) {
    auto* radio = new QRadioButton(QString::fromUtf8(kindNames[kind]), type);
    kinds_->addButton(radio, kind);
    typeLayout->addWidget(radio);
    kindRadios_[static_cast<std::size_t>(kind)] = radio;
  }
  Body()->addWidget(type);

  const char* const boxNames[] = {"KORBU produkt", "AF/GUMMIX slanger seriesystem",
                                  "Egenedefinert produkt"};
  const ProductChoiceGroup::Rows rows[] = {ProductChoiceGroup::Rows::Thicknesses,
                                           ProductChoiceGroup::Rows::Series,
                                           ProductChoiceGroup::Rows::Thicknesses};
  auto* products = new QHBoxLayout;
  for (std::size_t kind = 0; kind < groups_.size(); ++kind) {
    auto* box = new QGroupBox(QString::fromUtf8(boxNames[kind]), this);
    auto* boxLayout = new QVBoxLayout(box);
    groups_[kind] = new ProductChoiceGroup(rows[kind], box);
    boxLayout->addWidget(groups_[kind]);
    productBoxes_[kind] = box;
    products->addWidget(box);
  }
  auto* seriesNote =
      new QLabel(QStringLiteral("Bruk hjelpeknappen under for en forklaring av seriesystemet."),
                 productBoxes_[1]);
  seriesNote->setWordWrap(true);
  productBoxes_[1]->layout()->addWidget(seriesNote);
  auto* editUser = new QPushButton(QStringLiteral("Rediger egendef. produkter..."), this);
  editUser->setAutoDefault(false);
  productBoxes_[2]->layout()->addWidget(editUser);
  Body()->addLayout(products);

  auto* covers = new QHBoxLayout;
  covers->addWidget(jacketing_);
  covers->addWidget(surface_);
  covers->addWidget(innerJacketing_);
  Body()->addLayout(covers);

  auto* costLayout = new QGridLayout(cost_);
  const QString unit = QString::fromStdString(UnitWord(edit.Solution.ObjectType));
  AddFieldRow(*costLayout, QStringLiteral("Kostnad [kr/%1]:").arg(unit), price_);
  costList_->setAutoDefault(false);
  costLayout->addWidget(costList_, 0, 2);
  Body()->addWidget(cost_);

  connect(kinds_, &QButtonGroup::idToggled, this, [this](int kind, bool checked) {
    if (checked) KindChosen(kind);
  });
  connect(editUser, &QPushButton::clicked, this, &COkoIsolasjonDlg::EditUserProducts);
  connect(costList_, &QPushButton::clicked, this, &COkoIsolasjonDlg::ChooseCost);
  ShowSolution();
  resize(minimumSizeHint());
}

LayerChoice COkoIsolasjonDlg::Choice() const {
  return {groups_, jacketing_, innerJacketing_, surface_};
}

void COkoIsolasjonDlg::ShowSolution() {
  Choice().Show(edit_.Layer);
  const int kind = edit_.Solution.InsulationKind;
  QRadioButton* chosen =
      kindRadios_[static_cast<std::size_t>(kind >= 0 && kind <= kUninsulated ? kind : 0)];
  chosen->setChecked(true);
  KindChosen(kinds_->id(chosen));
}

int COkoIsolasjonDlg::Kind() const {
  return std::max(kinds_->checkedId(), 0);
}

void COkoIsolasjonDlg::KindChosen(int kind) {
  for (std::size_t k = 0; k < productBoxes_.size(); ++k) {
    productBoxes_[k]->setEnabled(static_cast<int>(k) == kind);
  }
  const bool bare = kind == kUninsulated;
  const bool internal = edit_.Solution.IsInternal();
  jacketing_->setEnabled(!bare && !internal);
  surface_->setEnabled(bare || internal);
  innerJacketing_->setEnabled(internal);
  if (bare) price_->SetValue(0.0f, "%g");
  cost_->setEnabled(!bare);
}

void COkoIsolasjonDlg::EditUserProducts() {
  // What is chosen now stays chosen while the products are edited.
  Choice().ReadInto(edit_.Layer.Layer);
  CEgendefDatabase* database = UserDatabase();
  if (database == nullptr || database->EditInput() == 0) return;
  edit_.Layer.OfferProducts();
  Choice().Show(edit_.Layer);
}

void COkoIsolasjonDlg::ChooseCost() {
  CKostnad* costs = Costs();
  if (costs == nullptr || costs->EditInput() == 0 || costs->Selected == nullptr) return;
  price_->SetValue(costs->Selected->Price, "%.2f");
}

bool COkoIsolasjonDlg::AcceptInput() {
  const int kind = Kind();
  CIsolasjon& layer = edit_.Layer.Layer;
  Choice().ReadInto(layer);
  if (kind < kUninsulated) {
    layer.Source = code::FromInt<code::Source>(kind);
    if (!groups_[static_cast<std::size_t>(kind)]->Check(*this, edit_.Layer)) return false;
  } else if (!surface_->Check(*this, ids::SelectSurface, ids::LabelSurfaceEmissivity)) {
    return false;
  }
  if (jacketing_->isEnabled() &&
      !jacketing_->Check(*this, ids::SelectJacketing, ids::LabelEmissivity)) {
    return false;
  }
  COkonomiIsolasjon& s = edit_.Solution;
  s.InsulationKind = kind;
  ReadNumber(*price_, s.Price);
  edit_.TakeLayer();
  if (edit_.NameTaken()) {
    ShowMessage(Str(ids::AlternativeAlreadyAdded));
    return false;
  }
  if (s.IsInternal()) {
    return innerJacketing_->Check(*this, ids::SelectInnerJacketing,
                                  ids::LabelInnerJacketingEmissivity) &&
           surface_->Check(*this, ids::SelectSurface, ids::LabelSurfaceEmissivity);
  }
  return true;
}

}  // namespace kav
