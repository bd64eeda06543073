// Editing on copies: row dialogs, the database dialogs with their working
// lists, and the climate and cost choices.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <memory>

#include "core/strings.h"
#include "data/active_list.h"
#include "data/reference_data.h"
#include "data_test_support.h"

namespace kav::test {
namespace {

class EditingTest : public DataTest {
 protected:
  void SetUp() override {
    DataTest::SetUp();
    db = std::make_unique<CDataBase>("kav.dat");
    db->InsulationProducts.Append(Product("Glassull", {30.0f, 50.0f}));
    db->InsulationProducts.Append(Product("Steinull", {40.0f}));
    ASSERT_TRUE(db->Save());
    platform.Clear();
    SetReferenceData(db.get(), nullptr, nullptr, nullptr);
    user.Use(user.Product, db->InsulationProducts[0]);
    user.Use(user.Thickness, db->InsulationProducts[0]->Thicknesses[1]);
  }
  void TearDown() override {
    SetReferenceData(nullptr, nullptr, nullptr, nullptr);
    DataTest::TearDown();
  }

  std::unique_ptr<CDataBase> db;
  RecordingUser user;
};

TEST_F(EditingTest, RowWithoutDialogIsNotEdited) {
  EXPECT_EQ(db->InsulationProducts[0]->EditInput(), 0);
  EXPECT_EQ(CVeske().EditInput(), 0);
}

TEST_F(EditingTest, RowDialogWritesBackAndRepointsSubRowUsers) {
  CIsoProdukt* product = db->InsulationProducts[0];
  CIsoTykkelse* oldThickness = product->Thicknesses[1];
  bool cancel = true;
  ScopedEditor<CIsoProdukt> dialog([&](CIsoProdukt& copy) {
    EXPECT_NE(&copy, product);
    copy.MaxTemperature = 250.0f;
    InsertInOrder(copy.Thicknesses, Thickness(40.0f));
    return !cancel;
  });
  EXPECT_EQ(product->EditInput(), 0);
  EXPECT_EQ(product->MaxTemperature, 200.0f);
  EXPECT_EQ(product->Thicknesses.size(), 2u);

  cancel = false;
  EXPECT_EQ(product->EditInput(), 1);
  EXPECT_EQ(product->MaxTemperature, 250.0f);
  ASSERT_EQ(product->Thicknesses.size(), 3u);
  EXPECT_EQ(product->Thicknesses[1]->Name, "40.0");
  EXPECT_EQ(product->Users, std::vector<CItem*>{&user});
  EXPECT_EQ(user.Thickness, product->Thicknesses[2]);
  EXPECT_NE(user.Thickness, oldThickness);
}

TEST_F(EditingTest, AcceptedDatabaseEditRepointsUsersAndSaves) {
  ScopedEditor<DatabaseLists> dialog([&](DatabaseLists& working) {
    // Row dialogs opened from the database dialog see the working copies.
    EXPECT_EQ(&ActiveList<CIsoProdukt>(), &working.InsulationProducts);
    EXPECT_EQ(&ActiveList<CVeske>(), &working.Liquids);
    working.InsulationProducts[0]->C0 = 0.040f;
    working.Liquids.Append(std::make_unique<CVeske>());
    working.LastList = 7;
    return true;
  });
  CIsoProdukt* old = db->InsulationProducts[0];
  EXPECT_EQ(db->EditInput(), 1);
  EXPECT_EQ(&ActiveList<CIsoProdukt>(), &db->InsulationProducts);
  EXPECT_NE(db->InsulationProducts[0], old);
  EXPECT_EQ(user.Product, db->InsulationProducts[0]);
  EXPECT_EQ(user.Thickness, db->InsulationProducts[0]->Thicknesses[1]);
  EXPECT_EQ(db->LastList, 7);

  CDataBase reread("kav.dat");
  EXPECT_EQ(reread.InsulationProducts[0]->C0, 0.040f);
  EXPECT_EQ(reread.Liquids.size(), 1u);
}

TEST_F(EditingTest, CancelledDatabaseEditLeavesUsersOnTheirRows) {
  CIsoProdukt* product = db->InsulationProducts[0];
  CIsoTykkelse* thickness = product->Thicknesses[1];
  ScopedEditor<CIsoProdukt> rowDialog([](CIsoProdukt& copy) {
    copy.Thicknesses[1]->Thickness = 60.0f;
    return true;
  });
  ScopedEditor<DatabaseLists> dialog([](DatabaseLists& working) {
    // An accepted row dialog on a working copy points the thickness's user
    // at the working copy's thickness ...
    working.InsulationProducts[0]->EditInput();
    working.LastList = 7;
    return false;  // ... and then the whole edit is cancelled.
  });
  EXPECT_EQ(db->EditInput(), 0);
  EXPECT_EQ(db->InsulationProducts[0], product);
  EXPECT_EQ(user.Product, product);
  EXPECT_EQ(user.Thickness, thickness);
  EXPECT_EQ(thickness->Users, std::vector<CItem*>{&user});
  EXPECT_EQ(thickness->Thickness, 50.0f);
  EXPECT_EQ(db->LastList, 0);
}

// Files may grow to `bytes` only while it lives, as on a full disk.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(EditingTest, FailedRewriteKeepsTheOldFileAndTheEdits) {
  const Bytes before = ReadFile("kav.dat");
  ScopedEditor<DatabaseLists> dialog([](DatabaseLists& working) {
    working.Liquids.Append(std::make_unique<CVeske>());
    working.Liquids.back()->Name = "Glykol";
    return true;
  });
  int result = 0;
  {
    const FullDisk full(16);
    result = db->EditInput();
  }
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{
                                  Substitute(Str(ids::DatabaseWriteFailed), {PathOf("kav.dat")})});
  EXPECT_EQ(ReadFile("kav.dat"), before);
  // The edits are in effect: the document recalculates with them.
  EXPECT_EQ(result, 1);
  ASSERT_EQ(db->Liquids.size(), 1u);
  EXPECT_EQ(db->Liquids[0]->Name, "Glykol");
  EXPECT_EQ(user.Product, db->InsulationProducts[0]);
}

