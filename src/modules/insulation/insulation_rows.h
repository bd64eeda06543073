#pragma once
// The database rows an insulation choice refers to: a standard product and
// its thickness row, a user product and its thickness row, a hose product
// and its series, and what covers the insulation (jacketing, inner facing,
// the duct's own surface). Insulation layers and the economic module's
// solutions both hold this set and store it the same way.
#include <string>

#include "core/archive.h"
#include "data/iso_produkt.h"
#include "data/korbuflex.h"
#include "data/mantling.h"
#include "modules/common/module_picture.h"
#include "modules/common/row_ref.h"

namespace kav {

// A surface row's emissivity and colour as the calculations and pictures
// take them: the value typed in (and grey) when the user typed one or chose
// no row.
template <class Row>
float RowEmissivityOr(const RowRef<Row>& row, int typedIn, float typed) {
  return typedIn != 0 || row == nullptr ? typed : row->Emissivity;
}
template <class Row>
Colour RowColourOr(const RowRef<Row>& row, int typedIn) {
  return typedIn == 0 && row != nullptr ? row->Colour : kNoSurfaceColour;
}

struct InsulationRows {
  // Makes `user` the item registered with every row (its owner, once).
  void BindRows(CItem* user);
  // Takes `item` into the reference of its kind; false for any other row.
  // Hose and user products are insulation products too, so the most
  // derived kinds are tried first; a thickness row belongs to the user
  // product when that product holds it, otherwise to the standard one.
  bool ReplaceRow(CItem* item);
  // The six rows through the databases (surface, jacketing, inner
  // jacketing, product, user product, hose product), then the names of the
  // hose series and the two thickness rows, looked up again in their
  // products when reading.
  void SerializeRows(CArchive& ar);

  RowRef<CIsoProdukt> Product;
  RowRef<CIsoTykkelse> ThicknessRow;
  RowRef<CEgendefIsoProdukt> UserProduct;
  RowRef<CIsoTykkelse> UserThicknessRow;
  RowRef<CKorbuFlex> HoseProduct;
  RowRef<CKorbuFlexSerie> HoseSeries;
  RowRef<CMantling> Jacketing;
  RowRef<CInnvMantling> InnerJacketing;
  RowRef<COverflate> Surface;
};

}  // namespace kav
