// The economic calculation on its result: the interest and energy-price
// factors, the pay-back time, each solution's heat loss and the cheapest
// solution, and what it refuses.
#include "modules/okonomi/okonomi_calculate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/formulas.h"
#include "core/string_ids.h"

namespace kav {
namespace {

// A flat wall with the user's outer coefficient of 5 W/m²K: the balance is
// linear in the surface temperature and has a closed form.
OkonomiInputs Wall() {
  OkonomiInputs in;
  in.ObjectType = code::Geometry::FlatOutside;
  in.SurroundingsMode = code::Surroundings::UserCoefficient;
  in.StandardSolution.ObjectType = in.ObjectType;
  return in;
}

// An insulation of the user's own product (no product chosen: 0.036 W/mK)
// of `mm` at `price`.
std::unique_ptr<COkonomiIsolasjon> Own(float mm, float price,
                                       code::Geometry g = code::Geometry::FlatOutside) {
  auto solution = std::make_unique<COkonomiIsolasjon>(g);
  solution->InsulationKind = 2;
  solution->UserOwnThicknessValue = mm;
  solution->Price = price;
  return solution;
}

TEST(EconomicFactors, AnnuityOfSevenPercentOverTwentyYearsAsInTheTables) {
  OkonomiInputs in;  // 7 %, 20 years, no price increase
  const EconomicFactors f = FactorsFor(in);
  // (1 − 1.07^−20)/0.07 = 10.59401; the capital-recovery factor 0.094393.
  EXPECT_NEAR(f.investment, 10.59401f, 1e-4f);
  EXPECT_EQ(f.energy, f.investment) << "no price increase: r = i";
  EXPECT_NEAR(1000.0f / f.investment, 94.393f, 1e-3f);
}

TEST(EconomicFactors, ZeroInterestAndAnIncreaseAboveItTakeThePeriod) {
  OkonomiInputs in;
  in.RealInterest = 0.0f;
  in.DepreciationYears = 15.0f;
  EXPECT_EQ(FactorsFor(in).investment, 15.0f);

  in.RealInterest = 3.0f;
  in.EnergyPriceIncrease = 5.0f;  // r = (0.03 − 0.05)/1.05 < 0
  const EconomicFactors f = FactorsFor(in);
  EXPECT_LT(f.rate, 0.0f);
  EXPECT_EQ(f.energy, 15.0f) << "capped at n, not (1 − (1 + r)^−n)/r";
  EXPECT_GT(f.investment, 11.0f);
  EXPECT_LT(f.investment, 15.0f);
}

TEST(EconomicFactors, ZeroInterestMakesTheAnnuityThePriceOverTheYears) {
  OkonomiInputs in = Wall();
  in.RealInterest = 0.0f;
  in.DepreciationYears = 20.0f;
  in.StandardSolution.Price = 300.0f;
  const EconomicResult r = CalculateEconomy(in);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.solutions[0].investment, 15.0f);
}

TEST(Payback, DiscountedAsTheTextbookHasIt) {
  // 100 kr more that saves 20 kr a year at 7 %: n = ln(S/(S − D·r))/ln(1 + r)
  // = −ln(0.65)/ln(1.07) = 6.367 years.
  EXPECT_NEAR(PaybackTime(100.0f, 50.0f, 200.0f, 30.0f, 0.07f), 6.3668f, 1e-3f);
}

TEST(Payback, PlainRatioAtZeroRateNegativeWhenCheaperAndBetter) {
  EXPECT_FLOAT_EQ(PaybackTime(100.0f, 50.0f, 200.0f, 30.0f, 0.0f), 5.0f);
  EXPECT_LT(PaybackTime(200.0f, 50.0f, 100.0f, 30.0f, 0.07f), 0.0f);
  EXPECT_LT(PaybackTime(200.0f, 50.0f, 100.0f, 30.0f, 0.0f), 0.0f);
}

TEST(Payback, ThousandYearsWhenNothingIsSavedOrItNeverPaysBack) {
  EXPECT_EQ(PaybackTime(100.0f, 30.0f, 200.0f, 50.0f, 0.07f), 1000.0f);  // costs more energy
  EXPECT_EQ(PaybackTime(100.0f, 30.0f, 200.0f, 30.0f, 0.07f), 1000.0f);  // saves nothing
  // Saves 5 a year on 100 more at 7 %: the interest eats the saving.
  EXPECT_EQ(PaybackTime(100.0f, 30.0f, 200.0f, 25.0f, 0.07f), 1000.0f);
}

TEST(SolutionHeat, InsulatedWallClosesOnTheLinearBalance) {
  OkonomiInputs in = Wall();
  in.Alternatives.Append(Own(50.0f, 100.0f));
  // 0.036/0.05 (50 − Ts) = 5 (Ts − 10): Ts = 86/5.72.
  const float ts = (0.72f * 50.0f + 5.0f * 10.0f) / 5.72f;
  const SolutionHeat heat = SolutionHeatLoss(in, *in.Alternatives[0]);
  EXPECT_NEAR(heat.heatLoss, 5.0f * (ts - 10.0f), 0.02f);
  EXPECT_EQ(heat.coefficient, 5.0f);
}

TEST(SolutionHeat, UninsulatedUsesTheBareFormulaWithTheSurfaceEmissivity) {
  OkonomiInputs in;  // pipe of 100 mm indoors, 50 °C in 10 °C
  COkonomiIsolasjon bare;
  bare.InsulationKind = 3;
  bare.OwnSurfaceEmissivity = 1;
  bare.SurfaceEmissivityValue = 0.3f;
  bare.OwnThicknessValue = 80.0f;  // ignored without insulation
  bare.OwnThickness = 1;
  const SolutionHeat heat = SolutionHeatLoss(in, bare);
  const float h = SurfaceCoefficient(1, 0, 40.0f, 0.1f, 0, 0.2f, 2.0f) +
                  RadiationCoefficient(0.3f, 50.0f, 10.0f);
  EXPECT_FLOAT_EQ(heat.coefficient, h);
  EXPECT_FLOAT_EQ(heat.heatLoss, h * (kPi * 0.1f) * 40.0f);

  bare.SurfaceEmissivityValue = 0.9f;
  EXPECT_GT(SolutionHeatLoss(in, bare).heatLoss, heat.heatLoss * 1.5f);
}

TEST(SolutionHeat, ColdPipeLosesNegativelyButCostsPositively) {
  OkonomiInputs in;
  in.MediumTemperature = -20.0f;
  in.AmbientTemperature = 20.0f;
  in.StandardSolution = *Own(30.0f, 150.0f, code::Geometry::Pipe);
  in.Alternatives.Append(Own(60.0f, 250.0f, code::Geometry::Pipe));
  const EconomicResult r = CalculateEconomy(in);
  ASSERT_TRUE(r.outcome.ok);
  for (const SolutionResult& s : r.solutions) {
    EXPECT_LT(s.heatLoss, 0.0f);
    EXPECT_GT(s.energy, 0.0f);
    EXPECT_GT(s.energyCost, 0.0f);
    EXPECT_GT(s.co2, 0.0f);
  }
  EXPECT_LT(r.solutions[1].energy, r.solutions[0].energy) << "thicker saves";
}

TEST(EconomicResult, EnergyCostCo2AndTotalsFollowTheLoss) {
  OkonomiInputs in = Wall();  // standard: no thickness chosen, bare at 5 W/m²K
  in.StandardSolution.Price = 0.0f;
  const EconomicResult r = CalculateEconomy(in);
  ASSERT_TRUE(r.outcome.ok);
  const SolutionResult& s = r.solutions[0];
  EXPECT_EQ(s.heatLoss, 200.0f);
  EXPECT_NEAR(s.energy, 1752.0f, 0.01f);  // 200 W/m² all year, Fe = Fi
  EXPECT_NEAR(s.energyCost, 1051.2f, 0.01f);
  EXPECT_NEAR(s.co2, 665.76f, 0.01f);
  EXPECT_EQ(s.investment, 0.0f);
  EXPECT_EQ(s.total, s.energyCost);
}

TEST(EconomicResult, StrictlyCheaperBecomesBestTiesKeepTheEarlier) {
  OkonomiInputs in = Wall();
  in.StandardSolution = *Own(50.0f, 400.0f);
  in.Alternatives.Append(Own(50.0f, 300.0f));
  in.Alternatives.Append(Own(50.0f, 300.0f));
  in.Alternatives.Append(Own(50.0f, 350.0f));
  EconomicResult r = CalculateEconomy(in);
  EXPECT_EQ(r.bestIndex, 1);
  EXPECT_EQ(r.solutions[1].total, r.solutions[2].total);
  EXPECT_EQ(r.solutions[1].payback, 1000.0f) << "cheaper but saves no energy";
  in.Alternatives[0]->Price = 400.0f;
  in.Alternatives[1]->Price = 400.0f;
  in.Alternatives[2]->Price = 400.0f;
  r = CalculateEconomy(in);
  EXPECT_EQ(r.bestIndex, 0) << "equal totals keep the standard solution";
}

TEST(EconomicResult, RefusesZeroDuctSidesAndNonFiniteResults) {
  OkonomiInputs in;
  in.ObjectType = code::Geometry::InternalDuct;
  in.DuctHeight = 0.0f;
  in.Alternatives.Append(Own(50.0f, 100.0f, in.ObjectType));
  EconomicResult r = CalculateEconomy(in);
  EXPECT_FALSE(r.outcome.ok);
  EXPECT_TRUE(r.outcome.Says(ids::CalculationNotPossible));
  EXPECT_TRUE(r.solutions.empty());

  in.DuctHeight = 200.0f;
  in.DuctWidth = -5.0f;
  EXPECT_FALSE(CalculateEconomy(in).outcome.ok);

  in = OkonomiInputs();
  in.RealInterest = 0.0f;
  in.DepreciationYears = 0.0f;  // no period to spread the price over
  r = CalculateEconomy(in);
  EXPECT_FALSE(r.outcome.ok);
  EXPECT_TRUE(r.solutions.empty());

  in = OkonomiInputs();
  in.AmbientTemperature = in.MediumTemperature;  // the bare surface divides by Ts − Ta
  EXPECT_FALSE(CalculateEconomy(in).outcome.ok);
}

}  // namespace
}  // namespace kav
