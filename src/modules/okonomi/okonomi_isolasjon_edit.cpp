#include "modules/okonomi/okonomi_isolasjon_edit.h"

namespace kav {
namespace {

CIsolasjon LayerOf(const COkonomiIsolasjon& s) {
  CIsolasjon l(code::UsageFor(s.ObjectType), 1, 1);
  static_cast<InsulationRows&>(l) = s;
  l.Source = s.InsulationKind >= 0 && s.InsulationKind < kUninsulated
                 ? code::FromInt<code::Source>(s.InsulationKind)
                 : code::Source::Standard;
  l.OwnThickness = s.OwnThickness;
  l.Thickness = s.OwnThicknessValue;
  l.OwnHoseThickness = s.HoseOwnThickness;
  l.HoseThickness = s.HoseOwnThicknessValue;
  l.OwnUserThickness = s.UserOwnThickness;
  l.UserThicknessValue = s.UserOwnThicknessValue;
  l.HasJacketing = s.HasJacketing;
  l.UserJacketing = s.OwnJacketingEmissivity;
  l.JacketingEmissivity = s.JacketingEmissivity;
  l.HasInnerJacketing = s.HasInnerJacketing;
  l.UserInnerJacketing = s.OwnInnerJacketingEmissivity;
  l.InnerJacketingEmissivity = s.InnerJacketingEmissivity;
  l.UserSurface = s.OwnSurfaceEmissivity;
  l.SurfaceEmissivityValue = s.SurfaceEmissivityValue;
  return l;
}

}  // namespace

OkoIsolasjonEdit::OkoIsolasjonEdit(const COkonomiIsolasjon& solution, float pipeDiameter,
                                   const ObjectList* names, const CListItem* self)
    : Solution(solution), Layer(LayerOf(solution), pipeDiameter), Names(names), Self(self) {}

void OkoIsolasjonEdit::TakeLayer() {
  const CIsolasjon& l = Layer.Layer;
  COkonomiIsolasjon& s = Solution;
  static_cast<InsulationRows&>(s) = l;
  s.OwnThickness = l.OwnThickness;
  s.OwnThicknessValue = l.Thickness;
  s.HoseOwnThickness = l.OwnHoseThickness;
  s.HoseOwnThicknessValue = l.HoseThickness;
  s.UserOwnThickness = l.OwnUserThickness;
  s.UserOwnThicknessValue = l.UserThicknessValue;
  s.HasJacketing = l.HasJacketing;
  s.OwnJacketingEmissivity = l.UserJacketing;
  s.JacketingEmissivity = l.JacketingEmissivity;
  s.HasInnerJacketing = l.HasInnerJacketing;
  s.OwnInnerJacketingEmissivity = l.UserInnerJacketing;
  s.InnerJacketingEmissivity = l.InnerJacketingEmissivity;
  s.OwnSurfaceEmissivity = l.UserSurface;
  s.SurfaceEmissivityValue = l.SurfaceEmissivityValue;
  s.ComposeName();
}

bool OkoIsolasjonEdit::NameTaken() const {
  if (Names == nullptr) return false;
  for (std::size_t i = 0; i < Names->size(); ++i) {
    const CListItem* item = Names->at(i);
    if (item != Self && item->Name == Solution.Name) return true;
  }
  return false;
}

}  // namespace kav
