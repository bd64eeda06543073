// Every module reads back what it wrote, byte for byte, with the results
// flag; a document-like archive of all eight modules shares its class
// records and stored rows across the modules.
#include <gtest/gtest.h>

#include <type_traits>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/frost/frost_modul.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "modules/lyd/lyd_modul.h"
#include "modules/okonomi/okonomi_modul.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "output/page_layout.h"

namespace kav::test {
namespace {

class RoundTripTest : public ModuleTest {
 protected:
  std::unique_ptr<CTilleggsutstyr> Accessory(int count, bool userLength) {
    auto accessory = std::make_unique<CTilleggsutstyr>();
    accessory->Count = count;
    accessory->UserLength = userLength ? 1 : 0;
    accessory->EquivalentLength = 0.75f;
    if (!userLength) accessory->AccessoryType = &Valve();
    accessory->Name = userLength ? "Flens; 1 stk" : "Ventil; 2 stk";
    return accessory;
  }

  void Change(CVarmeTapModul& m) {
    m.Criterion = code::Criterion::GivenSurfaceTemperature;
    m.Geometry = code::Geometry::RectangularDuct;
    m.MediumTemperature = 80.0f;
    m.TwoLayers = 1;
    m.Layer1.Product = &Glassull();
    m.Layer1.ThicknessRow = Glassull().Thicknesses[1];
    m.Layer2.Product = &Glassull();  // the same product in both layers
    m.Layer2.ThicknessRow = Glassull().Thicknesses[0];
    m.Layer2.HasJacketing = 1;
    m.Layer2.Jacketing = &Alu();
    m.HasAccessories = 1;
    m.Accessories.Append(Accessory(2, false));
    m.Accessories.Append(Accessory(1, true));
    m.Vertical = 1;
    m.Co2Factor = 200.0f;
    m.UninsulatedHangers = 1;
    m.ResultsValid = 1;
  }
  void Change(CKanalTempModul& m) {
    auto pipe = CSegment::NewSegment(code::Geometry::Pipe, nullptr);
    pipe->Layer1.Product = &Glassull();
    pipe->Layer1.ThicknessRow = Glassull().Thicknesses[0];
    pipe->HasAccessories = 1;
    pipe->Accessories.Append(Accessory(2, false));
    auto bare = CSegment::NewSegment(code::Geometry::Pipe, pipe.get());
    bare->Uninsulated = 1;
    bare->Surface = &Steel();
    m.Segments.Append(std::move(pipe));
    m.Segments.Append(std::move(bare));
    m.Liquid = &Glycol();
    m.CheckDewPoint = 1;
    m.UserLiquidName = "Sprit";
    m.InletTemperature = 65.0f;
    m.ResultsValid = 1;
  }
  void Change(CTankTempModul& m) {
    m.Insulation.Product = &Steinull();
    m.Insulation.ThicknessRow = Steinull().Thicknesses[1];
    m.Liquid = &Glycol();
    m.Shape = code::TankShape::Sphere;
    m.StorageTime = 100.0f;
    m.UserLiquid = 1;
    m.ResultsValid = 1;
  }
  void Change(CUtvendigKondensModul& m) {
    m.Layer1.Source = code::Source::User;
    m.Layer1.UserProduct = &Egen();
    m.Layer1.UserThicknessRow = Egen().Thicknesses[1];
    m.Layer2.Source = code::Source::Hose;
    m.Layer2.HoseProduct = &Hose();
    m.Layer2.HoseSeries = Hose().Series[0];
    m.ObjectType = code::CondensationObject::RectangularDuctInside;
    m.TwoLayers = 1;
    m.Vertical = 1;
    m.RelativeHumidity = 75.0f;
    m.ResultsValid = 1;
  }
  void Change(CInnvendigKondensModul& m) {
    m.Insulation.Product = &Glassull();
    m.DuctShape = code::DuctShape::Rectangular;
    m.FlowUnit = code::FlowUnit::MetresPerSecond;
    m.Flow = 3.5f;
    m.UninsulatedHangers = 1;
    m.ResultsValid = 1;
  }
  void Change(CFrostModul& m) {
    m.Insulation.Source = code::Source::Hose;
    m.Insulation.HoseProduct = &Hose();
    m.Insulation.HoseSeries = Hose().Series[0];
    m.AmbientTemperature = -30.0f;
    m.Vertical = 1;
    m.ResultsValid = 1;
  }
  void Change(CLydModul& m) {
    m.AbsorptionProduct = &Absorb();
    m.AbsorptionThickness = Absorb().AbsorptionThicknesses[1];
    m.DuctType = code::DuctType::TopAndBottom;
    m.OwnName = "Plate";
    m.OwnAbsorption[5] = 0.5f;
    m.ResultsValid = 1;
  }
  void Change(COkonomiModul& m) {
    m.StandardSolution.Product = &Glassull();
    m.StandardSolution.ThicknessRow = Glassull().Thicknesses[1];
    m.StandardSolution.ComposeName();
    auto hose = std::make_unique<COkonomiIsolasjon>(code::Geometry::RectangularDuct);
    hose->InsulationKind = 1;
    hose->HoseProduct = &Hose();
    hose->HoseSeries = Hose().Series[0];
    hose->Price = 250.0f;
    hose->ComposeName();
    auto bare = std::make_unique<COkonomiIsolasjon>(code::Geometry::RectangularDuct);
    bare->InsulationKind = 3;
    bare->Surface = &Steel();
    bare->ComposeName();
    m.Alternatives.Append(std::move(hose));
    m.Alternatives.Append(std::move(bare));
    m.ObjectType = code::Geometry::RectangularDuct;
    m.RealInterest = 4.5f;
    m.Orientation = 1;
    m.ResultsValid = 1;
  }

