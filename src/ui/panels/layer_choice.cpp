#include "ui/panels/layer_choice.h"

#include <vector>

#include "data/active_list.h"
#include "modules/insulation/isolasjon_edit.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"

namespace kav {
namespace {

constexpr std::size_t kStandard = 0;
constexpr std::size_t kHose = 1;
constexpr std::size_t kUser = 2;

template <class T>
T* As(CListItem* row) {
  return static_cast<T*>(row);
}

template <class T>
std::vector<CListItem*> Rows(const std::vector<T*>& rows) {
  return std::vector<CListItem*>(rows.begin(), rows.end());
}

}  // namespace

void LayerChoice::Show(const IsolasjonEdit& edit) const {
  const CIsolasjon& l = edit.Layer;
  groups[kStandard]->Show(Rows(edit.Products), l.Product, l.ThicknessRow, l.OwnThickness != 0,
                          l.Thickness);
  groups[kHose]->Show(Rows(edit.HoseProducts), l.HoseProduct, l.HoseSeries, l.OwnHoseThickness != 0,
                      l.HoseThickness);
  groups[kUser]->Show(Rows(edit.UserProducts), l.UserProduct, l.UserThicknessRow,
                      l.OwnUserThickness != 0, l.UserThicknessValue);
  jacketing->Show(ActiveList<CMantling>(), l.Jacketing, l.HasJacketing != 0, l.UserJacketing != 0,
                  l.JacketingEmissivity);
  innerJacketing->Show(ActiveList<CInnvMantling>(), l.InnerJacketing, l.HasInnerJacketing != 0,
                       l.UserInnerJacketing != 0, l.InnerJacketingEmissivity);
  surface->Show(ActiveList<COverflate>(), l.Surface, true, l.UserSurface != 0,
                l.SurfaceEmissivityValue);
}

void LayerChoice::ReadInto(CIsolasjon& l) const {
  const ProductChoiceGroup& standard = *groups[kStandard];
  l.Product = As<CIsoProdukt>(standard.Product());
  l.ThicknessRow = As<CIsoTykkelse>(standard.Row());
  l.OwnThickness = standard.OwnThickness() ? 1 : 0;
  standard.ReadThickness(l.Thickness);

  const ProductChoiceGroup& hose = *groups[kHose];
  l.HoseProduct = As<CKorbuFlex>(hose.Product());
  l.HoseSeries = As<CKorbuFlexSerie>(hose.Row());
  l.OwnHoseThickness = hose.OwnThickness() ? 1 : 0;
  hose.ReadThickness(l.HoseThickness);

  const ProductChoiceGroup& user = *groups[kUser];
  l.UserProduct = As<CEgendefIsoProdukt>(user.Product());
  l.UserThicknessRow = As<CIsoTykkelse>(user.Row());
  l.OwnUserThickness = user.OwnThickness() ? 1 : 0;
  user.ReadThickness(l.UserThicknessValue);

  l.HasJacketing = jacketing->On() ? 1 : 0;
  l.UserJacketing = jacketing->UserValue() ? 1 : 0;
  l.Jacketing = As<CMantling>(jacketing->Row());
  jacketing->ReadEmissivity(l.JacketingEmissivity);
  l.HasInnerJacketing = innerJacketing->On() ? 1 : 0;
  l.UserInnerJacketing = innerJacketing->UserValue() ? 1 : 0;
  l.InnerJacketing = As<CInnvMantling>(innerJacketing->Row());
  innerJacketing->ReadEmissivity(l.InnerJacketingEmissivity);
  l.UserSurface = surface->UserValue() ? 1 : 0;
  l.Surface = As<COverflate>(surface->Row());
  surface->ReadEmissivity(l.SurfaceEmissivityValue);
}

}  // namespace kav
