#include "modules/tank_temp/tank_temp_modul.h"

#include <array>
#include <utility>

#include "core/string_ids.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/common/stored_reference.h"
#include "modules/tank_temp/tank_temp_calculate.h"
#include "modules/tank_temp/tank_temp_page.h"

namespace kav {

CTankTempModul::CTankTempModul() : CPageModul(kPage) {
  Liquid.Bind(this);
  SetUpItems();
  ClearResults();
}

void CTankTempModul::SetUpItems() {
  static constexpr std::array kResultHeadings = {ids::TankHeading, ids::ResultsHeading};
  static constexpr std::array kResultRows = {ids::LiquidTemperatureAfterStorage,
                                             ids::SurfaceTemperatureAfterStorage,
                                             ids::OuterHeatTransferCoefficient_62482,
                                             ids::SurfaceArea,
                                             ids::Volume,
                                             ids::EnergyChangeDuringStorage,
                                             ids::HeatLossAtStart};
  static constexpr std::array kInputHeadings = {ids::TankHeading, ids::InputValuesHeading};
  static constexpr std::array kInputRows = {ids::TankHeading};
  static constexpr std::array kCurves = {ids::TankGraphCurve};
  static constexpr std::array kCurveColours = {kKeyBlue};
  ResultTable.SetUp(20.0f, 75.0f, 4.0f, 2.0f, "%.0f", kResultHeadings, kResultRows, {}, 170.0f);
  TemperatureGraph.SetUp(20.0f, 110.0f, 125.0f, 70.0f, ids::TankHeading,
                         ids::TankGraphTemperatureAxis, ids::TankGraphTimeAxis, kCurves,
                         kCurveColours, {"%.0f", "%.0f", "%.0f", "%.1f"}, false);
  InputTable.SetUp(20.0f, 170.0f, 4.0f, 2.0f, "%.1f", kInputHeadings, kInputRows, {}, 170.0f);
}

void CTankTempModul::Reset() {
  static_cast<TankTempInputs&>(*this) = TankTempInputs();
  SetUpItems();
  ClearResults();
}

int CTankTempModul::EditInput() {
  return EditModuleInputs<TankTempInputs>(*this, *this);
}

void CTankTempModul::ReplaceReference(CItem* item) {
  if (auto* liquid = dynamic_cast<CVeske*>(item)) Liquid = liquid;
}

void CTankTempModul::Serialize(CArchive& ar) {
  Insulation.Serialize(ar);
  SerializeReference(ar, Liquid);
  ar.Word(Shape);
  ar.Float(AmbientTemperature);
  ar.Float(Diameter);
  ar.Float(Width);
  ar.Float(Height);
  ar.Float(Depth);
  ar.Float(Length);
  ar.Word(Surroundings);
  ar.Float(WindSpeed);
  ar.Float(OuterCoefficient);
  ar.Word(UserLiquid);
  ar.String(UserLiquidName);
  ar.Float(UserHeatCapacity);
  ar.Float(UserDensity);
  ar.Float(StartTemperature);
  ar.Float(UserFreezingPoint);
  ar.Float(StorageTime);
  ar.Word(ResultsValid);
  FinishReading(ar);
}

std::string CTankTempModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0) return "TANKTYPEX0";
  Insulation.AddPictureColours(colours, kKeyYellow, kKeyBlue);
  return NumberedPicture("TANKTYPE", code::ToInt(Shape));
}

void CTankTempModul::ShowResults() {
  SetResultsShown({&ResultTable, &InputTable, &TemperatureGraph}, true);
}

void CTankTempModul::ClearResults() {
  SetResultsShown({&ResultTable, &InputTable, &TemperatureGraph}, false);
  LastResult.reset();
}

void CTankTempModul::Calculate() {
  TankTempResult result = CalculateTankTemperature(*this);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) {
    ClearResults();
    return;
  }
  FillTankPage(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CTankTempModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return TankTempValues(*LastResult);
}

}  // namespace kav
