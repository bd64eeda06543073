// Speed of the heat-loss calculation for each criterion, and of opening an
// example document and exporting its page as text.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/data_directory.h"
#include "core/scripted_platform.h"
#include "modules/kav_doc.h"
#include "modules/varme_tap/varme_tap_modul.h"

namespace {

using namespace kav;

// One document with the shipped data, shared by the benchmarks.
CKavDoc& Document() {
  static ScriptedPlatform platform;
  static CKavDoc* doc = [] {
    SetDataDirectory(SHARE_DIR);
    auto* d = new CKavDoc();
    d->NewDocument();
    return d;
  }();
  return *doc;
}

void Open(const char* example) {
  if (!Document().Open(std::filesystem::path(EXAMPLES_DIR) / example)) std::abort();
}

void CalculateExample(benchmark::State& state, const char* example) {
  Open(example);
  auto& module = static_cast<CVarmeTapModul&>(Document().Module(0));
  for (auto _ : state) {
    module.Calculate();
    benchmark::DoNotOptimize(module.ResultsValid);
  }
}

void BM_GivenThicknessOneLayer(benchmark::State& state) {
  CalculateExample(state, "varmetap-ror-innendors.kav");
}
void BM_GivenThicknessTwoLayers(benchmark::State& state) {
  CalculateExample(state, "varmetap-kanal-utendors-2lag.kav");
}
void BM_GivenSurfaceTemperature(benchmark::State& state) {
  Open("varmetap-ror-innendors.kav");
  auto& module = static_cast<CVarmeTapModul&>(Document().Module(0));
  module.Criterion = code::Criterion::GivenSurfaceTemperature;
  module.GivenSurfaceTemperature = 25.0f;
  for (auto _ : state) {
    module.Calculate();
    benchmark::DoNotOptimize(module.ResultsValid);
  }
}
void BM_GivenMaxHeatLoss(benchmark::State& state) {
  CalculateExample(state, "varmetap-kaldt-ror.kav");
}
void BM_InsulationClass(benchmark::State& state) {
  CalculateExample(state, "varmetap-klasse-ror.kav");
}

void BM_OpenAndExportText(benchmark::State& state) {
  const auto path = std::filesystem::path(EXAMPLES_DIR) / "varmetap-ror-innendors.kav";
  for (auto _ : state) {
    Document().Open(path);
    benchmark::DoNotOptimize(Document().ResultsText());
  }
}

BENCHMARK(BM_GivenThicknessOneLayer);
BENCHMARK(BM_GivenThicknessTwoLayers);
BENCHMARK(BM_GivenSurfaceTemperature);
BENCHMARK(BM_GivenMaxHeatLoss);
BENCHMARK(BM_InsulationClass);
BENCHMARK(BM_OpenAndExportText);

}  // namespace

BENCHMARK_MAIN();
