// The flowing-media examples: a district-heating pipe run in a cold
// basement, and an exhaust duct run over a roof with the dew-point check.
#include "data/reference_data.h"
#include "examples.h"
#include "modules/kanal_temp/kanal_temp_modul.h"

namespace kav::examples {
namespace {

CSegment& AddSegment(CKanalTempModul& m, const CSegment* templ) {
  m.Segments.Append(m.NewSegment(templ));
  return *m.Segments.back();
}

// Hot water from the substation along a basement of 8 °C: DN 100, DN 80 and
// DN 65 steel, with flanged valves and flange pairs left bare.
void DistrictHeatingRun(CKanalTempModul& m) {
  m.RunType = code::RunType::Pipes;
  m.Liquid = Row(Database()->Liquids, "Vann");
  m.InletTemperature = 95.0f;
  m.CalcEnergy = 1;
  m.OperatingHours = 8760.0f;
  m.EnergyPrice = 80.0f;

  CSegment& main = AddSegment(m, nullptr);
  main.Diameter = 114.3f;
  main.Length = 60.0f;
  main.AmbientTemperature = 8.0f;
  main.Flow = 6.0f;
  StandardLayer(main.Layer1, "Rørskål steinull 90-130 kg/m³ alu", "80.0");
  main.HasAccessories = 1;
  AddAccessory(main.Accessories, "Ventil med flenser, uisolert", 2);
  AddAccessory(main.Accessories, "Flensepar, uisolert", 4);
  main.UninsulatedHangers = 1;

  CSegment& branch = AddSegment(m, &main);
  branch.Diameter = 88.9f;
  branch.Length = 40.0f;
  StandardLayer(branch.Layer1, "Rørskål steinull 90-130 kg/m³ alu", "60.0");
  branch.Accessories.Clear();
  AddAccessory(branch.Accessories, "Ventil med flenser, uisolert", 1);

  CSegment& last = AddSegment(m, &branch);
  last.Diameter = 76.1f;
  last.Length = 25.0f;
  StandardLayer(last.Layer1, "Rørskål glassull 60-80 kg/m³ alu", "50.0");
}

// Exhaust air of 22 °C and 40 % along a roof in winter wind: a circular
// duct with lamella mat, then a rectangular one with two layers.
void RoofExhaustRun(CKanalTempModul& m) {
  m.RunType = code::RunType::CircularDucts;
  m.InletTemperature = 22.0f;
  m.CheckDewPoint = 1;
  m.RelativeHumidity = 40.0f;

  CSegment& first = AddSegment(m, nullptr);
  first.Diameter = 500.0f;
  first.Length = 30.0f;
  first.AmbientTemperature = -15.0f;
  first.Surroundings = code::Surroundings::Outdoors;
  first.WindSpeed = 4.0f;
  first.Flow = 3000.0f;
  StandardLayer(first.Layer1, "Lamellmatte steinull 40-55 kg/m³ alu", "100.0");
  first.UninsulatedHangers = 1;

  CSegment& second = AddSegment(m, &first);
  second.Diameter = 400.0f;
  second.Length = 20.0f;
  second.TwoLayers = 1;
  StandardLayer(second.Layer1, "Lamellmatte steinull 40-55 kg/m³ alu", "50.0");
  StandardLayer(second.Layer2, "Lamellmatte steinull 40-55 kg/m³ alu", "50.0");
  second.Layer2.Jacketing = Row(Database()->Jacketings, "Stålplate galvanisert, ny");
  second.Layer2.HasJacketing = 1;
}

std::function<void(CKavDoc&)> OnRun(void (*build)(CKanalTempModul&)) {
  return [build](CKavDoc& doc) {
    build(static_cast<CKanalTempModul&>(doc.Module(CKanalTempModul::kPage)));
  };
}

}  // namespace

std::vector<Example> FlowingMediumExamples() {
  return {
      {"kanal-fjernvarme-kjeller.kav", "Fjernvarmerør gjennom kald kjeller", CKanalTempModul::kPage,
       OnRun(DistrictHeatingRun)},
      {"kanal-avtrekk-tak-duggpunkt.kav", "Avtrekkskanal over tak med kondenskontroll",
       CKanalTempModul::kPage, OnRun(RoofExhaustRun)},
  };
}

}  // namespace kav::examples
