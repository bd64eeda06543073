// The economic insulation examples.
#include <memory>

#include "data/reference_data.h"
#include "examples.h"
#include "modules/okonomi/okonomi_modul.h"

namespace kav::examples {
namespace {

constexpr const char* kGlassWoolPipe = "Rørskål glassull 60-80 kg/m³ alu";
constexpr const char* kStoneWoolSlab = "Plate steinull 60-80 kg/m³";

// A solution of a standard product in one of its standard thicknesses, or
// in a thickness of its own when `ownMm` is given, named as the solution
// dialog names it.
std::unique_ptr<COkonomiIsolasjon> Standard(code::Geometry g, const char* product,
                                            const char* thickness, float price,
                                            float ownMm = 0.0f) {
  auto s = std::make_unique<COkonomiIsolasjon>(g);
  CIsoProdukt* row = Row(Database()->InsulationProducts, product);
  s->Product = row;
  if (ownMm > 0.0f) {
    s->OwnThickness = 1;
    s->OwnThicknessValue = ownMm;
  } else {
    s->ThicknessRow = Row(row->Thicknesses, thickness);
  }
  s->Price = price;
  s->ComposeName();
  return s;
}

// A heating pipe of 42.4 mm at 60 °C in a 18 °C plant room: 30 mm of
// glass wool against four thicker shells and a cellular-rubber hose of the
// energy series.
void HeatingPipe(COkonomiModul& m) {
  const code::Geometry g = code::Geometry::Pipe;
  m.ObjectType = g;
  m.Diameter = 42.4f;
  m.MediumTemperature = 60.0f;
  m.AmbientTemperature = 18.0f;
  m.OperatingHours = 5000.0f;
  m.EnergyPrice = 90.0f;
  m.RealInterest = 5.0f;
  m.EnergyPriceIncrease = 2.0f;
  m.DepreciationYears = 25.0f;
  m.Co2Factor = 130.0f;
  m.StandardSolution = *Standard(g, kGlassWoolPipe, "30.0", 310.0f);
  m.Alternatives.Append(Standard(g, kGlassWoolPipe, "40.0", 345.0f));
  m.Alternatives.Append(Standard(g, kGlassWoolPipe, "50.0", 385.0f));
  m.Alternatives.Append(Standard(g, kGlassWoolPipe, "60.0", 430.0f));
  m.Alternatives.Append(Standard(g, kGlassWoolPipe, "80.0", 520.0f));
  auto hose = std::make_unique<COkonomiIsolasjon>(g);
  hose->InsulationKind = 1;
  CKorbuFlex* product =
      Row(Database()->HoseProducts, "Cellegummi NBR 40-70 kg/m³, dimensjonerte serier");
  hose->HoseProduct = product;
  hose->HoseSeries = product->FindSeries("Energi");
  hose->Price = 360.0f;
  hose->ComposeName();
  m.Alternatives.Append(std::move(hose));
}

// The vertical wall of a 3 m hot-water tank at 80 °C indoors, per m²: 50 mm
// of stone-wool slab under galvanised steel against 100 mm, and against
// 130 mm cut to the user's own thickness.
void TankWall(COkonomiModul& m) {
  const code::Geometry g = code::Geometry::FlatOutside;
  m.ObjectType = g;
  m.Orientation = 1;
  m.DuctHeight = 3000.0f;
  m.MediumTemperature = 80.0f;
  m.AmbientTemperature = 15.0f;
  m.EnergyPrice = 110.0f;
  m.Co2Factor = 130.0f;
  CMantling* steel = Row(Database()->Jacketings, "Stålplate galvanisert, ny");
  auto jacketed = [&](std::unique_ptr<COkonomiIsolasjon> s) {
    s->HasJacketing = 1;
    s->Jacketing = steel;
    s->ComposeName();
    return s;
  };
  m.StandardSolution = *jacketed(Standard(g, kStoneWoolSlab, "50.0", 640.0f));
  m.Alternatives.Append(jacketed(Standard(g, kStoneWoolSlab, "100.0", 760.0f)));
  m.Alternatives.Append(jacketed(Standard(g, kStoneWoolSlab, "", 820.0f, 130.0f)));
}

std::function<void(CKavDoc&)> OnEconomy(void (*build)(COkonomiModul&)) {
  return [build](CKavDoc& doc) {
    build(static_cast<COkonomiModul&>(doc.Module(COkonomiModul::kPage)));
  };
}

}  // namespace

std::vector<Example> EconomyExamples() {
  return {
      {"okonomi-varmeror.kav", "Varmerør i teknisk rom", COkonomiModul::kPage,
       OnEconomy(HeatingPipe)},
      {"okonomi-tankvegg.kav", "Vegg på varmtvannstank", COkonomiModul::kPage, OnEconomy(TankWall)},
  };
}

}  // namespace kav::examples
