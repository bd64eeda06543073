#pragma once
// What the flowing-media calculation finds, in the units it computes them:
// per segment and for the whole run.
#include <vector>

#include "modules/common/outcome.h"

namespace kav {

struct SegmentResult {
  float outletTemperature = 0.0f;  // °C, after the accessories
  float heatLoss = 0.0f;           // W, the segment with its accessories
  float outerCoefficient = 0.0f;   // αo with radiation, W/m²K
  float innerCoefficient = 0.0f;   // αi, W/m²K (ducts)
  float quantity1 = 0.0f;          // m², outer surface of layer 1 (of the only layer)
  float quantity2 = 0.0f;          // m², outer surface over both layers
};

struct FlowingMediumResult {
  Outcome outcome;
  bool ducts = false;                   // the run carries air: the inner coefficients are shown
  std::vector<SegmentResult> segments;  // in flow order
  float totalLoss = 0.0f;               // W
  float totalLength = 0.0f;             // m, without the hanger allowance
  float meanLoss = 0.0f;                // W/m
  float energy = 0.0f;                  // kWh/year
  float cost = 0.0f;                    // kr/year
  float totalQuantity = 0.0f;           // m²
  bool dewPointChecked = false;
  float dewPoint = 0.0f;  // °C, of the air at the inlet
};

}  // namespace kav
