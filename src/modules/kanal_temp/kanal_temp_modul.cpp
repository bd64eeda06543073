#include "modules/kanal_temp/kanal_temp_modul.h"

#include <array>

#include "core/string_ids.h"
#include "core/strings.h"
#include "modules/common/module_inputs.h"
#include "modules/common/module_picture.h"
#include "modules/common/stored_reference.h"
#include "modules/kanal_temp/kanal_temp_calculate.h"
#include "modules/kanal_temp/kanal_temp_page.h"

namespace kav {

CKanalTempModul::CKanalTempModul() : CPageModul(kPage) {
  Liquid.Bind(this);
  SetUpItems();
  ClearResults();
}

void CKanalTempModul::SetUpItems() {
  // As a reset run of pipes without energy figures shows them; the
  // calculation fills them for the run it has.
  static constexpr std::array kSegmentHeadings = {ids::SegmentName, ids::OutletTemperatureShort,
                                                  ids::HeatLoss,
                                                  ids::OuterHeatTransferCoefficientShort};
  static constexpr std::array kSegmentRows = {ids::InletTemperatureFirstSegment};
  static constexpr std::array kEnergyHeadings = {ids::AllSegmentsHeatLossHeading,
                                                 ids::ResultsHeading};
  static constexpr std::array kEnergyRows = {ids::TotalHeatLoss, ids::AverageHeatLoss};
  static constexpr std::array kQuantityHeadings = {ids::SegmentName, ids::InsulationQuantity};
  static constexpr std::array kQuantityRows = {ids::Total};
  static constexpr std::array kInputHeadings = {ids::FlowingMediumHeading, ids::InputValuesHeading};
  static constexpr std::array kInputRows = {ids::FlowingMediumHeading};
  SegmentTable.SetUp(20.0f, 170.0f, 4.0f, 2.0f, "%.1f", kSegmentHeadings, kSegmentRows, {}, 170.0f);
  EnergyTable.SetUp(20.0f, 170.0f, 4.0f, 2.0f, "%.1f", kEnergyHeadings, kEnergyRows, {}, 170.0f);
  QuantityTable.SetUp(20.0f, 170.0f, 4.0f, 2.0f, "%.1f", kQuantityHeadings, kQuantityRows, {},
                      170.0f);
  InputTable.SetUp(20.0f, 170.0f, 4.0f, 2.0f, "%.1f", kInputHeadings, kInputRows, {}, 170.0f);
}

void CKanalTempModul::Reset() {
  static_cast<KanalTempInputs&>(*this) = KanalTempInputs();
  SetUpItems();
  ClearResults();
}

std::unique_ptr<CSegment> KanalTempInputs::NewSegment(const CSegment* templ) {
  std::unique_ptr<CSegment> segment = CSegment::NewSegment(code::SegmentGeometry(RunType), templ);
  segment->Name = FormatId(ids::NewSegmentName, NextSegmentNumber++);
  return segment;
}

int CKanalTempModul::EditInput() {
  return EditModuleInputs<KanalTempInputs>(*this, *this);
}

void CKanalTempModul::ReplaceReference(CItem* item) {
  if (auto* liquid = dynamic_cast<CVeske*>(item)) Liquid = liquid;
}

void CKanalTempModul::Serialize(CArchive& ar) {
  SerializeList(ar, Segments);
  SerializeReference(ar, Liquid);
  ar.Long(CheckDewPoint);
  ar.Float(RelativeHumidity);
  ar.Word(RunType);
  ar.Word(UserLiquid);
  ar.Word(NextSegmentNumber);
  ar.String(UserLiquidName);
  ar.Float(UserHeatCapacity);
  ar.Float(UserDensity);
  ar.Float(UserFreezingPoint);
  ar.Float(InletTemperature);
  ar.Float(OperatingHours);
  ar.Float(EnergyPrice);
  ar.Word(CalcEnergy);
  ar.Word(ResultsValid);
  FinishReading(ar);
}

std::string CKanalTempModul::PictureName(ColourRecord& colours) const {
  if (ResultsValid == 0 || Segments.empty()) return "KANALRORX0";
  const CSegment& first = *Segments.front();
  first.Layer1.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  return NumberedPicture(first.Uninsulated != 0 ? "KANALRORX" : "KANALROR",
                         code::ToInt(first.Type));
}

void CKanalTempModul::ShowResults() {
  SetResultsShown({&SegmentTable, &EnergyTable, &QuantityTable, &InputTable}, true);
  for (CSegment* segment : Segments) ShowOnPage({&segment->InputTable}, true);
}

void CKanalTempModul::ClearResults() {
  SetResultsShown({&SegmentTable, &EnergyTable, &QuantityTable, &InputTable}, false);
  for (CSegment* segment : Segments) ShowOnPage({&segment->InputTable}, false);
  LastResult.reset();
}

void CKanalTempModul::Calculate() {
  FlowingMediumResult result = CalculateFlowingMedium(*this, AskUser);
  ShowOutcome(result.outcome);
  if (!result.outcome.ok) {
    ClearResults();
    return;
  }
  FillFlowingMediumTables(*this, result);
  LastResult = std::move(result);
  ShowResults();
}

ResultValues CKanalTempModul::Results() const {
  if (ResultsValid == 0 || !LastResult) return {};
  return FlowingMediumValues(*this, *LastResult);
}

}  // namespace kav
