// The values the calculations ask of the rows: standard thicknesses, hose
// series, the fitted conductivity curve, accessory lengths, and which
// differences count as a change.
#include <gtest/gtest.h>

#include <string>

#include "core/strings.h"
#include "data/absorpsjon.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "data/korbuflex.h"
#include "data/kostnad.h"
#include "data/tillegg.h"
#include "data_test_support.h"

namespace kav::test {
namespace {

class StandardThicknessTest : public ::testing::Test {
 protected:
  float Select(float required, float d) {
    return product->SelectStandardThickness(required, text, d);
  }

  ScriptedPlatform platform;
  std::unique_ptr<CIsoProdukt> product = Product("Rør");
  std::string text;
};

TEST_F(StandardThicknessTest, RequiredThicknessIsTruncatedToTenthsOfAMillimetre) {
  product = Product("Rør", {30.0f, 50.0f, 80.0f});
  EXPECT_EQ(Select(0.04999f, 0.0f), 50.0f);
  EXPECT_EQ(text, "50.0");
  EXPECT_EQ(Select(0.05f, 0.0f), 50.0f);  // equal selects that thickness
  EXPECT_EQ(Select(0.0801f, 0.0f), -1.0f);
  EXPECT_EQ(text, "Må isolere i flere lag");
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(StandardThicknessTest, DiameterRanges) {
  product->Thicknesses.Append(Thickness(40.0f, 1, 0.0f, 89.0f));
  product->Thicknesses.Append(Thickness(50.0f, 1, 0.0f, 200.0f));
  EXPECT_EQ(Select(0.035f, 108.0f), 50.0f);  // skips 40, too small a range
  EXPECT_EQ(Select(0.035f, 0.0f), 40.0f);    // no diameter: ranges ignored
  EXPECT_TRUE(platform.events.empty());

  EXPECT_EQ(Select(0.035f, 250.0f), -1.0f);
  EXPECT_EQ(text, "For stor rørdiameter");
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{
                                  FormatId(ids::RequiredThicknessAboveMaxDiameter, 35.0f, 250.0f,
                                           std::string("Rør"), std::string("tykkelsen 50.0 mm"))});
}

TEST_F(StandardThicknessTest, DiameterBelowTheFirstFittingRow) {
  product->Thicknesses.Append(Thickness(40.0f, 1, 100.0f, 200.0f));
  product->Thicknesses.Append(Thickness(60.0f));
  EXPECT_EQ(Select(0.035f, 50.0f), -1.0f);  // a thicker row is not tried
  EXPECT_EQ(text, "For liten rørdiameter");
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{
                                  FormatId(ids::RequiredThicknessBelowMinDiameter, 35.0f, 50.0f,
                                           std::string("Rør"), std::string("tykkelsen 40.0 mm"))});
}

TEST_F(StandardThicknessTest, NoThicknesses) {
  EXPECT_EQ(Select(0.01f, 0.0f), -1.0f);
  EXPECT_EQ(text, "Må isolere i flere lag");
  EXPECT_EQ(product->FindThickness("25.0"), nullptr);
}

TEST(IsoProduktTest, FindThicknessFallsBackToTheFirst) {
  const auto product = Product("P", {30.0f, 50.0f});
  EXPECT_EQ(product->FindThickness("50.0"), product->Thicknesses[1]);
  EXPECT_EQ(product->FindThickness("45.0"), product->Thicknesses[0]);
}

TEST(IsoProduktTest, ConductivityAndItsIntegral) {
  CIsoProdukt product;
  EXPECT_EQ(product.Lambda(0.0f), 0.034f);
  // Simpson's rule is exact for a cubic.
  const float a = 20.0f;
  const float b = 180.0f;
  const float simpson =
      (b - a) / 6.0f *
      (product.Lambda(a) + 4.0f * product.Lambda((a + b) / 2.0f) + product.Lambda(b));
  EXPECT_NEAR(product.LambdaIntegral(a, b), simpson, 1e-5f * simpson);
  float min = 0.0f;
  float max = 0.0f;
  EXPECT_EQ(&product.ThicknessLimits(min, max), &product.Thicknesses);
  EXPECT_EQ(min, 10.0f);
  EXPECT_EQ(max, 1000.0f);
}

TEST(IsoProduktTest, CheckDiameter) {
  EXPECT_EQ(Thickness(30.0f, 0, 50.0f, 60.0f)->CheckDiameter(10.0f), 0);
  const auto limited = Thickness(30.0f, 1, 50.0f, 60.0f);
  EXPECT_EQ(limited->CheckDiameter(49.9f), 1);
  EXPECT_EQ(limited->CheckDiameter(50.0f), 0);
  EXPECT_EQ(limited->CheckDiameter(60.0f), 0);
  EXPECT_EQ(limited->CheckDiameter(60.1f), 2);
}

TEST(FitCubicTest, DefaultUserPointsAreReproduced) {
  CEgendefIsoProdukt product;
  ASSERT_TRUE(product.FitCoefficients());
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(product.Lambda(product.Temperatures[i]), product.Lambdas[i], 1e-6f) << i;
  }
}

