#pragma once
// The controls that choose an insulation layer's product, thickness and
// covers (a product group per kind of product, jacketing, inner jacketing
// and the duct's surface), filled from a layer and read back into one. The
// layer dialog and the economic solution dialog both use them.
#include <array>

namespace kav {

class CIsolasjon;
class ProductChoiceGroup;
class SurfaceChoiceGroup;
struct IsolasjonEdit;

struct LayerChoice {
  // Standard products, hose products, user products.
  std::array<ProductChoiceGroup*, 3> groups{};
  SurfaceChoiceGroup* jacketing = nullptr;
  SurfaceChoiceGroup* innerJacketing = nullptr;
  SurfaceChoiceGroup* surface = nullptr;

  // Offers the products of `edit` and shows its layer's choices.
  void Show(const IsolasjonEdit& edit) const;
  // Every control's choice into `layer` (its Source is left alone).
  void ReadInto(CIsolasjon& layer) const;
};

}  // namespace kav
