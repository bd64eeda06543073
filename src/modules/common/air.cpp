#include "modules/common/air.h"

#include "core/formulas.h"

namespace kav::air {

float KinematicViscosity(float t) {
  return (13.45f + 0.1f * t) * 1.0e-6f;
}

float Conductivity(float t) {
  return (24.1f + 0.0764f * t) * 1.0e-3f;
}

float Density(float t) {
  if (t < 150.0f) return 1.308f - 0.0035f * t;
  if (t < 400.0f) return 0.985f - 0.0011f * t;
  return 0.732f - 0.00046f * t;
}

float InnerCoefficient(float conductivity, float reynolds, float hydraulicDiameter) {
  return 0.0207f * conductivity * PowF(reynolds, 0.8f) / hydraulicDiameter;
}

}  // namespace kav::air
