// The JSON form of the data files: dump then build gives the program's own
// bytes back, whatever the fields hold; hand-written JSON gets the class
// defaults and the derived texts the program makes; mistakes name their
// JSON path.
#include "cli/db_json.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/scripted_platform.h"
#include "core/strings.h"
#include "data/absorpsjon.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "data/korbuflex.h"
#include "data/kostnad.h"
#include "data/mantling.h"
#include "data/tillegg.h"
#include "data/veske.h"
#include "kavdb_test_support.h"

namespace kav::test {
namespace {

using cli::DataFileKind;

// Values that a careless float or text mapping loses: signed zero, the
// smallest and largest floats, decimals without an exact binary form, NaNs
// with and without payload, infinities; texts with Norwegian letters, the
// code page's odd bytes, quotes, a NUL and the longer length prefixes.
class Awkward {
 public:
  float Next() {
    static const float values[] = {
        -0.0f,
        std::numeric_limits<float>::denorm_min(),
        std::numeric_limits<float>::min(),
        std::numeric_limits<float>::max(),
        0.1f,
        1.0f / 3.0f,
        std::bit_cast<float>(0x7FC00000u),
        std::bit_cast<float>(0x7FC00001u),
        std::bit_cast<float>(0xFFC00000u),
        std::bit_cast<float>(0x7F800001u),  // signalling
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        -273.15f,
        1e30f,
        16777215.0f,
        -1.5e-7f,
        123.456f,
    };
    return values[float_++ % std::size(values)];
  }
  std::string Text() {
    static const std::string texts[] = {
        "Rørskål æøå ÆØÅ",
        std::string(300, 'x') + "ø",
        "tab\tsitat\" skråstrek\\ linje\nslutt",
        std::string("null\0midt", 9),
        "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D byte 0x81 0x8D 0x8F 0x90 0x9D",
        "€ ‰ Š œ Ÿ ² ³ µ ° ½",
        std::string(70000, 'y'),
        "",
    };
    return texts[text_++ % std::size(texts)];
  }
  int Word() { return static_cast<int>(words_++ * 9973u % 65536u) | 1; }
  std::uint32_t Colour() { return 0x80000001u * ++colours_; }

