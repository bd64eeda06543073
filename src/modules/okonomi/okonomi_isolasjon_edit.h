#pragma once
// What the solution dialog edits: a copy of the solution with its product
// choice as an insulation layer (so that the products offered for the
// object type and the checks of a layer's product and thickness are the
// layer dialog's), the pipe diameter for the diameter warnings and the
// alternatives whose names the solution must differ from.
#include "core/object_list.h"
#include "modules/insulation/isolasjon_edit.h"
#include "modules/okonomi/okonomi_isolasjon.h"

namespace kav {

inline constexpr int kUninsulated = 3;  // the solution kind without insulation

struct OkoIsolasjonEdit {
  // `names` may be null; `self` is the alternative being edited, whose own
  // name does not count as taken.
  OkoIsolasjonEdit(const COkonomiIsolasjon& solution, float pipeDiameter,
                   const ObjectList* names = nullptr, const CListItem* self = nullptr);

  // The layer's product, thickness and covers back into the solution, and
  // its name composed.
  void TakeLayer();
  // Whether another alternative already has the solution's name.
  bool NameTaken() const;

  COkonomiIsolasjon Solution;
  IsolasjonEdit Layer;
  const ObjectList* Names;
  const CListItem* Self;
};

}  // namespace kav