TEST(FitCubicTest, EqualTemperaturesLeaveTheCoefficients) {
  float c3 = 1.0f;
  float c2 = 2.0f;
  float c1 = 3.0f;
  float c0 = 4.0f;
  EXPECT_FALSE(
      FitCubic({0.0f, 50.0f, 50.0f, 100.0f}, {0.03f, 0.04f, 0.05f, 0.06f}, c3, c2, c1, c0));
  EXPECT_EQ(c3, 1.0f);
  EXPECT_EQ(c2, 2.0f);
  EXPECT_EQ(c1, 3.0f);
  EXPECT_EQ(c0, 4.0f);
}

// ---- hose products

class HoseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddSeries("A", 6.0f, 28.0f, {{10.0f, 9.0f}, {28.0f, 13.0f}});
    AddSeries("B", 6.0f, 89.0f, {{22.0f, 19.0f}, {89.0f, 25.0f}});
  }
  void AddSeries(const char* name, float min, float max,
                 std::initializer_list<std::pair<float, float>> steps) {
    auto series = std::make_unique<CKorbuFlexSerie>();
    series->Name = name;
    series->MinDiameter = min;
    series->MaxDiameter = max;
    for (auto [maxDiameter, thickness] : steps) {
      auto step = std::make_unique<CKorbuFlexTykkelse>();
      step->MaxDiameter = maxDiameter;
      step->Thickness = thickness;
      series->SeriesThicknesses.Append(std::move(step));
    }
    hose.Series.Append(std::move(series));
  }
  float Select(float required, float d) { return hose.SelectStandardThickness(required, text, d); }

  ScriptedPlatform platform;
  CKorbuFlex hose;
  std::string text;
};

