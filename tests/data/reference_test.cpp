// Documents refer to database rows by a stored copy (standard rows) or by
// name (user products); reading resolves them against the databases.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/strings.h"
#include "data/data_classes.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data_test_support.h"

namespace kav::test {
namespace {

class ReferenceTest : public DataTest {
 protected:
  void SetUp() override {
    DataTest::SetUp();
    AddDataRowClasses(classes);
    db = std::make_unique<CDataBase>("kav.dat");
    user = std::make_unique<CEgendefDatabase>("egendef.dat");
    db->InsulationProducts.Append(Product("Glassull", {30.0f, 50.0f}));
    db->InsulationProducts.Append(Product("Steinull", {40.0f}));
    platform.Clear();
  }

  // Writes with `write` into a document archive and reads it back with
  // `read`.
  template <class Write, class Read>
  void RoundTrip(Write write, Read read) {
    CArchive out("dokument.kav");
    write(out);
    CArchive in(out.Bytes(), classes, "dokument.kav");
    read(in);
    EXPECT_EQ(in.Remaining(), 0u);
  }

  CIsoProdukt* ReadBack(const CIsoProdukt* stored) {
    CIsoProdukt* result = nullptr;
    RoundTrip([&](CArchive& ar) { CDataBase::WriteReference(ar, stored); },
              [&](CArchive& ar) { result = db->ReadReference<CIsoProdukt>(ar); });
    return result;
  }

  ClassRegistry classes;
  std::unique_ptr<CDataBase> db;
  std::unique_ptr<CEgendefDatabase> user;
};

TEST_F(ReferenceTest, UnchangedRowResolvesSilentlyToTheDatabaseRow) {
  const auto stored = CloneAs(*db->InsulationProducts[1]);
  EXPECT_EQ(ReadBack(stored.get()), db->InsulationProducts[1]);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(ReferenceTest, ChangedRowIsReportedAndTheDatabaseRowUsed) {
  auto stored = CloneAs(*db->InsulationProducts[0]);
  stored->C0 = 0.036f;
  EXPECT_EQ(ReadBack(stored.get()), db->InsulationProducts[0]);
  EXPECT_EQ(platform.Texts(),
            std::vector<std::string>{FormatId(ids::DatabaseValueChanged, "Glassull")});

  // A changed thickness row counts as a change of the product.
  platform.Clear();
  stored = CloneAs(*db->InsulationProducts[0]);
  stored->Thicknesses[1]->MaxDiameter = 60.0f;
  ReadBack(stored.get());
  EXPECT_EQ(platform.events.size(), 1u);
}

TEST_F(ReferenceTest, JacketingColourIsNotAChangeButEmissivityIs) {
  auto jacket = std::make_unique<CMantling>();
  jacket->Name = "Alu";
  db->Jacketings.Append(std::move(jacket));
  CMantling stored = *db->Jacketings[0];
  stored.Colour = Rgb(0, 0, 0);
  CMantling* result = nullptr;
  auto readBack = [&] {
    RoundTrip([&](CArchive& ar) { CDataBase::WriteReference(ar, &stored); },
              [&](CArchive& ar) { result = db->ReadReference<CMantling>(ar); });
  };
  readBack();
  EXPECT_EQ(result, db->Jacketings[0]);
  EXPECT_TRUE(platform.events.empty());
  stored.Emissivity = 0.1f;
  readBack();
  EXPECT_EQ(platform.events.size(), 1u);
}

TEST_F(ReferenceTest, RemovedRowAsksForAReplacement) {
  const auto stored = Product("glassull");  // names compare exactly
  platform.choices = {1};
  EXPECT_EQ(ReadBack(stored.get()), db->InsulationProducts[1]);
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].kind, ScriptedPlatform::Kind::Choice);
  EXPECT_EQ(platform.events[0].text, FormatId(ids::RemovedInsulationProduct, "glassull"));
  EXPECT_EQ(platform.events[0].entries, (std::vector<std::string>{"Glassull", "Steinull"}));
}

TEST_F(ReferenceTest, RemovedRowWithNothingToChooseGivesNoRow) {
  db->InsulationProducts.Clear();
  const auto stored = Product("Glassull");
  EXPECT_EQ(ReadBack(stored.get()), nullptr);
}

TEST_F(ReferenceTest, NoRowReadsBackAsNoRowEvenIfARowHasTheReservedName) {
  db->InsulationProducts.Append(Product(NullRowName));
  EXPECT_EQ(ReadBack(nullptr), nullptr);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(ReferenceTest, DuplicateNamesResolveToTheFirst) {
  db->InsulationProducts.Append(Product("Glassull", {80.0f}));
  const auto stored = CloneAs(*db->InsulationProducts[0]);
  EXPECT_EQ(ReadBack(stored.get()), db->InsulationProducts[0]);
}

// The second copy of a row in one document writes its thicknesses as
// references to the first copy's; reading must keep the first copy alive.
TEST_F(ReferenceTest, RowReferencedTwiceInOneDocument) {
  CIsoProdukt* row = db->InsulationProducts[0];
  std::size_t firstSize = 0;
  std::size_t secondSize = 0;
  CIsoProdukt* first = nullptr;
  CIsoProdukt* second = nullptr;
  CAbsorpsjon* absorption = nullptr;
  RoundTrip(
      [&](CArchive& ar) {
        CDataBase::WriteReference(ar, row);
        firstSize = ar.Bytes().size();
        CDataBase::WriteReference(ar, row);
        secondSize = ar.Bytes().size() - firstSize;
        // Temporary default rows, each with its own default thickness.
        CDataBase::WriteReference<CAbsorpsjon>(ar, nullptr);
        CDataBase::WriteReference<CAbsorpsjon>(ar, nullptr);
      },
      [&](CArchive& ar) {
        first = db->ReadReference<CIsoProdukt>(ar);
        second = db->ReadReference<CIsoProdukt>(ar);
        absorption = db->ReadReference<CAbsorpsjon>(ar);
        absorption = db->ReadReference<CAbsorpsjon>(ar);
      });
  EXPECT_LT(secondSize, firstSize);
  EXPECT_EQ(first, row);
  EXPECT_EQ(second, row);
  EXPECT_EQ(absorption, nullptr);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(ReferenceTest, UserProductsAreStoredByName) {
  user->UserProducts.Append(Product<CEgendefIsoProdukt>("Egen"));
  user->UserProducts.Append(Product<CEgendefIsoProdukt>("Annen"));
  CEgendefIsoProdukt* present = nullptr;
  CEgendefIsoProdukt* none = nullptr;
  CEgendefIsoProdukt* gone = nullptr;
  const auto removed = Product<CEgendefIsoProdukt>("Borte");
  platform.choices = {1};
  RoundTrip(
      [&](CArchive& ar) {
        CEgendefDatabase::WriteReference(ar, user->UserProducts[0]);
        CEgendefDatabase::WriteReference(ar, nullptr);
        CEgendefDatabase::WriteReference(ar, removed.get());
      },
      [&](CArchive& ar) {
        present = user->ReadReference(ar);
        none = user->ReadReference(ar);
        gone = user->ReadReference(ar);
      });
  EXPECT_EQ(present, user->UserProducts[0]);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(gone, user->UserProducts[1]);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{FormatId(ids::RemovedUserProduct, "Borte")});

  user->UserProducts.Clear();
  RoundTrip([&](CArchive& ar) { CEgendefDatabase::WriteReference(ar, removed.get()); },
            [&](CArchive& ar) { gone = user->ReadReference(ar); });
  EXPECT_EQ(gone, nullptr);
}

}  // namespace
}  // namespace kav::test
