// Start-up with settings and data files that another program, a crash or a
// hand edit has damaged: garbage in every key the program reads, a window
// placement off every screen or beyond the range of coordinates, file names
// of 70,000 characters, data files that are missing or cannot be read. The
// program starts, says what it could not read, and still opens and computes
// documents.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <climits>
#include <filesystem>
#include <string>

#include "core/scripted_platform.h"
#include "core/strings.h"
#include "modules/kav_doc.h"
#include "ui/app/kav_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/window_placement.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

const std::string kHuge(70000, 'x');

class DamagedSettingsTest : public ::testing::Test {
 protected:
  DamagedSettingsTest() {
    settings_->SetString("Settings", "HelpWindow", "No");
    settings_->SetString("Settings", "NewDocWindow", "No");
  }

  // Starts the program, checks that its window lies on a screen, opens an
  // example and returns whether the heat-loss page computed.
  bool StartAndCompute() {
    CKavApp app(*settings_);
    app.InitInstance();
    const QRect frame = app.Frame().geometry();
    EXPECT_NE(QGuiApplication::screenAt(frame.center()), nullptr) << "the window is off screen";
    const bool computed =
        app.Frame().OpenDocument(UiEnvironment::Example("varmetap-ror-innendors.kav")) &&
        app.Document().Module(0).ResultsValid != 0;
    app.Frame().close();
    app.ExitInstance();
    return computed;
  }

  bool SaidOnce(const std::string& text) const {
    int count = 0;
    for (const std::string& said : platform_.Texts()) count += said.find(text) != std::string::npos;
    return count == 1;
  }

  UiEnvironment env_;
  ScriptedPlatform platform_;
  std::unique_ptr<QtSettings> settings_ = env_.MakeSettings();
};

TEST_F(DamagedSettingsTest, GarbageInEveryKeyKeepsTheDefaults) {
  for (const char* key : WindowPlacement::Keys()) settings_->SetString("Window", key, "søppel");
  for (const char* key : {"File1", "File2", "File3", "File4"}) {
    settings_->SetString("Recent File List", key, kHuge);
  }
  settings_->SetString("Settings", "HelpWindow", kHuge);
  EXPECT_TRUE(StartAndCompute());
  EXPECT_TRUE(platform_.Texts().empty());
}

TEST_F(DamagedSettingsTest, APlacementAtTheEndsOfTheCoordinateRangeIsNotUsed) {
  const std::pair<const char*, int> placements[][4] = {
      {{"left", INT_MIN}, {"top", INT_MIN}, {"right", INT_MAX}, {"bottom", INT_MAX}},
      {{"left", INT_MAX}, {"top", INT_MAX}, {"right", INT_MIN}, {"bottom", INT_MIN}},
      {{"left", -30000}, {"top", -30000}, {"right", -29000}, {"bottom", -29000}},
  };
  for (const auto& placement : placements) {
    settings_->SetInt("Window", "show", 1);
    for (const auto& [key, value] : placement) settings_->SetInt("Window", key, value);
    EXPECT_TRUE(StartAndCompute());
  }
  for (const int show : {INT_MIN, -1, 7, INT_MAX}) {
    settings_->SetInt("Window", "show", show);
    EXPECT_TRUE(StartAndCompute()) << show;
  }
}

TEST_F(DamagedSettingsTest, DataFilesThatCannotBeReadAreSaidOnceAndTheProgramRuns) {
  // A name too long for the file system, and a folder where a file belongs.
  settings_->SetString("KAV", "KavData", kHuge);
  settings_->SetString("KAV", "KAVClimate", env_.FilePath(QStringLiteral("data")).toStdString());
  settings_->SetString("KAV", "KAVCost", kHuge + ".cst");
  settings_->SetString("Files", "User Database File", kHuge);
  CKavApp app(*settings_);
  app.InitInstance();
  EXPECT_TRUE(app.Frame().isVisible());
  EXPECT_TRUE(SaidOnce("Kan ikke lese databasefilen"));
  // Without a product database the example asks for the products it
  // names; the document is still opened.
  EXPECT_TRUE(app.Frame().OpenDocument(UiEnvironment::Example("varmetap-ror-innendors.kav")));
  app.Frame().close();
  app.ExitInstance();
}

TEST_F(DamagedSettingsTest, AMissingDataDirectoryLeavesTheProgramComputing) {
  std::filesystem::remove_all(env_.FilePath(QStringLiteral("data")).toStdString());
  CKavApp app(*settings_);
  app.InitInstance();
  EXPECT_TRUE(SaidOnce("Kan ikke lese databasefilen"));
  EXPECT_TRUE(app.Frame().OpenDocument(UiEnvironment::Example("varmetap-ror-innendors.kav")));
  app.Frame().close();
  app.ExitInstance();
}

}  // namespace
}  // namespace kav::test