 private:
  std::size_t float_ = 0;
  std::size_t text_ = 0;
  unsigned words_ = 1;
  std::uint32_t colours_ = 0;
};

void FillListItem(Awkward& a, CListItem& row) {
  row.Name = a.Text();
  row.Description = a.Text();
}

void FillProductFields(Awkward& a, CIsoProdukt& p) {
  FillListItem(a, p);
  p.MaxTemperature = a.Next();
  p.MinThickness = a.Next();
  p.MaxThickness = a.Next();
  p.SurfaceEmissivity = a.Next();
  p.NotOuterLayer = 65535;
  p.C3 = a.Next();
  p.C2 = a.Next();
  p.C1 = a.Next();
  p.C0 = a.Next();
  p.InsulationColour = 0xFFFFFFFFu;
  p.SurfaceColour = a.Colour();
  p.UseFlags = {std::numeric_limits<int>::min(), -1, 2, std::numeric_limits<int>::max(), 7, 5, 1};
}

void AddThicknesses(Awkward& a, TypedList<CIsoTykkelse>& list) {
  for (int i = 0; i < 2; ++i) {
    auto t = std::make_unique<CIsoTykkelse>();
    t->Name = a.Text();
    t->Thickness = a.Next();
    t->DiameterLimited = a.Word();
    t->MinDiameter = a.Next();
    t->MaxDiameter = a.Next();
    list.Append(std::move(t));
  }
}

std::unique_ptr<CKorbuFlex> HoseProduct(Awkward& a) {
  auto hose = std::make_unique<CKorbuFlex>();
  FillProductFields(a, *hose);
  for (int i = 0; i < 2; ++i) {
    auto series = std::make_unique<CKorbuFlexSerie>();
    series->Name = a.Text();
    series->MinDiameter = a.Next();
    series->MaxDiameter = a.Next();
    for (int j = 0; j < 2; ++j) {
      auto step = std::make_unique<CKorbuFlexTykkelse>();
      step->Name = a.Text();
      step->Thickness = a.Next();
      step->MaxDiameter = a.Next();
      series->SeriesThicknesses.Append(std::move(step));
    }
    hose->Series.Append(std::move(series));
  }
  return hose;
}

template <class Row>
std::unique_ptr<Row> Surface(Awkward& a) {
  auto row = std::make_unique<Row>();
  FillListItem(a, *row);
  row->Emissivity = a.Next();
  row->Colour = a.Colour();
  return row;
}

// Every list with rows whose every stored field differs from the class
// default, so that a field the JSON leaves out changes the bytes.
void FillDatabase(DatabaseLists& db) {
  Awkward a;
  for (int i = 0; i < 2; ++i) {
    auto product = std::make_unique<CIsoProdukt>();
    FillProductFields(a, *product);
    AddThicknesses(a, product->Thicknesses);
    db.InsulationProducts.Append(std::move(product));
  }
  // The list takes subclasses of its row class as well.
  db.InsulationProducts.Append(HoseProduct(a));
  db.HoseProducts.Append(HoseProduct(a));

  auto absorption = std::make_unique<CAbsorpsjon>();
  FillListItem(a, *absorption);
  absorption->InsulationColour = a.Colour();
  absorption->SurfaceColour = a.Colour();
  absorption->AbsorptionThicknesses.Clear();
  for (int i = 0; i < 3; ++i) {
    auto t = std::make_unique<CAbsorpsjonTykkelse>();
    FillListItem(a, *t);
    t->Thickness = a.Next();
    for (float& c : t->Coefficients) c = a.Next();
    absorption->AbsorptionThicknesses.Append(std::move(t));
  }
  db.AbsorptionProducts.Append(std::move(absorption));
  db.AbsorptionProducts.Append(std::make_unique<CAbsorpsjon>());  // its default thickness row

  db.Jacketings.Append(Surface<CMantling>(a));
  db.Surfaces.Append(Surface<COverflate>(a));
  db.Surfaces.Append(Surface<COverflate>(a));
  db.InnerJacketings.Append(Surface<CInnvMantling>(a));

  auto accessory = std::make_unique<CTillegg2>();
  FillListItem(a, *accessory);
  for (int i = 0; i < 3; ++i) {
    auto band = std::make_unique<CTilleggslengde>();
    FillListItem(a, *band);
    band->AdditionalLength = a.Next();
    band->MinDiameter = a.Next();
    band->MaxDiameter = a.Next();
    accessory->Lengths.Append(std::move(band));
  }
  db.AccessoryTypes.Append(std::move(accessory));

  for (int i = 0; i < 3; ++i) {
    auto liquid = std::make_unique<CVeske>();
    FillListItem(a, *liquid);
    liquid->Density = a.Next();
    liquid->HeatCapacity = a.Next();
    liquid->FreezingPoint = a.Next();
    db.Liquids.Append(std::move(liquid));
  }
}

class DbJsonTest : public ScratchDirTest {
 protected:
  // Dump, then build from the dumped text: the very bytes again.
  void ExpectRoundTrip(DataFileKind kind, const Bytes& written) {
    ASSERT_FALSE(written.empty());
    const std::string text = DumpText(kind, written);
    EXPECT_EQ(BuildBytes(kind, text), written);
    // And the dump of the rebuilt file is the same text.
    EXPECT_EQ(DumpText(kind, BuildBytes(kind, text)), text);
  }

