// The kavdb program itself: its exit codes, its one-line messages, and dump
// and build through files and standard output.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/scripted_platform.h"
#include "data/database.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "kavdb_test_support.h"

namespace kav::test {
namespace {

struct Result {
  int exit = -1;
  std::string out;
  std::string err;
};

class KavdbProgramTest : public ScratchDirTest {
 protected:
  // Runs kavdb with the arguments (already quoted for the shell).
  Result Kavdb(const std::string& args, const std::string& input = "") {
    std::string command = std::string("'") + KAVDB_PROGRAM + "' " + args + " >'" +
                          PathOf("stdout") + "' 2>'" + PathOf("stderr") + "'";
    if (!input.empty()) command += " <'" + input + "'";
    const int status = std::system(command.c_str());
    Result result;
    result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadText("stdout");
    result.err = ReadText("stderr");
    return result;
  }
  std::string Q(const std::string& name) const { return "'" + PathOf(name) + "'"; }

  // A small product database as the program writes it.
  void SaveDatabase(const std::string& name) {
    CDataBase db(PathOf(name));
    auto product = std::make_unique<CIsoProdukt>();
    product->Name = "Rørskål æøå";
    product->Description = std::string(300, 'd');
    product->C1 = -0.0f;
    auto thickness = std::make_unique<CIsoTykkelse>();
    thickness->Thickness = 30.0f;
    thickness->UpdateName();
    product->Thicknesses.Append(std::move(thickness));
    db.InsulationProducts.Append(std::move(product));
    ASSERT_TRUE(db.Save());
  }

  // One line on the error stream, naming the program.
  static void ExpectOneMessage(const Result& r) {
    EXPECT_EQ(r.err.rfind("kavdb: ", 0), 0u) << r.err;
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }

