// The four data files byte for byte, and what a missing or damaged file
// does.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/strings.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/klima.h"
#include "data/kostnad.h"
#include "data_test_support.h"

namespace kav::test {
namespace {

// The stored fields of an insulation product, up to its thickness list.
void ProductFields(Expected& e, const CIsoProdukt& p) {
  e.Float(p.MaxTemperature).Float(p.MinThickness).Float(p.MaxThickness).Float(p.SurfaceEmissivity);
  e.Word(static_cast<unsigned>(p.NotOuterLayer));
  e.Float(p.C3).Float(p.C2).Float(p.C1).Float(p.C0);
  e.Dword(p.InsulationColour).Dword(p.SurfaceColour);
  for (int flag : p.UseFlags) e.Dword(static_cast<std::uint32_t>(flag));
}

void ThicknessFields(Expected& e, const CIsoTykkelse& t) {
  e.String(t.Name).Float(t.Thickness).Word(static_cast<unsigned>(t.DiameterLimited));
  e.Float(t.MinDiameter).Float(t.MaxDiameter);
}

using DataFileTest = DataTest;

TEST_F(DataFileTest, DatabaseIndexCounterRunsAcrossListsAndNestedLists) {
  CDataBase db("kav.dat");
  platform.Clear();
  auto first = Product("Rørskål æøå", {30.0f});
  first->Description = std::string(300, 'x');  // 0xFF and a 16-bit length
  first->UseFlags = {1, 0, 1, 0, 0, 0, 1};
  first->InsulationColour = Rgb(1, 2, 3);
  auto second = Product("Matte", {50.0f});
  second->NotOuterLayer = 1;
  auto liquid = std::make_unique<CVeske>();
  liquid->Name = "Glykol";
  liquid->Density = 1050.0f;

  Expected e;
  e.Word(2).ClassRecord("CIsoProdukt");  // class 1, product 2
  e.Raw("\x0BR\xF8rsk\xE5l \xE6\xF8\xE5").Raw("\xFF").Word(300).Raw(std::string(300, 'x'));
  ProductFields(e, *first);
  e.Word(1).ClassRecord("CIsoTykkelse");  // class 3, thickness 4
  ThicknessFields(e, *first->Thicknesses[0]);
  e.Word(0x8001).String("Matte").String("");  // product 5
  ProductFields(e, *second);
  e.Word(1).Word(0x8003);  // thickness 6
  ThicknessFields(e, *second->Thicknesses[0]);
  for (int empty = 1; empty < 7; ++empty) e.Word(0);
  e.Word(1).ClassRecord("CVeske").String("Glykol").String("");
  e.Float(1050.0f).Float(4180.0f).Float(0.0f);

  db.InsulationProducts.Append(std::move(first));
  db.InsulationProducts.Append(std::move(second));
  db.Liquids.Append(std::move(liquid));
  ASSERT_TRUE(db.Save());
  EXPECT_EQ(ReadFile("kav.dat"), e.bytes());

  CDataBase loaded("kav.dat");
  EXPECT_TRUE(platform.events.empty());
  ASSERT_EQ(loaded.InsulationProducts.size(), 2u);
  EXPECT_EQ(loaded.InsulationProducts[0]->Name, "Rørskål æøå");
  EXPECT_EQ(loaded.InsulationProducts[0]->UseFlags, db.InsulationProducts[0]->UseFlags);
  EXPECT_EQ(loaded.InsulationProducts[0]->InsulationColour, Rgb(1, 2, 3));
  EXPECT_TRUE(ListsEqual(loaded.InsulationProducts, db.InsulationProducts));
  EXPECT_EQ(loaded.Liquids[0]->Density, 1050.0f);
}

// Every row class of kav.dat, nested lists included, reads back into what
// writes the same bytes again.
TEST_F(DataFileTest, DatabaseRoundTripOfEveryRowClass) {
  CDataBase db("kav.dat");
  platform.Clear();
  db.InsulationProducts.Append(Product("Iso", {20.0f, 40.0f}));
  auto hose = std::make_unique<CKorbuFlex>();
  hose->Name = "Slange";
  for (const char* name : {"A", "B"}) {
    auto series = std::make_unique<CKorbuFlexSerie>();
    series->Name = name;
    series->MinDiameter = 6.0f;
    series->MaxDiameter = 89.0f;
    series->SeriesThicknesses.Append(std::make_unique<CKorbuFlexTykkelse>());
    hose->Series.Append(std::move(series));
  }
  db.HoseProducts.Append(std::move(hose));
  db.AbsorptionProducts.Append(std::make_unique<CAbsorpsjon>());
  db.Jacketings.Append(std::make_unique<CMantling>());
  db.Surfaces.Append(std::make_unique<COverflate>());
  db.InnerJacketings.Append(std::make_unique<CInnvMantling>());
  auto accessory = std::make_unique<CTillegg2>();
  accessory->Lengths.Append(std::make_unique<CTilleggslengde>());
  db.AccessoryTypes.Append(std::move(accessory));
  db.Liquids.Append(std::make_unique<CVeske>());
  ASSERT_TRUE(db.Save());
  const Bytes written = ReadFile("kav.dat");

  CDataBase loaded("kav.dat");
  EXPECT_TRUE(platform.events.empty());
  for (int i = 0; i < kDatabaseListCount; ++i) {
    const auto list = static_cast<DatabaseList>(i);
    EXPECT_TRUE(ListsEqual(loaded.List(list), db.List(list))) << "list " << i;
    EXPECT_EQ(loaded.List(list).size(), db.List(list).size()) << "list " << i;
  }
  ASSERT_EQ(loaded.HoseProducts[0]->Series.size(), 2u);
  EXPECT_EQ(loaded.HoseProducts[0]->Series[1]->SeriesThicknesses[0]->Name,
            "Diam. <= 10.0 - Iso. = 9.0");
  ASSERT_TRUE(loaded.Save());
  EXPECT_EQ(ReadFile("kav.dat"), written);
}

TEST_F(DataFileTest, UserDatabaseLayout) {
  CEgendefDatabase db("egendef.dat");
  auto product = Product<CEgendefIsoProdukt>("Min", {25.0f});
  product->Temperatures = {0.0f, 50.0f, 100.0f, 150.0f};

  Expected e;
  e.Word(1).ClassRecord("CEgendefIsoProdukt").String("Min").String("");
  ProductFields(e, *product);
  e.Word(1).ClassRecord("CIsoTykkelse");
  ThicknessFields(e, *product->Thicknesses[0]);
  for (std::size_t i = 0; i < 4; ++i) e.Float(product->Temperatures[i]).Float(product->Lambdas[i]);

  db.UserProducts.Append(std::move(product));
  ASSERT_TRUE(db.Save());
  EXPECT_EQ(ReadFile("egendef.dat"), e.bytes());
  CEgendefDatabase loaded("egendef.dat");
  EXPECT_TRUE(ListsEqual(loaded.UserProducts, db.UserProducts));
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(DataFileTest, ClimateFileLayout) {
  CKlima climate("kav.cli");
  platform.Clear();
  auto place = std::make_unique<CKlimasted>();
  place->Name = "Tromsø";
  place->MeanTemperature = 2.5f;
  place->UpdateDisplayText();
  EXPECT_EQ(place->DisplayText, "Tromsø\t2.5\t2.1");
  climate.Locations.Append(std::move(place));
  ASSERT_TRUE(climate.Save());

  Expected e;
  e.Word(1).ClassRecord("CKlimasted").Raw("\x06Troms\xF8").String("");
  e.Raw("\x0ETroms\xF8\t2.5\t2.1").Float(2.5f).Float(2.1f);
  EXPECT_EQ(ReadFile("kav.cli"), e.bytes());
  CKlima loaded("kav.cli");
  ASSERT_EQ(loaded.Locations.size(), 1u);
  EXPECT_EQ(loaded.Locations[0]->DisplayText, "Tromsø\t2.5\t2.1");
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(DataFileTest, CostFileLayout) {
  CKostnad costs("kav.cst");
  platform.Clear();
  for (const char* name : {"Rør", "Flate"}) {
    auto entry = std::make_unique<CIsoKostnad>();
    entry->Name = name;
    entry->UpdateDisplayText(
        Str(std::string(name) == "Rør" ? ids::UnitMetre : ids::UnitSquareMetre));
    costs.Entries.Append(std::move(entry));
  }
  EXPECT_EQ(costs.Entries[1]->DisplayText, "Flate\t100.0 kr/m²");
  ASSERT_TRUE(costs.Save());

  // No description: name, display text, price.
  Expected e;
  e.Word(2)
      .ClassRecord("CIsoKostnad")
      .Raw("\x03R\xF8r")
      .Raw("\x0ER\xF8r\t100.0 kr/m")
      .Float(100.0f);
  e.Word(0x8001)
      .String("Flate")
      .Raw(
          "\x11"
          "Flate\t100.0 kr/m\xB2")
      .Float(100.0f);
  EXPECT_EQ(ReadFile("kav.cst"), e.bytes());
  CKostnad loaded("kav.cst");
  EXPECT_EQ(loaded.Entries.size(), 2u);
  EXPECT_TRUE(platform.events.empty());
}

// ---- missing and damaged files

struct FileKind {
  const char* name;
  int readMessage;  // 0: a missing file is silent
  int damagedMessage;
  // A valid file of two rows, and one naming a class this file cannot hold.
  std::function<Bytes()> valid;
  Bytes wrongClass;
  // Loads the file and returns the number of rows read.
  std::function<std::size_t(const std::string&)> load;
};

Bytes ValidDatabase() {
  Expected e;
  e.Word(1).ClassRecord("CIsoProdukt").String("A").String("");
  ProductFields(e, CIsoProdukt());
  e.Word(0);
  for (int empty = 1; empty < 7; ++empty) e.Word(0);
  e.Word(1).ClassRecord("CVeske").String("V").String("").Float(1.0f).Float(2.0f).Float(3.0f);
  return e.bytes();
}

template <class T>
Bytes ValidListFile(void (*fields)(Expected&)) {
  Expected e;
  e.Word(2).ClassRecord(T::kClassName);
  fields(e);
  e.Word(0x8001);
  fields(e);
  return e.bytes();
}

Bytes WrongClass(const char* className) {
  Expected e;
  e.Word(1).ClassRecord(className).String("X").String("");
  return e.bytes();
}

std::vector<FileKind> FileKinds() {
  return {
      {"kav.dat", ids::DatabaseReadFailed, ids::DatabaseReadFailed, ValidDatabase,
       WrongClass("CKlimasted"),
       [](const std::string& file) {
         CDataBase db(file);
         std::size_t rows = 0;
         for (int i = 0; i < kDatabaseListCount; ++i)
           rows += db.List(static_cast<DatabaseList>(i)).size();
         return rows;
       }},
      {"egendef.dat", 0, ids::UserDatabaseReadFailed,
       [] {
         return ValidListFile<CEgendefIsoProdukt>([](Expected& e) {
           e.String("U").String("");
           ProductFields(e, CIsoProdukt());
           e.Word(0);
           for (int i = 0; i < 8; ++i) e.Float(1.0f);
         });
       },
       WrongClass("CIsoProdukt"),
       [](const std::string& file) { return CEgendefDatabase(file).UserProducts.size(); }},
      {"kav.cli", ids::ClimateFileReadFailed, ids::ClimateFileReadFailed,
       [] {
         return ValidListFile<CKlimasted>([](Expected& e) {
           e.String("Sted").String("").String("Sted\t1.0\t2.0").Float(1.0f).Float(2.0f);
         });
       },
       WrongClass("CIsoKostnad"),
       [](const std::string& file) { return CKlima(file).Locations.size(); }},
      {"kav.cst", ids::CostFileFailed, ids::CostFileFailed,
       [] {
         return ValidListFile<CIsoKostnad>(
             [](Expected& e) { e.String("Kost").String("Kost\t1.0 kr/m").Float(1.0f); });
       },
       WrongClass("CKlimasted"),
       [](const std::string& file) { return CKostnad(file).Entries.size(); }},
  };
}

class DamagedFileTest : public DataTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  FileKind kind = FileKinds()[GetParam()];

  // Loads `bytes` as the file: no rows, and exactly the damaged-file
  // message naming the file.
  void ExpectRejected(const Bytes& bytes, const char* what) {
    SCOPED_TRACE(what);
    WriteFile(kind.name, bytes);
    platform.Clear();
    EXPECT_EQ(kind.load(kind.name), 0u);
    EXPECT_EQ(platform.Texts(),
              std::vector<std::string>{Substitute(Str(kind.damagedMessage), {PathOf(kind.name)})});
  }
};

TEST_P(DamagedFileTest, ValidFileReadsEveryRow) {
  WriteFile(kind.name, kind.valid());
  EXPECT_EQ(kind.load(kind.name), 2u);
  EXPECT_TRUE(platform.events.empty());
}

TEST_P(DamagedFileTest, DamagedFileGivesMessageAndNoRows) {
  const Bytes valid = kind.valid();
  // Cut after the first row: the rows read so far are dropped too.
  for (std::size_t cut : {valid.size() - 1, valid.size() / 2 + 3, std::size_t{1}}) {
    ExpectRejected(Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(cut)),
                   "truncated");
  }
  ExpectRejected(kind.wrongClass, "wrong class");
  ExpectRejected(Bytes{0x05, 0x00, 0xFF, 0xFF, 0x07, 0x00, 0x40, 0x00, 0xDE, 0xAD, 0xBE, 0xEF},
                 "garbage");
}

TEST_P(DamagedFileTest, MissingFile) {
  EXPECT_EQ(kind.load(kind.name), 0u);
  if (kind.readMessage == 0) {
    EXPECT_TRUE(platform.events.empty());
  } else {
    EXPECT_EQ(platform.Texts(),
              std::vector<std::string>{Substitute(Str(kind.readMessage), {PathOf(kind.name)})});
  }
}

INSTANTIATE_TEST_SUITE_P(FileKinds, DamagedFileTest, ::testing::Range<std::size_t>(0, 4),
                         [](const auto& param) {
                           std::string name = FileKinds()[param.param].name;
                           name[name.find('.')] = '_';
                           return name;
                         });

TEST_F(DataFileTest, FailedWriteShowsTheWriteMessage) {
  CDataBase db("missing-dir/kav.dat");
  CKlima climate("missing-dir/kav.cli");
  CKostnad costs("missing-dir/kav.cst");
  CEgendefDatabase user("missing-dir/egendef.dat");
  platform.Clear();
  EXPECT_FALSE(db.Save());
  EXPECT_FALSE(climate.Save());
  EXPECT_FALSE(costs.Save());
  EXPECT_FALSE(user.Save());
  EXPECT_EQ(platform.Texts(),
            (std::vector<std::string>{
                Substitute(Str(ids::DatabaseWriteFailed), {PathOf("missing-dir/kav.dat")}),
                Substitute(Str(ids::ClimateFileWriteFailed), {PathOf("missing-dir/kav.cli")}),
                Substitute(Str(ids::CostFileFailed), {PathOf("missing-dir/kav.cst")}),
                Substitute(Str(ids::DatabaseWriteFailed), {PathOf("missing-dir/egendef.dat")})}));
}

}  // namespace
}  // namespace kav::test
