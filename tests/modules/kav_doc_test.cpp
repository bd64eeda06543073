#include "modules/kav_doc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/archive.h"
#include "core/data_directory.h"
#include "core/file_io.h"
#include "core/scripted_platform.h"
#include "core/strings.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "output/page_layout.h"
#include "output/picture.h"

namespace kav {
namespace {

namespace fs = std::filesystem;

class KavDocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kav_doc_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

  std::vector<std::uint8_t> Saved() {
    const fs::path path = dir_ / "saved.kav";
    EXPECT_TRUE(doc_->Save(path));
    return *ReadFileBytes(path);
  }
  fs::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  CVarmeTapModul& HeatLoss() { return static_cast<CVarmeTapModul&>(doc_->Module(0)); }

  ScriptedPlatform platform_;
  fs::path dir_;
  std::unique_ptr<CKavDoc> doc_;
};

TEST_F(KavDocTest, NewDocumentShowsHeatLossUnmodified) {
  EXPECT_EQ(doc_->ActiveModule(), 0);
  EXPECT_FALSE(doc_->IsModified());
  EXPECT_TRUE(doc_->PathName().empty());
  EXPECT_EQ(CurrentPage(), 0);
}

TEST_F(KavDocTest, SavedDocumentStartsWithTheMarkerAndEndsWithTheActiveModule) {
  doc_->Project().ProjectName = "Kjøpesenter Bodø";
  const std::vector<std::uint8_t> bytes = Saved();
  ASSERT_GT(bytes.size(), 12u);
  EXPECT_EQ(bytes[0], 9);  // "Versjon 5"
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 10), "Versjon 5");
  EXPECT_EQ(bytes[bytes.size() - 2], 0);  // heat loss active after start-up
  EXPECT_EQ(bytes[bytes.size() - 1], 0);
  EXPECT_FALSE(doc_->IsModified());
}

TEST_F(KavDocTest, OpenThenSaveGivesTheSameBytes) {
  doc_->Project().Engineer = "Åse Ødegård";
  HeatLoss().MediumTemperature = 80.0f;
  doc_->SetActiveModule(5);
  const std::vector<std::uint8_t> first = Saved();
  doc_->NewDocument();
  ASSERT_TRUE(doc_->Open(dir_ / "saved.kav"));
  EXPECT_EQ(doc_->Project().Engineer, "Åse Ødegård");
  EXPECT_EQ(doc_->ActiveModule(), 5);
  EXPECT_FALSE(doc_->IsModified());
  EXPECT_EQ(Saved(), first);
}

TEST_F(KavDocTest, SelectingTheActiveModuleStillMarksTheDocumentModified) {
  doc_->SetModified(false);
  doc_->SetActiveModule(0);
  EXPECT_TRUE(doc_->IsModified());
}

TEST_F(KavDocTest, WrongMarkerLeavesTheDocumentAsItWas) {
  HeatLoss().MediumTemperature = 70.0f;
  doc_->SetActiveModule(3);
  CArchive ar("old.kav");
  ar.WriteString("Versjon 4");
  ar.WriteString("Ingeniør");
  const fs::path old = Write("old.kav", ar.Bytes());
  platform_.Clear();
  EXPECT_FALSE(doc_->Open(old));
  ASSERT_EQ(platform_.Texts().size(), 1u);
  EXPECT_EQ(platform_.Texts()[0], Str(ids::WrongVersion));
  EXPECT_EQ(HeatLoss().MediumTemperature, 70.0f);
  EXPECT_EQ(doc_->ActiveModule(), 3);
  EXPECT_TRUE(doc_->PathName().empty());
}

TEST_F(KavDocTest, MarkerComparisonIsCaseSensitive) {
  CArchive ar("case.kav");
  ar.WriteString("versjon 5");
  EXPECT_FALSE(doc_->Open(Write("case.kav", ar.Bytes())));
}

