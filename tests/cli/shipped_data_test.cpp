// The data files shipped with the program (built from resources/data by
// kavdb): read by the program's own classes without a message, complete
// enough to work with, consistent with the rules the editing dialogs keep,
// and reproduced byte for byte by dump and build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "core/file_io.h"
#include "core/scripted_platform.h"
#include "core/strings.h"
#include "data/database.h"
#include "data/klima.h"
#include "data/kostnad.h"
#include "kavdb_test_support.h"

namespace kav::test {
namespace {

using cli::DataFileKind;

std::string Shipped(const std::string& name) {
  return (std::filesystem::path(KAV_SHIPPED_DATA_DIR) / name).string();
}

std::size_t Characters(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
  }));
}

// Names are keys: present, unique within their list and within the dialog's
// limit.
void ExpectGoodNames(const ObjectList& rows, std::size_t limit, const char* list) {
  std::set<std::string> seen;
  for (const CListItem* row : rows) {
    EXPECT_FALSE(row->Name.empty()) << list;
    EXPECT_LE(Characters(row->Name), limit) << list << ": " << row->Name;
    EXPECT_TRUE(seen.insert(row->Name).second) << list << ": twice " << row->Name;
  }
}

template <class T, class Key>
bool Ascending(const TypedList<T>& rows, Key key) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (key(*rows[i]) < key(*rows[i - 1])) return false;
  }
  return true;
}

// A plausible conductivity over the product's whole temperature range.
void ExpectSaneConductivity(const CIsoProdukt& p) {
  for (float t = 0.0f; t <= p.MaxTemperature; t += 10.0f) {
    const float lambda = p.Lambda(t);
    EXPECT_GT(lambda, 0.015f) << p.Name << " at " << t;
    EXPECT_LT(lambda, 0.2f) << p.Name << " at " << t;
  }
  EXPECT_GT(p.Lambda(10.0f), 0.02f) << p.Name;
  EXPECT_LT(p.Lambda(10.0f), 0.045f) << p.Name;
  EXPECT_GT(p.Lambda(100.0f), p.Lambda(0.0f)) << p.Name;
  EXPECT_GT(p.SurfaceEmissivity, 0.0f);
  EXPECT_LE(p.SurfaceEmissivity, 1.0f);
  EXPECT_LE(p.MinThickness, p.MaxThickness) << p.Name;
}

class ShippedDataTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
};

TEST_F(ShippedDataTest, InsulationProducts) {
  CDataBase db(Shipped("kav.dat"));
  EXPECT_TRUE(platform.events.empty());
  const auto& products = db.InsulationProducts;
  EXPECT_GE(products.size(), 12u);
  ExpectGoodNames(products, 60, "InsulationProducts");

  std::array<int, CIsoProdukt::kUseFlagCount> covered{};
  for (const CIsoProdukt* p : products) {
    SCOPED_TRACE(p->Name);
    EXPECT_STREQ(p->ClassName(), CIsoProdukt::kClassName);
    EXPECT_FALSE(p->Description.empty());
    ExpectSaneConductivity(*p);
    int uses = 0;
    for (int i = 0; i < CIsoProdukt::kUseFlagCount; ++i) {
      const int flag = p->UseFlags[static_cast<std::size_t>(i)];
      EXPECT_TRUE(flag == 0 || flag == 1);
      covered[static_cast<std::size_t>(i)] += flag;
      uses += flag;
    }
    EXPECT_GT(uses, 0) << "no field of use";

    ASSERT_FALSE(p->Thicknesses.empty());
    EXPECT_TRUE(Ascending(p->Thicknesses, [](const CIsoTykkelse& t) { return t.Thickness; }));
    // Pipe sections and tubes are made for a range of pipe diameters.
    const bool forPipes = p->Name.rfind("Rør", 0) == 0;
    if (forPipes) {
      EXPECT_EQ(p->UseFlags[0], 1);
    }
    for (const CIsoTykkelse* t : p->Thicknesses) {
      EXPECT_EQ(t->Name, FormatId(ids::FmtNumber1, t->Thickness));
      EXPECT_GE(t->Thickness, p->MinThickness) << t->Name;
      EXPECT_LE(t->Thickness, p->MaxThickness) << t->Name;
      if (forPipes) {
        EXPECT_EQ(t->DiameterLimited, 1) << t->Name;
        EXPECT_LT(t->MinDiameter, t->MaxDiameter) << t->Name;
        EXPECT_GT(t->MinDiameter, 0.0f) << t->Name;
      }
    }
  }
  for (std::size_t i = 0; i < covered.size(); ++i) {
    EXPECT_GT(covered[i], 0) << "no product for field of use " << i;
  }
}