  ScriptedPlatform platform;
};

// ---- dump then build gives the program's bytes

TEST_F(DbJsonTest, DatabaseWithAwkwardValuesRoundTrips) {
  CDataBase db(PathOf("kav.dat"));
  FillDatabase(db);
  ASSERT_TRUE(db.Save());
  ExpectRoundTrip(DataFileKind::Database, ReadBytes("kav.dat"));
}

TEST_F(DbJsonTest, UserDatabaseWithAwkwardValuesRoundTrips) {
  CEgendefDatabase db(PathOf("egendef.dat"));
  Awkward a;
  for (int i = 0; i < 2; ++i) {
    auto product = std::make_unique<CEgendefIsoProdukt>();
    FillProductFields(a, *product);
    AddThicknesses(a, product->Thicknesses);
    for (float& t : product->Temperatures) t = a.Next();
    for (float& l : product->Lambdas) l = a.Next();
    db.UserProducts.Append(std::move(product));
  }
  ASSERT_TRUE(db.Save());
  ExpectRoundTrip(DataFileKind::UserDatabase, ReadBytes("egendef.dat"));
}

TEST_F(DbJsonTest, ClimateAndCostFilesWithAwkwardValuesRoundTrip) {
  Awkward a;
  CKlima climate(PathOf("kav.cli"));
  for (int i = 0; i < 9; ++i) {
    auto place = std::make_unique<CKlimasted>();
    FillListItem(a, *place);
    place->DisplayText = a.Text();
    place->MeanTemperature = a.Next();
    place->MeanWindSpeed = a.Next();
    climate.Locations.Append(std::move(place));
  }
  ASSERT_TRUE(climate.Save());
  ExpectRoundTrip(DataFileKind::Climate, ReadBytes("kav.cli"));

  CKostnad costs(PathOf("kav.cst"));
  for (int i = 0; i < 9; ++i) {
    auto entry = std::make_unique<CIsoKostnad>();
    entry->Name = a.Text();
    entry->DisplayText = a.Text();
    entry->Price = a.Next();
    costs.Entries.Append(std::move(entry));
  }
  ASSERT_TRUE(costs.Save());
  ExpectRoundTrip(DataFileKind::Cost, ReadBytes("kav.cst"));
}

TEST_F(DbJsonTest, EmptyFilesRoundTrip) {
  CDataBase db(PathOf("kav.dat"));
  ASSERT_TRUE(db.Save());
  ExpectRoundTrip(DataFileKind::Database, ReadBytes("kav.dat"));
  CKlima climate(PathOf("kav.cli"));
  ASSERT_TRUE(climate.Save());
  ExpectRoundTrip(DataFileKind::Climate, ReadBytes("kav.cli"));
}

// ---- how values are written

TEST_F(DbJsonTest, FloatsAreShortestDecimalsAndNonFiniteValuesText) {
  CVeske liquid;
  liquid.Name = "v";
  liquid.Density = 0.1f;
  liquid.HeatCapacity = -0.0f;
  liquid.FreezingPoint = std::numeric_limits<float>::max();
  cli::DataFileContents contents(DataFileKind::Database);
  contents.database.Liquids.Append(CloneAs(liquid));
  auto second = CloneAs(liquid);
  second->Density = std::bit_cast<float>(0x7FC00001u);
  second->HeatCapacity = -std::numeric_limits<float>::infinity();
  second->FreezingPoint = std::numeric_limits<float>::denorm_min();
  contents.database.Liquids.Append(std::move(second));
  auto third = CloneAs(liquid);
  third->Density = std::bit_cast<float>(0x7FC00000u);
  third->HeatCapacity = 4180.0f;
  third->FreezingPoint = 1.0f / 3.0f;
  contents.database.Liquids.Append(std::move(third));

  const cli::Json json = cli::ContentsToJson(contents);
  const std::string text = cli::JsonText(json);
  EXPECT_NE(text.find(R"("Density": 0.1,)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("HeatCapacity": -0.0,)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("FreezingPoint": 3.4028235e+38)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("Density": "nan:0x7FC00001")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("HeatCapacity": "-inf")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("FreezingPoint": 1e-45)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("Density": "nan",)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("FreezingPoint": 0.33333334)"), std::string::npos) << text;
}

TEST_F(DbJsonTest, ColoursAreHexTextAndUseFlagsOneLine) {
  cli::DataFileContents contents(DataFileKind::Database);
  auto product = std::make_unique<CIsoProdukt>();
  product->InsulationColour = Rgb(0x12, 0x34, 0x56);
  product->UseFlags = {1, 0, 1, 0, 0, 0, 1};
  product->Thicknesses.Append(std::make_unique<CIsoTykkelse>());
  contents.database.InsulationProducts.Append(std::move(product));
  const std::string text = cli::JsonText(cli::ContentsToJson(contents));
  EXPECT_NE(text.find(R"("InsulationColour": "0x00563412")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("UseFlags": [1, 0, 1, 0, 0, 0, 1])"), std::string::npos) << text;
  // Colours may also be written as plain numbers by hand.
  const Bytes built = BuildBytes(DataFileKind::Database,
                                 R"({"InsulationProducts": [{"InsulationColour": 5649426,
                                     "UseFlags": [1, 0, 1, 0, 0, 0, 1], "Thicknesses": [{}]}]})");
  EXPECT_EQ(built, cli::EncodeContents(contents));
}

