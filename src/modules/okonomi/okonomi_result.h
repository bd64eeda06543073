#pragma once
// What the economic calculation finds for the standard solution and each
// alternative, in the units it computes them.
#include <vector>

#include "modules/common/outcome.h"

namespace kav {

// The interest and price rates of the economic data and the factors they
// give over the depreciation period.
struct EconomicFactors {
  float interest = 0.0f;    // i, real interest per year
  float increase = 0.0f;    // g, energy price increase per year
  float rate = 0.0f;        // r = (i − g)/(1 + g), the energy's discount rate
  float price = 0.0f;       // p, kr/kWh
  float years = 0.0f;       // n, depreciation period
  float investment = 0.0f;  // Fi = (1 − (1 + i)^−n)/i, n for i near 0
  float energy = 0.0f;      // Fe = (1 − (1 + r)^−n)/r, n for r near 0 or below
};

struct SolutionResult {
  float heatLoss = 0.0f;     // q, W/m or W/m² (negative for a cold medium)
  float coefficient = 0.0f;  // outer h, W/m²K
  float energy = 0.0f;       // E, levelled kWh per year and m or m²
  float energyCost = 0.0f;   // Ce = E·p, kr per year
  float co2 = 0.0f;          // kg per year
  float investment = 0.0f;   // Ci = price/Fi, kr per year
  float total = 0.0f;        // Ce + Ci
  float payback = 0.0f;      // years against the standard solution (alternatives)
};

struct EconomicResult {
  Outcome outcome;
  EconomicFactors factors;
  // The standard solution first, then the alternatives in their order.
  std::vector<SolutionResult> solutions;
  int bestIndex = 0;  // the lowest total; 0 the standard solution
};

}  // namespace kav
