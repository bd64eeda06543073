// Documents with hostile stored values: each example document once per
// stored field, with that field replaced by NaN, an infinity, a denormal,
// zero, a negative or a huge number, an out-of-range code or count, an empty
// or a 70,000-character text, or a name no database row has. Each one opens
// (or is refused with a message), recalculates and exports as text and
// JSON, and no NaN or infinity reaches the output.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <bit>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "cli/page_json.h"
#include "core/archive.h"
#include "core/data_directory.h"
#include "core/file_io.h"
#include "core/scripted_platform.h"
#include "modules/kav_doc.h"
#include "modules/module_classes.h"
#include "non_finite_text.h"
#include "output/page_layout.h"
#include "stored_fields.h"
#include "ui/render/page_render.h"
#include "ui/render/qt_device.h"
#include "ui/render/qt_pictures.h"

namespace kav {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using FieldKind = CArchive::FieldKind;

const auto& kFloats = test::kHostileFloats;
const std::uint16_t kWords[] = {0xFFFF, 0x8000, 100, 7};
const std::uint32_t kLongs[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u};
// Every kPdfEvery-th hostile document is also printed, at a low resolution:
// printing lays the pages out again with the printer's fonts.
constexpr std::size_t kPdfEvery = 20;
constexpr int kPdfDotsPerInch = 96;
const std::string kStrings[] = {"", std::string(70000, 'x'), "Finnes ikke i databasen"};

// The values put in the `index`-th field: NaN into every float, and in
// turn one more of the hostile values of the field's kind, so that every
// value meets fields all through the document without a run per pair.
std::vector<Bytes> Replacements(FieldKind kind, std::size_t index) {
  auto bytesOf = [](auto value) {
    Bytes bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
  };
  switch (kind) {
    case FieldKind::Float:
      return {bytesOf(std::bit_cast<std::uint32_t>(kFloats[0])),
              bytesOf(std::bit_cast<std::uint32_t>(kFloats[1 + index % (std::size(kFloats) - 1)]))};
    case FieldKind::Word:
      return {bytesOf(kWords[index % std::size(kWords)])};
    case FieldKind::Long:
      return {bytesOf(kLongs[index % std::size(kLongs)])};
    case FieldKind::String:
      return {test::StoredText(kStrings[index % std::size(kStrings)])};
  }
  return {};
}

class HostileDocumentTest : public ::testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() {
    SetDataDirectory(KAV_SHIPPED_DATA_DIR);
    SetScreenDevice(&screen_);
    InstallQtPictures();
  }

  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kav_hostile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + fs::path(GetParam()).stem().string());
    fs::create_directories(dir_);
    doc_ = std::make_unique<CKavDoc>();
    doc_->NewDocument();
  }
  void TearDown() override {
    doc_.reset();
    fs::remove_all(dir_);
  }

  // The example as the program writes it, and where each value lies.
  Bytes Written(std::vector<CArchive::FieldMark>& marks) {
    EXPECT_TRUE(doc_->Open(fs::path(KAV_EXAMPLES_DIR) / GetParam()));
    CArchive ar("dok.kav");
    ar.LogFields(&marks);
    doc_->Serialize(ar);
    ar.LogFields(nullptr);
    return ar.Bytes();
  }

  // Opens the bytes, then exports the pages that show something: the one
  // shown and those with results. The output text of those pages; with
  // `pdf` the pages are also printed, as kavcalc --pdf prints them.
  std::string OpenAndExport(const Bytes& bytes, bool pdf) {
    const fs::path path = dir_ / "fiendtlig.kav";
    EXPECT_TRUE(WriteFileAtomically(path, bytes));
    doc_->Open(path);
    std::string out;
    const int shown = doc_->ActiveModule();
    std::vector<int> pages;
    for (int page = 0; page < 8; ++page) {
      if (page != shown && doc_->Module(page).ResultsValid == 0) continue;
      pages.push_back(page);
      doc_->SetActiveModule(page);
      out += doc_->ResultsText();
      nlohmann::json json = cli::CurrentPageJson(page, doc_->Header(page).PageTitle());
      const ResultValues results = doc_->Module(page).Results();
      if (!results.empty()) json["results"] = cli::ResultsJson(results);
      out += json.dump();
    }
    if (pdf) {
      const std::string printed = (dir_ / "fiendtlig.pdf").string();
      EXPECT_TRUE(PrintPagesToPdf(
          printed, pages, [this](int page) { doc_->SetActiveModule(page); }, kPdfDotsPerInch));
      EXPECT_GT(fs::file_size(printed), 0u);
    }
    return out;
  }

  static QtScreenDevice screen_;
  ScriptedPlatform platform_;
  fs::path dir_;
  std::unique_ptr<CKavDoc> doc_;
};

QtScreenDevice HostileDocumentTest::screen_;

TEST_P(HostileDocumentTest, EveryStoredValueMadeHostileGivesNoNanOrInfinity) {
  std::vector<CArchive::FieldMark> marks;
  const Bytes good = Written(marks);
  ASSERT_FALSE(marks.empty());
  std::size_t documents = 0;
  // The sanitizer build takes every KAV_HOSTILE_STRIDE-th field only.
  for (std::size_t i = 0; i < marks.size(); i += KAV_HOSTILE_STRIDE) {
    const CArchive::FieldMark& mark = marks[i];
    for (const Bytes& value : Replacements(mark.kind, i)) {
      const Bytes hostile = test::WithStoredField(good, mark, value);
      const std::string out = OpenAndExport(hostile, documents % kPdfEvery == 0);
      ++documents;
      if (const std::size_t at = test::NonFiniteAt(out); at != std::string::npos) {
        ADD_FAILURE() << GetParam() << ": field " << i << " at byte " << mark.offset << " gives\n"
                      << out.substr(at < 200 ? 0 : at - 200, 400);
        return;
      }
    }
  }
  RecordProperty("documents", static_cast<int>(documents));
}

std::vector<std::string> Examples() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(KAV_EXAMPLES_DIR)) {
    if (entry.path().extension() == ".kav") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Examples, HostileDocumentTest, ::testing::ValuesIn(Examples()),
                         [](const auto& param_info) {
                           std::string name = fs::path(param_info.param).stem().string();
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace kav

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
