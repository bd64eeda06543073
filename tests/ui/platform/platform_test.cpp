// The Qt platform: message boxes with their icons and buttons, the
// replacement choice, help topics and the viewer, the clipboard; and the
// settings kept by QSettings.
#include "core/platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSettings>

#include "ui/platform/help_viewer.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/qt_settings.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { SetPlatform(&platform_); }
  void TearDown() override { SetPlatform(nullptr); }

  // Reads a message box, then presses one of its buttons.
  void Answer(const QString& button, QMessageBox::Icon* icon, QString* text,
              QStringList* buttons = nullptr) {
    answers_.Then([=](QWidget& window) {
      auto& box = static_cast<QMessageBox&>(window);
      *icon = box.icon();
      *text = box.text();
      if (buttons != nullptr) {
        for (QAbstractButton* b : box.buttons()) *buttons << b->text();
        buttons->sort();
      }
      PressButton(box, button);
    });
  }

  QtPlatform platform_;
  ModalAnswers answers_;
};

TEST_F(QtPlatformTest, MessagesShowTheirIcons) {
  const std::pair<Icon, QMessageBox::Icon> icons[] = {{Icon::Information, QMessageBox::Information},
                                                      {Icon::Exclamation, QMessageBox::Warning},
                                                      {Icon::Stop, QMessageBox::Critical},
                                                      {Icon::Question, QMessageBox::Question}};
  for (const auto& [icon, expected] : icons) {
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    QString text;
    Answer(QStringLiteral("OK"), &shown, &text);
    ShowMessage("Lista er tom!", icon);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(text, QStringLiteral("Lista er tom!"));
  }
}

TEST_F(QtPlatformTest, AMessageNamingAHugeFileFitsOnTheScreen) {
  QRect shown;
  QString text;
  answers_.Then([&](QWidget& window) {
    shown = window.frameGeometry();
    text = static_cast<QMessageBox&>(window).text();
    PressButton(window, QStringLiteral("OK"));
  });
  ShowMessage("Kan ikke lese databasefilen (/tmp/" + std::string(70000, 'x') + ".dat).",
              Icon::Stop);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(shown.width(), screen.width());
  EXPECT_LE(shown.height(), screen.height());
  // Both ends of the name are shown.
  EXPECT_TRUE(text.startsWith(QStringLiteral("Kan ikke lese databasefilen (/tmp/xxx")));
  EXPECT_TRUE(text.endsWith(QStringLiteral("xxx.dat).")));
  EXPECT_TRUE(text.contains(QChar(0x2026)));
}

TEST_F(QtPlatformTest, QuestionsAnswerByTheButtonPressed) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QStringList buttons;
  Answer(QStringLiteral("Nei"), &icon, &text, &buttons);
  EXPECT_FALSE(AskYesNo("Fortsette?"));
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nei")}));
  EXPECT_EQ(icon, QMessageBox::Question);

  buttons.clear();
  Answer(QStringLiteral("Ja"), &icon, &text);
  EXPECT_TRUE(AskYesNo("Fortsette?"));
  Answer(QStringLiteral("Avbryt"), &icon, &text, &buttons);
  EXPECT_FALSE(AskOkCancel("Godta forandringer?"));
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("Avbryt"), QStringLiteral("OK")}));
  Answer(QStringLiteral("OK"), &icon, &text);
  EXPECT_TRUE(AskOkCancel("Godta forandringer?"));
}

TEST_F(QtPlatformTest, TheReplacementChoiceGivesTheChosenEntry) {
  answers_.Then([](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Databaseverdi fjernet"));
    window.findChild<QComboBox*>()->setCurrentIndex(1);
    PressButton(window, QStringLiteral("OK"));
  });
  const ChoiceRequest request{
      "Databaseverdi fjernet", "Velg", {"A", "B", "C"}, 0, "::/html/dbverdiborte.htm"};
  EXPECT_EQ(platform_.Choose(request), 1);
  EXPECT_EQ(platform_.Choose({"Databaseverdi fjernet", "Velg", {}, 0, {}}), -1);
}

TEST_F(QtPlatformTest, TheClipboardGetsTheTextWithoutItsNul) {
  platform_.SetClipboardText(std::string("Tykkelse\t50.0\n") + '\0');
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Tykkelse\t50.0\n"));
  platform_.SetClipboardText("uten");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("uten"));

  // A table: the same text, and HTML beside it for spreadsheets.
  platform_.SetClipboardTextAndHtml(std::string("Tykkelse\t50,0\n") + '\0',
                                    "<table><tr><td>Tykkelse</td></tr></table>");
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QStringLiteral("Tykkelse\t50,0\n"));
  EXPECT_EQ(data->html(), QStringLiteral("<table><tr><td>Tykkelse</td></tr></table>"));
}

