#pragma once
// What the layer dialog edits: a copy of the layer, the pipe diameter its
// range texts use ("Rørdiameter: %.1f - %.1f mm"), and the products it may
// offer for the layer's field of use and position.
#include <vector>

#include "data/iso_produkt.h"
#include "data/korbuflex.h"
#include "modules/insulation/isolasjon.h"

namespace kav {

struct IsolasjonEdit {
  IsolasjonEdit(const CIsolasjon& layer, float pipeDiameter);

  // Fills the three lists from the products the dialogs see (ActiveList):
  // standard and user products marked for the layer's usage, hose products
  // for pipes only; an outer layer is not offered products that may only
  // lie inside. Usage 7 has no field-of-use flag: it offers no standard
  // products and every user product. The dialog calls this again after
  // the user products have been edited.
  void OfferProducts();

  // For pipes with a thickness typed in: when the thickness is a standard
  // one of the product (for a hose product, a step of a series) that cannot
  // be delivered for PipeDiameter, asks whether to go on; false on Cancel.
  bool CheckOwnThickness() const;

  CIsolasjon Layer;
  float PipeDiameter = 0.0f;  // mm
  std::vector<CIsoProdukt*> Products;
  std::vector<CKorbuFlex*> HoseProducts;
  std::vector<CEgendefIsoProdukt*> UserProducts;
};

}  // namespace kav