// ---- hand-written JSON: defaults and derived texts

TEST_F(DbJsonTest, MissingFieldsTakeTheClassDefaults) {
  CDataBase db(PathOf("kav.dat"));
  for (const char* name : {"Slange", "Slange 2"}) {
    auto hose = std::make_unique<CKorbuFlex>();
    hose->Name = name;
    hose->Series.Append(std::make_unique<CKorbuFlexSerie>());
    hose->Series[0]->SeriesThicknesses.Append(std::make_unique<CKorbuFlexTykkelse>());
    db.HoseProducts.Append(std::move(hose));
  }
  auto absorption = std::make_unique<CAbsorpsjon>();  // with its one default thickness
  absorption->Name = "Lyd";
  db.AbsorptionProducts.Append(std::move(absorption));
  auto surface = std::make_unique<COverflate>();
  db.Surfaces.Append(std::move(surface));
  ASSERT_TRUE(db.Save());

  EXPECT_EQ(
      BuildBytes(DataFileKind::Database,
                 R"({"HoseProducts": [{"Name": "Slange", "Series": [{"SeriesThicknesses": [{}]}]},
                                            {"Name": "Slange 2", "Series": [{"SeriesThicknesses": [{}]}]}],
                           "AbsorptionProducts": [{"Name": "Lyd"}],
                           "Surfaces": [{}]})"),
      ReadBytes("kav.dat"));
}

