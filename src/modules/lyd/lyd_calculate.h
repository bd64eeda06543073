#pragma once
// The sound-trap calculation as a pure function of the module's inputs:
// the free section inside the lining, the critical frequency and the
// attenuation per octave band, with the scale of its graph. It shows
// nothing and changes no input; its messages are in the result's outcome.
#include <span>

#include "modules/lyd/lyd_inputs.h"
#include "modules/lyd/lyd_result.h"

namespace kav {

SoundTrapResult CalculateSoundTrap(const LydInputs& in);

// The correction K for the ratio x of a band's frequency to the critical
// frequency: 0.004108x² − 0.1725x + 1.194, held between 0.077 and 1.05.
float AttenuationFactor(float ratio);

struct AttenuationScale {
  float max = 0.0f;   // the largest attenuation, at least 5, plus a sixth
  float step = 0.0f;  // 1, 2, 5 or 10 as the maximum grows
};
AttenuationScale AttenuationScaleFor(std::span<const float> attenuation);

}  // namespace kav