  ScriptedPlatform platform;
};

TEST_F(KavdbProgramTest, HelpAndVersion) {
  Result help = Kavdb("--help");
  EXPECT_EQ(help.exit, 0);
  EXPECT_NE(help.out.find("kavdb dump FIL"), std::string::npos);
  EXPECT_NE(help.out.find("kavdb build JSON -o FIL"), std::string::npos);
  Result version = Kavdb("--version");
  EXPECT_EQ(version.exit, 0);
  EXPECT_EQ(version.out.rfind("kavdb ", 0), 0u);
  EXPECT_TRUE(version.err.empty());
}

TEST_F(KavdbProgramTest, WrongUsageExitsWithTwo) {
  SaveDatabase("kav.dat");
  WriteText("d.json", "{}");
  for (const std::string& args :
       {std::string(""), std::string("list ") + Q("kav.dat"), std::string("dump"),
        "dump " + Q("kav.dat") + " " + Q("kav.dat"), "dump " + Q("kav.dat") + " --kind xyz",
        "dump " + Q("kav.dat") + " --kind", "dump " + Q("kav.dat") + " --verbose",
        "dump " + Q("kav.dat") + " -o " + Q("x.json"), "build " + Q("d.json"),
        "build " + Q("d.json") + " -o " + Q("ut.bin")}) {
    SCOPED_TRACE(args);
    const Result r = Kavdb(args);
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err.rfind("kavdb: ", 0), 0u) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_FALSE(Exists("ut.bin"));
}

TEST_F(KavdbProgramTest, DumpThenBuildGivesTheSameBytes) {
  SaveDatabase("kav.dat");
  const Result dump = Kavdb("dump " + Q("kav.dat"));
  ASSERT_EQ(dump.exit, 0) << dump.err;
  EXPECT_TRUE(dump.err.empty());
  EXPECT_NE(dump.out.find(R"("Name": "Rørskål æøå")"), std::string::npos);
  WriteText("kav.json", dump.out);
  const Result build = Kavdb("build " + Q("kav.json") + " -o " + Q("kopi.dat"));
  ASSERT_EQ(build.exit, 0) << build.err;
  EXPECT_TRUE(build.out.empty());
  EXPECT_EQ(ReadBytes("kopi.dat"), ReadBytes("kav.dat"));

  // The same through standard input, with the kind given for a name that
  // does not tell it.
  const Result piped = Kavdb("build - --kind dat -o " + Q("kopi.bin"), PathOf("kav.json"));
  ASSERT_EQ(piped.exit, 0) << piped.err;
  EXPECT_EQ(ReadBytes("kopi.bin"), ReadBytes("kav.dat"));
  const Result again = Kavdb("dump --kind dat " + Q("kopi.bin"));
  EXPECT_EQ(again.out, dump.out);
}

TEST_F(KavdbProgramTest, KindComesFromTheJsonThenKindThenTheName) {
  CKlima climate(PathOf("steder.cli"));
  auto place = std::make_unique<CKlimasted>();
  place->Name = "Finse";
  place->MeanTemperature = -2.1f;
  place->UpdateDisplayText();
  climate.Locations.Append(std::move(place));
  ASSERT_TRUE(climate.Save());
  const Result dump = Kavdb("dump " + Q("steder.cli"));
  ASSERT_EQ(dump.exit, 0) << dump.err;
  EXPECT_EQ(dump.out.rfind("{\n  \"Kind\": \"cli\",\n  \"Locations\": [", 0), 0u) << dump.out;
  // Read as the wrong kind, the file is damaged.
  const Result wrong = Kavdb("dump --kind cst " + Q("steder.cli"));
  EXPECT_EQ(wrong.exit, 1);
  ExpectOneMessage(wrong);

  // The dump names its kind, so a name that says "dat" builds a climate file.
  WriteText("steder.json", dump.out);
  const Result renamed = Kavdb("build " + Q("steder.json") + " -o " + Q("steder-ny.dat"));
  ASSERT_EQ(renamed.exit, 0) << renamed.err;
  EXPECT_EQ(ReadBytes("steder-ny.dat"), ReadBytes("steder.cli"));

  // --kind against the JSON's own kind: an error naming both, nothing written.
  const Result contradiction =
      Kavdb("build " + Q("steder.json") + " --kind egendef -o " + Q("x.cli"));
  EXPECT_EQ(contradiction.exit, 2);
  ExpectOneMessage(contradiction);
  EXPECT_NE(contradiction.err.find("\"cli\""), std::string::npos) << contradiction.err;
  EXPECT_NE(contradiction.err.find("\"egendef\""), std::string::npos) << contradiction.err;
  EXPECT_FALSE(std::filesystem::exists(PathOf("x.cli")));

  // Without a kind in the JSON, --kind and then the name decide as before.
  WriteText("uten.json", R"({"Locations": [{"Name": "Finse", "MeanTemperature": -2.1}]})");
  EXPECT_EQ(Kavdb("build " + Q("uten.json") + " -o " + Q("a.cli")).exit, 0);
  EXPECT_EQ(Kavdb("build " + Q("uten.json") + " --kind cli -o " + Q("a.bin")).exit, 0);
  EXPECT_EQ(ReadBytes("a.bin"), ReadBytes("a.cli"));
  EXPECT_EQ(Kavdb("build " + Q("uten.json") + " -o " + Q("a.dat")).exit, 1);

  WriteText("ukjent.json", R"({"Kind": "xls", "Locations": []})");
  const Result unknown = Kavdb("build " + Q("ukjent.json") + " -o " + Q("b.cli"));
  EXPECT_EQ(unknown.exit, 1);
  ExpectOneMessage(unknown);
}

TEST_F(KavdbProgramTest, UnreadableOrDamagedFilesExitWithOne) {
  const Result missing = Kavdb("dump " + Q("finnes-ikke.dat"));
  EXPECT_EQ(missing.exit, 1);
  ExpectOneMessage(missing);
  EXPECT_NE(missing.err.find("finnes-ikke.dat"), std::string::npos);
  EXPECT_TRUE(missing.out.empty());

  SaveDatabase("kav.dat");
  Bytes cut = ReadBytes("kav.dat");
  cut.resize(cut.size() - 3);
  WriteBytes("kort.dat", cut);
  const Result damaged = Kavdb("dump " + Q("kort.dat"));
  EXPECT_EQ(damaged.exit, 1);
  ExpectOneMessage(damaged);
  EXPECT_NE(damaged.err.find("skadet"), std::string::npos) << damaged.err;
  EXPECT_TRUE(damaged.out.empty());

  const Result noJson = Kavdb("build " + Q("finnes-ikke.json") + " -o " + Q("kav2.dat"));
  EXPECT_EQ(noJson.exit, 1);
  ExpectOneMessage(noJson);

  WriteText("syntaks.json", "{\"InsulationProducts\": [}");
  const Result syntax = Kavdb("build " + Q("syntaks.json") + " -o " + Q("kav2.dat"));
  EXPECT_EQ(syntax.exit, 1);
  ExpectOneMessage(syntax);
  EXPECT_NE(syntax.err.find("ugyldig JSON"), std::string::npos) << syntax.err;

  WriteText("felt.json", R"({"Liquids": [{"Name": "Vann", "Densitet": 999}]})");
  const Result field = Kavdb("build " + Q("felt.json") + " -o " + Q("kav2.dat"));
  EXPECT_EQ(field.exit, 1);
  ExpectOneMessage(field);
  EXPECT_NE(field.err.find("Liquids[0].Densitet"), std::string::npos) << field.err;
  EXPECT_FALSE(Exists("kav2.dat"));
}

TEST_F(KavdbProgramTest, UnwritableOutputExitsWithOneAndKeepsTheOldFile) {
  WriteText("tom.json", "{}");
  const Result noDir = Kavdb("build " + Q("tom.json") + " -o " + Q("mangler/kav.dat"));
  EXPECT_EQ(noDir.exit, 1);
  ExpectOneMessage(noDir);
  EXPECT_NE(noDir.err.find("kan ikke skrive"), std::string::npos) << noDir.err;

  // A failed build leaves an existing file as it was.
  SaveDatabase("kav.dat");
  const Bytes before = ReadBytes("kav.dat");
  WriteText("feil.json", R"({"Liquids": [{"Density": "tung"}]})");
  EXPECT_EQ(Kavdb("build " + Q("feil.json") + " -o " + Q("kav.dat")).exit, 1);
  EXPECT_EQ(ReadBytes("kav.dat"), before);
}

TEST_F(KavdbProgramTest, BytesAfterTheDataAreReportedButNotFatal) {
  SaveDatabase("kav.dat");
  Bytes longer = ReadBytes("kav.dat");
  longer.push_back(0x42);
  longer.push_back(0x43);
  WriteBytes("lang.dat", longer);
  const Result dump = Kavdb("dump " + Q("lang.dat"));
  EXPECT_EQ(dump.exit, 0);
  ExpectOneMessage(dump);
  EXPECT_NE(dump.err.find("2 byte"), std::string::npos) << dump.err;
  EXPECT_EQ(dump.out, Kavdb("dump " + Q("kav.dat")).out);
}

}  // namespace
}  // namespace kav::test