TEST_F(ShippedDataTest, PipeSectionsChooseByDiameter) {
  CDataBase db(Shipped("kav.dat"));
  const CIsoProdukt* section = db.InsulationProducts.FindByName("Rørskål glassull 60-80 kg/m³ alu");
  ASSERT_NE(section, nullptr);
  std::string text;
  EXPECT_EQ(section->SelectStandardThickness(0.025f, text, 42.4f), 30.0f);
  // 20 mm is not made for a 168 mm pipe; the next thickness is.
  EXPECT_EQ(section->SelectStandardThickness(0.015f, text, 168.3f), 30.0f);
  EXPECT_EQ(section->SelectStandardThickness(0.015f, text, 8.0f), -1.0f);
  EXPECT_EQ(platform.events.size(), 1u);
}

TEST_F(ShippedDataTest, HoseProducts) {
  CDataBase db(Shipped("kav.dat"));
  EXPECT_GE(db.HoseProducts.size(), 2u);
  ExpectGoodNames(db.HoseProducts, 60, "HoseProducts");
  for (const CKorbuFlex* hose : db.HoseProducts) {
    SCOPED_TRACE(hose->Name);
    ExpectSaneConductivity(*hose);
    EXPECT_EQ(hose->NotOuterLayer, 1);
    EXPECT_TRUE(hose->Thicknesses.empty());
    EXPECT_GE(hose->Series.size(), 3u);
    ExpectGoodNames(hose->Series, 60, "Series");
    EXPECT_TRUE(
        Ascending(hose->Series, [](const CKorbuFlexSerie& s) { return s.ThicknessFor(0.0f); }));
    for (const CKorbuFlexSerie* series : hose->Series) {
      SCOPED_TRACE(series->Name);
      ASSERT_FALSE(series->SeriesThicknesses.empty());
      EXPECT_TRUE(Ascending(series->SeriesThicknesses,
                            [](const CKorbuFlexTykkelse& s) { return s.Thickness; }));
      EXPECT_TRUE(Ascending(series->SeriesThicknesses,
                            [](const CKorbuFlexTykkelse& s) { return s.MaxDiameter; }));
      // What the series dialog demands of its diameters.
      EXPECT_GE(series->MinDiameter, 0.0f);
      EXPECT_GE(series->SeriesThicknesses.front()->MaxDiameter, series->MinDiameter);
      EXPECT_LE(series->SeriesThicknesses.back()->MaxDiameter, series->MaxDiameter);
      for (const CKorbuFlexTykkelse* step : series->SeriesThicknesses) {
        EXPECT_EQ(step->Name, FormatId(ids::SeriesStepName, step->MaxDiameter, step->Thickness));
        EXPECT_GE(step->Thickness, hose->MinThickness);
        EXPECT_LE(step->Thickness, hose->MaxThickness);
      }
    }
  }
}

TEST_F(ShippedDataTest, SurfacesAccessoriesLiquidsAndAbsorption) {
  CDataBase db(Shipped("kav.dat"));
  EXPECT_GE(db.Jacketings.size(), 6u);
  EXPECT_GE(db.Surfaces.size(), 6u);
  EXPECT_GE(db.InnerJacketings.size(), 3u);
  ExpectGoodNames(db.Jacketings, 60, "Jacketings");
  ExpectGoodNames(db.Surfaces, 60, "Surfaces");
  ExpectGoodNames(db.InnerJacketings, 60, "InnerJacketings");
  auto emissivities = [](const auto& rows) {
    for (const auto* row : rows) {
      EXPECT_GT(row->Emissivity, 0.0f) << row->Name;
      EXPECT_LE(row->Emissivity, 1.0f) << row->Name;
    }
  };
  emissivities(db.Jacketings);
  emissivities(db.Surfaces);
  emissivities(db.InnerJacketings);
  EXPECT_EQ(db.Jacketings.FindByName("Aluminium, blank")->Emissivity, 0.05f);

  EXPECT_GE(db.AccessoryTypes.size(), 6u);
  ExpectGoodNames(db.AccessoryTypes, 60, "AccessoryTypes");
  for (const CTillegg2* type : db.AccessoryTypes) {
    SCOPED_TRACE(type->Name);
    ASSERT_FALSE(type->Lengths.empty());
    // Kept by length, not by diameter.
    EXPECT_TRUE(
        Ascending(type->Lengths, [](const CTilleggslengde& b) { return b.AdditionalLength; }));
    for (const CTilleggslengde* band : type->Lengths) {
      EXPECT_EQ(band->Name,
                FormatId(ids::AccessoryLengthBandName, band->MinDiameter, band->MaxDiameter));
      EXPECT_LT(band->MinDiameter, band->MaxDiameter);
      EXPECT_GT(band->AdditionalLength, 0.0f);
    }
    for (float d : {15.0f, 60.3f, 114.3f, 219.1f, 508.0f}) {
      EXPECT_GT(type->AdditionalLengthFor(d), 0.0f);
    }
  }
  // A flanged valve loses more the bigger it is.
  const CTillegg2* valve = db.AccessoryTypes.FindByName("Ventil med flenser, uisolert");
  ASSERT_NE(valve, nullptr);
  EXPECT_LT(valve->AdditionalLengthFor(33.7f), valve->AdditionalLengthFor(114.3f));
  EXPECT_LT(valve->AdditionalLengthFor(114.3f), valve->AdditionalLengthFor(273.0f));
  const CTillegg2* flanges = db.AccessoryTypes.FindByName("Flensepar, uisolert");
  ASSERT_NE(flanges, nullptr);
  EXPECT_EQ(flanges->AdditionalLengthFor(5.0f), flanges->AdditionalLengthFor(33.7f));

  EXPECT_GE(db.Liquids.size(), 8u);
  ExpectGoodNames(db.Liquids, 60, "Liquids");
  for (const CVeske* liquid : db.Liquids) {
    SCOPED_TRACE(liquid->Name);
    EXPECT_FALSE(liquid->Description.empty());  // says what the values are based on
    EXPECT_GT(liquid->Density, 700.0f);
    EXPECT_LT(liquid->Density, 1400.0f);
    EXPECT_GT(liquid->HeatCapacity, 1500.0f);
    EXPECT_LT(liquid->HeatCapacity, 4300.0f);
    EXPECT_LE(liquid->FreezingPoint, 0.0f);
  }

  EXPECT_GE(db.AbsorptionProducts.size(), 4u);
  ExpectGoodNames(db.AbsorptionProducts, 60, "AbsorptionProducts");
  for (const CAbsorpsjon* product : db.AbsorptionProducts) {
    SCOPED_TRACE(product->Name);
    EXPECT_GE(product->AbsorptionThicknesses.size(), 3u);
    EXPECT_TRUE(Ascending(product->AbsorptionThicknesses,
                          [](const CAbsorpsjonTykkelse& t) { return t.Thickness; }));
    ExpectGoodNames(product->AbsorptionThicknesses, 60, "AbsorptionThicknesses");
    for (const CAbsorpsjonTykkelse* t : product->AbsorptionThicknesses) {
      EXPECT_EQ(t->Name, FormatId(ids::FmtNumber1, t->Thickness));
      for (float c : t->Coefficients) {
        EXPECT_GE(c, 0.0f);
        EXPECT_LE(c, 1.0f);
      }
    }
  }
}

