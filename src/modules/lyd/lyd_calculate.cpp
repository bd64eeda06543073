#include "modules/lyd/lyd_calculate.h"

#include <cmath>

#include "core/formulas.h"
#include "core/string_ids.h"

namespace kav {
namespace {

using code::DuctType;

// The speed of sound in the duct, m/s.
constexpr float kSpeedOfSound = 340.0f;
// The acoustic cross dimensions above which the method loses accuracy: at
// all frequencies, and above 2000 Hz.
constexpr float kAccuracyLimit = 0.43f;  // m
constexpr float kHighBandLimit = 0.2f;   // m

struct FreeSection {
  float crossDimension;  // m
  float perimeter;       // m, lined
  float area;            // m²
};

// D, H, W the duct's dimensions and a the lining, all in mm.
FreeSection FreeSectionOf(DuctType type, float D, float H, float W, float a) {
  switch (type) {
    case DuctType::Circular: {
      const float d = (D - 2.0f * a) / 1000.0f;
      const float half = d / 2.0f;
      return {d, kPi * d, kPi * (half * half)};
    }
    case DuctType::Rectangular: {
      // The free height is the cross dimension, whatever the width.
      const float h = (H - 2.0f * a) / 1000.0f;
      const float w = (W - 2.0f * a) / 1000.0f;
      return {h, 2.0f * (h + w), h * w};
    }
    case DuctType::TopAndBottom: {
      const float h = (H - 2.0f * a) / 1000.0f;
      return {h, 2.0f * W / 1000.0f, h * W / 1000.0f};
    }
    case DuctType::SideWalls: {
      const float w = (W - 2.0f * a) / 1000.0f;
      return {w, 2.0f * H / 1000.0f, H / 1000.0f * w};
    }
  }
  return {0.0f, 0.0f, 0.0f};
}

bool AllFinite(const SoundTrapResult& r) {
  auto finite = [](const SoundTrapResult::Bands& bands) {
    for (float v : bands) {
      if (!std::isfinite(v)) return false;
    }
    return true;
  };
  return std::isfinite(r.crossDimension) && std::isfinite(r.perimeter) && std::isfinite(r.area) &&
         std::isfinite(r.criticalFrequency) && finite(r.ratio) && finite(r.kFactor) &&
         finite(r.attenuation) && std::isfinite(r.yMax);
}

}  // namespace

float AttenuationFactor(float ratio) {
  float k = 0.004108f * (ratio * ratio) - 0.1725f * ratio + 1.194f;
  if (k > 1.05f) k = 1.05f;
  if (k < 0.077f) k = 0.077f;
  return k;
}

AttenuationScale AttenuationScaleFor(std::span<const float> attenuation) {
  float max = 5.0f;
  for (float l : attenuation) {
    if (l > max) max = l;
  }
  max = max + max / 6.0f;
  float step = 10.0f;
  if (max < 20.0f) {
    step = 1.0f;
  } else if (max < 40.0f) {
    step = 2.0f;
  } else if (max < 80.0f) {
    step = 5.0f;
  }
  return {max, step};
}

SoundTrapResult CalculateSoundTrap(const LydInputs& in) {
  SoundTrapResult r;
  if (!code::IsKnown(in.DuctType)) {
    r.outcome.Refuse(ids::SoundTrapUnknownDuctType);
    return r;
  }
  if (in.UsesOwnValues()) {
    r.lining = in.OwnThickness;
    r.absorption = in.OwnAbsorption;
  } else if (in.AbsorptionProduct != nullptr && in.AbsorptionThickness != nullptr) {
    r.lining = in.AbsorptionThickness->Thickness;
    r.absorption = in.AbsorptionThickness->Coefficients;
  } else {
    r.outcome.Refuse(ids::SoundTrapNoProduct);
    return r;
  }

  const FreeSection section =
      FreeSectionOf(in.DuctType, in.Diameter, in.DuctHeight, in.DuctWidth, r.lining);
  if (!std::isfinite(section.crossDimension) || !std::isfinite(section.perimeter) ||
      !std::isfinite(section.area)) {
    r.outcome.Refuse(ids::SoundTrapNotFinite);
    return r;
  }
  if (section.crossDimension <= 0.0f || section.area <= 0.0f) {
    r.outcome.Refuse(ids::SoundTrapNoFreeSection);
    return r;
  }
  r.crossDimension = section.crossDimension;
  r.perimeter = section.perimeter;
  r.area = section.area;
  r.criticalFrequency = kSpeedOfSound / (2.0f * r.crossDimension);
  for (std::size_t k = 0; k < kBandFrequencies.size(); ++k) {
    r.ratio[k] = kBandFrequencies[k] / r.criticalFrequency;
    r.kFactor[k] = AttenuationFactor(r.ratio[k]);
    r.attenuation[k] = r.kFactor[k] * r.perimeter * PowF(r.absorption[k], 1.4f) / r.area;
  }
  const AttenuationScale scale = AttenuationScaleFor(r.attenuation);
  r.yMax = scale.max;
  r.yStep = scale.step;
  if (!AllFinite(r)) {
    r.outcome.Refuse(ids::SoundTrapNotFinite);
    return r;
  }
  if (r.crossDimension > kAccuracyLimit) {
    r.above430 = true;
  } else if (r.crossDimension > kHighBandLimit) {
    r.above200 = true;
  }
  return r;
}

}  // namespace kav
