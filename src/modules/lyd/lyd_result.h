#pragma once
// What the sound-trap calculation finds, in the units it computes them.
#include <array>

#include "modules/common/outcome.h"
#include "modules/lyd/lyd_inputs.h"

namespace kav {

// The octave bands' centre frequencies, Hz.
inline constexpr std::array<float, LydInputs::kBandCount> kBandFrequencies = {
    125.0f, 250.0f, 500.0f, 1000.0f, 2000.0f, 4000.0f};

struct SoundTrapResult {
  using Bands = std::array<float, LydInputs::kBandCount>;

  Outcome outcome;
  float lining = 0.0f;  // mm, the lining thickness a
  Bands absorption{};   // the absorption coefficient αk of each band

  // The free section inside the lining.
  float crossDimension = 0.0f;     // m, the acoustic cross dimension X
  float perimeter = 0.0f;          // m, the lined perimeter P
  float area = 0.0f;               // m², the free area A
  float criticalFrequency = 0.0f;  // Hz, fc = 340/(2X)

  Bands ratio{};        // x = fk/fc
  Bands kFactor{};      // K with its limits
  Bands attenuation{};  // dB/m, Lk = K·P·αk^1.4/A

  // The graph's vertical axis: 0 to yMax, ticks every yStep.
  float yMax = 0.0f;   // dB/m
  float yStep = 0.0f;  // dB/m

  // X above 430 mm; otherwise X above 200 mm (never both).
  bool above430 = false;
  bool above200 = false;
};

}  // namespace kav
