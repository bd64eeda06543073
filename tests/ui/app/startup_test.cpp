// Start-up and its settings: which start-up windows appear and what they
// write, the welcome picture of the season, and the main window's
// placement read at start and written back at exit.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <string>
#include <vector>

#include "core/scripted_platform.h"
#include "modules/kav_doc.h"
#include "ui/app/about_dlg.h"
#include "ui/app/kav_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/new_doc_dlg.h"
#include "ui/app/title_dlg.h"
#include "ui/app/window_placement.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

const QString kGettingStarted = QStringLiteral("gettingStartedDialog");
const QString kWelcome = QStringLiteral("welcomeDialog");

// Remembers the order in which integer settings are written.
class RecordingSettings final : public Settings {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) override {
    return values_.GetString(section, key, fallback);
  }
  void SetString(const std::string& section, const std::string& key,
                 const std::string& value) override {
    values_.SetString(section, key, value);
  }
  int GetInt(const std::string& section, const std::string& key, int fallback) override {
    return values_.GetInt(section, key, fallback);
  }
  void SetInt(const std::string& section, const std::string& key, int value) override {
    written.push_back(section + "/" + key);
    values_.SetInt(section, key, value);
  }
  std::vector<std::string> written;

 private:
  MemorySettings values_;
};

class StartupTest : public ::testing::Test {
 protected:
  std::string Setting(const char* key) { return settings_->GetString("Settings", key, "(none)"); }

  UiEnvironment env_;
  ScriptedPlatform platform_;
  std::unique_ptr<QtSettings> settings_ = env_.MakeSettings();
  ModalAnswers answers_;
};

TEST_F(StartupTest, TheFirstStartShowsBothWindowsAndKeepsThemOn) {
  answers_.ThenAccept();
  answers_.Then([](QWidget& window) {
    // January: the winter picture.
    EXPECT_NE(window.findChild<QLabel*>(QStringLiteral("WELCOME_WINTER")), nullptr);
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral(
        "Velkommen til KAV: Beregningsprogram for dimensjonering av teknisk isolasjon.")));
    static_cast<QDialog&>(window).accept();
  });
  CKavApp app(*settings_, [] { return 1; });
  app.InitInstance();
  EXPECT_EQ(answers_.Seen(), (std::vector<QString>{kGettingStarted, kWelcome}));
  EXPECT_EQ(Setting("HelpWindow"), "Yes");
  EXPECT_EQ(Setting("NewDocWindow"), "Yes");

  // Maximised, and so saved at exit.
  EXPECT_TRUE(app.Frame().isMaximized());
  app.Frame().close();
  app.ExitInstance();
  EXPECT_EQ(settings_->GetInt("Window", "show", 0), WindowPlacement::kShowMaximized);
}

TEST_F(StartupTest, OnlyExactlyYesShowsTheWelcomeWindow) {
  for (const char* value : {"no", "", "YES", "No"}) {
    settings_->SetString("Settings", "HelpWindow", value);
    settings_->SetString("Settings", "NewDocWindow", "No");
    ModalAnswers answers;
    CKavApp app(*settings_);
    app.InitInstance();
    EXPECT_TRUE(answers.Seen().empty()) << '"' << value << '"';
  }
}

TEST_F(StartupTest, ADocumentOnTheCommandLineIsOpenedWithoutTheWelcomeWindow) {
  answers_.ThenAccept();  // the getting-started window of the first document
  CKavApp app(*settings_);
  const QString example = UiEnvironment::Example("varmetap-flate.kav");
  app.InitInstance(example);
  EXPECT_EQ(answers_.Seen(), std::vector<QString>{kGettingStarted});
  EXPECT_EQ(QString::fromStdString(app.Document().PathName().string()), example);
  EXPECT_FALSE(app.Document().IsModified());
  EXPECT_EQ(app.Frame().windowTitle(), QStringLiteral("varmetap-flate.kav[*] - KAV"));
}

TEST_F(StartupTest, TickedBoxesTurnTheWindowsOff) {
  answers_.Then([](QWidget& window) {
    auto& dialog = static_cast<CNewDocDlg&>(window);
    EXPECT_FALSE(dialog.DontShowBox().isChecked());
    dialog.DontShowBox().setChecked(true);
    dialog.accept();
  });
  answers_.Then([](QWidget& window) {
    auto& dialog = static_cast<CTitleDlg&>(window);
    dialog.DontShowBox().setChecked(true);
    dialog.accept();
  });
  CKavApp app(*settings_, [] { return 7; });
  app.InitInstance();
  EXPECT_EQ(Setting("HelpWindow"), "No");
  EXPECT_EQ(Setting("NewDocWindow"), "No");

  app.OnFileNew();  // no getting-started window any more
  EXPECT_EQ(answers_.Seen().size(), 2u);
  EXPECT_EQ(answers_.Unexpected(), 0);
}

