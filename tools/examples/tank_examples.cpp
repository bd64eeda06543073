// The tank examples: a hot-water store outdoors in winter that freezes
// before its storage time is over, and a heating buffer tank indoors.
#include "data/reference_data.h"
#include "examples.h"
#include "modules/tank_temp/tank_temp_modul.h"

namespace kav::examples {
namespace {

// A standing hot-water cylinder on a building site, left without heating
// for three months of frost and wind, under rock wool mat and aluminium.
void FreezingStoreOutdoors(CTankTempModul& m) {
  m.Shape = code::TankShape::Cylinder;
  m.Diameter = 1.2f;
  m.Length = 2.0f;
  m.Liquid = Row(Database()->Liquids, "Vann");
  m.StartTemperature = 60.0f;
  m.StorageTime = 2160.0f;
  m.AmbientTemperature = -15.0f;
  m.Surroundings = code::Surroundings::Outdoors;
  m.WindSpeed = 4.0f;
  StandardLayer(m.Insulation, "Nettingmatte steinull 80-100 kg/m³", "50.0");
  m.Insulation.HasJacketing = 1;
  m.Insulation.Jacketing = Row(Database()->Jacketings, "Aluminium, oksidert");
}

// A buffer tank of heating water in a plant room over a weekend without
// heat supply, under 100 mm rock wool slab.
void BufferTankIndoors(CTankTempModul& m) {
  m.Shape = code::TankShape::Cylinder;
  m.Diameter = 1.0f;
  m.Length = 2.5f;
  m.Liquid = Row(Database()->Liquids, "Vann");
  m.StartTemperature = 80.0f;
  m.StorageTime = 60.0f;
  m.AmbientTemperature = 18.0f;
  m.Surroundings = code::Surroundings::Indoors;
  StandardLayer(m.Insulation, "Plate steinull 60-80 kg/m³", "100.0");
}

std::function<void(CKavDoc&)> OnTank(void (*build)(CTankTempModul&)) {
  return [build](CKavDoc& doc) {
    build(static_cast<CTankTempModul&>(doc.Module(CTankTempModul::kPage)));
  };
}

}  // namespace

std::vector<Example> TankExamples() {
  return {
      {"tank-varmtvann-utendors-frys.kav", "Varmtvannsbereder ute på byggeplass",
       CTankTempModul::kPage, OnTank(FreezingStoreOutdoors)},
      {"tank-buffertank-innendors.kav", "Buffertank i teknisk rom", CTankTempModul::kPage,
       OnTank(BufferTankIndoors)},
  };
}

}  // namespace kav::examples
