// The sound-trap calculation on its result: the free section of each duct
// type, the K factor's limits, the warnings, the graph's scale and the
// inputs it refuses.
#include "modules/lyd/lyd_calculate.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/strings.h"

namespace kav {
namespace {

using code::DuctType;

// A duct of the type lined with the user's own product, all coefficients 1.
LydInputs Lined(DuctType type, float thickness = 50.0f) {
  LydInputs in;
  in.DuctType = type;
  in.OwnValues = 1;
  in.OwnThickness = thickness;
  in.OwnAbsorption.fill(1.0f);
  return in;
}

bool RefusedFor(const SoundTrapResult& r, int reasonId) {
  return !r.outcome.ok && r.outcome.notices.size() == 1 &&
         r.outcome.notices[0].text == FormatId(ids::CalculationNotPossible, Str(reasonId));
}

TEST(SoundTrapCalculation, SquareDuctByHand) {
  // 400 × 400 mm lined 50 mm all round: 300 × 300 mm free.
  const SoundTrapResult r = CalculateSoundTrap(Lined(DuctType::Rectangular));
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_FLOAT_EQ(r.crossDimension, 0.3f);
  EXPECT_FLOAT_EQ(r.perimeter, 1.2f);
  EXPECT_FLOAT_EQ(r.area, 0.09f);
  EXPECT_NEAR(r.criticalFrequency, 566.67f, 0.01f);
  // 1000 Hz: x = 1.7647, K = 0.004108·3.1142 − 0.1725·1.7647 + 1.194 = 0.90238,
  // L = 0.90238 · 1.2 · 1^1.4 / 0.09 = 12.032 dB/m.
  EXPECT_NEAR(r.kFactor[3], 0.90238f, 1e-5f);
  EXPECT_NEAR(r.attenuation[3], 12.032f, 1e-3f);
  // 125 Hz: x = 0.22, the quadratic above 1.05 is held there.
  EXPECT_EQ(r.kFactor[0], 1.05f);
  // The exponent 1.4 on the coefficient: 0.5^1.4 = 0.37893.
  LydInputs half = Lined(DuctType::Rectangular);
  half.OwnAbsorption[3] = 0.5f;
  EXPECT_NEAR(CalculateSoundTrap(half).attenuation[3], 12.032f * 0.37893f, 1e-3f);
  half.OwnAbsorption[3] = 0.0f;
  EXPECT_EQ(CalculateSoundTrap(half).attenuation[3], 0.0f);
}

TEST(SoundTrapCalculation, FreeSectionOfEachDuctType) {
  // A 500 mm high, 300 mm wide duct (300 mm across when circular), lined
  // 50 mm. Lined on all sides, the free height is the cross dimension even
  // where the free width is smaller; with two sides lined the other two
  // are free and unlined.
  struct Case {
    DuctType type;
    float x, perimeter, area;
  };
  for (const Case c : {Case{DuctType::Circular, 0.2f, 3.1415927f * 0.2f, 3.1415927f * 0.01f},
                       Case{DuctType::Rectangular, 0.4f, 1.2f, 0.08f},
                       Case{DuctType::TopAndBottom, 0.4f, 0.6f, 0.12f},
                       Case{DuctType::SideWalls, 0.2f, 1.0f, 0.1f}}) {
    LydInputs in = Lined(c.type);
    in.Diameter = 300.0f;
    in.DuctHeight = 500.0f;
    in.DuctWidth = 300.0f;
    const SoundTrapResult r = CalculateSoundTrap(in);
    SCOPED_TRACE(code::ToInt(c.type));
    EXPECT_FLOAT_EQ(r.crossDimension, c.x);
    EXPECT_FLOAT_EQ(r.perimeter, c.perimeter);
    EXPECT_FLOAT_EQ(r.area, c.area);
  }
}

TEST(SoundTrapCalculation, KFactorIsHeldWithinItsLimitsForEveryRatio) {
  // The quadratic falls below 0.077 between x ≈ 8.0 and 34.0 and rises
  // above 1.05 again beyond x ≈ 41.1: both limits hold wherever it leaves
  // them, not only at the ends.
  EXPECT_EQ(AttenuationFactor(0.0f), 1.05f);
  EXPECT_EQ(AttenuationFactor(0.8f), 1.05f);
  EXPECT_NEAR(AttenuationFactor(5.0f), 0.4342f, 1e-4f);
  for (float x : {8.1f, 20.0f, 33.9f}) EXPECT_EQ(AttenuationFactor(x), 0.077f) << x;
  EXPECT_NEAR(AttenuationFactor(38.0f), 0.5710f, 1e-4f);
  for (float x : {41.3f, 68.0f, 1000.0f}) EXPECT_EQ(AttenuationFactor(x), 1.05f) << x;

  // A 3 m duct: 4000 Hz lies at x ≈ 68, 1000 Hz at x ≈ 17.
  LydInputs wide = Lined(DuctType::Rectangular);
  wide.DuctHeight = 3000.0f;
  wide.DuctWidth = 3000.0f;
  const SoundTrapResult r = CalculateSoundTrap(wide);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.kFactor[5], 1.05f);
  EXPECT_EQ(r.kFactor[3], 0.077f);
}

TEST(SoundTrapCalculation, OneWarningByTheCrossDimension) {
  LydInputs in = Lined(DuctType::Rectangular);
  in.DuctWidth = 1000.0f;
  auto warnings = [&](float height) {
    in.DuctHeight = height;
    const SoundTrapResult r = CalculateSoundTrap(in);
    return std::array<bool, 2>{r.above430, r.above200};
  };
  EXPECT_EQ(warnings(531.0f), (std::array<bool, 2>{true, false}));  // 431 mm
  EXPECT_EQ(warnings(530.0f), (std::array<bool, 2>{false, true}));  // 430 mm
  EXPECT_EQ(warnings(529.0f), (std::array<bool, 2>{false, true}));  // 429 mm
  EXPECT_EQ(warnings(301.0f), (std::array<bool, 2>{false, true}));  // 201 mm
  EXPECT_EQ(warnings(300.0f), (std::array<bool, 2>{false, false}));
}

TEST(SoundTrapCalculation, GraphScale) {
  // A large duct attenuates little: its curve, rising with the
  // coefficients, stays below 5 dB/m and the axis goes to 5 + 5/6 with a
  // tick every 1 dB/m.
  LydInputs large = Lined(DuctType::Rectangular);
  large.DuctHeight = 1200.0f;
  large.DuctWidth = 1200.0f;
  large.OwnAbsorption = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
  const SoundTrapResult r = CalculateSoundTrap(large);
  ASSERT_TRUE(r.outcome.ok);
  for (float l : r.attenuation) EXPECT_LT(l, 5.0f);
  EXPECT_FLOAT_EQ(r.yMax, 5.8333333f);
  EXPECT_EQ(r.yStep, 1.0f);

  // The largest band sets the scale, wherever it lies.
  auto scale = [](float largest) {
    const std::array<float, 3> bands = {1.0f, largest, 2.0f};
    return AttenuationScaleFor(bands);
  };
  EXPECT_FLOAT_EQ(scale(30.0f).max, 35.0f);
  EXPECT_EQ(scale(17.0f).step, 1.0f);   // 19.8
  EXPECT_EQ(scale(17.2f).step, 2.0f);   // 20.07
  EXPECT_EQ(scale(34.3f).step, 5.0f);   // 40.02
  EXPECT_EQ(scale(68.6f).step, 10.0f);  // 80.03
}

TEST(SoundTrapCalculation, RefusesWhatItCannotCalculate) {
  // A free dimension of exactly twice the lining.
  LydInputs in = Lined(DuctType::Circular);
  in.Diameter = 100.0f;
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNoFreeSection));
  // A rectangular duct whose width the lining fills, though its height is free.
  in = Lined(DuctType::Rectangular);
  in.DuctWidth = 80.0f;
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNoFreeSection));
  // Baffles in a duct of no height.
  in = Lined(DuctType::SideWalls);
  in.DuctHeight = 0.0f;
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNoFreeSection));
  // A database product that is not there.
  in = Lined(DuctType::Rectangular);
  in.OwnValues = 0;
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNoProduct));
  // A code no dialog gives.
  in = Lined(code::FromInt<DuctType>(7));
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapUnknownDuctType));
  // Values that give no finite number.
  in = Lined(DuctType::Rectangular);
  in.OwnAbsorption[2] = -0.5f;
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNotFinite));
  in = Lined(DuctType::Circular, std::nanf(""));
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNotFinite));
  in = Lined(DuctType::Circular, 0.0f);
  in.Diameter = 1e30f;  // a free area beyond the floats
  EXPECT_TRUE(RefusedFor(CalculateSoundTrap(in), ids::SoundTrapNotFinite));
}

}  // namespace
}  // namespace kav
