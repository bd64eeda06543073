// Every save of the program (documents, the results text and the four data
// files) with a failure injected at each step of the atomic write: the old
// file stays byte for byte, no temporary file is left and the user is told.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/data_directory.h"
#include "core/file_io.h"
#include "core/scripted_platform.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "data/kostnad.h"
#include "modules/kav_doc.h"

namespace kav {
namespace {

namespace fs = std::filesystem;

struct Fault {
  WriteStep step;
  int code;
  int occurrence;
  const char* name;
};

const Fault kFaults[] = {
    {WriteStep::Create, EACCES, 0, "CreateNoPermission"},
    {WriteStep::Create, EROFS, 0, "CreateReadOnly"},
    {WriteStep::Create, ENOSPC, 0, "CreateDiskFull"},
    {WriteStep::Write, ENOSPC, 0, "FirstWriteDiskFull"},
    {WriteStep::Write, ENOSPC, 1, "SecondWriteDiskFull"},
    {WriteStep::Write, EIO, 0, "WriteDeviceError"},
    {WriteStep::Sync, EIO, 0, "SyncDeviceError"},
    {WriteStep::Sync, ENOSPC, 0, "SyncDiskFull"},
    {WriteStep::Close, EIO, 0, "CloseDeviceError"},
    {WriteStep::Rename, EACCES, 0, "RenameNoPermission"},
    {WriteStep::Rename, EISDIR, 0, "RenameOntoFolder"},
    {WriteStep::Rename, EROFS, 0, "RenameReadOnly"},
};

// One way the program saves: `save` writes `file`; the data files take the
// project comment as a row's text.
struct Saver {
  const char* name;
  const char* file;
  std::function<bool(CKavDoc&, const fs::path&)> save;
};

// More than one write's worth, so that the second write can fail too.
std::string LongText() {
  return std::string(kWriteChunk + 1000, 'x');
}

const Saver kSavers[] = {
    {"Document", "dok.kav", [](CKavDoc& doc, const fs::path& path) { return doc.Save(path); }},
    {"ResultsText", "resultater.txt",
     [](CKavDoc& doc, const fs::path& path) { return doc.WriteResultsText(path); }},
    {"ProductDatabase", "kav.dat",
     [](CKavDoc& doc, const fs::path& path) {
       CDataBase db(path.filename().string());
       auto product = std::make_unique<CIsoProdukt>();
       product->Name = "Produkt";
       product->Description = doc.Project().Comment;
       db.InsulationProducts.Append(std::move(product));
       return db.Save();
     }},
    {"UserDatabase", "egendef.dat",
     [](CKavDoc& doc, const fs::path& path) {
       CEgendefDatabase db(path.filename().string());
       auto product = std::make_unique<CEgendefIsoProdukt>();
       product->Name = "Produkt";
       product->Description = doc.Project().Comment;
       db.UserProducts.Append(std::move(product));
       return db.Save();
     }},
    {"ClimatePlaces", "kav.cli",
     [](CKavDoc& doc, const fs::path& path) {
       CKlima climate(path.filename().string());
       auto place = std::make_unique<CKlimasted>();
       place->Name = "Sted";
       place->Description = doc.Project().Comment;
       climate.Locations.Append(std::move(place));
       return climate.Save();
     }},
    {"CostList", "kav.cst",
     [](CKavDoc& doc, const fs::path& path) {
       CKostnad costs(path.filename().string());
       auto entry = std::make_unique<CIsoKostnad>();
       entry->Name = doc.Project().Comment;
       costs.Entries.Append(std::move(entry));
       return costs.Save();
     }},
};

class SaveFaultTest : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kav_save_faults_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + std::to_string(std::get<0>(GetParam())) + "_" +
            std::to_string(std::get<1>(GetParam())));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    SetDataDirectory(dir_);
    doc_ = std::make_unique<CKavDoc>();
    doc_->NewDocument();
    platform_.Clear();
  }
  void TearDown() override {
    doc_.reset();
    fs::remove_all(dir_);
  }

  fs::path dir_;
  ScriptedPlatform platform_;
  std::unique_ptr<CKavDoc> doc_;
};

TEST_P(SaveFaultTest, OldFileStaysWholeAndTheUserIsTold) {
  const Saver& saver = kSavers[std::get<0>(GetParam())];
  const Fault& fault = kFaults[std::get<1>(GetParam())];
  const fs::path path = dir_ / saver.file;
  ASSERT_TRUE(saver.save(*doc_, path));
  const std::optional<std::vector<std::uint8_t>> old = ReadFileBytes(path);
  ASSERT_TRUE(old.has_value());
  // Large enough for two writes, in every file.
  doc_->Project().Comment = LongText();
  doc_->Project().ProjectName = LongText();
  doc_->DocumentChanged();
  platform_.Clear();

  {
    const ScopedWriteFault injected(fault.step, fault.code, fault.occurrence);
    EXPECT_FALSE(saver.save(*doc_, path));
    ASSERT_GT(injected.Reached(), fault.occurrence) << "the fault was never reached";
  }

  EXPECT_EQ(ReadFileBytes(path), old);
  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_EQ(entry.path(), path) << "left behind: " << entry.path();
  }
  EXPECT_EQ(platform_.events.size(), 1u) << "one message for the failed save";

  // Without the fault the same save succeeds.
  platform_.Clear();
  EXPECT_TRUE(saver.save(*doc_, path));
  EXPECT_NE(ReadFileBytes(path), old);
  EXPECT_TRUE(platform_.events.empty());
}

INSTANTIATE_TEST_SUITE_P(EverySaveAndStep, SaveFaultTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, std::size(kSavers)),
                                            ::testing::Range<std::size_t>(0, std::size(kFaults))),
                         [](const auto& param_info) {
                           return std::string(kSavers[std::get<0>(param_info.param)].name) + "_" +
                                  kFaults[std::get<1>(param_info.param)].name;
                         });

}  // namespace
}  // namespace kav
