// The sound-trap examples.
#include "data/reference_data.h"
#include "examples.h"
#include "modules/lyd/lyd_modul.h"

namespace kav::examples {
namespace {

// A rectangular supply-air duct after the fan, lined on all four sides
// with 50 mm of a database board.
void LinedSupplyDuct(CLydModul& m) {
  m.DuctType = code::DuctType::Rectangular;
  m.DuctWidth = 600.0f;
  m.DuctHeight = 400.0f;
  m.OwnValues = 0;
  CAbsorpsjon* product =
      Row(Database()->AbsorptionProducts, "Lydplate mineralull 40-80 kg/m³, glassfiberduk");
  m.AbsorptionProduct = product;
  m.AbsorptionThickness = Row(product->AbsorptionThicknesses, "50.0");
}

// A circular duct lined with the user's own product, its absorption
// coefficients measured by the supplier.
void CircularOwnLining(CLydModul& m) {
  m.DuctType = code::DuctType::Circular;
  m.Diameter = 250.0f;
  m.OwnValues = 1;
  m.OwnName = "Perforert innerrør med mineralull 25 mm";
  m.OwnThickness = 25.0f;
  m.OwnAbsorption = {0.15f, 0.35f, 0.70f, 0.90f, 0.95f, 0.90f};
}

std::function<void(CKavDoc&)> OnSoundTrap(void (*build)(CLydModul&)) {
  return [build](CKavDoc& doc) { build(static_cast<CLydModul&>(doc.Module(CLydModul::kPage))); };
}

}  // namespace

std::vector<Example> SoundTrapExamples() {
  return {
      {"lydfelle-rektangulaer-kanal.kav", "Tilluftskanal etter vifte", CLydModul::kPage,
       OnSoundTrap(LinedSupplyDuct)},
      {"lydfelle-sirkulaer-egne-verdier.kav", "Sirkulær kanal med egen foring", CLydModul::kPage,
       OnSoundTrap(CircularOwnLining)},
  };
}

}  // namespace kav::examples
