// The heat-loss examples.
#include "data/reference_data.h"
#include "examples.h"
#include "modules/varme_tap/varme_tap_modul.h"

namespace kav::examples {
namespace {

// A hot-water pipe indoors, DN 50 steel, with flanged valves.
void HotWaterPipe(CVarmeTapModul& m) {
  m.Geometry = code::Geometry::Pipe;
  m.Diameter = 60.3f;
  m.Length = 35.0f;
  m.MediumTemperature = 70.0f;
  m.AmbientTemperature = 20.0f;
  StandardLayer(m.Layer1, "Rørskål glassull 60-80 kg/m³ alu", "40.0");
  m.HasAccessories = 1;
  AddAccessory(m.Accessories, "Ventil med flenser, uisolert", 2);
  AddAccessory(m.Accessories, "Flensepar, uisolert", 3);
  m.CalcEnergy = 1;
  m.OperatingHours = 8760.0f;
  m.EnergyPrice = 100.0f;
  m.Co2Factor = 130.0f;
  m.UninsulatedHangers = 1;
}

// A rectangular supply-air duct outdoors in winter, two layers of slab with
// galvanised sheet jacketing.
void DuctOutdoorsTwoLayers(CVarmeTapModul& m) {
  m.Geometry = code::Geometry::RectangularDuct;
  m.Width = 800.0f;
  m.Height = 500.0f;
  m.Length = 40.0f;
  m.MediumTemperature = 22.0f;
  m.AmbientTemperature = -5.0f;
  m.Surroundings = code::Surroundings::Outdoors;
  m.WindSpeed = 4.0f;
  m.TwoLayers = 1;
  m.Layer1.Reset(code::Usage::RectangularDuct, 1, 1);
  m.Layer2.Reset(code::Usage::RectangularDuct, 1, 0);
  StandardLayer(m.Layer1, "Plate steinull 60-80 kg/m³", "50.0");
  StandardLayer(m.Layer2, "Plate steinull 100-150 kg/m³", "50.0");
  m.Layer2.HasJacketing = 1;
  m.Layer2.Jacketing = Row(Database()->Jacketings, "Stålplate galvanisert, ny");
  m.CalcEnergy = 1;
  m.OperatingHours = 4000.0f;
  m.EnergyPrice = 100.0f;
  m.Co2Factor = 130.0f;
}

// The vertical wall of a hot tank, insulated outside with aluminium sheet.
void HotWall(CVarmeTapModul& m) {
  m.Geometry = code::Geometry::FlatOutside;
  m.Vertical = 1;
  m.Height = 2500.0f;
  m.Area = 25.0f;
  m.MediumTemperature = 90.0f;
  m.AmbientTemperature = 15.0f;
  m.Layer1.Reset(code::Usage::FlatOutside, 1, 1);
  StandardLayer(m.Layer1, "Plate steinull 100-150 kg/m³", "80.0");
  m.Layer1.HasJacketing = 1;
  m.Layer1.Jacketing = Row(Database()->Jacketings, "Aluminium, oksidert");
  m.CalcEnergy = 1;
  m.OperatingHours = 6000.0f;
}

// The recommended thickness of a heating pipe by the insulation classes.
void ClassPipe(CVarmeTapModul& m) {
  m.Criterion = code::Criterion::InsulationClass;
  m.Geometry = code::Geometry::Pipe;
  m.Diameter = 88.9f;
  m.MediumTemperature = 60.0f;
  m.AmbientTemperature = 15.0f;
  m.OperatingHours = 5840.0f;
  m.Layer1.Reset(code::Usage::Pipe, 0, 1);
  StandardLayer(m.Layer1, "Rørskål steinull 90-130 kg/m³ alu", "50.0");
}

// A chilled-water pipe in a warm room: the hose thickness for a largest
// heat gain of 8 W/m.
void ColdPipe(CVarmeTapModul& m) {
  m.Criterion = code::Criterion::GivenMaxHeatLoss;
  m.Geometry = code::Geometry::Pipe;
  m.Diameter = 42.0f;
  m.MediumTemperature = 6.0f;
  m.AmbientTemperature = 24.0f;
  m.GivenMaxHeatLoss = -8.0f;
  m.Layer1.Reset(code::Usage::Pipe, 0, 1);
  m.Layer1.Source = code::Source::Hose;
  CKorbuFlex* hose =
      Row(Database()->HoseProducts, "Cellegummi NBR 40-70 kg/m³, dimensjonerte serier");
  m.Layer1.HoseProduct = hose;
}

// A steam condensate pipe in a plant room: the thickness that keeps the
// surface at 35 °C, against burns.
void TouchSafePipe(CVarmeTapModul& m) {
  m.Criterion = code::Criterion::GivenSurfaceTemperature;
  m.Geometry = code::Geometry::Pipe;
  m.Diameter = 114.3f;
  m.MediumTemperature = 140.0f;
  m.AmbientTemperature = 25.0f;
  m.GivenSurfaceTemperature = 35.0f;
  m.Layer1.Reset(code::Usage::Pipe, 0, 1);
  StandardLayer(m.Layer1, "Rørskål steinull 90-130 kg/m³ alu", "50.0");
}

// The heat-loss module of the document, built by `build`.
std::function<void(CKavDoc&)> OnHeatLoss(void (*build)(CVarmeTapModul&)) {
  return [build](CKavDoc& doc) { build(static_cast<CVarmeTapModul&>(doc.Module(0))); };
}

}  // namespace

std::vector<Example> HeatLossExamples() {
  return {
      {"varmetap-ror-innendors.kav", "Varmtvannsrør i teknisk rom", 0, OnHeatLoss(HotWaterPipe)},
      {"varmetap-kanal-utendors-2lag.kav", "Tilluftskanal på tak", 0,
       OnHeatLoss(DuctOutdoorsTwoLayers)},
      {"varmetap-flate.kav", "Tankvegg", 0, OnHeatLoss(HotWall)},
      {"varmetap-klasse-ror.kav", "Fordelingsrør, isolasjonsklasse", 0, OnHeatLoss(ClassPipe)},
      {"varmetap-kaldt-ror.kav", "Kjølevannsrør", 0, OnHeatLoss(ColdPipe)},
      {"varmetap-overflatetemp-ror.kav", "Kondensatrør, berøringssikker overflate", 0,
       OnHeatLoss(TouchSafePipe)},
  };
}

}  // namespace kav::examples
