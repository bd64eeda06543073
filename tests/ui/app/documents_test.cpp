// Opening and saving as a new user meets it: the folder the save proposes on
// an account without a documents folder, the list of recent documents in the
// "Fil" menu, a document dropped on the window, and the view that starts at
// the top of a new or opened document.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "frame_fixture.h"
#include "output/graphics_item.h"
#include "output/page_layout.h"
#include "ui/app/kav_view.h"
#include "ui/app/recent_files.h"

namespace kav::test {
namespace {

class DocumentsTest : public FrameTest {
 protected:
  // A copy of an example document in the test's folder.
  QString Copy(const char* example, const QString& name) {
    const QString path = env_.FilePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(QFile::copy(UiEnvironment::Example(example), path));
    return path;
  }
  std::vector<QString> MenuTexts() {
    std::vector<QString> texts;
    for (const QAction* action : Frame().RecentFileActions()) texts.push_back(action->text());
    return texts;
  }
  // Drags the files over the window and drops them; whether it took them.
  bool Drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = Frame().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &drop);
    QCoreApplication::processEvents();  // the opening waits until the drop is over
    return true;
  }
};

// Sets an environment variable while it lives.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QString& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name_, value.toLocal8Bit());
  }
  ~ScopedEnv() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

TEST_F(DocumentsTest, SaveAsProposesAFolderThatExists) {
  const QString home = env_.FilePath("home");
  QDir().mkpath(home);
  const ScopedEnv homeVariable("HOME", home);
  const ScopedEnv config("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));

  // A fresh account: no Documents folder, nothing used yet.
  Actions().fileSaveAs->trigger();
  EXPECT_EQ(suggestedSave, home + QStringLiteral("/NyFil.kav"));
  QDir(home).mkdir(QStringLiteral("Documents"));
  Actions().fileSaveAs->trigger();
  EXPECT_EQ(suggestedSave, home + QStringLiteral("/Documents/NyFil.kav"));

  // Then the folder last used, after a new document too.
  const QString hall = home + QStringLiteral("/prosjekter/hall.kav");
  QDir(home).mkdir(QStringLiteral("prosjekter"));
  savePath = hall;
  Actions().fileSaveAs->trigger();
  ASSERT_TRUE(QFile::exists(hall));
  savePath.clear();
  Actions().fileNew->trigger();
  Actions().fileSaveAs->trigger();
  EXPECT_EQ(suggestedSave, home + QStringLiteral("/prosjekter/NyFil.kav"));

  // A document whose folder is gone keeps its name in a folder that exists.
  ASSERT_TRUE(Frame().OpenDocument(hall));
  QDir(home + QStringLiteral("/prosjekter")).removeRecursively();
  Actions().fileSaveAs->trigger();
  EXPECT_EQ(suggestedSave, home + QStringLiteral("/Documents/hall.kav"));
}

TEST_F(DocumentsTest, TheFourLastDocumentsAreListedNewestFirstAndKept) {
  EXPECT_TRUE(Frame().RecentFileActions().empty());
  QStringList paths;
  for (int i = 1; i <= 5; ++i) {
    paths << Copy("varmetap-ror-innendors.kav", QStringLiteral("dok%1.kav").arg(i));
    ASSERT_TRUE(Frame().OpenDocument(paths.back()));
  }
  // Saved under another name: that one goes first.
  savePath = env_.FilePath("lagret & ny.kav");
  Actions().fileSaveAs->trigger();
  // Opened again: it moves up, once.
  ASSERT_TRUE(Frame().OpenDocument(paths[3]));

  const QStringList expected = {paths[3], savePath, paths[4], paths[2]};
  EXPECT_EQ(RecentFiles(*settings_), expected);
  ASSERT_EQ(MenuTexts().size(), 4u);
  EXPECT_EQ(MenuTexts()[0], RecentFileMenuText(0, paths[3]));
  EXPECT_TRUE(MenuTexts()[1].startsWith(QStringLiteral("&2 ")));
  EXPECT_TRUE(MenuTexts()[1].endsWith(QStringLiteral("lagret && ny.kav")));
  // Between the printer entries and "Avslutt", set off by separators.
  const QList<QAction*> file = Frame().menuBar()->actions()[0]->menu()->actions();
  const qsizetype first = file.indexOf(Frame().RecentFileActions()[0]);
  EXPECT_TRUE(file[first - 1]->isSeparator());
  EXPECT_TRUE(file[first + 4]->isSeparator());
  EXPECT_EQ(file[first + 5], Actions().exit);

  // Kept in the settings file for the next start.
  settings_->Sync();
  EXPECT_EQ(RecentFiles(*env_.MakeSettings()), expected);

  // Chosen from the menu: the question to save first, then the document.
  Doc().SetActiveModule(5);
  answer = SaveAnswer::No;
  Frame().RecentFileActions()[3]->trigger();
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(QString::fromStdString(Doc().PathName().string()), paths[2]);
  EXPECT_EQ(RecentFiles(*settings_).first(), paths[2]);
}

TEST_F(DocumentsTest, AVanishedRecentDocumentIsSaidToBeGoneAndLeavesTheList) {
  const QString kept = Copy("varmetap-ror-innendors.kav", QStringLiteral("beholdt.kav"));
  const QString gone = Copy("varmetap-flate.kav", QStringLiteral("borte.kav"));
  ASSERT_TRUE(Frame().OpenDocument(kept));
  ASSERT_TRUE(Frame().OpenDocument(gone));
  ASSERT_TRUE(QFile::remove(gone));
  Doc().SetActiveModule(4);
  platform_.Clear();

  Frame().RecentFileActions()[0]->trigger();
  EXPECT_TRUE(asked.empty());  // nothing is replaced: no question to save
  ASSERT_EQ(platform_.Texts().size(), 1u);
  EXPECT_EQ(QString::fromStdString(platform_.Texts()[0]),
            QStringLiteral("Filen %1 finnes ikke lenger. Den er tatt ut av listen over sist "
                           "brukte dokumenter.")
                .arg(gone));
  EXPECT_EQ(RecentFiles(*settings_), QStringList{kept});
  ASSERT_EQ(MenuTexts().size(), 1u);
  EXPECT_EQ(Doc().ActiveModule(), 4);  // the document is as it was
  EXPECT_TRUE(Doc().IsModified());
}

TEST_F(DocumentsTest, ADroppedDocumentOpensAfterTheQuestionToSave) {
  const QString path = Copy("varmetap-flate.kav", QStringLiteral("sluppet.kav"));
  const QString text = env_.FilePath("notat.txt");
  QFile(text).open(QIODevice::WriteOnly);
  EXPECT_FALSE(Drop({QUrl::fromLocalFile(text)}));
  EXPECT_FALSE(Drop({QUrl(QStringLiteral("https://eksempel.no/a.kav"))}));

  Doc().SetActiveModule(3);
  answer = SaveAnswer::Cancel;
  ASSERT_TRUE(Drop({QUrl::fromLocalFile(text), QUrl::fromLocalFile(path)}));
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_TRUE(Doc().PathName().empty());

  answer = SaveAnswer::No;
  ASSERT_TRUE(Drop({QUrl::fromLocalFile(path)}));
  EXPECT_EQ(QString::fromStdString(Doc().PathName().string()), path);
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("sluppet.kav[*] - KAV"));
  EXPECT_EQ(RecentFiles(*settings_).first(), path);
}

