#include "modules/isolasjon_edit.h"

#include "core/editors.h"
#include "data/active_list.h"

namespace kav {
namespace {

constexpr int kUsageWithoutFlag = 7;

// Whether a product may be offered for `usage` at this position.
bool Offered(const CIsoProdukt& product, int usage, bool firstLayer) {
  if (!firstLayer && product.NotOuterLayer != 0) return false;
  if (usage == kUsageWithoutFlag) return true;
  return usage >= 0 && usage < CIsoProdukt::kUseFlagCount &&
         product.UseFlags[static_cast<std::size_t>(usage)] != 0;
}

}  // namespace

IsolasjonEdit::IsolasjonEdit(const CIsolasjon& layer, float pipeDiameter)
    : Layer(layer), PipeDiameter(pipeDiameter) {
  OfferProducts();
}

void IsolasjonEdit::OfferProducts() {
  const int usage = Layer.Usage;
  const bool first = Layer.FirstLayer != 0;
  Products.clear();
  HoseProducts.clear();
  UserProducts.clear();
  if (usage != kUsageWithoutFlag) {
    for (CIsoProdukt* product : ActiveList<CIsoProdukt>()) {
      if (Offered(*product, usage, first)) Products.push_back(product);
    }
  }
  if (usage == 0) {
    for (CKorbuFlex* hose : ActiveList<CKorbuFlex>()) {
      if (first || hose->NotOuterLayer == 0) HoseProducts.push_back(hose);
    }
  }
  for (CEgendefIsoProdukt* product : ActiveList<CEgendefIsoProdukt>()) {
    if (Offered(*product, usage, first)) UserProducts.push_back(product);
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
