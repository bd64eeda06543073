// The tank calculation on its result: the cooling physics for every shape
// and surroundings, the switch to the thin-insulation model, freezing, the
// curve's axes, and the faults it must not repeat (endless searches, the
// start loss of a cold tank, the energy sign, the tank without insulation).
#include "modules/tank_temp/tank_temp_calculate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "core/strings.h"
#include "module_test_support.h"

namespace kav {
namespace {

class TankCalculationTest : public test::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    // A hot-water store: 1000 kg/m³, 4180 J/kgK, freezing at 0 °C.
    in.UserLiquid = 1;
    in.UserDensity = 1000.0f;
    in.Insulation.Product = &Glassull();  // about 0.035 W/mK
    in.Insulation.OwnThickness = 1;
    in.Insulation.Thickness = 100.0f;
    in.StartTemperature = 60.0f;
    in.AmbientTemperature = 10.0f;
  }
  void Thickness(float mm) { in.Insulation.Thickness = mm; }
  TankTempResult Run() const { return CalculateTankTemperature(in); }
  // Every shape in every known surroundings, `check` on each result.
  template <class Check>
  void ForEveryCase(Check check) {
    for (int shape = 0; shape < 3; ++shape) {
      for (int surroundings = 0; surroundings < 3; ++surroundings) {
        SCOPED_TRACE(::testing::Message() << "shape " << shape << " surroundings " << surroundings);
        in.Shape = code::FromInt<code::TankShape>(shape);
        in.Surroundings = code::FromInt<code::Surroundings>(surroundings);
        check(Run());
      }
    }
  }

  TankTempInputs in;
};

TEST_F(TankCalculationTest, TheLiquidEndsBetweenItsStartAndTheAmbientTemperature) {
  for (float mm : {100.0f, 5.0f}) {  // main and thin model
    Thickness(mm);
    ForEveryCase([&](const TankTempResult& r) {
      ASSERT_TRUE(r.outcome.ok);
      EXPECT_EQ(r.thinModel, mm == 5.0f);
      EXPECT_GT(r.endTemperature, 10.0f);
      EXPECT_LT(r.endTemperature, 60.0f);
      EXPECT_GT(r.cooling.surfaceTemperature, 10.0f);
      EXPECT_LT(r.cooling.surfaceTemperature, r.endTemperature);
      // Cooling: energy leaves, the start loss is outward.
      EXPECT_LT(r.energyChange, 0.0f);
      EXPECT_GT(r.startHeatLoss, 0.0f);
      EXPECT_FLOAT_EQ(r.energyChange, 1000.0f * 4180.0f * r.geometry.volume *
                                          (r.endTemperature - 60.0f) / 3600000.0f);
    });
  }
}

TEST_F(TankCalculationTest, AColdTankWarmsWithTheSameSignsTurned) {
  in.StartTemperature = 5.0f;
  in.AmbientTemperature = 25.0f;
  for (float mm : {100.0f, 5.0f}) {
    Thickness(mm);
    ForEveryCase([&](const TankTempResult& r) {
      ASSERT_TRUE(r.outcome.ok);
      EXPECT_GT(r.endTemperature, 5.0f);
      EXPECT_LT(r.endTemperature, 25.0f);
      EXPECT_GT(r.energyChange, 0.0f);
      // The heat flows in: the start loss is negative, of the size the
      // shell lets through (U·A·ΔT with U of the insulation alone as the
      // upper bound), not the floor of 0.1 W/m² turned positive.
      EXPECT_LT(r.startHeatLoss, 0.0f);
      const float bound = 0.04f / (mm / 1000.0f) * r.geometry.area * 20.0f;
      EXPECT_GT(r.startHeatLoss, -1.1f * bound);
      EXPECT_FALSE(r.freezes);
    });
  }
}

TEST_F(TankCalculationTest, ThickerInsulationCoolsSlowerAndFreezesLater) {
  in.Shape = code::TankShape::Cylinder;
  in.Diameter = 1.0f;
  in.Length = 2.0f;
  in.Surroundings = code::Surroundings::Outdoors;
  in.AmbientTemperature = -20.0f;
  in.StorageTime = 2000.0f;
  float lastTime = 0.0f;
  float lastTau = 0.0f;
  for (float mm : {5.0f, 50.0f, 100.0f, 200.0f}) {
    SCOPED_TRACE(mm);
    Thickness(mm);
    const TankTempResult r = Run();
    ASSERT_TRUE(r.freezes);
    EXPECT_GT(r.freezingTime, lastTime);
    EXPECT_GT(r.cooling.timeConstant, lastTau);
    lastTime = r.freezingTime;
    lastTau = r.cooling.timeConstant;
  }
}