TEST_F(KavDocTest, DamagedFileNeverLeavesTheDocumentHalfRead) {
  HeatLoss().MediumTemperature = 90.0f;
  doc_->SetActiveModule(2);
  const std::vector<std::uint8_t> good = Saved();
  HeatLoss().MediumTemperature = 65.0f;
  doc_->Project().ProjectName = "Før";
  // Every cut of a good document is refused and changes nothing.
  for (std::size_t cut = 0; cut + 1 < good.size(); cut += 7) {
    const fs::path path = Write(
        "cut.kav",
        std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)));
    platform_.Clear();
    EXPECT_FALSE(doc_->Open(path)) << "cut at " << cut;
    EXPECT_EQ(platform_.events.size(), 1u) << "cut at " << cut;
    EXPECT_EQ(HeatLoss().MediumTemperature, 65.0f);
    EXPECT_EQ(doc_->Project().ProjectName, "Før");
  }
}

TEST_F(KavDocTest, ActiveModuleOutOfRangeIsDamage) {
  std::vector<std::uint8_t> bytes = Saved();
  bytes[bytes.size() - 2] = 8;
  EXPECT_FALSE(doc_->Open(Write("bad.kav", bytes)));
}

TEST_F(KavDocTest, FailedSaveLeavesWhatWasThereAndNoTemporaryFile) {
  // A directory in the way: the finished temporary file cannot replace it.
  const fs::path target = dir_ / "folder.kav";
  fs::create_directories(target / "inside");
  EXPECT_FALSE(doc_->Save(target));
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_EQ(platform_.events.size(), 1u);
  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_EQ(entry.path().filename().string().rfind(".folder.kav", 0), std::string::npos)
        << entry.path();
  }
  EXPECT_TRUE(doc_->PathName().empty());
}

TEST_F(KavDocTest, MissingFileIsReported) {
  EXPECT_FALSE(doc_->Open(dir_ / "absent.kav"));
  ASSERT_EQ(platform_.events.size(), 1u);
  EXPECT_EQ(platform_.Texts()[0], "Kan ikke åpne filen " + (dir_ / "absent.kav").string() +
                                      " (filen eller mappen finnes ikke).");
}

TEST_F(KavDocTest, SaveFailuresAreToldInNorwegianAndNameAnOldFileOnlyWhenThereIsOne) {
  // A new account has no Documents folder.
  const fs::path nowhere = dir_ / "Documents" / "NyFil.kav";
  EXPECT_FALSE(doc_->Save(nowhere));
  ASSERT_EQ(platform_.events.size(), 1u);
  EXPECT_EQ(platform_.Texts()[0],
            "Kan ikke lagre filen " + nowhere.string() + " (filen eller mappen finnes ikke).");

  platform_.Clear();
  const fs::path folder = dir_ / "folder.kav";
  fs::create_directories(folder / "inside");
  EXPECT_FALSE(doc_->Save(folder));
  ASSERT_EQ(platform_.events.size(), 1u);
  EXPECT_EQ(platform_.Texts()[0], "Kan ikke lagre filen " + folder.string() +
                                      " (navnet er en mappe). Den gamle filen er ikke endret.");
}

TEST_F(KavDocTest, TextExportToAnUnwritablePlaceTellsTheUser) {
  EXPECT_FALSE(doc_->WriteResultsText(dir_ / "no-such-dir" / "out.txt"));
  ASSERT_EQ(platform_.events.size(), 1u);
  EXPECT_EQ(platform_.Texts()[0], Str(ids::TextFileOpenFailed));
}

// Every name gives a picture; counts how many were asked for.
class CountingPictures final : public PictureProvider {
 public:
  std::optional<IndexedImage> Load(const std::string&) const override {
    ++loads;
    return PlaceholderPictures().Load("ANY");
  }
  mutable int loads = 0;
};

TEST_F(KavDocTest, TextOfEveryPageNeedsNoPicture) {
  CountingPictures pictures;
  SetPictureProvider(&pictures);
  doc_ = std::make_unique<CKavDoc>();
  doc_->NewDocument();
  std::string text;
  for (int module = 0; module < kModuleCount; ++module) {
    doc_->SetActiveModule(module);
    text += doc_->ResultsText();
  }
  EXPECT_NE(text.find(Str(ids::ProgramTitle)), std::string::npos);
  EXPECT_EQ(pictures.loads, 0);
  doc_.reset();
  SetPictureProvider(nullptr);
}

}  // namespace
}  // namespace kav
