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
#include "data/active_list.h"
#include "data/reference_data.h"
#include "modules/insulation/isolasjon_edit.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"

namespace kav {
namespace {

constexpr int kStandard = 0;
constexpr int kHose = 1;
constexpr int kUser = 2;

template <class T>
T* As(CListItem* row) {
  return static_cast<T*>(row);
}

template <class T>
std::vector<CListItem*> Rows(const std::vector<T*>& rows) {
  return std::vector<CListItem*>(rows.begin(), rows.end());
}

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
  groups_[kStandard]->Show(Rows(edit_.Products), l.Product, l.ThicknessRow, l.OwnThickness != 0,
                           l.Thickness);
  groups_[kHose]->Show(Rows(edit_.HoseProducts), l.HoseProduct, l.HoseSeries,
                       l.OwnHoseThickness != 0, l.HoseThickness);
  groups_[kUser]->Show(Rows(edit_.UserProducts), l.UserProduct, l.UserThicknessRow,
                       l.OwnUserThickness != 0, l.UserThicknessValue);
  sourceRadios_[kStandard]->setEnabled(code::HasUseFlag(l.Usage) ||
                                       l.Source == code::Source::Standard);
  sourceRadios_[kHose]->setEnabled(!edit_.HoseProducts.empty() || l.Source == code::Source::Hose);
  QRadioButton* chosen =
      sourceRadios_[static_cast<std::size_t>(std::clamp(code::ToInt(l.Source), 0, 2))];
  chosen->setChecked(true);
  SourceChosen(sources_->id(chosen));

  jacketing_->Show(ActiveList<CMantling>(), l.Jacketing, l.HasJacketing != 0, l.UserJacketing != 0,
                   l.JacketingEmissivity);
  innerJacketing_->Show(ActiveList<CInnvMantling>(), l.InnerJacketing, l.HasInnerJacketing != 0,
                        l.UserInnerJacketing != 0, l.InnerJacketingEmissivity);
  surface_->Show(ActiveList<COverflate>(), l.Surface, true, l.UserSurface != 0,
                 l.SurfaceEmissivityValue);
}

int CIsolasjonDlg::Source() const {
  return std::max(sources_->checkedId(), 0);
}

void CIsolasjonDlg::SourceChosen(int source) {
  pages_->setCurrentIndex(source);
}

void CIsolasjonDlg::ReadInto(CIsolasjon& l) const {
  l.Source = code::FromInt<code::Source>(Source());
  const ProductChoiceGroup& standard = *groups_[kStandard];
  l.Product = As<CIsoProdukt>(standard.Product());
  l.ThicknessRow = As<CIsoTykkelse>(standard.Row());
  l.OwnThickness = standard.OwnThickness() ? 1 : 0;
  standard.ReadThickness(l.Thickness);

  const ProductChoiceGroup& hose = *groups_[kHose];
  l.HoseProduct = As<CKorbuFlex>(hose.Product());
  l.HoseSeries = As<CKorbuFlexSerie>(hose.Row());
  l.OwnHoseThickness = hose.OwnThickness() ? 1 : 0;
  hose.ReadThickness(l.HoseThickness);

  const ProductChoiceGroup& user = *groups_[kUser];
  l.UserProduct = As<CEgendefIsoProdukt>(user.Product());
  l.UserThicknessRow = As<CIsoTykkelse>(user.Row());
  l.OwnUserThickness = user.OwnThickness() ? 1 : 0;
  user.ReadThickness(l.UserThicknessValue);

  l.HasJacketing = jacketing_->On() ? 1 : 0;
  l.UserJacketing = jacketing_->UserValue() ? 1 : 0;
  l.Jacketing = As<CMantling>(jacketing_->Row());
  jacketing_->ReadEmissivity(l.JacketingEmissivity);
  l.HasInnerJacketing = innerJacketing_->On() ? 1 : 0;
  l.UserInnerJacketing = innerJacketing_->UserValue() ? 1 : 0;
  l.InnerJacketing = As<CInnvMantling>(innerJacketing_->Row());
  innerJacketing_->ReadEmissivity(l.InnerJacketingEmissivity);
  l.UserSurface = surface_->UserValue() ? 1 : 0;
  l.Surface = As<COverflate>(surface_->Row());
  surface_->ReadEmissivity(l.SurfaceEmissivityValue);
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
