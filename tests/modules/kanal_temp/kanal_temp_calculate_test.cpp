// The flowing-media calculation on result structs: the segment variants and
// their special cases, the physics of every run type, the checks on the
// way with their questions, and the inputs it must refuse or pass through.
#include "modules/kanal_temp/kanal_temp_calculate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/formulas.h"
#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/air.h"

namespace kav {
namespace {

class FlowingMediumTest : public test::ModuleTest {
 protected:
  // A run of `type` with `count` segments, insulated with 50 mm Glassull.
  KanalTempInputs Run(code::RunType type, int count = 1) {
    KanalTempInputs in;
    in.RunType = type;
    in.UserLiquid = 1;
    in.InletTemperature = 80.0f;
    for (int i = 0; i < count; ++i) {
      auto segment = in.NewSegment(nullptr);
      Insulate(segment->Layer1, 50.0f);
      segment->AmbientTemperature = 0.0f;
      in.Segments.Append(std::move(segment));
    }
    return in;
  }
  void Insulate(CIsolasjon& layer, float mm) {
    layer.Product = &Glassull();
    layer.OwnThickness = 1;
    layer.Thickness = mm;
  }
  FlowingMediumResult Calculate(const KanalTempInputs& in) {
    return CalculateFlowingMedium(in, [this](const Notice& question) {
      asked.push_back(question.text);
      return answer;
    });
  }
  static CSegment& First(KanalTempInputs& in) { return *in.Segments[0]; }

