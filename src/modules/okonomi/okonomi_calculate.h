#pragma once
// The economic calculation as a pure function of the module's inputs: the
// heat loss of every solution with its own surface-temperature search, the
// levelled energy, its cost and CO2, the annuity of the investment, the
// cheapest solution and the pay-back times. It shows nothing and changes no
// input; a refusal is in the result's outcome.
#include "modules/okonomi/okonomi_inputs.h"
#include "modules/okonomi/okonomi_result.h"

namespace kav {

EconomicResult CalculateEconomy(const OkonomiInputs& in);

EconomicFactors FactorsFor(const OkonomiInputs& in);

// Heat loss q and outer coefficient h of one solution on the object.
struct SolutionHeat {
  float heatLoss = 0.0f;
  float coefficient = 0.0f;
};
SolutionHeat SolutionHeatLoss(const OkonomiInputs& in, const COkonomiIsolasjon& solution);

// The discounted pay-back time in years of an alternative (price i1,
// energy cost c1) against the standard (i0, c0) at rate r; 1000 when the
// alternative saves nothing or never pays back, negative when it is both
// cheaper and better.
float PaybackTime(float i0, float c0, float i1, float c1, float r);

}  // namespace kav
