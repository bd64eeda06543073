#include "modules/lyd/lyd_page.h"

#include <array>
#include <string>

#include "core/strings.h"
#include "modules/common/page_placement.h"
#include "modules/common/table_rows.h"
#include "output/page_layout.h"

namespace kav {
namespace {

constexpr int kResultHeadings[] = {ids::SoundTrapCalculation, ids::ResultsHeading};
constexpr int kResultRows[] = {ids::Attenuation125Hz,  ids::Attenuation250Hz,
                               ids::Attenuation500Hz,  ids::Attenuation1000Hz,
                               ids::Attenuation2000Hz, ids::Attenuation4000Hz,
                               ids::CriticalFrequency, ids::AcousticCrossDimension};
constexpr int kInputHeadings[] = {ids::SoundTrapCalculation, ids::InputValuesHeading};
constexpr int kDuctTypeText[] = {ids::DuctTypeCircular, ids::DuctTypeRectangular,
                                 ids::DuctTypeHorizontalBaffles, ids::DuctTypeVerticalBaffles};
constexpr int kAbsorptionRows[] = {
    ids::AbsorptionCoefficient125Hz,  ids::AbsorptionCoefficient250Hz,
    ids::AbsorptionCoefficient500Hz,  ids::AbsorptionCoefficient1000Hz,
    ids::AbsorptionCoefficient2000Hz, ids::AbsorptionCoefficient4000Hz};

// The frequency axis: 0 to 4250 Hz, a tick every 250 Hz.
constexpr float kFrequencyAxisMax = 4250.0f;
constexpr float kFrequencyStep = 250.0f;

// The items below the graph go down the page; one that ends below the
// page's foot is put again at the top of the next page column, where the
// items after it follow.
class PageFlow {
 public:
  explicit PageFlow(float y) : y_(y) {}

  // `put` places the item at the position it is given.
  template <class Put>
  void Place(const CGraphicsItem& item, Put put) {
    put(x_, y_);
    y_ = BottomMm(item) + kItemGapMm;
    if (y_ > PageHeightMm()) {
      x_ += PageWidthMm();
      put(x_, kColumnTopMm);
      y_ = BottomMm(item) + kItemGapMm;
    }
  }

 private:
  float x_ = kLeftMarginMm;
  float y_;
};

void FillGraph(CGraph& graph, const SoundTrapResult& r) {
  const std::array<CurveData, 1> curve = {CurveData{kBandFrequencies, r.attenuation}};
  graph.SetScale(kFrequencyStep, r.yStep, 1, 1);
  graph.SetData(0.0f, 0.0f, kFrequencyAxisMax, r.yMax, curve);
}

// Puts the warning that applies 10 mm below `y`; the y below it.
float PlaceWarning(CLydModul& m, const SoundTrapResult& r, float y) {
  CText* warning = r.above430 ? &m.Warning430Text : r.above200 ? &m.Warning200Text : nullptr;
  if (warning == nullptr) return y;
  warning->SetPosition(kLeftMarginMm, y);
  return BottomMm(*warning) + kItemGapMm;
}

std::vector<std::string> ResultTexts(const SoundTrapResult& r) {
  std::vector<std::string> texts;
  for (float attenuation : r.attenuation) {
    texts.push_back(FormatValue(ids::FmtDecibelPerMetre1, attenuation));
  }
  texts.push_back(FormatValue(ids::FmtHertz0, r.criticalFrequency));
  texts.push_back(FormatValue(ids::FmtMillimetre1_62492, r.crossDimension * 1000.0f));
  return texts;
}

TableRows InputRows(const LydInputs& in, const SoundTrapResult& r) {
  TableRows rows;
  // A known duct type: the calculation refuses the others.
  rows.Add(ids::SoundTrapType, Str(kDuctTypeText[code::ToInt(in.DuctType)]));
  if (code::IsCircular(in.DuctType)) {
    rows.Add(ids::PipeDuctDiameter, FormatValue(ids::FmtMillimetre1, in.Diameter));
  } else {
    rows.Add(ids::DuctWidth, FormatValue(ids::FmtMillimetre1, in.DuctWidth));
    rows.Add(ids::DuctHeight, FormatValue(ids::FmtMillimetre1, in.DuctHeight));
  }
  if (in.UsesOwnValues()) {
    rows.Add(ids::InsulationProductUserDefined, in.OwnName);
  } else {
    rows.Add(ids::InsulationProductStandard, in.AbsorptionProduct->Name);
  }
  rows.Add(ids::GivenInsulationThickness, FormatValue(ids::FmtMillimetre1, r.lining));
  for (std::size_t k = 0; k < r.absorption.size(); ++k) {
    rows.Add(kAbsorptionRows[k], FormatValue(ids::FmtNumber2, r.absorption[k]));
  }
  return rows;
}

}  // namespace

void FillSoundTrapPage(CLydModul& m, const SoundTrapResult& r) {
  FillGraph(m.AttenuationGraph, r);
  PageFlow flow(PlaceWarning(m, r, BottomMm(m.AttenuationGraph) + kItemGapMm));
  const std::vector<std::string> results = ResultTexts(r);
  flow.Place(m.ResultTable, [&](float x, float y) {
    m.ResultTable.FillTexts(kResultHeadings, kResultRows, results, x, y);
  });
  flow.Place(m.ValidityText, [&](float x, float y) { m.ValidityText.SetPosition(x, y); });
  const TableRows inputs = InputRows(m, r);
  flow.Place(m.InputTable,
             [&](float x, float y) { inputs.FillTable(m.InputTable, kInputHeadings, x, y); });
}

ResultValues SoundTrapValues(const SoundTrapResult& r) {
  ResultValues v;
  v.Add("acoustic_cross_dimension", r.crossDimension * 1000.0f, "mm");
  v.Add("critical_frequency", r.criticalFrequency, "Hz");
  v.Add("lined_perimeter", r.perimeter, "m");
  v.Add("free_area", r.area, "m²");
  v.Add("lining_thickness", r.lining, "mm");
  v.Add("graph_max", r.yMax, "dB/m");
  v.Add("graph_step", r.yStep, "dB/m");
  for (std::size_t k = 0; k < kBandFrequencies.size(); ++k) {
    ResultValues& band = v.AddRecord("bands");
    band.Add("frequency", kBandFrequencies[k], "Hz");
    band.Add("absorption_coefficient", r.absorption[k], "");
    band.Add("frequency_ratio", r.ratio[k], "");
    band.Add("k_factor", r.kFactor[k], "");
    band.Add("attenuation", r.attenuation[k], "dB/m");
  }
  return v;
}

}  // namespace kav
