#include "ui/modules/insulation/isolasjon_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/strings.h"
#include "data/reference_data.h"
#include "modules/insulation/isolasjon_edit.h"
#include "ui/panels/layer_choice.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"

namespace kav {
namespace {

constexpr int kStandard = 0;
constexpr int kHose = 1;
constexpr int kUser = 2;

}  // namespace

CIsolasjonDlg::CIsolasjonDlg(IsolasjonEdit& edit, QWidget* parent)
    : CItemDlg(QStringLiteral("Isolasjon"), "::/html/isolering.htm", parent),
      edit_(edit),
      sources_(new QButtonGroup(this)),
      editUserProducts_(nullptr),
      pages_(nullptr),
      jacketing_(nullptr),
      innerJacketing_(nullptr),
      surface_(nullptr) {
  setObjectName(QStringLiteral("layerDialog"));

  auto* type = new QGroupBox(QStringLiteral("Isolasjonstype"), this);
  auto* typeLayout = new QVBoxLayout(type);
  auto* radios = new QHBoxLayout;
  const char* const sourceNames[] = {"KORBU produkt", "Cellegummislanger m. seriesystem",
                                     "Egendefinert"};
  for (int source = 0; source < 3; ++source) {
    auto* radio = new QRadioButton(QString::fromUtf8(sourceNames[source]), type);
    sources_->addButton(radio, source);
    radios->addWidget(radio);
    sourceRadios_[static_cast<std::size_t>(source)] = radio;
  }
  radios->addStretch(1);
  editUserProducts_ = new QPushButton(QStringLiteral("Rediger egendef. produkter..."), type);
  editUserProducts_->setAutoDefault(false);
  radios->addWidget(editUserProducts_);
  typeLayout->addLayout(radios);

  pages_ = new QStackedWidget(type);
  const ProductChoiceGroup::Rows rows[] = {ProductChoiceGroup::Rows::Thicknesses,
                                           ProductChoiceGroup::Rows::Series,
                                           ProductChoiceGroup::Rows::Thicknesses};
  const char* const pageNames[] = {"standardProduct", "hoseProduct", "userProduct"};
  for (std::size_t source = 0; source < groups_.size(); ++source) {
    groups_[source] = new ProductChoiceGroup(rows[source], pages_);
    groups_[source]->setObjectName(QString::fromLatin1(pageNames[source]));
    pages_->addWidget(groups_[source]);
  }
  typeLayout->addWidget(pages_);
  Body()->addWidget(type);

  jacketing_ = new SurfaceChoiceGroup(QStringLiteral("Mantling"), true, this);
  innerJacketing_ = new SurfaceChoiceGroup(QStringLiteral("Innvendig mantling"), true, this);
  surface_ = new SurfaceChoiceGroup(QStringLiteral("Overflate kanaler"), false, this);
  auto* covers = new QHBoxLayout;
  covers->addWidget(jacketing_);
  covers->addWidget(innerJacketing_);
  covers->addWidget(surface_);
  Body()->addLayout(covers);

  connect(sources_, &QButtonGroup::idToggled, this, [this](int source, bool checked) {
    if (checked) SourceChosen(source);
  });
  connect(editUserProducts_, &QPushButton::clicked, this, &CIsolasjonDlg::EditUserProducts);

  const CIsolasjon& layer = edit_.Layer;
  const bool internal = layer.IsInternal();
  jacketing_->setVisible(!internal);
  innerJacketing_->setVisible(internal);
  surface_->setVisible(internal);
  for (ProductChoiceGroup* group : groups_) group->SetThicknessGiven(layer.ThicknessGiven != 0);
  ShowLayer();
  resize(minimumSizeHint());
}

void CIsolasjonDlg::ShowLayer() {
  const CIsolasjon& l = edit_.Layer;
  Choice().Show(edit_);
  sourceRadios_[kStandard]->setEnabled(code::HasUseFlag(l.Usage) ||
                                       l.Source == code::Source::Standard);
  sourceRadios_[kHose]->setEnabled(!edit_.HoseProducts.empty() || l.Source == code::Source::Hose);
  QRadioButton* chosen =
      sourceRadios_[static_cast<std::size_t>(std::clamp(code::ToInt(l.Source), 0, 2))];
  chosen->setChecked(true);
  SourceChosen(sources_->id(chosen));
}

LayerChoice CIsolasjonDlg::Choice() const {
  return {groups_, jacketing_, innerJacketing_, surface_};
}

int CIsolasjonDlg::Source() const {
  return std::max(sources_->checkedId(), 0);
}

void CIsolasjonDlg::SourceChosen(int source) {
  pages_->setCurrentIndex(source);
}

void CIsolasjonDlg::ReadInto(CIsolasjon& l) const {
  l.Source = code::FromInt<code::Source>(Source());
  Choice().ReadInto(l);
}

void CIsolasjonDlg::EditUserProducts() {
  // What is chosen now becomes the layer's, so that it follows the edited
  // products.
  ReadInto(edit_.Layer);
  CEgendefDatabase* database = UserDatabase();
  if (database == nullptr || database->EditInput() == 0) return;
  edit_.OfferProducts();
  ShowLayer();
}

bool CIsolasjonDlg::AcceptInput() {
  ReadInto(edit_.Layer);
  if (!groups_[static_cast<std::size_t>(Source())]->Check(*this, edit_)) return false;
  if (!edit_.Layer.IsInternal()) {
    return jacketing_->Check(*this, ids::SelectJacketing, ids::LabelEmissivity);
  }
  return innerJacketing_->Check(*this, ids::SelectInnerJacketing,
                                ids::LabelInnerJacketingEmissivity) &&
         surface_->Check(*this, ids::SelectSurface, ids::LabelSurfaceEmissivity);
}

}  // namespace kav