TEST_F(DbJsonTest, DerivedNamesAndTextsAreMadeAsTheProgramMakesThem) {
  cli::DataFileContents db(DataFileKind::Database);
  cli::ContentsFromJson(db, cli::Json::parse(R"({
    "InsulationProducts": [{"Name": "P", "Thicknesses": [{"Thickness": 30}, {"Thickness": 42.25},
                                                         {"Name": "eget", "Thickness": 50}]}],
    "HoseProducts": [{"Name": "H", "Series": [{"Name": "A", "SeriesThicknesses":
                                               [{"MaxDiameter": 28, "Thickness": 13}]}]}],
    "AbsorptionProducts": [{"Name": "L", "AbsorptionThicknesses": [{"Thickness": 75}]}],
    "AccessoryTypes": [{"Name": "T", "Lengths": [{"AdditionalLength": 0.3, "MinDiameter": 60.3,
                                                  "MaxDiameter": 168.3}]}]})"));
  const auto& thicknesses = db.database.InsulationProducts[0]->Thicknesses;
  ASSERT_EQ(thicknesses.size(), 3u);
  EXPECT_EQ(thicknesses[0]->Name, "30.0");
  EXPECT_EQ(thicknesses[1]->Name, "42.2");  // "%.1f" of 42.25f, as the program rounds it
  EXPECT_EQ(thicknesses[2]->Name, "eget");  // a given name is kept
  EXPECT_EQ(db.database.HoseProducts[0]->Series[0]->SeriesThicknesses[0]->Name,
            "Diam. <= 28.0 - Iso. = 13.0");
  // The given thickness list replaces the default row of a new product.
  ASSERT_EQ(db.database.AbsorptionProducts[0]->AbsorptionThicknesses.size(), 1u);
  EXPECT_EQ(db.database.AbsorptionProducts[0]->AbsorptionThicknesses[0]->Name, "75.0");
  EXPECT_EQ(db.database.AccessoryTypes[0]->Lengths[0]->Name, "60 - 168 mm");

  cli::DataFileContents climate(DataFileKind::Climate);
  cli::ContentsFromJson(climate, cli::Json::parse(R"({"Locations": [
      {"Name": "Bodø", "MeanTemperature": 4.5, "MeanWindSpeed": 5.5},
      {"Name": "Karasjok", "MeanTemperature": -2.4, "MeanWindSpeed": 2},
      {"Name": "X", "DisplayText": "fritt valgt", "MeanTemperature": 1}]})"));
  EXPECT_EQ(climate.locations[0]->DisplayText, "Bodø\t4.5\t5.5");
  EXPECT_EQ(climate.locations[1]->DisplayText, "Karasjok\t-2.4\t2.0");
  EXPECT_EQ(climate.locations[2]->DisplayText, "fritt valgt");

  cli::DataFileContents costs(DataFileKind::Cost);
  cli::ContentsFromJson(costs, cli::Json::parse(R"({"Entries": [
      {"Name": "Kanal", "Price": 375, "UnitWord": "m²"},
      {"Name": "Rør", "Price": 225.5, "UnitWord": "m"},
      {"Name": "Uten"}]})"));
  EXPECT_EQ(costs.costs[0]->DisplayText, "Kanal\t375.0 kr/m²");
  EXPECT_EQ(costs.costs[1]->DisplayText, "Rør\t225.5 kr/m");
  EXPECT_EQ(costs.costs[2]->DisplayText, "");
  EXPECT_EQ(costs.costs[2]->Price, 100.0f);
}

TEST_F(DbJsonTest, UserProductCoefficientsAreFittedFromItsPointsWhenLeftOut) {
  cli::DataFileContents contents(DataFileKind::UserDatabase);
  cli::ContentsFromJson(contents, cli::Json::parse(R"({"UserProducts": [
      {"Name": "Målt", "Temperatures": [0, 50, 100, 150], "Lambdas": [0.035, 0.04, 0.047, 0.056],
       "Thicknesses": [{}]},
      {"Name": "Gitt", "C0": 0.05, "Thicknesses": [{}]}]})"));
  CEgendefIsoProdukt expected;
  expected.Temperatures = {0.0f, 50.0f, 100.0f, 150.0f};
  expected.Lambdas = {0.035f, 0.04f, 0.047f, 0.056f};
  ASSERT_TRUE(expected.FitCoefficients());
  const CEgendefIsoProdukt& fitted = *contents.userDatabase.UserProducts[0];
  EXPECT_EQ(fitted.C3, expected.C3);
  EXPECT_EQ(fitted.C2, expected.C2);
  EXPECT_EQ(fitted.C1, expected.C1);
  EXPECT_EQ(fitted.C0, expected.C0);
  // A coefficient given by hand: no fit, the others keep their defaults.
  const CEgendefIsoProdukt& given = *contents.userDatabase.UserProducts[1];
  EXPECT_EQ(given.C0, 0.05f);
  EXPECT_EQ(given.C3, CEgendefIsoProdukt().C3);

  cli::DataFileContents equal(DataFileKind::UserDatabase);
  EXPECT_THROW(cli::ContentsFromJson(equal, cli::Json::parse(R"({"UserProducts": [
      {"Name": "Feil", "Temperatures": [0, 50, 50, 150]}]})")),
               cli::JsonMappingError);
}