TEST_F(ShippedDataTest, ClimatePlaces) {
  CKlima climate(Shipped("kav.cli"));
  EXPECT_TRUE(platform.events.empty());
  EXPECT_GE(climate.Locations.size(), 40u);
  ExpectGoodNames(climate.Locations, 50, "Locations");
  for (const CKlimasted* place : climate.Locations) {
    SCOPED_TRACE(place->Name);
    CKlimasted rebuilt = *place;
    rebuilt.UpdateDisplayText();
    EXPECT_EQ(place->DisplayText, rebuilt.DisplayText);
    EXPECT_GT(place->MeanTemperature, -10.0f);
    EXPECT_LT(place->MeanTemperature, 10.0f);
    EXPECT_GT(place->MeanWindSpeed, 0.0f);
    EXPECT_LE(place->MeanWindSpeed, 20.0f);
  }
  EXPECT_NE(climate.Locations.FindByName("Oslo"), nullptr);
  EXPECT_NE(climate.Locations.FindByName("Tromsø"), nullptr);
}

TEST_F(ShippedDataTest, CostEntries) {
  CKostnad costs(Shipped("kav.cst"));
  EXPECT_TRUE(platform.events.empty());
  EXPECT_GE(costs.Entries.size(), 10u);
  ExpectGoodNames(costs.Entries, 60, "Entries");
  int perSquareMetre = 0;
  for (const CIsoKostnad* entry : costs.Entries) {
    SCOPED_TRACE(entry->Name);
    EXPECT_GT(entry->Price, 0.0f);
    EXPECT_LE(entry->Price, 5000.0f);
    CIsoKostnad metre = *entry;
    metre.UpdateDisplayText(Str(ids::UnitMetre));
    CIsoKostnad square = *entry;
    square.UpdateDisplayText(Str(ids::UnitSquareMetre));
    EXPECT_TRUE(entry->DisplayText == metre.DisplayText || entry->DisplayText == square.DisplayText)
        << entry->DisplayText;
    perSquareMetre += entry->DisplayText == square.DisplayText;
  }
  EXPECT_GT(perSquareMetre, 0);
}

TEST_F(ShippedDataTest, NoUserDatabaseIsShipped) {
  EXPECT_FALSE(std::filesystem::exists(Shipped("egendef.dat")));
}

TEST_F(ShippedDataTest, DumpThenBuildGivesTheShippedBytes) {
  const std::pair<const char*, DataFileKind> files[] = {
      {"kav.dat", DataFileKind::Database},
      {"kav.cli", DataFileKind::Climate},
      {"kav.cst", DataFileKind::Cost},
  };
  for (const auto& [name, kind] : files) {
    SCOPED_TRACE(name);
    const Bytes shipped = ReadFileBytes(Shipped(name)).value_or(Bytes{});
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(BuildBytes(kind, DumpText(kind, shipped)), shipped);
  }
}

}  // namespace
}  // namespace kav::test
