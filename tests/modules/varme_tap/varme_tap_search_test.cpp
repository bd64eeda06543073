// The heat-loss searches against hand calculations and physical sense.
#include "modules/varme_tap/varme_tap_search.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kav {
namespace {

constexpr ConductivityPolynomial kConstant{0.0f, 0.0f, 0.0f, 0.04f};
constexpr ConductivityPolynomial kMineralWool{1.51e-9f, 1.31e-7f, 1.74e-4f, 0.034f};

HeatLossCase Case(int geometry, int surroundings = 0) {
  HeatLossCase c;
  c.geometry = code::FromInt<code::Geometry>(geometry);
  c.surroundings = code::FromInt<code::Surroundings>(surroundings);
  c.mediumTemperature = 70.0f;
  c.ambientTemperature = 20.0f;
  c.diameter = 100.0f;
  c.width = 200.0f;
  c.height = 200.0f;
  c.windSpeed = 3.0f;
  c.outerCoefficient = 10.0f;
  return c;
}

// With a constant conductivity and a given outer coefficient the layer and
// the film are two resistances in series: q = ΔT / (R_layer + R_film).
TEST(HeatLossSearchTest, MatchesSeriesResistancesByHand) {
  const float dT = 50.0f;
  {  // pipe D 100 mm, 50 mm insulation: R = ln(0.2/0.1)/(2π·0.04) + 1/(10·π·0.2)
    const double expected = dT / (std::log(2.0) / (2 * M_PI * 0.04) + 1 / (10 * M_PI * 0.2));
    const SurfaceResult r = HeatLossSearch(Case(0, 2)).OneLayer({0.05f, kConstant}, 0.9f);
    EXPECT_NEAR(r.heatLoss, expected, 0.1);  // 17.14 W/m
    EXPECT_NEAR(r.surfaceTemperature, 20.0 + expected / (10 * M_PI * 0.2), 0.05);
  }
  {  // flat surface, 100 mm: R = 0.1/0.04 + 1/10 per m²
    const SurfaceResult r = HeatLossSearch(Case(4, 2)).OneLayer({0.1f, kConstant}, 0.9f);
    EXPECT_NEAR(r.heatLoss, dT / (2.5 + 0.1), 0.1);
  }
  {  // rectangular duct 200 x 200 mm insulated 50 mm outside: outer perimeter 1.2 m
    const SurfaceResult r = HeatLossSearch(Case(2, 2)).OneLayer({0.05f, kConstant}, 0.9f);
    EXPECT_NEAR(r.heatLoss, dT / (0.05 / 1.2 / 0.04 + 1 / (10 * 1.2)), 0.1);
  }
  {  // the same duct insulated inside: the perimeter is the duct's own, 0.8 m
    const SurfaceResult r = HeatLossSearch(Case(3, 2)).OneLayer({0.05f, kConstant}, 0.9f);
    EXPECT_NEAR(r.heatLoss, dT / (0.05 / 0.8 / 0.04 + 1 / (10 * 0.8)), 0.1);
  }
}

// For every geometry, indoors and outdoors: the surface lies between the
// ambient and the medium, the heat balance is closed within 0.1 W/m, and a
// thicker insulation loses less.
TEST(HeatLossSearchTest, EveryGeometryBalancesAndLosesLessWhenThicker) {
  for (int geometry = 0; geometry <= 5; ++geometry) {
    for (int surroundings = 0; surroundings <= 1; ++surroundings) {
      SCOPED_TRACE("geometry " + std::to_string(geometry) + ", surroundings " +
                   std::to_string(surroundings));
      const HeatLossCase c = Case(geometry, surroundings);
      const HeatLossSearch search(c);
      float previous = 1e9f;
      for (float t : {0.02f, 0.05f, 0.1f}) {
        const SurfaceResult r = search.OneLayer({t, kMineralWool}, 0.9f);
        EXPECT_GT(r.surfaceTemperature, c.ambientTemperature);
        EXPECT_LT(r.surfaceTemperature, c.mediumTemperature);
        EXPECT_GT(r.heatLoss, 0.0f);
        EXPECT_LT(r.heatLoss, previous);
        previous = r.heatLoss;
        // The film carries what the layer conducts.
        float perimeter = 1.0f;
        if (c.Circular()) {
          perimeter = kPi * (c.diameter / 1000.0f + 2.0f * t);
        } else if (geometry == 2) {
          perimeter = 2.0f * (0.2f + 2.0f * t) + 2.0f * (0.2f + 2.0f * t);
        } else if (geometry == 3) {
          perimeter = 0.8f;
        }
        const float film =
            r.coefficient * perimeter * (r.surfaceTemperature - c.ambientTemperature);
        EXPECT_NEAR(r.heatLoss, film, 0.1f);
      }
      EXPECT_GT(search.Bare().heatLoss, previous);
    }
  }
}

TEST(HeatLossSearchTest, TwoLayersHaveTheInterfaceBetweenSurfaceAndMedium) {
  for (int geometry = 0; geometry <= 5; ++geometry) {
    SCOPED_TRACE(geometry);
    const HeatLossCase c = Case(geometry, 1);
    const SurfaceResult one = HeatLossSearch(c).OneLayer({0.03f, kMineralWool}, 0.9f);
    const SurfaceResult two =
        HeatLossSearch(c).TwoLayers({0.03f, kMineralWool}, {0.03f, kMineralWool}, 0.9f);
    EXPECT_GT(two.interfaceTemperature, two.surfaceTemperature);
    EXPECT_LT(two.interfaceTemperature, c.mediumTemperature);
    EXPECT_LT(two.heatLoss, one.heatLoss);
  }
}

TEST(HeatLossSearchTest, ThicknessForASurfaceTemperatureGivesThatTemperature) {
  const HeatLossSearch search(Case(0));
  const ThicknessResult found = search.ForSurfaceTemperature(25.0f, kMineralWool, 0.9f);
  ASSERT_EQ(found.outcome, ThicknessResult::Outcome::Found);
  const SurfaceResult check = search.OneLayer({found.thickness, kMineralWool}, 0.9f);
  EXPECT_NEAR(check.surfaceTemperature, 25.0f, 0.1f);
}

TEST(HeatLossSearchTest, ThicknessForAMaxLossMeetsIt) {
  const HeatLossSearch hot(Case(0));
  const ThicknessResult found = hot.ForMaxHeatLoss(15.0f, kMineralWool, 0.9f);
  ASSERT_EQ(found.outcome, ThicknessResult::Outcome::Found);
  EXPECT_NEAR(found.surface.heatLoss, 15.0f, 0.1f);
  EXPECT_NEAR(hot.OneLayer({found.thickness, kMineralWool}, 0.9f).heatLoss, 15.0f, 0.15f);
}

// A medium colder than the ambient gains heat: the limit is negative, and
// the search starts from a positive thickness all the same.
TEST(HeatLossSearchTest, ColdMediumFindsTheThicknessForANegativeLimit) {
  HeatLossCase c = Case(0);
  c.mediumTemperature = 5.0f;
  c.ambientTemperature = 25.0f;
  const ThicknessResult found = HeatLossSearch(c).ForMaxHeatLoss(-6.0f, kMineralWool, 0.9f);
  ASSERT_EQ(found.outcome, ThicknessResult::Outcome::Found);
  EXPECT_GT(found.thickness, 0.0f);
  EXPECT_NEAR(found.surface.heatLoss, -6.0f, 0.1f);
  EXPECT_LT(found.surface.surfaceTemperature, 25.0f);
}

TEST(HeatLossSearchTest, MaxLossAboveTheBareLossNeedsNoInsulation) {
  const HeatLossSearch search(Case(0));
  const float bare = search.Bare().heatLoss;
  const ThicknessResult found = search.ForMaxHeatLoss(bare + 1.0f, kMineralWool, 0.9f);
  EXPECT_EQ(found.outcome, ThicknessResult::Outcome::NoInsulationNeeded);
  EXPECT_EQ(found.thickness, 0.0f);
  EXPECT_EQ(found.surface.surfaceTemperature, 70.0f);
  EXPECT_EQ(found.surface.heatLoss, bare);
}

TEST(HeatLossSearchTest, AnUnreachableLimitIsTooThick) {
  // A loss of 0.5 W/m from a 1 m pipe at 500 K difference needs metres of wool.
  HeatLossCase c = Case(0);
  c.diameter = 1000.0f;
  c.mediumTemperature = 520.0f;
  const ThicknessResult found = HeatLossSearch(c).ForMaxHeatLoss(1.0f, kMineralWool, 0.9f);
  EXPECT_EQ(found.outcome, ThicknessResult::Outcome::TooThick);
}

}  // namespace
}  // namespace kav