TEST_F(StartupTest, UntickingBothBoxesInTheAboutWindowWritesNoToBoth) {
  answers_.ThenAccept();  // getting started
  answers_.ThenAccept();  // welcome
  CKavApp app(*settings_);
  app.InitInstance();

  answers_.Then([](QWidget& window) {
    auto& about = static_cast<CAboutDlg&>(window);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Om KAV"));
    EXPECT_TRUE(about.WelcomeBox().isChecked());
    EXPECT_TRUE(about.GettingStartedBox().isChecked());
    about.WelcomeBox().setChecked(false);
    about.GettingStartedBox().setChecked(false);
    about.accept();
  });
  app.OnAppAbout();
  EXPECT_EQ(Setting("HelpWindow"), "No");
  EXPECT_EQ(Setting("NewDocWindow"), "No");

  answers_.Then([](QWidget& window) {
    auto& about = static_cast<CAboutDlg&>(window);
    EXPECT_FALSE(about.WelcomeBox().isChecked());
    about.WelcomeBox().setChecked(true);
    about.reject();  // Avbryt writes nothing
  });
  app.OnAppAbout();
  EXPECT_EQ(Setting("HelpWindow"), "No");

  answers_.Then([](QWidget& window) {
    auto& about = static_cast<CAboutDlg&>(window);
    about.GettingStartedBox().setChecked(true);
    about.accept();
  });
  app.OnAppAbout();
  EXPECT_EQ(Setting("HelpWindow"), "No");
  EXPECT_EQ(Setting("NewDocWindow"), "Yes");
  EXPECT_EQ(answers_.Unexpected(), 0);
}

TEST_F(StartupTest, NewShowsTheGettingStartedWindowEachTime) {
  settings_->SetString("Settings", "HelpWindow", "No");
  for (int i = 0; i < 3; ++i) answers_.ThenAccept();
  CKavApp app(*settings_);
  app.InitInstance();
  app.OnFileNew();
  app.OnFileNew();
  EXPECT_EQ(answers_.Seen(), std::vector<QString>(3, kGettingStarted));
}

TEST(WelcomePicture, WinterFromNovemberToMarch) {
  for (int month : {11, 12, 1, 2, 3}) EXPECT_EQ(WelcomePictureName(month), "WELCOME_WINTER");
  for (int month = 4; month <= 10; ++month) {
    EXPECT_EQ(WelcomePictureName(month), "WELCOME_SUMMER") << month;
  }
}

TEST(WindowSettings, ThePlacementIsReadAtStartAndWrittenBackInKeyOrder) {
  UiEnvironment env;
  ScriptedPlatform platform;
  RecordingSettings settings;
  settings.SetString("Settings", "HelpWindow", "No");
  settings.SetString("Settings", "NewDocWindow", "No");
  const std::pair<const char*, int> stored[] = {
      {"show", 1}, {"left", 40}, {"top", 50}, {"right", 640}, {"bottom", 530}};
  for (const auto& [key, value] : stored) settings.SetInt("Window", key, value);
  settings.written.clear();

  CKavApp app(settings);
  app.InitInstance();
  EXPECT_FALSE(app.Frame().isMaximized());
  EXPECT_EQ(app.Frame().geometry(), QRect(40, 50, 600, 480));

  app.Frame().close();
  app.ExitInstance();
  std::vector<std::string> expected;
  for (const char* key : WindowPlacement::Keys()) expected.push_back(std::string("Window/") + key);
  EXPECT_EQ(settings.written, expected);
  EXPECT_EQ(settings.GetInt("Window", "show", 0), WindowPlacement::kShowNormal);
  EXPECT_EQ(settings.GetInt("Window", "right", 0), 640);
  EXPECT_EQ(settings.GetInt("Window", "minposx", 0), -1);
}

TEST(WindowSettings, ARectangleOnNoScreenIsNotUsed) {
  QWidget window;
  window.setGeometry(10, 20, 300, 200);
  WindowPlacement placement = WindowPlacement::Of(window);
  placement.show = WindowPlacement::kShowNormal;
  placement.left = 9000;  // a screen that was unplugged
  placement.right = 9300;
  placement.ApplyTo(window);
  EXPECT_EQ(window.geometry(), QRect(10, 20, 300, 200));
  EXPECT_FALSE(window.isMaximized());
}

TEST(WindowSettings, MissingKeysTakeTheWindowsOwnPlacement) {
  MemorySettings settings;
  settings.SetInt("Window", "top", 77);
  WindowPlacement current;
  current.show = WindowPlacement::kShowMaximized;
  current.left = 10;
  current.top = 20;
  current.right = 810;
  current.bottom = 620;
  WindowPlacement expected = current;
  expected.top = 77;
  EXPECT_EQ(current.ReadFrom(settings), expected);
}

}  // namespace
}  // namespace kav::test
