#include "core/formulas.h"

#include <cmath>

namespace kav {

float PowF(float a, float b) {
  return static_cast<float>(std::pow(static_cast<double>(a), static_cast<double>(b)));
}

float LogF(float x) {
  return static_cast<float>(std::log(static_cast<double>(x)));
}

float ExpF(float x) {
  return static_cast<float>(std::exp(static_cast<double>(x)));
}

float SurfaceCoefficient(int free, int vertical, float dT, float d, int flat, float h, float v) {
  if (free) {
    float length = flat ? h : d;
    if (flat && !vertical) length = 1.0f;
    if (length * length * length * dT > 10.0f) {
      const float c = vertical ? 1.74f : 1.21f;
      return c * PowF(dT, 0.33333f);
    }
    const float c = vertical ? 1.32f : 1.25f;
    return c * PowF(dT / length, 0.25f);
  }
  if (flat) {
    const float length = vertical ? h : 1.0f;
    if (v * length > 8.0f) return 5.76f * PowF(v * v * v * v / length, 0.2f);
    return 3.96f * PowF(v / length, 0.5f);
  }
  if (v * d > 0.00855f) return 8.9f * PowF(v, 0.9f) / PowF(d, 0.1f);
  return 0.0081f / d + 3.14f * PowF(v / d, 0.5f);
}

float RadiationCoefficient(float emissivity, float ts, float ta) {
  const float s = (ts + 273.15f) / 100.0f;
  const float a = (ta + 273.15f) / 100.0f;
  return emissivity * kRadiationConstant * (s * s * s * s - a * a * a * a) / (ts - ta);
}

float ConductivityPolynomial::At(float t) const {
  return c3 * t * t * t + c2 * t * t + c1 * t + c0;
}

float ConductivityPolynomial::Integral(float ta, float tb) const {
  return c3 * (tb * tb * tb * tb - ta * ta * ta * ta) / 4.0f +
         c2 * (tb * tb * tb - ta * ta * ta) / 3.0f + c1 * (tb * tb - ta * ta) / 2.0f +
         c0 * (tb - ta);
}

float RoundSurface(float d, float l) {
  return kPi * d * l;
}

float RectSurface(float h, float b, float l) {
  return (2.0f * h + 2.0f * b) * l;
}

float DewPoint(float relativeHumidity, float airTemperature) {
  return PowF(relativeHumidity / 100.0f, 0.1247f) * (airTemperature + 109.8f) - 109.8f;
}

}  // namespace kav