  std::vector<std::string> asked;
  bool answer = true;
};

// The variants of a segment: bare, one layer, two layers (not inside a duct).
void Vary(CSegment& s, int variant) {
  s.Uninsulated = variant == 0 ? 1 : 0;
  s.TwoLayers = variant == 2 ? 1 : 0;
}

TEST_F(FlowingMediumTest, EveryRunTypeCoolsTowardsTheAmbientAndBalancesItsHeat) {
  for (int type = 0; type < 4; ++type) {
    for (int variant = 0; variant < 3; ++variant) {
      for (int surroundings = 0; surroundings < 3; ++surroundings) {
        SCOPED_TRACE(::testing::Message() << type << " " << variant << " " << surroundings);
        KanalTempInputs in = Run(code::FromInt<code::RunType>(type), 3);
        for (CSegment* s : in.Segments) {
          Vary(*s, variant);
          Insulate(s->Layer2, 30.0f);
          s->Surroundings = code::FromInt<code::Surroundings>(surroundings);
          s->Vertical = surroundings == 1 ? 1 : 0;
          s->Flow = type == 0 ? 0.2f : 300.0f;
        }
        const FlowingMediumResult r = Calculate(in);
        ASSERT_TRUE(r.outcome.ok);
        ASSERT_EQ(r.segments.size(), 3u);
        float t = in.InletTemperature;
        float sum = 0.0f;
        for (std::size_t i = 0; i < 3; ++i) {
          const SegmentResult& s = r.segments[i];
          EXPECT_LT(s.outletTemperature, t);
          EXPECT_GT(s.outletTemperature, 0.0f);
          EXPECT_GT(s.outerCoefficient, 0.0f);
          EXPECT_EQ(s.innerCoefficient > 0.0f, type != 0);
          // Each segment's loss is what its medium gives off over its length.
          const CSegment& segment = *in.Segments[i];
          const float c =
              type == 0 ? in.UserDensity * in.UserHeatCapacity : air::Density(t) * 1000.0f;
          EXPECT_NEAR(s.heatLoss, c * segment.VolumeFlow() * (t - s.outletTemperature),
                      1e-3f * s.heatLoss);
          t = s.outletTemperature;
          sum += s.heatLoss;
        }
        EXPECT_NEAR(r.totalLoss, sum, 1e-4f * sum);
        EXPECT_FLOAT_EQ(r.meanLoss, r.totalLoss / 30.0f);
      }
    }
  }
}

TEST_F(FlowingMediumTest, MoreInsulationLosesLess) {
  for (int type = 0; type < 4; ++type) {
    SCOPED_TRACE(type);
    KanalTempInputs in = Run(code::FromInt<code::RunType>(type));
    CSegment& s = First(in);
    s.Uninsulated = 1;
    const float bare = Calculate(in).totalLoss;
    s.Uninsulated = 0;
    const float thin = Calculate(in).totalLoss;
    s.Layer1.Thickness = 80.0f;
    const float thick = Calculate(in).totalLoss;
    EXPECT_GT(bare, thin);
    EXPECT_GT(thin, thick);
    if (type == 3) continue;
    s.TwoLayers = 1;
    Insulate(s.Layer2, 50.0f);
    EXPECT_GT(thick, Calculate(in).totalLoss);
  }
}

TEST_F(FlowingMediumTest, AWarmerAmbientWarmsTheMedium) {
  KanalTempInputs in = Run(code::RunType::CircularDucts);
  in.InletTemperature = 10.0f;
  First(in).AmbientTemperature = 30.0f;
  const FlowingMediumResult r = Calculate(in);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_GT(r.segments[0].outletTemperature, 10.0f);
  EXPECT_LT(r.segments[0].outletTemperature, 30.0f);
  EXPECT_LT(r.totalLoss, 0.0f);
}

TEST_F(FlowingMediumTest, ATenthOfAKelvinFromTheAmbientPassesThrough) {
  for (int type = 0; type < 4; ++type) {
    for (int variant = 0; variant < 3; ++variant) {
      SCOPED_TRACE(::testing::Message() << type << " " << variant);
      KanalTempInputs in = Run(code::FromInt<code::RunType>(type));
      Vary(First(in), variant);
      Insulate(First(in).Layer2, 30.0f);
      for (float ambient : {79.9f, 80.0f}) {
        First(in).AmbientTemperature = ambient;
        const FlowingMediumResult r = Calculate(in);
        ASSERT_TRUE(r.outcome.ok);
        EXPECT_EQ(r.segments[0].outletTemperature, 80.0f);
        EXPECT_EQ(r.totalLoss, 0.0f);
        // The coefficient at the surface temperature the segment starts from.
        EXPECT_TRUE(std::isfinite(r.segments[0].outerCoefficient));
        if (variant == 0 && type == 0) {
          EXPECT_GT(r.segments[0].outerCoefficient, 1.0f);
        }
      }
    }
  }
}

TEST_F(FlowingMediumTest, ABarePipeIsAtTheMediumTemperature) {
  KanalTempInputs in = Run(code::RunType::Pipes);
  CSegment& s = First(in);
  s.Uninsulated = 1;
  s.UserEmissivity = 1;
  s.Emissivity = 0.8f;
  s.Flow = 0.5f;
  const FlowingMediumResult r = Calculate(in);
  ASSERT_TRUE(r.outcome.ok);
  const float d = 0.1f;
  const float ao =
      SurfaceCoefficient(1, 0, 80.0f, d, 0, 0.0f, 2.0f) + RadiationCoefficient(0.8f, 80.0f, 0.0f);
  const float u = ao * kPi * d * 80.0f / 80.0f;
  const float c = 999.0f * 4180.0f;
  const float tout = 80.0f * ExpF(-10.0f * u / (s.VolumeFlow() * c));
  EXPECT_FLOAT_EQ(r.segments[0].outerCoefficient, ao);
  EXPECT_FLOAT_EQ(r.segments[0].outletTemperature, tout);
}

TEST_F(FlowingMediumTest, HangersLengthenTheDecayButNotTheMeanLength) {
  for (int surroundings : {0, 1}) {
    SCOPED_TRACE(surroundings);
    KanalTempInputs in = Run(code::RunType::Pipes);
    CSegment& s = First(in);
    s.Surroundings = code::FromInt<code::Surroundings>(surroundings);
    s.Flow = 0.1f;
    s.UninsulatedHangers = 1;
    const FlowingMediumResult hung = Calculate(in);
    s.UninsulatedHangers = 0;
    s.Length = surroundings == 1 ? 12.5f : 11.5f;
    const FlowingMediumResult longer = Calculate(in);
    EXPECT_FLOAT_EQ(hung.segments[0].outletTemperature, longer.segments[0].outletTemperature);
    EXPECT_FLOAT_EQ(hung.meanLoss, hung.totalLoss / 10.0f);
  }
}

TEST_F(FlowingMediumTest, OnlyTwoLayerDuctsHaveTheInnerCoefficientFloor) {
  KanalTempInputs in = Run(code::RunType::CircularDucts);
  CSegment& s = First(in);
  s.Diameter = 800.0f;
  s.Flow = 20.0f;  // m³/h: a slow stream
  Insulate(s.Layer2, 30.0f);
  const float one = Calculate(in).segments[0].innerCoefficient;
  EXPECT_LT(one, 2.5f);
  s.TwoLayers = 1;
  EXPECT_EQ(Calculate(in).segments[0].innerCoefficient, 2.5f);
  s.UserInnerCoefficient = 1;
  s.InnerCoefficient = 1.5f;
  EXPECT_EQ(Calculate(in).segments[0].innerCoefficient, 1.5f);
}

// With the user's outer coefficient the bare stretch has a closed form: the
// accessories of a rectangular duct take P/π as its diameter, not 4A/P.
TEST_F(FlowingMediumTest, DuctAccessoriesAreABareStretchOfDiameterPOverPi) {
  KanalTempInputs in = Run(code::RunType::RectangularDucts);
  CSegment& s = First(in);
  s.Width = 400.0f;
  s.Height = 200.0f;
  s.Surroundings = code::Surroundings::UserCoefficient;
  s.OuterCoefficient = 8.0f;
  const float t = Calculate(in).segments[0].outletTemperature;
  const float lossWithout = Calculate(in).totalLoss;
  s.HasAccessories = 1;
  auto accessory = std::make_unique<CTilleggsutstyr>();
  accessory->UserLength = 1;
  accessory->EquivalentLength = 3.0f;
  s.Accessories.Append(std::move(accessory));
  const FlowingMediumResult r = Calculate(in);

  const float p = 2.0f * 0.4f + 2.0f * 0.2f;
  const float dh = p / kPi;
  const float v = s.VolumeFlow();
  const float reynolds = dh * (v / s.CrossSection()) / air::KinematicViscosity(t);
  const float ai = air::InnerCoefficient(air::Conductivity(t), reynolds, dh);
  const float u = ai * 8.0f * p / (ai + 8.0f);
  const float c = air::Density(t) * 1000.0f;
  const float after = t * ExpF(-3.0f * u / (v * c));
  EXPECT_FLOAT_EQ(r.segments[0].outletTemperature, after);
  EXPECT_NEAR(r.totalLoss - lossWithout, c * v * (t - after), 1e-3f);
}

TEST_F(FlowingMediumTest, PipeAccessoriesLoseHeatAfterTheSegment) {
  KanalTempInputs in = Run(code::RunType::Pipes);
  CSegment& s = First(in);
  s.Flow = 0.2f;
  const FlowingMediumResult plain = Calculate(in);
  s.HasAccessories = 1;
  auto valve = std::make_unique<CTilleggsutstyr>();
  valve->AccessoryType = &Valve();
  valve->Count = 2;
  s.Accessories.Append(std::move(valve));
  const FlowingMediumResult r = Calculate(in);
  EXPECT_LT(r.segments[0].outletTemperature, plain.segments[0].outletTemperature);
  EXPECT_GT(r.totalLoss, plain.totalLoss);
  EXPECT_EQ(r.segments[0].outerCoefficient, plain.segments[0].outerCoefficient);
}

TEST_F(FlowingMediumTest, FreezingStopsInTheSegmentWhereItHappens) {
  KanalTempInputs in = Run(code::RunType::Pipes, 4);
  in.InletTemperature = 4.0f;
  for (CSegment* s : in.Segments) {
    s->Uninsulated = 1;
    s->AmbientTemperature = -30.0f;
    s->Diameter = 20.0f;
    s->Flow = 0.01f;
    s->Length = 0.8f;
  }
  const FlowingMediumResult r = Calculate(in);
  EXPECT_FALSE(r.outcome.ok);
  ASSERT_EQ(r.outcome.notices.size(), 1u);
  EXPECT_EQ(r.outcome.notices[0].text,
            "Medietemperaturen synker under frysepunktet i segmentet: \"Segment 3\", "
            "beregningen avbrytes.");
  ASSERT_EQ(r.segments.size(), 3u) << r.segments[0].outletTemperature;
  EXPECT_GT(r.segments[1].outletTemperature, 0.0f);
  EXPECT_LT(r.segments[2].outletTemperature, 0.0f);
  // Air does not freeze.
  in.RunType = code::RunType::CircularDucts;
  for (CSegment* s : in.Segments) s->Type = code::Geometry::CircularDuct;
  EXPECT_TRUE(Calculate(in).outcome.ok);
}

TEST_F(FlowingMediumTest, AProductTooColdForTheMediumAsksBeforeTheSegment) {
  KanalTempInputs in = Run(code::RunType::Pipes, 2);
  Glassull().MaxTemperature = 70.0f;
  in.Segments[0]->Layer1.Product = nullptr;
  in.Segments[0]->Uninsulated = 1;
  EXPECT_TRUE(Calculate(in).outcome.ok);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0],
            "Advarsel: Innløpstemperaturen i segmentet Segment 2 er høyere enn "
            "isolasjonsproduktets maks. temperatur.");
  answer = false;
  const FlowingMediumResult r = Calculate(in);
  EXPECT_FALSE(r.outcome.ok);
  EXPECT_TRUE(r.outcome.notices.empty());
}