TEST_F(DocumentsTest, TheViewStartsAtTheTopAndWithoutSelectionAfterOpenAndNew) {
  Frame().setWindowState(Qt::WindowNoState);
  Frame().resize(420, 320);
  Frame().show();
  const QString example = UiEnvironment::Example("varmetap-ror-innendors.kav");
  ASSERT_TRUE(Frame().OpenDocument(example));
  CKavView& view = Frame().View();
  ASSERT_GT(view.ScrollLimits().height, 0);

  // A table selected and the view scrolled down, then another document.
  const PageItems& items = CurrentPageList();
  const auto table = std::find_if(items.begin(), items.end(), [](const CGraphicsItem* item) {
    return item->Kind() == ItemKind::Table;
  });
  ASSERT_NE(table, items.end());
  view.ScrollTo({(*table)->Rect.left, (*table)->Rect.top});
  const DevicePoint scroll = view.ScrollPosition();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                    QPoint((*table)->Rect.left - scroll.x + 5, (*table)->Rect.top - scroll.y + 5));
  ASSERT_TRUE(Actions().copyText->isEnabled());
  ASSERT_GT(view.ScrollPosition().y, 0);
  openPath = UiEnvironment::Example("varmetap-kaldt-ror.kav");
  answer = SaveAnswer::No;
  Actions().fileOpen->trigger();
  EXPECT_EQ(view.ScrollPosition().y, 0);
  EXPECT_EQ(view.ScrollPosition().x, 0);
  EXPECT_FALSE(Actions().copyText->isEnabled());

  // The same with "Ny": the table selected before is no longer marked when
  // it comes back with the next results.
  const PageItems& page = CurrentPageList();
  const auto again = std::find_if(page.begin(), page.end(), [](const CGraphicsItem* item) {
    return item->Kind() == ItemKind::Table;
  });
  ASSERT_NE(again, page.end());
  CGraphicsItem* selected = *again;
  view.ScrollTo({selected->Rect.left, selected->Rect.top});
  const DevicePoint at = view.ScrollPosition();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                    QPoint(selected->Rect.left - at.x + 5, selected->Rect.top - at.y + 5));
  ASSERT_TRUE(selected->Selected);
  Actions().fileNew->trigger();
  EXPECT_EQ(view.ScrollPosition().y, 0);
  EXPECT_FALSE(Actions().copyText->isEnabled());
  EXPECT_FALSE(selected->Selected);
}

}  // namespace
}  // namespace kav::test
