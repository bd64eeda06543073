#pragma once
// Heat-transfer formulas shared by every calculation module, in single
// precision with the order of operations as written.
namespace kav {

inline constexpr float kPi = 3.1415927f;
// Stefan-Boltzmann constant in W/m²K⁴ × 10⁸, as used with (T/100)⁴.
inline constexpr float kRadiationConstant = 5.67f;

// a^b: the double-precision power rounded to a float.
float PowF(float a, float b);
// Natural logarithm in single precision.
float LogF(float x);
// e^x: the double-precision exponential rounded to a float.
float ExpF(float x);

// Convective external heat-transfer coefficient h_cv (W/m²K) after
// EN ISO 12241, radiation not included.
//   free      nonzero: free convection (indoors); zero: forced (wind)
//   vertical  nonzero for a vertical pipe, duct or wall
//   dT        |surface − ambient| in K
//   d         characteristic outer dimension in m (diameter, or the larger
//             side of a rectangular duct)
//   flat      nonzero for a flat surface
//   h         height in m (duct height, wall height)
//   v         wind speed in m/s
float SurfaceCoefficient(int free, int vertical, float dT, float d, int flat, float h, float v);

// Radiation coefficient ε·5.67·((Ts+273.15)/100)⁴ − ((Ta+273.15)/100)⁴)/(Ts − Ta)
// in W/m²K, to be added to the convective one.
float RadiationCoefficient(float emissivity, float ts, float ta);

// Thermal conductivity λ(T) = c3·T³ + c2·T² + c1·T + c0 in W/mK, T in °C.
struct ConductivityPolynomial {
  float c3 = 0.0f;
  float c2 = 0.0f;
  float c1 = 0.0f;
  float c0 = 0.036f;

  float At(float t) const;
  // ∫ λ dT from ta to tb: c3(tb⁴ − ta⁴)/4 + c2(tb³ − ta³)/3 + c1(tb² − ta²)/2 +
  // c0(tb − ta), in W/m. The heat flow through a layer is its geometric
  // conductance factor times this integral.
  float Integral(float ta, float tb) const;
};

// Outer surface π·d·l of a circular pipe or duct.
float RoundSurface(float d, float l);
// Outer surface (2h + 2b)·l of a rectangular duct.
float RectSurface(float h, float b, float l);

// Dew point of moist air in °C: (φ/100)^0.1247·(t + 109.8) − 109.8, with the
// relative humidity φ in % and the air temperature t in °C.
float DewPoint(float relativeHumidity, float airTemperature);

}  // namespace kav