// The models meet at s/λ0 = 0.25 m²K/W: there they must agree, and both
// count the energy negative when the liquid cools.
TEST_F(TankCalculationTest, TheThinModelTakesOverBelowAQuarterAndAgreesThere) {
  CIsoProdukt& product = Glassull();
  product.C3 = product.C2 = product.C1 = 0.0f;
  product.C0 = 0.0625f;  // exact in binary
  in.Shape = code::TankShape::Sphere;
  in.Diameter = 2.0f;
  Thickness(15.625f);  // s/λ0 = 0.25 exactly: the main model
  const TankTempResult main = Run();
  Thickness(15.5f);
  const TankTempResult thin = Run();
  EXPECT_FALSE(main.thinModel);
  EXPECT_TRUE(thin.thinModel);
  EXPECT_LT(main.energyChange, 0.0f);
  EXPECT_LT(thin.energyChange, 0.0f);
  EXPECT_NEAR(thin.endTemperature, main.endTemperature, 0.5f);
  EXPECT_NEAR(thin.energyChange / main.energyChange, 1.0f, 0.05f);
}

TEST_F(TankCalculationTest, ABoxIsTheSameWhicheverWayItStands) {
  in.Shape = code::TankShape::Box;
  const float sides[3] = {1.0f, 2.0f, 4.0f};
  const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  in.Width = 1.0f;
  in.Height = 2.0f;
  in.Depth = 4.0f;
  const TankGeometry first = TankGeometryOf(in, 0.1f);
  EXPECT_FLOAT_EQ(first.volume, 8.0f);
  // 2(ab + bc + ac)/s + 2.16(a + b + c) + 1.2s
  EXPECT_FLOAT_EQ(first.shapeFactor, 2.0f * 14.0f / 0.1f + 2.16f * 7.0f + 0.12f);
  for (const auto& order : orders) {
    in.Width = sides[order[0]];
    in.Height = sides[order[1]];
    in.Depth = sides[order[2]];
    const TankGeometry g = TankGeometryOf(in, 0.1f);
    EXPECT_EQ(g.shapeFactor, first.shapeFactor);
    EXPECT_EQ(g.area, first.area);
    EXPECT_EQ(g.volume, first.volume);
    EXPECT_FLOAT_EQ(g.height, in.Height + 0.2f);
  }
}

TEST_F(TankCalculationTest, ALiquidThatFreezesStopsTheCurveAtItsFreezingPoint) {
  in.Surroundings = code::Surroundings::Outdoors;
  in.AmbientTemperature = -15.0f;
  in.StorageTime = 8760.0f;
  in.Shape = code::TankShape::Cylinder;
  in.Diameter = 1.0f;
  in.Length = 1.0f;
  const TankTempResult r = Run();
  ASSERT_TRUE(r.outcome.ok);
  ASSERT_TRUE(r.freezes);
  EXPECT_EQ(r.endTemperature, 0.0f);
  EXPECT_LT(r.freezingTime, 8760.0f);
  ASSERT_EQ(r.outcome.notices.size(), 1u);
  EXPECT_EQ(r.outcome.notices[0].id, ids::FreezingBeforeStorageEnds);
  EXPECT_EQ(r.outcome.notices[0].icon, Icon::Information);
  const TankCurve& c = r.curve;
  EXPECT_FLOAT_EQ(c.time.back(), r.freezingTime);
  EXPECT_NEAR(c.temperature.back(), 0.0f, 0.01f);
  EXPECT_FLOAT_EQ(c.timeMax, r.freezingTime + r.freezingTime / 8.0f);
  // The energy change counts to the freezing point only.
  EXPECT_FLOAT_EQ(r.energyChange,
                  1000.0f * 4180.0f * r.geometry.volume * (0.0f - 60.0f) / 3600000.0f);
}

TEST_F(TankCalculationTest, ALiquidThatDoesNotFreezeSpansTheStorageTime) {
  const TankTempResult r = Run();
  ASSERT_FALSE(r.freezes);
  EXPECT_TRUE(r.outcome.notices.empty());
  EXPECT_EQ(r.freezingTime, 500.0f);
  EXPECT_FLOAT_EQ(r.curve.time[9], 500.0f);
  EXPECT_FLOAT_EQ(r.curve.timeMax, 562.5f);
  EXPECT_EQ(r.curve.timeStep, 50.0f);
  EXPECT_EQ(r.curve.temperature[0], 60.0f);
  EXPECT_FLOAT_EQ(r.curve.temperature[9], r.endTemperature);
}

// A start right at the freezing point freezes at once; the dialog accepts
// it, so it must show 0.0 h and an empty stretch of curve, nothing worse.
TEST_F(TankCalculationTest, AStartAtTheFreezingPointFreezesAtOnce) {
  in.StartTemperature = 0.0f;
  in.AmbientTemperature = -5.0f;
  const TankTempResult r = Run();
  ASSERT_TRUE(r.outcome.ok);
  ASSERT_TRUE(r.freezes);
  EXPECT_EQ(r.freezingTime, 0.0f);
  EXPECT_FALSE(std::signbit(r.freezingTime));
  EXPECT_EQ(r.energyChange, 0.0f);
}

