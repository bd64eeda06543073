#include "modules/insulation/isolasjon_edit.h"

#include "core/editors.h"
#include "core/platform.h"
#include "core/strings.h"
#include "data/active_list.h"

namespace kav {
namespace {

// Whether a product may be offered for `usage` at this position.
bool Offered(const CIsoProdukt& product, code::Usage usage, bool firstLayer) {
  if (!firstLayer && product.NotOuterLayer != 0) return false;
  if (usage == code::Usage::CircularDuctInside) return true;
  const int flag = code::ToInt(usage);
  return code::HasUseFlag(usage) && flag < CIsoProdukt::kUseFlagCount &&
         product.UseFlags[static_cast<std::size_t>(flag)] != 0;
}

// Asks whether to go on with a typed-in thickness that coincides with
// standard ones (`coincides`) none of which may be used at the pipe
// diameter d (CheckDiameter); `what` names the product of a row.
template <class Row, class Coincides, class What>
bool AskCoincidence(const TypedList<Row>& rows, Coincides coincides, What what, float d) {
  const Row* outside = nullptr;
  for (const Row* row : rows) {
    if (!coincides(*row)) continue;
    if (row->CheckDiameter(d) == 0) return true;
    if (outside == nullptr) outside = row;
  }
  if (outside == nullptr) return true;
  const int message = outside->CheckDiameter(d) == 1 ? ids::OwnThicknessBelowStandardRange
                                                     : ids::OwnThicknessAboveStandardRange;
  return AskOkCancel(FormatId(message, what(*outside), d));
}

bool AskProductCoincidence(const CIsoProdukt* product, float thickness, float d) {
  if (product == nullptr) return true;
  return AskCoincidence(
      product->Thicknesses,
      [thickness](const CIsoTykkelse& row) { return row.Thickness == thickness; },
      [product](const CIsoTykkelse&) { return product->Name; }, d);
}

bool AskHoseCoincidence(const CKorbuFlex* hose, float thickness, float d) {
  if (hose == nullptr) return true;
  return AskCoincidence(
      hose->Series, [thickness](const CKorbuFlexSerie& s) { return s.HasThickness(thickness); },
      [hose](const CKorbuFlexSerie& s) { return hose->Name + " " + s.Name; }, d);
}

}  // namespace

IsolasjonEdit::IsolasjonEdit(const CIsolasjon& layer, float pipeDiameter)
    : Layer(layer), PipeDiameter(pipeDiameter) {
  OfferProducts();
}

void IsolasjonEdit::OfferProducts() {
  const code::Usage usage = Layer.Usage;
  const bool first = Layer.FirstLayer != 0;
  Products.clear();
  HoseProducts.clear();
  UserProducts.clear();
  if (code::HasUseFlag(usage)) {
    for (CIsoProdukt* product : ActiveList<CIsoProdukt>()) {
      if (Offered(*product, usage, first)) Products.push_back(product);
    }
  }
  if (usage == code::Usage::Pipe) {
    for (CKorbuFlex* hose : ActiveList<CKorbuFlex>()) {
      if (first || hose->NotOuterLayer == 0) HoseProducts.push_back(hose);
    }
  }
  for (CEgendefIsoProdukt* product : ActiveList<CEgendefIsoProdukt>()) {
    if (Offered(*product, usage, first)) UserProducts.push_back(product);
  }
}

bool IsolasjonEdit::CheckOwnThickness() const {
  const CIsolasjon& l = Layer;
  if (l.Usage != code::Usage::Pipe) return true;
  switch (l.Source) {
    case code::Source::Standard:
      return l.OwnThickness == 0 || AskProductCoincidence(l.Product, l.Thickness, PipeDiameter);
    case code::Source::Hose:
      return l.OwnHoseThickness == 0 ||
             AskHoseCoincidence(l.HoseProduct, l.HoseThickness, PipeDiameter);
    case code::Source::User:
      return l.OwnUserThickness == 0 ||
             AskProductCoincidence(l.UserProduct, l.UserThicknessValue, PipeDiameter);
    default:
      return true;
  }
}

int CIsolasjon::EditInput() {
  return EditInputAt(0.0f);
}

int CIsolasjon::EditInputAt(float pipeDiameter) {
  IsolasjonEdit edit(*this, pipeDiameter);
  if (!Editors::Edit(edit)) return 0;
  *this = edit.Layer;
  return 1;
}

}  // namespace kav
