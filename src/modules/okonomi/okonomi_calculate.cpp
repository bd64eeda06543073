#include "modules/okonomi/okonomi_calculate.h"

#include <cmath>

#include "core/formulas.h"
#include "core/string_ids.h"
#include "modules/common/layer_surface.h"

namespace kav {
namespace {

// Below this thickness (m) a solution counts as bare.
constexpr float kBareThickness = 0.0001f;
// Below these the factors take the period itself, and pay-back the plain ratio.
constexpr float kFactorRateBound = 0.0001f;
constexpr float kPaybackRateBound = 0.001f;
// Savings and net returns below this never pay back.
constexpr float kLeastSaving = 0.001f;
constexpr float kNeverPaysBack = 1000.0f;

search::OuterFilm OuterSide(const OkonomiInputs& in) {
  search::OuterFilm film;
  film.surroundings = in.SurroundingsMode;
  film.vertical = in.Orientation;
  film.ambientTemperature = in.AmbientTemperature;
  film.windSpeed = in.WindSpeed;
  film.userCoefficient = in.GivenCoefficient;
  film.flat = code::IsFlat(in.ObjectType);
  film.height = in.DuctHeight / 1000.0f;
  return film;
}

// The object without insulation, its surface at the medium temperature.
SolutionHeat BareSurface(const OkonomiInputs& in, const search::OuterFilm& film, float emissivity) {
  const float tm = in.MediumTemperature;
  const float ta = in.AmbientTemperature;
  float perimeter = 0.0f;
  float size = 0.0f;
  if (code::IsCircular(in.ObjectType)) {
    size = in.Diameter / 1000.0f;
    perimeter = kPi * size;
  } else {
    perimeter = (2.0f * in.DuctHeight + 2.0f * in.DuctWidth) / 1000.0f;
    size = perimeter / kPi;
  }
  const float h = film.Coefficient(tm, size, emissivity);
  if (film.flat) return {(tm - ta) * h, h};
  return {h * perimeter * (tm - ta), h};
}

// The factor (1 − (1 + x)^−n)/x of a rate x over n years; n itself for a
// rate near zero or below it.
float PresentValueFactor(float x, float n) {
  if (x > kFactorRateBound) return (1.0f - PowF(1.0f + x, -n)) / x;
  return n;
}

bool Finite(const SolutionResult& r) {
  return std::isfinite(r.heatLoss) && std::isfinite(r.coefficient) && std::isfinite(r.energy) &&
         std::isfinite(r.energyCost) && std::isfinite(r.co2) && std::isfinite(r.investment) &&
         std::isfinite(r.total) && std::isfinite(r.payback);
}

// The reason the inputs cannot be calculated; 0 when they can.
int RefusalReason(const OkonomiInputs& in) {
  if (!code::IsKnown(in.ObjectType) || !code::IsKnown(in.SurroundingsMode) ||
      (in.Orientation != 0 && in.Orientation != 1)) {
    return ids::ReasonUnknownObjectCode;
  }
  if (code::IsCircular(in.ObjectType) && !(in.Diameter > 0.0f)) {
    return ids::ReasonDimensionNotPositive;
  }
  if (code::IsRectangular(in.ObjectType) && !(in.DuctHeight > 0.0f && in.DuctWidth > 0.0f)) {
    return ids::ReasonDimensionNotPositive;
  }
  return 0;
}

}  // namespace

EconomicFactors FactorsFor(const OkonomiInputs& in) {
  EconomicFactors f;
  f.interest = in.RealInterest / 100.0f;
  f.increase = in.EnergyPriceIncrease / 100.0f;
  f.rate = (f.interest - f.increase) / (1.0f + f.increase);
  f.price = in.EnergyPrice / 100.0f;
  f.years = in.DepreciationYears;
  f.investment = PresentValueFactor(f.interest, f.years);
  f.energy = PresentValueFactor(f.rate, f.years);
  return f;
}

SolutionHeat SolutionHeatLoss(const OkonomiInputs& in, const COkonomiIsolasjon& solution) {
  const search::OuterFilm film = OuterSide(in);
  const float emissivity = solution.SurfaceEmissivity();
  const float s = solution.Thickness(in.Diameter) / 1000.0f;
  if (solution.InsulationKind == 3 || s < kBareThickness) return BareSurface(in, film, emissivity);
  const CIsoProdukt* product = solution.InsulationProduct();
  const ConductivityPolynomial lambda =
      product != nullptr ? product->Conductivity() : ConductivityPolynomial{};
  const search::LayerShape shape =
      search::InsulatedShape(in.ObjectType, in.Diameter, in.DuctHeight, in.DuctWidth, 0.0f, s);
  const search::LayerSurface surface =
      search::SearchLayerSurface(shape, s, lambda, film, emissivity, in.MediumTemperature);
  return {surface.film, surface.coefficient};
}

float PaybackTime(float i0, float c0, float i1, float c1, float r) {
  const float saving = c0 - c1;
  if (saving < kLeastSaving) return kNeverPaysBack;
  const float extra = i1 - i0;
  const float net = saving - extra * r;
  if (net < kLeastSaving) return kNeverPaysBack;
  if (std::fabs(r) < kPaybackRateBound) return extra / saving;
  return LogF(saving / net) / LogF(1.0f + r);
}

EconomicResult CalculateEconomy(const OkonomiInputs& in) {
  EconomicResult result;
  if (const int reason = RefusalReason(in); reason != 0) {
    result.outcome.Refuse(reason);
    return result;
  }
  const EconomicFactors f = FactorsFor(in);
  result.factors = f;
  auto solve = [&](const COkonomiIsolasjon& solution) {
    const SolutionHeat heat = SolutionHeatLoss(in, solution);
    SolutionResult r;
    r.heatLoss = heat.heatLoss;
    r.coefficient = heat.coefficient;
    r.energy = std::fabs(heat.heatLoss) * f.energy * in.OperatingHours / (f.investment * 1000.0f);
    r.energyCost = r.energy * f.price;
    r.co2 = r.energy * in.Co2Factor / 1000.0f;
    r.investment = solution.Price / f.investment;
    r.total = r.energyCost + r.investment;
    return r;
  };
  const SolutionResult standard = solve(in.StandardSolution);
  result.solutions.push_back(standard);
  float best = standard.total;
  int k = 0;
  for (const COkonomiIsolasjon* alternative : in.Alternatives) {
    ++k;
    SolutionResult r = solve(*alternative);
    r.payback = PaybackTime(in.StandardSolution.Price, standard.energyCost, alternative->Price,
                            r.energyCost, f.rate);
    if (r.total < best) {
      best = r.total;
      result.bestIndex = k;
    }
    result.solutions.push_back(r);
  }
  for (const SolutionResult& r : result.solutions) {
    if (!Finite(r)) {
      result.solutions.clear();
      result.bestIndex = 0;
      result.outcome.Refuse(ids::ReasonNoFiniteResult);
      break;
    }
  }
  return result;
}

}  // namespace kav