TEST_F(EditingTest, UserDatabaseEdit) {
  CEgendefDatabase userDb("egendef.dat");
  SetReferenceData(db.get(), &userDb, nullptr, nullptr);
  ScopedEditor<UserDatabaseLists> dialog([](UserDatabaseLists& working) {
    EXPECT_EQ(&ActiveList<CEgendefIsoProdukt>(), &working.UserProducts);
    working.UserProducts.Append(Product<CEgendefIsoProdukt>("Egen"));
    return true;
  });
  EXPECT_EQ(userDb.EditInput(), 1);
  EXPECT_EQ(CEgendefDatabase("egendef.dat").UserProducts.size(), 1u);
}

class ChoiceTest : public DataTest {
 protected:
  void SetUp() override {
    DataTest::SetUp();
    CKlima seed("kav.cli");
    for (const char* name : {"Oslo", "Bergen"}) {
      seed.Locations.Append(std::make_unique<CKlimasted>());
      seed.Locations.back()->Name = name;
    }
    ASSERT_TRUE(seed.Save());
  }
};

TEST_F(ChoiceTest, ClimateFileIsWrittenOnlyWhenTheListChanged) {
  CKlima climate("kav.cli");
  SetReferenceData(nullptr, nullptr, &climate, nullptr);
  std::filesystem::remove(PathOf("kav.cli"));
  bool change = false;
  ScopedEditor<ClimateChoice> dialog([&](ClimateChoice& working) {
    EXPECT_EQ(&ActiveList<CKlimasted>(), &working.Rows);
    working.Selected = working.Rows[1];
    if (change) {
      working.Rows[0]->MeanTemperature = 5.0f;
      working.Changed = true;
    }
    return true;
  });
  EXPECT_EQ(climate.ChooseLocation(), 1);
  EXPECT_EQ(climate.Selected, climate.Locations[1]);
  EXPECT_FALSE(FileExists("kav.cli"));

  change = true;
  EXPECT_EQ(climate.EditInput(), 1);
  EXPECT_EQ(CKlima("kav.cli").Locations[0]->MeanTemperature, 5.0f);
  SetReferenceData(nullptr, nullptr, nullptr, nullptr);
}

TEST_F(ChoiceTest, CancelledChoiceKeepsTheSelection) {
  CKostnad costs("kav.cst");
  platform.Clear();
  costs.Entries.Append(std::make_unique<CIsoKostnad>());
  costs.Selected = costs.Entries[0];
  ScopedEditor<CostChoice> dialog([](CostChoice& working) {
    EXPECT_EQ(working.Selected, working.Rows[0]);  // the copy of the selection
    working.Selected = nullptr;
    working.Changed = true;
    return false;
  });
  EXPECT_EQ(costs.EditInput(), 0);
  EXPECT_EQ(costs.Selected, costs.Entries[0]);
  EXPECT_FALSE(FileExists("kav.cst"));
  EXPECT_TRUE(platform.events.empty());
}

}  // namespace
}  // namespace kav::test