// ---- mistakes name their place

struct BadJson {
  DataFileKind kind;
  const char* json;
  const char* path;    // the JSON path the message must name
  const char* phrase;  // and a word of what was wrong
};

TEST_F(DbJsonTest, MistakesAreErrorsNamingTheJsonPath) {
  const BadJson cases[] = {
      {DataFileKind::Database, R"({"InsulationProducts": [{"Thicknesses": [{"Thikness": 30}]}]})",
       "InsulationProducts[0].Thicknesses[0].Thikness", "ukjent felt"},
      {DataFileKind::Database,
       R"({"InsulationProducts": [{"Thicknesses": [{}]}, {"MaxTemperature": "varm"}]})",
       "InsulationProducts[1].MaxTemperature", "venter et tall"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"Name": 7}]})",
       "InsulationProducts[0].Name", "venter en tekst"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"Thicknesses": {}}]})",
       "InsulationProducts[0].Thicknesses", "venter en liste"},
      {DataFileKind::Database, R"({"InsulationProducts": [[]]})", "InsulationProducts[0]",
       "venter et objekt"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"UseFlags": [1, 0]}]})",
       "InsulationProducts[0].UseFlags", "7 verdier"},
      {DataFileKind::Database,
       R"({"InsulationProducts": [{"UseFlags": [1, 0, 0, 0, 0, 0, 2147483648]}]})",
       "InsulationProducts[0].UseFlags[6]", "heltall"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"NotOuterLayer": 65536}]})",
       "InsulationProducts[0].NotOuterLayer", "heltall fra 0 til 65535"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"NotOuterLayer": 1.0}]})",
       "InsulationProducts[0].NotOuterLayer", "heltall"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"C3": 1e39}]})",
       "InsulationProducts[0].C3", "32-bits"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"C3": "uendelig"}]})",
       "InsulationProducts[0].C3", "uendelig"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"C3": "nan:0x3F800000"}]})",
       "InsulationProducts[0].C3", "NaN"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"SurfaceColour": "rød"}]})",
       "InsulationProducts[0].SurfaceColour", "0x00BBGGRR"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"SurfaceColour": "0x100000000"}]})",
       "InsulationProducts[0].SurfaceColour", "0x00BBGGRR"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"SurfaceColour": -1}]})",
       "InsulationProducts[0].SurfaceColour", "heltall fra 0"},
      {DataFileKind::Database, R"({"Liquids": [{"Name": "λ-væske"}]})", "Liquids[0].Name",
       "Windows-1252"},
      {DataFileKind::Database,
       R"({"AbsorptionProducts": [{"AbsorptionThicknesses": [{}, {"Coefficients": [0, 0, "x", 0, 0, 0]}]}]})",
       "AbsorptionProducts[0].AbsorptionThicknesses[1].Coefficients[2]", "venter et tall"},
      {DataFileKind::Database, R"({"HoseProducts": [{"Thicknesses": []}]})",
       "HoseProducts[0].Thicknesses", "ukjent felt i CKorbuFlex"},
      {DataFileKind::Database,
       R"({"HoseProducts": [{"Series": [{"SeriesThicknesses": [{"Thickness": 9, "MinDiameter": 6}]}]}]})",
       "HoseProducts[0].Series[0].SeriesThicknesses[0].MinDiameter", "ukjent felt"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"$class": "CEgendefIsoProdukt"}]})",
       "InsulationProducts[0].$class", "kan ikke stå i denne filen"},
      {DataFileKind::Database, R"({"InsulationProducts": [{"$class": "CVeske"}]})",
       "InsulationProducts[0].$class", "CVeske"},
      {DataFileKind::Database, R"({"Locations": []})", "Locations", "ukjent felt i kav.dat"},
      {DataFileKind::Climate, R"({"Locations": [{"Name": "A", "Wind": 3}]})", "Locations[0].Wind",
       "ukjent felt i CKlimasted"},
      {DataFileKind::Cost, R"({"Entries": [{"Name": "A", "Description": "x"}]})",
       "Entries[0].Description", "ukjent felt"},
      {DataFileKind::Cost, R"({"Entries": [{"Name": "A", "DisplayText": "A", "UnitWord": "m"}]})",
       "Entries[0].UnitWord", "ikke begge"},
      {DataFileKind::UserDatabase, R"({"UserProducts": [{"Lambdas": [0.03, 0.04, 0.05]}]})",
       "UserProducts[0].Lambdas", "4 verdier"},
      {DataFileKind::Cost, R"([])", "", "venter et objekt"},
      // Rows that the program cannot use without their sub-rows.
      {DataFileKind::Database, R"({"InsulationProducts": [{"Name": "P"}]})",
       "InsulationProducts[0].Thicknesses", "tom"},
      {DataFileKind::Database, R"({"HoseProducts": [{"Name": "H", "Series": []}]})",
       "HoseProducts[0].Series", "tom"},
      {DataFileKind::Database, R"({"HoseProducts": [{"Series": [{"Name": "A"}]}]})",
       "HoseProducts[0].Series[0].SeriesThicknesses", "tom"},
      {DataFileKind::Database, R"({"AbsorptionProducts": [{"AbsorptionThicknesses": []}]})",
       "AbsorptionProducts[0].AbsorptionThicknesses", "tom"},
      {DataFileKind::Database, R"({"AccessoryTypes": [{"Name": "Ventil"}]})",
       "AccessoryTypes[0].Lengths", "tom"},
      {DataFileKind::UserDatabase, R"({"UserProducts": [{"Name": "Egen"}]})",
       "UserProducts[0].Thicknesses", "tom"},
  };
  for (const BadJson& bad : cases) {
    SCOPED_TRACE(bad.json);
    cli::DataFileContents contents(bad.kind);
    try {
      cli::ContentsFromJson(contents, cli::Json::parse(bad.json));
      ADD_FAILURE() << "accepted";
    } catch (const cli::JsonMappingError& e) {
      EXPECT_EQ(e.Path(), bad.path);
      const std::string message = e.what();
      EXPECT_EQ(message.rfind(std::string(bad.path), 0), 0u) << message;
      EXPECT_NE(message.find(bad.phrase), std::string::npos) << message;
    }
  }
}