  // Writes the module, reads it into a fresh one, writes that again.
  template <class Module>
  void ExpectRoundTrip(Module& module) {
    SCOPED_TRACE(module.ClassName());
    const Bytes first = Written([&](CArchive& ar) { module.Serialize(ar); });
    Module read;
    ReadAll(first, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_EQ(read.ResultsValid, module.ResultsValid);
    // Modules whose calculation exists show results when they were stored
    // with them; the others show nothing and keep the flag.
    constexpr bool calculates =
        std::is_same_v<Module, CVarmeTapModul> || std::is_same_v<Module, CUtvendigKondensModul> ||
        std::is_same_v<Module, CInnvendigKondensModul> || std::is_same_v<Module, CLydModul> ||
        std::is_same_v<Module, CTankTempModul> || std::is_same_v<Module, CKanalTempModul> ||
        std::is_same_v<Module, CFrostModul> || std::is_same_v<Module, COkonomiModul>;
    EXPECT_EQ(PageList(Module::kPage).empty(), !(calculates && read.ResultsValid));
    EXPECT_EQ(Written([&](CArchive& ar) { read.Serialize(ar); }), first);
    EXPECT_TRUE(platform.events.empty()) << platform.Texts().front();
  }

  template <class Module>
  void ExpectRoundTrips() {
    Module defaults;
    ExpectRoundTrip(defaults);
    Module changed;
    Change(changed);
    ExpectRoundTrip(changed);
  }
};

TEST_F(RoundTripTest, HeatLoss) {
  ExpectRoundTrips<CVarmeTapModul>();
}
TEST_F(RoundTripTest, FlowingMedia) {
  ExpectRoundTrips<CKanalTempModul>();
}
TEST_F(RoundTripTest, Tank) {
  ExpectRoundTrips<CTankTempModul>();
}
TEST_F(RoundTripTest, ExternalCondensation) {
  ExpectRoundTrips<CUtvendigKondensModul>();
}
TEST_F(RoundTripTest, InternalCondensation) {
  ExpectRoundTrips<CInnvendigKondensModul>();
}
TEST_F(RoundTripTest, Frost) {
  ExpectRoundTrips<CFrostModul>();
}
TEST_F(RoundTripTest, SoundTrap) {
  ExpectRoundTrips<CLydModul>();
}
TEST_F(RoundTripTest, Economy) {
  ExpectRoundTrips<COkonomiModul>();
}

TEST_F(RoundTripTest, HeatLossFieldOrder) {
  CVarmeTapModul m;
  m.CalcEnergy = 1;
  m.Criterion = code::Criterion::GivenMaxHeatLoss;
  m.Geometry = code::Geometry::InternalDuct;
  m.MediumTemperature = 1.0f;
  m.HasAccessories = 1;
  m.AmbientTemperature = 2.0f;
  m.GivenSurfaceTemperature = 3.0f;
  m.Diameter = 4.0f;
  m.Width = 5.0f;
  m.Height = 6.0f;
  m.Length = 7.0f;
  m.Area = 8.0f;
  m.TwoLayers = 1;
  m.Surroundings = code::Surroundings::UserCoefficient;
  m.WindSpeed = 9.0f;
  m.OuterCoefficient = 10.0f;
  m.OperatingHours = 11.0f;
  m.EnergyPrice = 12.0f;
  m.GivenMaxHeatLoss = 13.0f;
  m.ResultsValid = 1;
  m.Vertical = 1;
  m.Co2Factor = 14.0f;
  m.UninsulatedHangers = 1;
  m.Layer2.Thickness = 99.0f;
  Expected e;
  e.Record(m.Layer1).Record(m.Layer2).Count(0);
  e.Word(1).Word(2).Word(3).Float(1.0f).Word(1);
  e.Float(2.0f).Float(3.0f).Float(4.0f);
  e.Float(5.0f).Float(6.0f).Float(7.0f).Float(8.0f).Word(1);
  e.Word(2).Float(9.0f).Float(10.0f);
  e.Float(11.0f).Float(12.0f).Float(13.0f).Word(1);
  e.Long(1).Float(14.0f).Long(1);
  EXPECT_EQ(Written([&](CArchive& ar) { m.Serialize(ar); }), e.bytes());
}

TEST_F(RoundTripTest, ReadModulesReferToTheDatabaseRows) {
  CVarmeTapModul heat;
  Change(heat);
  CKanalTempModul flow;
  Change(flow);
  flow.NextSegmentNumber = 7;
  const Bytes bytes = Written([&](CArchive& ar) {
    heat.Serialize(ar);
    flow.Serialize(ar);
  });
  CVarmeTapModul heatRead;
  CKanalTempModul flowRead;
  ReadAll(bytes, [&](CArchive& ar) {
    heatRead.Serialize(ar);
    flowRead.Serialize(ar);
  });
  EXPECT_EQ(heatRead.Layer1.Product, &Glassull());
  EXPECT_EQ(heatRead.Layer2.ThicknessRow, Glassull().Thicknesses[0]);
  ASSERT_EQ(heatRead.Accessories.size(), 2u);
  EXPECT_EQ(heatRead.Accessories[0]->AccessoryType, &Valve());
  EXPECT_TRUE(Uses(Valve(), heatRead.Accessories[0]));
  ASSERT_EQ(flowRead.Segments.size(), 2u);
  EXPECT_EQ(flowRead.Segments[1]->Surface, &Steel());
  EXPECT_TRUE(Uses(Steel(), flowRead.Segments[1]));
  EXPECT_EQ(flowRead.Liquid, &Glycol());
  EXPECT_TRUE(Uses(Glycol(), &flowRead));
  EXPECT_EQ(flowRead.NextSegmentNumber, 7);
}

TEST_F(RoundTripTest, DocumentSharesClassRecordsAndStoredRowsAcrossModules) {
  CVarmeTapModul heat;
  CKanalTempModul flow;
  CTankTempModul tank;
  CUtvendigKondensModul outside;
  CInnvendigKondensModul inside;
  CFrostModul frost;
  CLydModul sound;
  COkonomiModul economy;
  Change(heat);
  Change(flow);
  Change(economy);
  auto writeAll = [&](CArchive& ar) {
    heat.Serialize(ar);
    flow.Serialize(ar);
    tank.Serialize(ar);
    outside.Serialize(ar);
    inside.Serialize(ar);
    frost.Serialize(ar);
    sound.Serialize(ar);
    economy.Serialize(ar);
  };
  const Bytes bytes = Written(writeAll);
  // Heat loss and a flowing-media segment both hold accessories: the class
  // is named once and referred to by its index after that.
  EXPECT_EQ(Occurrences(bytes, "CTilleggsutstyr"), 1u);
  // Glassull is written in full for each reference; its thickness rows are
  // written once, later copies refer to them by index.
  EXPECT_EQ(Occurrences(bytes, "CIsoTykkelse"), 1u);

  CVarmeTapModul heatRead;
  CKanalTempModul flowRead;
  CTankTempModul tankRead;
  CUtvendigKondensModul outsideRead;
  CInnvendigKondensModul insideRead;
  CFrostModul frostRead;
  CLydModul soundRead;
  COkonomiModul economyRead;
  ReadAll(bytes, [&](CArchive& ar) {
    heatRead.Serialize(ar);
    flowRead.Serialize(ar);
    tankRead.Serialize(ar);
    outsideRead.Serialize(ar);
    insideRead.Serialize(ar);
    frostRead.Serialize(ar);
    soundRead.Serialize(ar);
    economyRead.Serialize(ar);
  });
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(heatRead.Layer1.Product, &Glassull());
  EXPECT_EQ(heatRead.Layer2.Product, &Glassull());
  EXPECT_EQ(heatRead.Layer1.ThicknessRow, Glassull().Thicknesses[1]);
  EXPECT_EQ(heatRead.Layer2.ThicknessRow, Glassull().Thicknesses[0]);
  EXPECT_EQ(flowRead.Segments[0]->Accessories[0]->AccessoryType, &Valve());
  ASSERT_EQ(economyRead.Alternatives.size(), 2u);
  EXPECT_EQ(economyRead.Alternatives[0]->HoseSeries, Hose().Series[0]);

  const Bytes again = Written([&](CArchive& ar) {
    heatRead.Serialize(ar);
    flowRead.Serialize(ar);
    tankRead.Serialize(ar);
    outsideRead.Serialize(ar);
    insideRead.Serialize(ar);
    frostRead.Serialize(ar);
    soundRead.Serialize(ar);
    economyRead.Serialize(ar);
  });
  EXPECT_EQ(again, bytes);
}

TEST_F(RoundTripTest, SoundTrapKeepsReadingWhenItsProductIsGone) {
  CLydModul sound;
  Change(sound);
  sound.OwnThickness = 75.0f;
  const Bytes bytes = Written([&](CArchive& ar) { sound.Serialize(ar); });
  sound.AbsorptionProduct = nullptr;
  sound.AbsorptionThickness = nullptr;
  // No absorption product left to choose: the product reads as none, and
  // its stored thickness row is still read past.
  db->AbsorptionProducts.Clear();
  CLydModul read;
  ReadAll(bytes, [&](CArchive& ar) { read.Serialize(ar); });
  EXPECT_EQ(read.AbsorptionProduct, nullptr);
  EXPECT_EQ(read.AbsorptionThickness, nullptr);
  EXPECT_EQ(read.OwnThickness, 75.0f);
  EXPECT_EQ(read.OwnName, "Plate");
}

TEST_F(RoundTripTest, SoundTrapThicknessChangedOrMissing) {
  CLydModul sound;
  Change(sound);
  const Bytes bytes = Written([&](CArchive& ar) { sound.Serialize(ar); });
  CAbsorpsjonTykkelse& hundred = *Absorb().AbsorptionThicknesses[1];

  // The coefficients changed: the database row is used, with a message.
  // (The product compares its thickness rows by name only.)
  hundred.Coefficients[0] = 0.3f;
  CLydModul changed;
  ReadAll(bytes, [&](CArchive& ar) { changed.Serialize(ar); });
  EXPECT_EQ(changed.AbsorptionThickness, &hundred);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::AbsorptionThicknessChanged)});

  // The thickness is gone: the user chooses among the product's rows.
  platform.Clear();
  hundred.Thickness = 120.0f;
  hundred.UpdateName();
  platform.choices = {1};
  CLydModul missing;
  ReadAll(bytes, [&](CArchive& ar) { missing.Serialize(ar); });
  EXPECT_EQ(missing.AbsorptionThickness, &hundred);
  ASSERT_FALSE(platform.events.empty());
  EXPECT_EQ(platform.events.back().kind, ScriptedPlatform::Kind::Choice);
  EXPECT_EQ(platform.events.back().text,
            FormatId(ids::AbsorptionThicknessMissing, "100.0", "Absorb"));
}

}  // namespace
}  // namespace kav::test
