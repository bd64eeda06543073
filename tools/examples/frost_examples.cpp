// The frost example: a cold-water pipe through an unheated loft in a hard
// frost, insulated with glass-wool sections.
#include "examples.h"
#include "modules/frost/frost_modul.h"

namespace kav::examples {
namespace {

// A 28 mm cold-water pipe across a cold loft: still air at −15 °C, water
// at 8 °C when the taps close; a quarter of the water may freeze.
void WaterPipeInColdLoft(CFrostModul& m) {
  m.Diameter = 28.0f;
  m.StartTemperature = 8.0f;
  m.AmbientTemperature = -15.0f;
  m.FreezingDegree = 25.0f;
  m.Surroundings = code::Surroundings::Indoors;
  m.Insulation.Reset(code::Usage::Pipe, 1, 1);
  StandardLayer(m.Insulation, "Rørskål glassull 60-80 kg/m³ alu", "40.0");
}

}  // namespace

std::vector<Example> FrostExamples() {
  return {
      {"frost-vannledning-kaldt-loft.kav", "Vannledning over kaldt loft", CFrostModul::kPage,
       [](CKavDoc& doc) {
         WaterPipeInColdLoft(static_cast<CFrostModul&>(doc.Module(CFrostModul::kPage)));
       }},
  };
}

}  // namespace kav::examples
