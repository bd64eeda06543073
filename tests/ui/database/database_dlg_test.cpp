// The product database dialog: the list shown, "Ny...", "Oppdater..." and
// "Slett..." on the working copies, the name checks of the row dialogs
// opened from it, and the questions of OK and Cancel.
#include "ui/database/database_dlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTreeWidget>

#include "core/strings.h"
#include "data/active_list.h"
#include "data/database.h"
#include "input_dialog_fixture.h"
#include "ui/database/mantling_dlg.h"
#include "ui/database/veske_dlg.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

class DatabaseDlgTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    for (const char* name : {"Vann", "Glykol"}) {
      lists.Liquids.Append(std::make_unique<CVeske>());
      lists.Liquids.back()->Name = name;
    }
    lists.LastList = static_cast<int>(DatabaseList::Liquids);
    // Row dialogs see the working copies, as while the database is edited.
    lists.ForEachList([this](auto& list) { scope.Redirect(list); });
  }

  DatabaseLists lists;
  ActiveListScope scope;
  ModalAnswers answers;
};

TEST_F(DatabaseDlgTest, NewMakesARowOfTheListShownAndCancelLeavesItUnchanged) {
  CDatabaseDlg dialog(lists);
  EXPECT_TRUE(dialog.ListButton(DatabaseList::Liquids).isChecked()) << "opens on LastList";
  ListEditor& editor = dialog.Rows().Editor();

  answers.Then([](QWidget& window) {
    EXPECT_NE(dynamic_cast<CVeskeDlg*>(&window), nullptr);
    static_cast<QDialog&>(window).reject();
  });
  dialog.Rows().NewButton().click();
  EXPECT_EQ(lists.Liquids.size(), 2u);
  EXPECT_FALSE(editor.Modified());

  dialog.ListButton(DatabaseList::Jacketings).click();
  EXPECT_EQ(lists.LastList, static_cast<int>(DatabaseList::Jacketings));
  EXPECT_EQ(dialog.Rows().View().topLevelItemCount(), 0);
  answers.Then([](QWidget& window) {
    auto& row = static_cast<CMantlingDlg&>(window);
    row.NameField().setText(QStringLiteral("Aluminium"));
    row.EmissivityBar().setValue(37);
    EXPECT_EQ(row.EmissivityField().text(), QStringLiteral("0.37"));
    row.EmissivityField().setText(QStringLiteral("0.5"));
    EXPECT_EQ(row.EmissivityBar().value(), 37) << "typing leaves the thumb";
    row.accept();
  });
  dialog.Rows().NewButton().click();
  ASSERT_EQ(lists.Jacketings.size(), 1u);
  EXPECT_EQ(lists.Jacketings[0]->Name, "Aluminium");
  EXPECT_EQ(lists.Jacketings[0]->Emissivity, 0.5f) << "the typed value is taken";
  EXPECT_TRUE(editor.Modified());
  EXPECT_EQ(answers.Unexpected(), 0);

  platform.answers = {true};
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::AcceptDatabaseChanges)});
}

TEST_F(DatabaseDlgTest, UpdateWithoutSelectionEditsTheFirstLineAndARowKeepsItsOwnName) {
  CDatabaseDlg dialog(lists);
  // The sorted list shows "Glykol" first, the second row of the list.
  answers.Then([this](QWidget& window) {
    auto& row = static_cast<CVeskeDlg&>(window);
    EXPECT_EQ(row.NameField().text(), QStringLiteral("Glykol"));
    row.NameField().setText(QStringLiteral("Vann"));
    row.accept();
    EXPECT_EQ(platform.Texts().back(), "Dette navnet er allerede brukt.");
    row.NameField().setText(QStringLiteral("Glykol"));
    row.DensityField().setText(QStringLiteral("1040"));
    row.accept();
  });
  dialog.Rows().UpdateButton().click();
  EXPECT_EQ(platform.Texts().size(), 1u) << "its own name is no clash";
  ASSERT_EQ(lists.Liquids.size(), 2u);
  EXPECT_EQ(lists.Liquids[1]->Name, "Glykol") << "back in its place";
  EXPECT_EQ(lists.Liquids[1]->Density, 1040.0f);
  EXPECT_TRUE(dialog.Rows().Editor().Modified());

  dialog.ListButton(DatabaseList::Surfaces).click();
  dialog.Rows().UpdateButton().click();
  EXPECT_EQ(platform.Texts().back(), "Lista er tom!");
  dialog.Rows().DeleteButton().click();
  EXPECT_EQ(platform.Texts().back(), "Lista er tom!");
  EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(DatabaseDlgTest, DeleteRefusesARowInUseAndCancelAsksAfterChanges) {
  CListItem user("Varmetap");
  lists.Liquids[0]->AddUser(&user);
  CDatabaseDlg dialog(lists);
  QSignalSpy closed(&dialog, &QDialog::finished);
  QTreeWidget& view = dialog.Rows().View();
  view.setCurrentItem(view.findItems(QStringLiteral("Vann"), Qt::MatchExactly).front());
  dialog.Rows().DeleteButton().click();
  EXPECT_EQ(platform.Texts(),
            std::vector<std::string>{"Du kan ikke stryke et element som er i bruk!"});
  EXPECT_EQ(lists.Liquids.size(), 2u);

  view.setCurrentItem(view.findItems(QStringLiteral("Glykol"), Qt::MatchExactly).front());
  platform.answers = {true};
  dialog.Rows().DeleteButton().click();
  EXPECT_EQ(platform.Texts().back(), "\"Glykol\" slettes nå!");
  ASSERT_EQ(lists.Liquids.size(), 1u);

  platform.answers = {false};
  dialog.reject();
  EXPECT_EQ(platform.Texts().back(), "Overse alle forandringer i databasen?");
  EXPECT_EQ(closed.count(), 0) << "Cancel of the question keeps it open";
  platform.answers = {true};
  dialog.reject();
  EXPECT_EQ(closed.count(), 1);
  lists.Liquids[0]->RemoveUser(&user);
}

}  // namespace
}  // namespace kav::test
