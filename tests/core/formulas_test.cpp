// The convective surface coefficient after EN ISO 12241: one value per
// branch and constant, worked out by hand, and the branch boundaries.
#include "core/formulas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kav {
namespace {

constexpr int kFree = 1, kForced = 0;
constexpr int kVertical = 1, kHorizontal = 0;
constexpr int kFlat = 1, kRound = 0;

// Single-precision results against values worked out in double precision:
// a few float steps apart at most. 1e-6 is still far below the difference
// between the exponent 0.33333 and 1/3 at dT = 1000 (2.3e-5).
void ExpectClose(float actual, double expected) {
  EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-6) << "expected " << expected;
}

TEST(SurfaceCoefficient, FreeConvectionHorizontalPipeExample) {
  // L³·dT = 0.001·10 = 0.01, laminar: 1.25·(10/0.1)^0.25.
  const float h = SurfaceCoefficient(kFree, kHorizontal, 10.0f, 0.1f, kRound, 0.0f, 0.0f);
  EXPECT_NEAR(h, 3.95f, 0.005f);
  ExpectClose(h, 3.9528470752);
}

TEST(SurfaceCoefficient, OneHandWorkedValuePerBranch) {
  // Free, turbulent (L³·dT > 10): C·dT^0.33333.
  ExpectClose(SurfaceCoefficient(kFree, kVertical, 1000.0f, 1.0f, kRound, 0.0f, 0.0f),
              17.3995993548);  // 1.74·1000^0.33333 (1/3 would give 17.4)
  ExpectClose(SurfaceCoefficient(kFree, kHorizontal, 100.0f, 0.5f, kRound, 0.0f, 0.0f),
              5.6162362756);  // 1.21·100^0.33333, L³·dT = 12.5
  // Free, laminar: C·(dT/L)^0.25; a vertical wall uses its height.
  ExpectClose(SurfaceCoefficient(kFree, kVertical, 16.0f, 3.0f, kFlat, 0.5f, 0.0f),
              3.1395067836);  // 1.32·(16/0.5)^0.25, L³·dT = 2
  // Forced, flat, turbulent (v·L > 8): 5.76·(v⁴/L)^0.2 with L = h when vertical.
  ExpectClose(SurfaceCoefficient(kForced, kVertical, 0.0f, 0.3f, kFlat, 2.0f, 5.0f),
              18.1715715210);  // 5.76·(625/2)^0.2, v·L = 10
  // Forced, flat, laminar: 3.96·(v/L)^0.5 with L = 1 when horizontal.
  ExpectClose(SurfaceCoefficient(kForced, kHorizontal, 0.0f, 0.3f, kFlat, 7.0f, 4.0f),
              7.92);  // 3.96·4^0.5; with L = h it would be 3.96·(4/7)^0.5
  // Forced, pipe, turbulent (v·d > 0.00855): 8.9·v^0.9/d^0.1.
  ExpectClose(SurfaceCoefficient(kForced, kHorizontal, 0.0f, 0.1f, kRound, 0.0f, 5.0f),
              47.6939190829);
  // Forced, pipe, laminar: 0.0081/d + 3.14·(v/d)^0.5.
  ExpectClose(SurfaceCoefficient(kForced, kHorizontal, 0.0f, 0.5f, kRound, 0.0f, 0.01f),
              0.4602630586);  // v·d = 0.005
}

TEST(SurfaceCoefficient, FreeConvectionAtExactlyTenIsLaminar) {
  // d = 2, dT = 1.25: L³·dT = 10 exactly in single precision.
  static_assert(2.0f * 2.0f * 2.0f * 1.25f == 10.0f);
  ExpectClose(SurfaceCoefficient(kFree, kVertical, 1.25f, 2.0f, kRound, 0.0f, 0.0f),
              1.1736644106);  // 1.32·(1.25/2)^0.25, not 1.74·1.25^0.33333 = 1.874
  // Just above it turns turbulent.
  const float above = std::nextafter(1.25f, 2.0f);
  ExpectClose(SurfaceCoefficient(kFree, kVertical, above, 2.0f, kRound, 0.0f, 0.0f),
              1.74 * std::pow(static_cast<double>(above), 0.33333));
}

TEST(SurfaceCoefficient, HorizontalFlatSurfaceInFreeConvectionUsesLengthOne) {
  // 1.25·(5/1)^0.25 whatever the height; with L = h = 5 it would be
  // turbulent, with L = h = 0.01 laminar with another value.
  for (float h : {0.01f, 1.0f, 5.0f}) {
    SCOPED_TRACE(h);
    ExpectClose(SurfaceCoefficient(kFree, kHorizontal, 5.0f, 0.2f, kFlat, h, 0.0f), 1.8691859765);
  }
}

TEST(SurfaceCoefficient, ForcedPipeAtExactly0_00855IsLaminar) {
  constexpr float v = 0.5f, d = 0.0171f;
  static_assert(v * d == 0.00855f);
  ExpectClose(SurfaceCoefficient(kForced, kHorizontal, 0.0f, d, kRound, 0.0f, v),
              17.4528596222);  // 0.0081/0.0171 + 3.14·(0.5/0.0171)^0.5, not 7.164
  const float wider = std::nextafter(d, 1.0f);
  ASSERT_GT(v * wider, 0.00855f);
  ExpectClose(SurfaceCoefficient(kForced, kHorizontal, 0.0f, wider, kRound, 0.0f, v),
              8.9 * std::pow(0.5, 0.9) / std::pow(static_cast<double>(wider), 0.1));
}

TEST(SurfaceCoefficient, NoTemperatureDifferenceInFreeConvectionGivesZero) {
  EXPECT_EQ(SurfaceCoefficient(kFree, kHorizontal, 0.0f, 0.1f, kRound, 0.0f, 0.0f), 0.0f);
  EXPECT_EQ(SurfaceCoefficient(kFree, kVertical, 0.0f, 0.0f, kFlat, 3.0f, 0.0f), 0.0f);
}

}  // namespace
}  // namespace kav
