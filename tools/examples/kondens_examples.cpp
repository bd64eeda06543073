// The condensation examples: outside a cold pipe and a cooled duct, and
// inside a duct carrying warm humid air.
#include "data/reference_data.h"
#include "examples.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"

namespace kav::examples {
namespace {

// A chilled-water pipe, DN 40 steel, in a humid plant room: the hose
// thickness that keeps it dry.
void ChilledWaterPipe(CUtvendigKondensModul& m) {
  m.ObjectType = code::CondensationObject::Pipe;
  m.Diameter = 48.3f;
  m.MediumTemperature = 6.0f;
  m.AmbientTemperature = 28.0f;
  m.RelativeHumidity = 75.0f;
  m.Layer1.Reset(code::Usage::Pipe, 0, 1);
  m.Layer1.Source = code::Source::Hose;
  m.Layer1.HoseProduct =
      Row(Database()->HoseProducts, "Cellegummi NBR 40-70 kg/m³, dimensjonerte serier");
}

// A rectangular supply-air duct with cooled air in a warm ceiling void: slab
// next to the duct and an outer layer of duct mat with its aluminium foil.
void CooledSupplyDuct(CUtvendigKondensModul& m) {
  m.ObjectType = code::CondensationObject::RectangularDuct;
  m.Height = 400.0f;
  m.Width = 600.0f;
  m.MediumTemperature = 13.0f;
  m.AmbientTemperature = 24.0f;
  m.RelativeHumidity = 80.0f;
  m.TwoLayers = 1;
  m.Layer1.Reset(code::Usage::RectangularDuct, 0, 1);
  m.Layer2.Reset(code::Usage::RectangularDuct, 1, 0);
  StandardLayer(m.Layer1, "Plate steinull 60-80 kg/m³", "30.0");
  StandardLayer(m.Layer2, "Kanalmatte glassull 15-30 kg/m³ alu", "20.0");
}

// Warm humid exhaust air from a swimming hall in a circular duct through a
// cold loft, with uninsulated hangers.
void ExhaustThroughColdLoft(CInnvendigKondensModul& m) {
  m.DuctShape = code::DuctShape::Circular;
  m.Diameter = 400.0f;
  m.Length = 15.0f;
  m.InletTemperature = 28.0f;
  m.RelativeHumidity = 65.0f;
  m.Flow = 800.0f;
  m.FlowUnit = code::FlowUnit::CubicMetresPerHour;
  m.AmbientTemperature = -10.0f;
  m.UninsulatedHangers = 1;
  m.Insulation.Reset(code::Usage::CircularDuct, 0, 1);
  StandardLayer(m.Insulation, "Lamellmatte steinull 40-55 kg/m³ alu", "50.0");
}

std::function<void(CKavDoc&)> OnExternal(void (*build)(CUtvendigKondensModul&)) {
  return [build](CKavDoc& doc) {
    build(static_cast<CUtvendigKondensModul&>(doc.Module(CUtvendigKondensModul::kPage)));
  };
}

std::function<void(CKavDoc&)> OnInternal(void (*build)(CInnvendigKondensModul&)) {
  return [build](CKavDoc& doc) {
    build(static_cast<CInnvendigKondensModul&>(doc.Module(CInnvendigKondensModul::kPage)));
  };
}

}  // namespace

std::vector<Example> CondensationExamples() {
  return {
      {"utvkond-kjolevannsror-slange.kav", "Kjølevannsrør i fuktig teknisk rom",
       CUtvendigKondensModul::kPage, OnExternal(ChilledWaterPipe)},
      {"utvkond-tilluftskanal-2lag.kav", "Tilluftskanal med kjølt luft i himling",
       CUtvendigKondensModul::kPage, OnExternal(CooledSupplyDuct)},
      {"innvkond-avtrekk-kaldt-loft.kav", "Avtrekk fra svømmehall over kaldt loft",
       CInnvendigKondensModul::kPage, OnInternal(ExhaustThroughColdLoft)},
  };
}

}  // namespace kav::examples