TEST_F(FlowingMediumTest, TheDewPointIsCheckedAtEveryDuctOutlet) {
  KanalTempInputs in = Run(code::RunType::CircularDucts, 2);
  in.InletTemperature = 20.0f;
  in.CheckDewPoint = 1;
  in.RelativeHumidity = 90.0f;
  for (CSegment* s : in.Segments) {
    s->Uninsulated = 1;
    s->AmbientTemperature = -20.0f;
    s->Flow = 200.0f;
    s->Surroundings = code::Surroundings::Outdoors;
  }
  answer = false;  // "Nei": go on
  const FlowingMediumResult r = Calculate(in);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_FLOAT_EQ(r.dewPoint, DewPoint(90.0f, 20.0f));
  ASSERT_GE(asked.size(), 1u);
  EXPECT_EQ(asked.back(), FormatId(ids::BelowDewPointAtSegmentOutlet, std::string("Segment 2"),
                                   r.segments[1].outletTemperature, r.dewPoint));
  answer = true;  // "Ja": stop
  EXPECT_FALSE(Calculate(in).outcome.ok);
  // Pipes carry no air to check.
  asked.clear();
  in.RunType = code::RunType::Pipes;
  for (CSegment* s : in.Segments) s->Type = code::Geometry::Pipe;
  Calculate(in);
  EXPECT_TRUE(asked.empty());
}

