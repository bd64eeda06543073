// The main window: its menu, toolbar and tabs in step with the document,
// the title, copying a clicked table, and the flows that open and save
// documents and ask before a changed one is replaced or closed.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include "core/scripted_platform.h"
#include "frame_fixture.h"
#include "modules/kav_doc.h"
#include "output/graphics_item.h"
#include "output/header.h"
#include "output/page_layout.h"
#include "output/tabell.h"
#include "ui/app/kav_app.h"
#include "ui/app/kav_view.h"
#include "ui/app/main_frame.h"
#include "ui/app/project_dlg.h"
#include "ui/widgets/dialog_fields.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

struct MenuEntry {
  const char* text;  // "-" for a separator
  QKeySequence keys = {};
};

std::vector<std::string> Texts(const QList<QAction*>& actions) {
  std::vector<std::string> texts;
  for (const QAction* action : actions) {
    texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
  }
  return texts;
}

TEST_F(FrameTest, TheMenusHoldEveryCommand) {
  const QList<QAction*> menus = Frame().menuBar()->actions();
  EXPECT_EQ(Texts(menus), (std::vector<std::string>{"&Fil", "&Rediger", "&Vis", "&Hjelp"}));
  EXPECT_EQ(Texts(menus[0]->menu()->actions()),
            (std::vector<std::string>{"&Ny", "&Åpne...", "&Lagre", "Lagre &Som...", "-",
                                      "Lagre &resultater i en tekstfil..", "-", "&Utskrift...",
                                      "&Forhåndsvisning", "Skriver&Oppsett...", "-", "&Avslutt"}));
  EXPECT_EQ(Texts(menus[1]->menu()->actions()),
            (std::vector<std::string>{"&Kopier som tekst til Utklippstavle",
                                      "Kopier som &bilde til Utklippstavle", "-",
                                      "&Prosjektinformasjon..", "&Inndata...", "&Database..."}));
  EXPECT_EQ(Texts(menus[2]->menu()->actions()),
            (std::vector<std::string>{
                "&Knapperad", "-", "&Varmetap", "Temperaturendring i &rør/kanaler",
                "Temperatur i &tank", "&Utvendig kondensisolasjon", "&Innvendig kondensisolasjon",
                "&Frostbeskyttelse vannledninger", "&Lydfelle", "&Økonomisk isolasjon"}));
  EXPECT_EQ(Texts(menus[3]->menu()->actions()),
            (std::vector<std::string>{"&Innholdsfortegnelse", "-", "&Om KAV..."}));

  EXPECT_EQ(Actions().copyText->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_EQ(Actions().copyPicture->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
  EXPECT_EQ(Actions().helpContents->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_TRUE(Actions().database->isEnabled());
  EXPECT_FALSE(Actions().copyText->isEnabled());
  EXPECT_TRUE(Actions().toolbar->isCheckable() && Actions().toolbar->isChecked());
  EXPECT_TRUE(Actions().modules[0]->isChecked());
}

TEST_F(FrameTest, TheToolbarStaysPutHasTipsAndCanBeHidden) {
  QToolBar& bar = Frame().ToolBar();
  EXPECT_FALSE(bar.isMovable());
  for (QAction* action : bar.actions()) {
    if (action->isSeparator()) continue;
    EXPECT_FALSE(action->toolTip().isEmpty()) << action->text().toStdString();
  }
  EXPECT_TRUE(bar.actions().contains(Actions().input));
  Actions().toolbar->trigger();
  EXPECT_FALSE(bar.isVisibleTo(&Frame()));
  Actions().toolbar->trigger();
  EXPECT_TRUE(bar.isVisibleTo(&Frame()));
}

TEST_F(FrameTest, TabsMenuAndDocumentGoTogether) {
  QTabBar& tabs = Frame().Tabs();
  ASSERT_EQ(tabs.count(), 8);
  const char* const names[] = {
      "Varmetap",           "Strømmende medier", "Tanktemperatur", "Utv. kondensering",
      "Innv. kondensering", "Frostbeskyttelse",  "Lydfelle",       "Økonomi"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(tabs.tabText(i).toStdString(), names[i]);
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("NyFil[*] - KAV"));
  EXPECT_FALSE(Frame().isWindowModified());

  QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(2).center());
  EXPECT_EQ(Doc().ActiveModule(), 2);
  EXPECT_TRUE(Actions().modules[2]->isChecked());
  EXPECT_EQ(CurrentPage(), 2);
  EXPECT_TRUE(Frame().isWindowModified());  // the active module is part of the document

  Actions().modules[5]->trigger();
  EXPECT_EQ(tabs.currentIndex(), 5);
  EXPECT_EQ(Doc().ActiveModule(), 5);
  EXPECT_FALSE(Actions().modules[2]->isChecked());
}

TEST_F(FrameTest, NewAsksFirstAndCancelKeepsTheDocument) {
  Doc().SetActiveModule(3);
  answer = SaveAnswer::Cancel;
  Actions().fileNew->trigger();
  EXPECT_EQ(asked, std::vector<QString>{QStringLiteral("NyFil")});
  EXPECT_EQ(Doc().ActiveModule(), 3);
  EXPECT_TRUE(Doc().IsModified());

  answer = SaveAnswer::No;
  Actions().fileNew->trigger();
  EXPECT_EQ(Doc().ActiveModule(), 0);
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_FALSE(Frame().isWindowModified());

  Actions().fileNew->trigger();  // nothing to save: no question
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(FrameTest, SavingOnYesWritesTheFileUnderTheChosenName) {
  Doc().SetActiveModule(6);
  answer = SaveAnswer::Yes;
  savePath = env_.FilePath("lydfelle.kav");
  Actions().fileNew->trigger();
  EXPECT_TRUE(suggestedSave.endsWith(QStringLiteral("NyFil.kav")));
  ASSERT_TRUE(QFile::exists(savePath));
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(Doc().ActiveModule(), 0);  // then the new document

  // The saved file holds module 6 as the active one.
  CKavDoc& doc = Doc();
  ASSERT_TRUE(Frame().Files().OpenPath(savePath));
  EXPECT_EQ(doc.ActiveModule(), 6);
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("lydfelle.kav[*] - KAV"));

  // A document with a name is saved under it, without the file dialog.
  Doc().SetActiveModule(1);
  suggestedSave.clear();
  Actions().fileNew->trigger();
  EXPECT_TRUE(suggestedSave.isEmpty());
  ASSERT_TRUE(Frame().Files().OpenPath(savePath));
  EXPECT_EQ(doc.ActiveModule(), 1);
}

TEST_F(FrameTest, SaveAsCancelledLeavesTheDocumentChanged) {
  Doc().SetActiveModule(4);
  savePath.clear();
  answer = SaveAnswer::Yes;
  Actions().fileNew->trigger();  // Yes, then the file dialog is cancelled
  EXPECT_EQ(Doc().ActiveModule(), 4);
  EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FrameTest, OpenAsksFirstAndOpensTheChosenFile) {
  Doc().SetActiveModule(2);
  openPath = UiEnvironment::Example("varmetap-ror-innendors.kav");
  answer = SaveAnswer::Cancel;
  Actions().fileOpen->trigger();
  EXPECT_EQ(openAsked, 0);
  EXPECT_EQ(Doc().ActiveModule(), 2);

  answer = SaveAnswer::No;
  Actions().fileOpen->trigger();
  EXPECT_EQ(openAsked, 1);
  EXPECT_EQ(QString::fromStdString(Doc().PathName().string()), openPath);
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("varmetap-ror-innendors.kav[*] - KAV"));
  EXPECT_FALSE(Frame().isWindowModified());
}

TEST_F(FrameTest, ClosingAsksFirstAndCancelKeepsTheWindow) {
  QSignalSpy closing(&Frame(), &CMainFrame::closing);
  Doc().SetActiveModule(7);
  answer = SaveAnswer::Cancel;
  EXPECT_FALSE(Frame().close());
  EXPECT_TRUE(Frame().isVisible());
  EXPECT_EQ(closing.count(), 0);

  answer = SaveAnswer::No;
  EXPECT_TRUE(Frame().close());
  EXPECT_EQ(closing.count(), 1);
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(FrameTest, TheResultsTextIsWrittenToTheChosenFile) {
  ASSERT_TRUE(Frame().Files().OpenPath(UiEnvironment::Example("varmetap-ror-innendors.kav")));
  textPath = env_.FilePath("resultater.txt");
  Actions().saveResults->trigger();
  QFile file(textPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), Doc().ResultsText());
  EXPECT_NE(Doc().ResultsText().find("Varmetap"), std::string::npos);
}

TEST_F(FrameTest, ACopyOfAClickedTableGoesToTheClipboard) {
  ASSERT_TRUE(Frame().Files().OpenPath(UiEnvironment::Example("varmetap-ror-innendors.kav")));
  const PageItems& items = CurrentPageList();
  const auto table = std::find_if(items.begin(), items.end(), [](const CGraphicsItem* item) {
    return item->Kind() == ItemKind::Table;
  });
  ASSERT_NE(table, items.end());
  EXPECT_FALSE(Actions().copyText->isEnabled());

  CKavView& view = Frame().View();
  view.ScrollTo({(*table)->Rect.left, (*table)->Rect.top});
  const DevicePoint scroll = view.ScrollPosition();
  const QPoint at((*table)->Rect.left - scroll.x + 5, (*table)->Rect.top - scroll.y + 5);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(Actions().copyText->isEnabled());

  platform_.Clear();
  Actions().copyText->trigger();
  ASSERT_EQ(platform_.events.size(), 1u);
  EXPECT_EQ(platform_.events[0].kind, ScriptedPlatform::Kind::Clipboard);
  EXPECT_EQ(platform_.events[0].text,
            static_cast<const CTabell*>(*table)->FormatAsText() + std::string(1, '\0'));
  // Beside the text, the table for spreadsheets: numbers apart from their units.
  EXPECT_EQ(platform_.clipboardHtml, static_cast<const CTabell*>(*table)->FormatAsHtml());
  EXPECT_NE(platform_.clipboardHtml.find(" x:num=\""), std::string::npos);

  // Another module's page: nothing selected there.
  Actions().modules[1]->trigger();
  EXPECT_FALSE(Actions().copyText->isEnabled());
}

TEST_F(FrameTest, ProjectInformationReachesThePageHeader) {
  ModalAnswers answers;
  answers.ThenPress(QStringLiteral("Avbryt"));
  Actions().project->trigger();
  EXPECT_FALSE(Doc().IsModified());

  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CProjectDlg&>(window);
    dialog.ProjectNameField().setText(QStringLiteral("Ny hall"));
    dialog.accept();
  });
  Actions().project->trigger();
  EXPECT_EQ(answers.Seen(), std::vector<QString>(2, QStringLiteral("projectDialog")));
  EXPECT_TRUE(Frame().isWindowModified());
  EXPECT_EQ(Doc().Header(0).Lines()[2], "Prosjektnavn : Ny hall");
}

}  // namespace
}  // namespace kav::test
