#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
};

// Runs a shell command; its standard output (and standard error when asked).
Outcome Shell(const std::string& command) {
  Outcome run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    run.out.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Kavcalc(const std::string& args) {
  return std::string(KAVCALC) + " --data " + SHARE_DIR + " " + args;
}

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> Examples() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(EXAMPLES_DIR)) {
    if (entry.path().extension() == ".kav") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The export without the header's time line, which moves on between runs.
std::string WithoutClock(std::string text) {
  for (std::size_t at = text.find("Tid/Dato"); at != std::string::npos;
       at = text.find("Tid/Dato", at + 1)) {
    text.erase(at, text.find('\n', at) - at);
  }
  return text;
}

class ProgramsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("kav_programs_") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(ProgramsTest, ExamplesAreWhatTheProgramWrites) {
  ASSERT_EQ(Shell(std::string(MAKE_EXAMPLES) + " " + SHARE_DIR + " " + dir_.string()).status, 0);
  const std::vector<fs::path> examples = Examples();
  ASSERT_GE(examples.size(), 5u);
  for (const fs::path& example : examples) {
    EXPECT_EQ(Bytes(dir_ / example.filename()), Bytes(example)) << example.filename();
  }
}

TEST_F(ProgramsTest, OpeningAndSavingAnExampleGivesTheSameBytes) {
  for (const fs::path& example : Examples()) {
    const fs::path saved = dir_ / example.filename();
    const Outcome run = Shell(Kavcalc(example.string() + " --save " + saved.string() + " 2>&1"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Bytes(saved), Bytes(example)) << example.filename();
  }
}

TEST_F(ProgramsTest, TextExportShowsTheRecalculatedResults) {
  const fs::path example = fs::path(EXAMPLES_DIR) / "varmetap-ror-innendors.kav";
  const Outcome run = Shell(Kavcalc(example.string()));
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("KAV Beregningsprogram for teknisk isolasjon\nVarmetapsberegning\n\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Overflatetemperatur isolasjon"), std::string::npos);
  EXPECT_NE(run.out.find("Inndataverdier"), std::string::npos);
  EXPECT_NE(run.out.find(" °C\n"), std::string::npos);
  EXPECT_EQ(run.out.find('\0'), std::string::npos);
}

// The text export says what the items hold, not where they are: a run that
// lays the pages out with Qt (to print them as well) exports the same text
// as one that measures nothing.
TEST_F(ProgramsTest, TextExportIsTheSameWhetherOrNotThePagesAreLaidOut) {
  for (const fs::path& example : Examples()) {
    const fs::path text = dir_ / "side.txt";
    const std::string printed = (dir_ / "side.pdf").string();
    const Outcome plain = Shell(Kavcalc("--all " + example.string() + " 2>/dev/null"));
    const Outcome laidOut = Shell(Kavcalc("--all --pdf " + printed + " -o " + text.string() + " " +
                                          example.string() + " 2>/dev/null"));
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(laidOut.status, 0);
    EXPECT_EQ(WithoutClock(plain.out), WithoutClock(Bytes(text))) << example.filename();
  }
}

TEST_F(ProgramsTest, JsonListsThePageItemsWithTheirFields) {
  const fs::path example = fs::path(EXAMPLES_DIR) / "varmetap-klasse-ror.kav";
  const Outcome run = Shell(Kavcalc("--format json " + example.string()));
  ASSERT_EQ(run.status, 0);
  const nlohmann::json page = nlohmann::json::parse(run.out);
  EXPECT_EQ(page["page"], 0);
  EXPECT_EQ(page["title"], "Varmetapsberegning");
  std::vector<std::string> kinds;
  for (const auto& item : page["items"]) {
    kinds.push_back(item["kind"]);
    EXPECT_TRUE(item.contains("help"));
    // Geometry as the shortest decimal of its float (20.066, not 20.06599998474121).
    for (const char* key : {"left_mm", "top_mm", "right_mm", "bottom_mm"}) {
      ASSERT_TRUE(item[key].is_number()) << key;
      const auto millimetres = item[key].get<float>();
      char shortest[32];
      const auto end = std::to_chars(shortest, shortest + sizeof shortest, millimetres).ptr;
      EXPECT_EQ(item[key].dump(), std::string(shortest, end)) << key;
    }
  }
  EXPECT_EQ(kinds, (std::vector<std::string>{"header", "footer", "table", "table"}));
  const auto& results = page["items"][2];
  EXPECT_EQ(results["headings"][1], "Nødv. iso. tykkelse");
  EXPECT_EQ(results["highlight_row"], -1);
  EXPECT_EQ(results["rows"][0][0], "Isolasjonstykkelse");
  EXPECT_EQ(page["items"][0]["lines"].size(), 5u);
  EXPECT_EQ(results["help"], "::/html/varmetap_restabell.htm");
}

// The numbers of "results" are those the tables show, before rounding: a
// criterion-1 page (thickness for a surface temperature) and a criterion-3
// page (the insulation class) against their comparison tables.
TEST_F(ProgramsTest, JsonResultsAreTheTablesNumbersWithUnits) {
  auto page = [](const char* example) {
    const Outcome run =
        Shell(Kavcalc("--format json " + (fs::path(EXAMPLES_DIR) / example).string()));
    EXPECT_EQ(run.status, 0);
    return nlohmann::json::parse(run.out);
  };
  // "86,9 mm" in a table cell as a number.
  auto cell = [](const nlohmann::json& table, int row, int column) {
    std::string text =
        table["rows"][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
  };
  const nlohmann::json surface = page("varmetap-overflatetemp-ror.kav");
  const nlohmann::json& r1 = surface["results"];
  const nlohmann::json& table1 = surface["items"][2];
  EXPECT_EQ(r1["required_thickness"]["unit"], "mm");
  EXPECT_NEAR(r1["required_thickness"]["value"].get<double>(), cell(table1, 0, 1), 0.05);
  EXPECT_NEAR(r1["standard_thickness"]["value"].get<double>(), cell(table1, 0, 2), 0.05);
  EXPECT_NEAR(r1["surface_temperature"]["value"].get<double>(), 35.0, 0.05);
  EXPECT_EQ(r1["heat_loss"]["unit"], "W/m");
  EXPECT_NEAR(r1["heat_loss"]["value"].get<double>(), cell(table1, 2, 1), 0.05);
  EXPECT_FALSE(r1.contains("insulation_class"));

  const nlohmann::json klasse = page("varmetap-klasse-ror.kav");
  const nlohmann::json& r3 = klasse["results"];
  const nlohmann::json& table3 = klasse["items"][2];
  EXPECT_EQ(r3["insulation_class"]["value"], 4.0);
  EXPECT_NEAR(r3["heat_loss"]["value"].get<double>(),
              r3["class_max_heat_loss"]["value"].get<double>(), 0.1);
  EXPECT_NEAR(r3["standard_heat_loss"]["value"].get<double>(), cell(table3, 2, 2), 0.05);
  EXPECT_NEAR(r3["bare_heat_loss"]["value"].get<double>(), cell(table3, 4, 1), 0.05);
}

// The sound trap: the attenuation of every band as a record of "bands",
// the same numbers in the result table and in the graph.
TEST_F(ProgramsTest, JsonResultsOfTheSoundTrapHaveOneRecordPerBand) {
  const fs::path example = fs::path(EXAMPLES_DIR) / "lydfelle-rektangulaer-kanal.kav";
  const Outcome run = Shell(Kavcalc("--format json " + example.string()));
  ASSERT_EQ(run.status, 0);
  const nlohmann::json page = nlohmann::json::parse(run.out);
  EXPECT_EQ(page["page"], 6);
  const nlohmann::json& results = page["results"];
  EXPECT_EQ(results["acoustic_cross_dimension"]["value"], 300.0);
  ASSERT_EQ(results["bands"].size(), 6u);
  const nlohmann::json& band = results["bands"][3];
  EXPECT_EQ(band["frequency"]["value"], 1000.0);
  EXPECT_EQ(band["attenuation"]["unit"], "dB/m");
  for (const auto& item : page["items"]) {
    if (item["kind"] == "graph") {
      EXPECT_EQ(item["curves"][0]["points"][3][1].get<float>(),
                band["attenuation"]["value"].get<float>());
    }
    if (item["kind"] == "table" && item["headings"][1] == "Resultater") {
      EXPECT_EQ(item["rows"][3][1], "9.6 dB/m");
    }
  }
}

TEST_F(ProgramsTest, AllPagesComeInModuleOrder) {
  const fs::path example = fs::path(EXAMPLES_DIR) / "varmetap-flate.kav";
  const Outcome run = Shell(Kavcalc("--all --format json " + example.string()));
  ASSERT_EQ(run.status, 0);
  const nlohmann::json pages = nlohmann::json::parse(run.out);
  ASSERT_EQ(pages.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(pages[static_cast<std::size_t>(i)]["page"], i);
}

// Several documents in one run: each exported in turn, as single runs do;
// one that cannot be read is said, skipped (null in JSON) and exits with 1.
TEST_F(ProgramsTest, SeveralDocumentsAreExportedInTurn) {
  const fs::path a = fs::path(EXAMPLES_DIR) / "varmetap-flate.kav";
  const fs::path b = fs::path(EXAMPLES_DIR) / "varmetap-klasse-ror.kav";
  const Outcome both = Shell(Kavcalc(a.string() + " " + b.string()));
  ASSERT_EQ(both.status, 0);
  EXPECT_EQ(WithoutClock(both.out),
            WithoutClock(Shell(Kavcalc(a.string())).out + Shell(Kavcalc(b.string())).out));

  const fs::path out = dir_ / "alle.json";
  const Outcome json =
      Shell(Kavcalc("--format json -o " + out.string() + " " + a.string() + " " +
                    (dir_ / "mangler.kav").string() + " " + b.string() + " 2>/dev/null"));
  EXPECT_EQ(json.status, 1);
  const nlohmann::json pages = nlohmann::json::parse(Bytes(out));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0]["title"], "Varmetapsberegning");
  EXPECT_TRUE(pages[1].is_null());
  EXPECT_EQ(pages[2]["items"][2]["headings"][1], "Nødv. iso. tykkelse");

  EXPECT_EQ(Shell(Kavcalc("--save x.kav " + a.string() + " " + b.string() + " 2>/dev/null")).status,
            2);
}

TEST_F(ProgramsTest, PdfHasASheetPerPageColumn) {
  const fs::path example = fs::path(EXAMPLES_DIR) / "varmetap-ror-innendors.kav";
  const fs::path pdf = dir_ / "side.pdf";
  ASSERT_EQ(Shell(Kavcalc("--pdf " + pdf.string() + " " + example.string())).status, 0);
  const std::string bytes = Bytes(pdf);
  ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);
  std::size_t pages = 0;
  for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1)) {
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  EXPECT_EQ(pages, 1u);
}

TEST_F(ProgramsTest, WrongMarkerExitsWithOneAndSaysWhy) {
  const fs::path old = dir_ / "gammel.kav";
  std::ofstream(old, std::ios::binary) << '\x09' << "Versjon 4";
  const Outcome run = Shell(Kavcalc(old.string() + " 2>&1"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(
      run.out.find("kavcalc: Feil ved åpning: Denne filen er ikke lagret med KAV versjon 5.0."),
      std::string::npos)
      << run.out;
}

TEST_F(ProgramsTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Shell(std::string(KAVCALC) + " --page 9 x.kav 2>/dev/null").status, 2);
  EXPECT_EQ(Shell(std::string(KAVCALC) + " 2>/dev/null").status, 2);
  const Outcome version = Shell(std::string(KAVCALC) + " --version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "kavcalc 5.1\n");
  EXPECT_NE(Shell(std::string(KAVCALC) + " --help").out.find("--format text|json"),
            std::string::npos);
}

}  // namespace
