#include "modules/tank_temp/tank_temp_geometry.h"

#include "core/formulas.h"

namespace kav {
namespace {

constexpr float kTwoPi = 6.2831855f;

// Width a, height b, depth c: six walls, twelve edges and eight corners.
TankGeometry Box(float a, float b, float c, float s) {
  const float ao = a + 2.0f * s;
  const float bo = b + 2.0f * s;
  const float co = c + 2.0f * s;
  TankGeometry g;
  g.area = 2.0f * (ao * bo + bo * co + ao * co);
  g.volume = a * b * c;
  g.shapeFactor = 2.0f * (a * b + b * c + a * c) / s + 2.16f * (a + b + c) + 1.2f * s;
  g.height = bo;
  return g;
}

// Diameter d, length l: two flat ends and the mantle; it stands on an end.
TankGeometry Cylinder(float d, float l, float s) {
  const float dOut = d + 2.0f * s;
  const float lOut = l + 2.0f * s;
  TankGeometry g;
  g.area = kTwoPi * (dOut * dOut) / 4.0f + kPi * dOut * lOut;
  g.volume = kPi * (d * d) * l / 4.0f;
  g.shapeFactor = kTwoPi * ((d * d) / (4.0f * s) + l / LogF(dOut / d) + 0.54f * d);
  g.height = lOut;
  return g;
}

TankGeometry Sphere(float d, float s) {
  const float dOut = d + 2.0f * s;
  TankGeometry g;
  g.area = kPi * (dOut * dOut);
  g.volume = kPi * (d * d * d) / 6.0f;
  g.shapeFactor = kTwoPi / (1.0f / d - 1.0f / dOut);
  g.height = dOut;
  return g;
}

}  // namespace

TankGeometry TankGeometryOf(const TankTempInputs& in, float s) {
  switch (in.Shape) {
    case code::TankShape::Box:
      return Box(in.Width, in.Height, in.Depth, s);
    case code::TankShape::Cylinder:
      return Cylinder(in.Diameter, in.Length, s);
    case code::TankShape::Sphere:
      return Sphere(in.Diameter, s);
  }
  return {};
}

}  // namespace kav
