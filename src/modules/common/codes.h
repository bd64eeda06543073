#pragma once
// The typed codes of the module inputs, with their predicates. A code holds
// the integer a document stores, also one outside its range (a calculation
// refuses that, and saving gives the same bytes back); the integers appear
// only where codes are stored (Serialize) and in the dialogs' controls.
#include <type_traits>

namespace kav::code {

// The object insulated. Heat loss and economy use all six; the segments of
// a flowing-media run use 0..3.
enum class Geometry : int {
  Pipe = 0,
  CircularDuct = 1,
  RectangularDuct = 2,
  InternalDuct = 3,  // rectangular duct insulated inside
  FlatOutside = 4,   // flat surface insulated outside
  FlatInside = 5,    // flat surface insulated inside
};

// What the heat-loss calculation is asked for.
enum class Criterion : int {
  GivenThickness = 0,
  GivenSurfaceTemperature = 1,
  GivenMaxHeatLoss = 2,
  InsulationClass = 3,  // the thickness NS-EN 12828 recommends
};

enum class Surroundings : int {
  Indoors = 0,          // free convection
  Outdoors = 1,         // forced convection by the wind
  UserCoefficient = 2,  // the user's total outer coefficient, no radiation added
};

// Where an insulation layer's product comes from.
enum class Source : int {
  Standard = 0,  // the product database
  Hose = 1,      // a cellular-rubber hose product of the database
  User = 2,      // the user's own products
};

// An insulation layer's field of use, numbered as the products' use flags.
enum class Usage : int {
  Pipe = 0,
  CircularDuct = 1,
  RectangularDuct = 2,
  RectangularDuctInside = 3,
  FlatOutside = 4,
  FlatInside = 5,
  Tank = 6,
  CircularDuctInside = 7,  // no use flag: only the user's own products
};

// The unit a flow is given in.
enum class FlowUnit : int {
  CubicMetresPerHour = 0,
  LitresPerSecond = 1,
  MetresPerSecond = 2,
};

// What a flowing-media run carries: a liquid in pipes, or air in ducts.
enum class RunType : int {
  Pipes = 0,
  CircularDucts = 1,
  RectangularDucts = 2,
  InternalDucts = 3,  // rectangular ducts insulated inside
};

template <class Code>
requires std::is_enum_v<Code>
constexpr int ToInt(Code code) {
  return static_cast<int>(code);
}

template <class Code>
requires std::is_enum_v<Code>
constexpr Code FromInt(int value) {
  return static_cast<Code>(value);
}

constexpr bool IsKnown(Geometry g) {
  return ToInt(g) >= 0 && ToInt(g) <= 5;
}
constexpr bool IsCircular(Geometry g) {
  return g == Geometry::Pipe || g == Geometry::CircularDuct;
}
constexpr bool IsRectangular(Geometry g) {
  return g == Geometry::RectangularDuct || g == Geometry::InternalDuct;
}
constexpr bool IsFlat(Geometry g) {
  return g == Geometry::FlatOutside || g == Geometry::FlatInside;
}
// The insulation lies inside: the outside is the object's own surface.
constexpr bool IsInternal(Geometry g) {
  return g == Geometry::InternalDuct || g == Geometry::FlatInside;
}
// A pipe or a duct, measured by its length (a flat surface by its area).
constexpr bool IsRun(Geometry g) {
  return ToInt(g) >= 0 && ToInt(g) <= 3;
}

constexpr bool IsKnown(Criterion c) {
  return ToInt(c) >= 0 && ToInt(c) <= 3;
}
// The calculation finds the thickness (every criterion but the first).
constexpr bool FindsThickness(Criterion c) {
  return c != Criterion::GivenThickness;
}

// Wind and radiation come from the surroundings (not from the user's
// coefficient).
constexpr bool IsIndoorsOrOutdoors(Surroundings s) {
  return s == Surroundings::Indoors || s == Surroundings::Outdoors;
}
constexpr bool IsKnown(Surroundings s) {
  return ToInt(s) >= 0 && ToInt(s) <= 2;
}

constexpr bool IsKnown(FlowUnit u) {
  return ToInt(u) >= 0 && ToInt(u) <= 2;
}

// A product of the database, with its standard thicknesses or series.
constexpr bool IsCatalogue(Source s) {
  return s == Source::Standard || s == Source::Hose;
}
constexpr bool IsKnown(Source s) {
  return ToInt(s) >= 0 && ToInt(s) <= 2;
}

constexpr bool IsInternal(Usage u) {
  return u == Usage::RectangularDuctInside || u == Usage::FlatInside ||
         u == Usage::CircularDuctInside;
}
// Usages that have a use flag on the products.
constexpr bool HasUseFlag(Usage u) {
  return ToInt(u) >= 0 && ToInt(u) <= 6;
}
// The layer's field of use on an object of geometry g: the same number.
constexpr Usage UsageFor(Geometry g) {
  return FromInt<Usage>(ToInt(g));
}

// The geometry of the segments of a run.
constexpr Geometry SegmentGeometry(RunType r) {
  return FromInt<Geometry>(ToInt(r));
}
constexpr bool CarriesAir(RunType r) {
  return r != RunType::Pipes;
}

}  // namespace kav::code