TEST(DataFileKindTest, KindFollowsTheFileName) {
  using cli::KindFromFileName;
  EXPECT_EQ(KindFromFileName("/x/kav.dat"), DataFileKind::Database);
  EXPECT_EQ(KindFromFileName("annen.DAT"), DataFileKind::Database);
  EXPECT_EQ(KindFromFileName("/x/egendef.dat"), DataFileKind::UserDatabase);
  EXPECT_EQ(KindFromFileName("EGENDEF.DAT"), DataFileKind::UserDatabase);
  EXPECT_EQ(KindFromFileName("kav.cli"), DataFileKind::Climate);
  EXPECT_EQ(KindFromFileName("kopi.cst"), DataFileKind::Cost);
  EXPECT_EQ(KindFromFileName("kav.dat.json"), std::nullopt);
  EXPECT_EQ(KindFromFileName("kav"), std::nullopt);
  for (DataFileKind kind : {DataFileKind::Database, DataFileKind::UserDatabase,
                            DataFileKind::Climate, DataFileKind::Cost}) {
    EXPECT_EQ(cli::KindFromWord(cli::KindWord(kind)), kind);
  }
  EXPECT_EQ(cli::KindFromWord("kav"), std::nullopt);
}

}  // namespace
}  // namespace kav::test