TEST_F(QtPlatformTest, HelpShowsBundledPagesAndSaysWhenItCannot) {
  EXPECT_TRUE(platform_.ShowHelp("::/html/prosjekt.htm"));
  EXPECT_TRUE(platform_.Help().isVisible());
  EXPECT_TRUE(platform_.Help().CurrentPage().path().endsWith(QStringLiteral("/prosjekt.htm")));
  EXPECT_TRUE(platform_.Help().windowTitle().contains(QStringLiteral("Prosjektinformasjon")));
  EXPECT_FALSE(platform_.Help().testAttribute(Qt::WA_QuitOnClose));

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  Answer(QStringLiteral("OK"), &icon, &text);
  OpenHelp("::/html/finnes-ikke.htm");
  EXPECT_EQ(text, QStringLiteral("Kan ikke starte hjelpeprogrammet."));
  platform_.Help().close();
}

TEST(HelpTopics, MapToTheBundledPages) {
  const std::filesystem::path dir = HelpDirectory();
  const QUrl contents = HelpTopicUrl("::/html/contents.htm", dir);
  ASSERT_FALSE(contents.isEmpty()) << dir;
  EXPECT_TRUE(contents.isLocalFile());
  EXPECT_TRUE(QFile::exists(contents.toLocalFile()));

  const QUrl anchored = HelpTopicUrl("::/html/contents.htm#kom_i_gang", dir);
  EXPECT_EQ(anchored.fragment(), QStringLiteral("kom_i_gang"));
  EXPECT_EQ(anchored.toLocalFile(), contents.toLocalFile());

  for (const char* topic :
       {"", "contents.htm", "::/contents.htm", "::/html/", "::/html/../html/contents.htm",
        "::/html/finnes-ikke.htm", "::/html/..", "/html/contents.htm"}) {
    EXPECT_TRUE(HelpTopicUrl(topic, dir).isEmpty()) << topic;
  }
}

TEST(HelpViewerWindow, GoesBackAndForthAndHome) {
  HelpViewer viewer;
  ASSERT_TRUE(viewer.ShowTopic("::/html/prosjekt.htm"));
  ASSERT_TRUE(viewer.ShowTopic("::/html/header.htm"));
  auto* back = viewer.findChild<QAction*>();
  ASSERT_NE(back, nullptr);
  QList<QAction*> actions = viewer.findChildren<QAction*>();
  const auto named = [&actions](const QString& text) {
    for (QAction* action : actions) {
      if (action->text() == text) return action;
    }
    return static_cast<QAction*>(nullptr);
  };
  ASSERT_TRUE(named(QStringLiteral("Tilbake"))->isEnabled());
  named(QStringLiteral("Tilbake"))->trigger();
  EXPECT_TRUE(viewer.CurrentPage().path().endsWith(QStringLiteral("/prosjekt.htm")));
  named(QStringLiteral("Frem"))->trigger();
  EXPECT_TRUE(viewer.CurrentPage().path().endsWith(QStringLiteral("/header.htm")));
  named(QStringLiteral("Innhold"))->trigger();
  EXPECT_TRUE(viewer.CurrentPage().path().endsWith(QStringLiteral("/contents.htm")));
  viewer.close();
}

TEST(QtSettingsStore, KeepsSectionsAsGroupsAndFallsBack) {
  UiEnvironment env;
  {
    QtSettings settings;  // the program's own, here in the temporary place
    settings.SetString("Settings", "HelpWindow", "No");
    settings.SetInt("Window", "left", -8);
    settings.SetString("Window", "top", "høyt");
    EXPECT_EQ(settings.GetString("Settings", "HelpWindow", "Yes"), "No");
    EXPECT_EQ(settings.GetString("Settings", "NewDocWindow", "Yes"), "Yes");
    EXPECT_EQ(settings.GetInt("Window", "left", 0), -8);
    EXPECT_EQ(settings.GetInt("Window", "top", 5), 5);  // not a number
    EXPECT_EQ(settings.GetInt("Window", "right", 7), 7);
    settings.Sync();
  }
  QSettings raw(QStringLiteral("KORBU"), QStringLiteral("KAV"));
  EXPECT_EQ(raw.value(QStringLiteral("Settings/HelpWindow")).toString(), QStringLiteral("No"));
  EXPECT_TRUE(QFileInfo(raw.fileName()).absolutePath().startsWith(env.FilePath("user")));
}

}  // namespace
}  // namespace kav::test