TEST_F(HoseTest, FirstSeriesThickEnoughAndInRange) {
  hose.Name = "Flex";
  EXPECT_EQ(Select(0.012f, 18.0f), 13.0f);
  EXPECT_EQ(text, "A (13.0mm)");
  EXPECT_EQ(Select(0.015f, 18.0f), 19.0f);
  EXPECT_EQ(text, "B (19.0mm)");
  EXPECT_EQ(Select(0.030f, 18.0f), -1.0f);
  EXPECT_EQ(text, "Må isolere i flere lag");
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(HoseTest, PipeOutsideTheSeriesRange) {
  hose.Name = "Flex";
  EXPECT_EQ(Select(0.012f, 3.0f), -1.0f);
  EXPECT_EQ(text, "For liten rørdiameter");
  EXPECT_EQ(Select(0.020f, 100.0f), -1.0f);
  EXPECT_EQ(text, "For stor rørdiameter");
  EXPECT_EQ(platform.Texts(),
            (std::vector<std::string>{FormatId(ids::RequiredThicknessBelowMinDiameter, 12.0f, 3.0f,
                                               std::string("Flex"), std::string("B")),
                                      FormatId(ids::RequiredThicknessAboveMaxDiameter, 20.0f,
                                               100.0f, std::string("Flex"), std::string("B"))}));
}

TEST_F(HoseTest, SeriesValues) {
  const CKorbuFlexSerie& a = *hose.FindSeries("A");
  EXPECT_EQ(a.ThicknessFor(10.0f), 9.0f);
  EXPECT_EQ(a.ThicknessFor(10.5f), 13.0f);
  EXPECT_EQ(a.ThicknessFor(500.0f), 13.0f);
  EXPECT_EQ(CKorbuFlexSerie().ThicknessFor(10.0f), 0.0f);
  EXPECT_EQ(a.CheckDiameter(5.0f), 1);
  EXPECT_EQ(a.CheckDiameter(28.0f), 0);
  EXPECT_EQ(a.CheckDiameter(29.0f), 2);
  EXPECT_TRUE(a.HasThickness(13.0f));
  EXPECT_FALSE(a.HasThickness(12.0f));
  EXPECT_EQ(hose.FindSeries("a"), nullptr);
}

TEST_F(HoseTest, WithoutSeries) {
  hose.Series.Clear();
  EXPECT_EQ(Select(0.01f, 18.0f), -1.0f);
  EXPECT_EQ(text, "Må isolere i flere lag");
  EXPECT_TRUE(platform.events.empty());
}

// ---- accessories

std::unique_ptr<CTilleggslengde> Band(float min, float max, float length) {
  auto band = std::make_unique<CTilleggslengde>();
  band->MinDiameter = min;
  band->MaxDiameter = max;
  band->AdditionalLength = length;
  band->UpdateName();
  return band;
}

TEST(TilleggTest, AdditionalLengthByDiameterBand) {
  CTillegg2 valve;
  EXPECT_EQ(valve.AdditionalLengthFor(50.0f), 0.0f);
  InsertInOrder(valve.Lengths, Band(10.0f, 50.0f, 0.5f));
  InsertInOrder(valve.Lengths, Band(51.0f, 100.0f, 0.8f));
  EXPECT_EQ(valve.Lengths[0]->Name, "10 - 50 mm");
  EXPECT_EQ(valve.AdditionalLengthFor(50.0f), 0.5f);
  EXPECT_EQ(valve.AdditionalLengthFor(50.5f), 0.8f);  // in the gap: the last band
  EXPECT_EQ(valve.AdditionalLengthFor(5.0f), 0.5f);
  EXPECT_EQ(valve.AdditionalLengthFor(300.0f), 0.8f);
}

TEST(TilleggTest, BandsAreOrderedByLengthNotDiameter) {
  CTillegg2 valve;
  InsertInOrder(valve.Lengths, Band(10.0f, 50.0f, 1.2f));
  InsertInOrder(valve.Lengths, Band(51.0f, 100.0f, 0.8f));
  EXPECT_EQ(valve.Lengths[0]->AdditionalLength, 0.8f);
  EXPECT_EQ(valve.AdditionalLengthFor(5.0f), 0.8f);
}

// ---- list order and comparisons

TEST(ListOrderTest, AscendingWithEqualValuesInEntryOrder) {
  TypedList<CIsoTykkelse> rows;
  InsertInOrder(rows, Thickness(100.0f));
  InsertInOrder(rows, Thickness(25.0f));
  CIsoTykkelse* firstFifty = InsertInOrder(rows, Thickness(50.0f, 1));
  InsertInOrder(rows, Thickness(50.0f, 0));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0]->Name, "25.0");
  EXPECT_EQ(rows[1], firstFifty);
  EXPECT_EQ(rows[3]->Name, "100.0");

  // Series go by their thinnest step.
  TypedList<CKorbuFlexSerie> series;
  for (float thinnest : {19.0f, 9.0f}) {
    auto s = std::make_unique<CKorbuFlexSerie>();
    auto step = std::make_unique<CKorbuFlexTykkelse>();
    step->Thickness = thinnest;
    s->SeriesThicknesses.Append(std::move(step));
    InsertInOrder(series, std::move(s));
  }
  EXPECT_EQ(series[0]->ThicknessFor(0.0f), 9.0f);
}

TEST(IsEqualTest, OnlyValuesTheCalculationsUse) {
  const auto product = Product("P", {30.0f});
  auto other = CloneAs(*product);
  other->InsulationColour = 0;
  other->UseFlags[3] = 1;
  other->NotOuterLayer = 1;
  other->Thicknesses[0]->Name = "x";
  EXPECT_TRUE(product->IsEqual(*other));
  other->MaxThickness = 999.0f;
  EXPECT_FALSE(product->IsEqual(*other));
  EXPECT_FALSE(CKorbuFlex().IsEqual(CIsoProdukt()));

  // Absorption thickness rows compare by name; DiffersFrom sees the numbers.
  CAbsorpsjon absorption;
  auto changed = CloneAs(absorption);
  changed->AbsorptionThicknesses[0]->Coefficients[2] = 0.5f;
  EXPECT_TRUE(absorption.IsEqual(*changed));
  EXPECT_TRUE(absorption.AbsorptionThicknesses[0]->DiffersFrom(*changed->AbsorptionThicknesses[0]));

  CKlimasted oslo;
  CKlimasted bergen;
  oslo.Name = "Oslo";
  bergen.Name = "Bergen";
  EXPECT_TRUE(oslo.IsEqual(bergen));
  CIsoKostnad cheap;
  CIsoKostnad dear;
  dear.Price = 100.5f;
  EXPECT_FALSE(cheap.IsEqual(dear));
}

}  // namespace
}  // namespace kav::test
