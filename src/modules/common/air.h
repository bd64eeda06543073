#pragma once
// Properties of air at temperature t (°C) for the modules that carry air in
// ducts, and the inner heat-transfer coefficient of turbulent duct flow.
namespace kav::air {

// Kinematic viscosity ν = (13.45 + 0.1 t) × 10⁻⁶ m²/s.
float KinematicViscosity(float t);
// Thermal conductivity λa = (24.1 + 0.0764 t) × 10⁻³ W/mK.
float Conductivity(float t);
// Density in kg/m³: 1.308 − 0.0035 t below 150 °C, 0.985 − 0.0011 t below
// 400 °C, 0.732 − 0.00046 t above.
float Density(float t);

// The inner coefficient 0.0207 λa Re^0.8 / dh (W/m²K) for a Reynolds number
// Re and a hydraulic diameter dh (m).
float InnerCoefficient(float conductivity, float reynolds, float hydraulicDiameter);

}  // namespace kav::air