TEST_F(TankCalculationTest, TheAxesTakeTheirStepsAtTheBandEdges) {
  EXPECT_EQ(TimeStep(19.9f), 1.0f);
  EXPECT_EQ(TimeStep(20.0f), 2.0f);
  EXPECT_EQ(TimeStep(639.0f), 50.0f);
  EXPECT_EQ(TimeStep(2539.0f), 200.0f);
  EXPECT_EQ(TimeStep(2540.0f), 500.0f);
  EXPECT_EQ(TimeStep(5080.0f), 1000.0f);
  EXPECT_EQ(TemperatureStep(19.9f), 2.0f);
  EXPECT_EQ(TemperatureStep(20.0f), 5.0f);
  EXPECT_EQ(TemperatureStep(499.0f), 50.0f);
  EXPECT_EQ(TemperatureStep(500.0f), 100.0f);
  // 60 down to about 10.6: a span under 50 K, steps of 5, one step of room
  // beyond the truncated extremes.
  const TankCurve c = CoolingCurve(60.0f, 10.0f, 20.0f, 100.0f);
  EXPECT_EQ(c.temperatureStep, 5.0f);
  EXPECT_EQ(c.temperatureMin, 5.0f);
  EXPECT_EQ(c.temperatureMax, 65.0f);
  // Below zero the truncation goes towards zero: −7.5 → −5 − 5.
  const TankCurve cold = CoolingCurve(2.0f, -10.0f, 20.0f, 30.0f);
  EXPECT_EQ(cold.temperatureStep, 2.0f);
  EXPECT_EQ(cold.temperatureMax, 4.0f);
  EXPECT_EQ(cold.temperatureMin, 2.0f * std::trunc(cold.temperature[9] / 2.0f) - 2.0f);
}

// A search that does not close its balance stops after 100 passes and
// keeps its last values. On a wall between 1 and 2.2 m high the free
// convection jumps where h'³·ΔT = 10, and the thin model's iteration on αo
// swings across that jump for ever.
TEST_F(TankCalculationTest, ASearchThatSwingsStopsAfterItsBound) {
  in.Shape = code::TankShape::Cylinder;
  in.Diameter = 1.0f;
  in.Length = 1.2f;
  Thickness(0.0f);
  in.StartTemperature = 18.2f;
  in.AmbientTemperature = 10.0f;
  in.StorageTime = 60.0f;
  in.Insulation.HasJacketing = 1;
  in.Insulation.UserJacketing = 1;
  in.Insulation.JacketingEmissivity = 0.0f;
  const auto start = std::chrono::steady_clock::now();
  const TankTempResult r = Run();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_FALSE(r.cooling.converged);
  EXPECT_EQ(r.cooling.passes, 100);
}

// Without insulation the tank is bare: U = αo and the surface is the
// liquid; a thin layer comes close to it and never past it.
TEST_F(TankCalculationTest, ATankWithoutInsulationIsTheBareTank) {
  in.Shape = code::TankShape::Box;
  for (int surroundings = 0; surroundings < 3; ++surroundings) {
    SCOPED_TRACE(surroundings);
    in.Surroundings = code::FromInt<code::Surroundings>(surroundings);
    Thickness(0.0f);
    const TankTempResult bare = Run();
    ASSERT_TRUE(bare.outcome.ok);
    EXPECT_TRUE(bare.thinModel);
    EXPECT_EQ(bare.cooling.surfaceTemperature, bare.endTemperature);
    if (surroundings == 2) {
      EXPECT_EQ(bare.cooling.outerCoefficient, 5.0f);
      EXPECT_FLOAT_EQ(bare.startHeatLoss, 5.0f * 50.0f * bare.geometry.area);
    }
    Thickness(0.5f);
    const TankTempResult thin = Run();
    EXPECT_GT(thin.endTemperature, bare.endTemperature);
    EXPECT_NEAR(thin.endTemperature, bare.endTemperature, 1.0f);
    EXPECT_LT(thin.startHeatLoss, bare.startHeatLoss);
  }
}

TEST_F(TankCalculationTest, InputsADocumentCanHoldButNotCalculateAreRefused) {
  auto refused = [&](int reason) {
    const TankTempResult r = Run();
    EXPECT_FALSE(r.outcome.ok);
    EXPECT_EQ(r.outcome.notices.at(0).text, FormatId(ids::CalculationNotPossible, Str(reason)));
  };
  const TankTempInputs good = in;
  in.Shape = code::FromInt<code::TankShape>(3);
  refused(ids::ReasonUnknownObjectCode);
  in = good;
  in.Diameter = 0.0f;
  in.Shape = code::TankShape::Sphere;
  refused(ids::ReasonDimensionNotPositive);
  in = good;
  in.StorageTime = 0.0f;
  refused(ids::ReasonLiquidOrTimeNotPositive);
  in = good;
  Thickness(-10.0f);
  refused(ids::ReasonInsulationNotUsable);
  in = good;
  in.StartTemperature = 10.0f;
  refused(ids::ReasonStartAtAmbient);
  in = good;
  in.StartTemperature = -1.0f;
  in.AmbientTemperature = -10.0f;
  refused(ids::ReasonStartBelowFreezing);
}

}  // namespace
}  // namespace kav