// Inputs a document can hold: the answer is no heat flow, or a refusal with
// its reason, never a number that is not finite.
TEST_F(FlowingMediumTest, NoInnerCoefficientMeansNoHeatFlow) {
  for (int type = 1; type < 4; ++type) {
    for (int variant = 0; variant < 3; ++variant) {
      SCOPED_TRACE(::testing::Message() << type << " " << variant);
      KanalTempInputs in = Run(code::FromInt<code::RunType>(type));
      CSegment& s = First(in);
      Vary(s, variant);
      Insulate(s.Layer2, 30.0f);
      s.UserInnerCoefficient = 1;
      s.InnerCoefficient = 0.0f;
      s.HasAccessories = 1;
      s.Accessories.Append(std::make_unique<CTilleggsutstyr>());
      s.Accessories[0]->UserLength = 1;
      const FlowingMediumResult r = Calculate(in);
      ASSERT_TRUE(r.outcome.ok);
      EXPECT_EQ(r.segments[0].outletTemperature, 80.0f);
      EXPECT_EQ(r.totalLoss, 0.0f);
      EXPECT_TRUE(std::isfinite(r.segments[0].outerCoefficient));
    }
  }
}

TEST_F(FlowingMediumTest, InputsWithoutMeaningAreRefusedWithTheirReason) {
  const auto refusal = [](int reason) {
    return FormatId(ids::CalculationNotPossible, Str(reason));
  };
  struct Case {
    const char* what;
    std::function<void(KanalTempInputs&)> change;
    int reason;
  };
  const std::vector<Case> cases = {
      {"lining fills the duct",
       [](KanalTempInputs& in) {
         in.RunType = code::RunType::InternalDucts;
         First(in).Type = code::Geometry::InternalDuct;
         First(in).Width = 100.0f;
       },
       ids::ReasonDimensionNotPositive},
      {"no flow", [](KanalTempInputs& in) { First(in).Flow = 0.0f; }, ids::ReasonNoFlow},
      {"negative inner coefficient",
       [](KanalTempInputs& in) {
         First(in).UserInnerCoefficient = 1;
         First(in).InnerCoefficient = -1.0f;
       },
       ids::ReasonNoFlow},
      {"no length", [](KanalTempInputs& in) { First(in).Length = 0.0f; },
       ids::ReasonDimensionNotPositive},
      {"no diameter", [](KanalTempInputs& in) { First(in).Diameter = -5.0f; },
       ids::ReasonDimensionNotPositive},
      {"unknown surroundings",
       [](KanalTempInputs& in) { First(in).Surroundings = code::FromInt<code::Surroundings>(7); },
       ids::ReasonUnknownDuctCode},
      {"unknown flow unit",
       [](KanalTempInputs& in) { First(in).FlowUnit = code::FromInt<code::FlowUnit>(3); },
       ids::ReasonUnknownDuctCode},
      {"layer without thickness", [](KanalTempInputs& in) { First(in).Layer1.Thickness = 0.0f; },
       ids::ReasonDimensionNotPositive},
      {"liquid without density", [](KanalTempInputs& in) { in.UserDensity = 0.0f; },
       ids::ReasonNoFiniteResult},
      {"humidity of 100 %",
       [](KanalTempInputs& in) {
         in.RunType = code::RunType::CircularDucts;
         First(in).Type = code::Geometry::CircularDuct;
         in.CheckDewPoint = 1;
         in.RelativeHumidity = 100.0f;
       },
       ids::ReasonHumidityRange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KanalTempInputs in = Run(code::RunType::Pipes);
    c.change(in);
    const FlowingMediumResult r = Calculate(in);
    EXPECT_FALSE(r.outcome.ok);
    ASSERT_EQ(r.outcome.notices.size(), 1u);
    EXPECT_EQ(r.outcome.notices[0].text, refusal(c.reason));
    EXPECT_TRUE(asked.empty());
  }
  const FlowingMediumResult empty = Calculate(KanalTempInputs());
  EXPECT_FALSE(empty.outcome.ok);
  EXPECT_TRUE(empty.outcome.Says(ids::SegmentListEmpty));
}

}  // namespace
}  // namespace kav
