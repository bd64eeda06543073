// The list editor under the list-editing buttons: the current row, new,
// update in place (the row out of the list while its dialog runs), delete
// after the question, the modified flag, and lists kept in order.
#include "ui/widgets/list_editor.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/scripted_platform.h"
#include "core/strings.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

std::unique_ptr<CKlimasted> Place(const char* name) {
  auto place = std::make_unique<CKlimasted>();
  place->Name = name;
  return place;
}

QStringList Lines(const QTreeWidget& view) {
  QStringList lines;
  for (int i = 0; i < view.topLevelItemCount(); ++i) lines << view.topLevelItem(i)->text(0);
  return lines;
}

class ListEditorTest : public ::testing::Test {
 protected:
  ListEditorTest() {
    places.Append(Place("Oslo"));
    places.Append(Place("Bergen"));
    places.Append(Place("Tromsø"));
    panel.Editor().SetRowFactory([] { return Place(""); });
    panel.Editor().SetList(places);
  }

  ScriptedPlatform platform;
  TypedList<CKlimasted> places;
  ListPanel panel{
      {QStringLiteral("Ny..."), QStringLiteral("Oppdater..."), QStringLiteral("Slett...")},
      {},
      false};
  ListEditor& editor = panel.Editor();
};

TEST_F(ListEditorTest, UpdateEditsTheRowOutOfTheListAndPutsItBackInPlace) {
  std::vector<std::string> seen;
  bool accept = false;
  ScopedEditor<CKlimasted> dialog([&](CKlimasted& place) {
    for (const CListItem* row : *ListEditor::ListInEdit()) seen.push_back(row->Name);
    place.Name = "Stavanger";
    return accept;
  });
  panel.View().setCurrentItem(panel.View().topLevelItem(1));
  EXPECT_FALSE(editor.Update());
  EXPECT_EQ(seen, (std::vector<std::string>{"Oslo", "Tromsø"})) << "the row is out of the list";
  EXPECT_EQ(places[1]->Name, "Bergen");
  EXPECT_FALSE(editor.Modified()) << "a cancelled edit changes nothing";

  accept = true;
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  const QPoint line = panel.View().visualItemRect(panel.View().topLevelItem(1)).center();
  QTest::mouseClick(panel.View().viewport(), Qt::LeftButton, {}, line);
  QTest::mouseDClick(panel.View().viewport(), Qt::LeftButton, {}, line);
  EXPECT_EQ(places.size(), 3u);
  EXPECT_EQ(places[1]->Name, "Stavanger") << "back at its index";
  EXPECT_EQ(Lines(panel.View()), (QStringList{"Oslo", "Stavanger", "Tromsø"}));
  EXPECT_EQ(editor.SelectedRow(), places[1]);
  EXPECT_TRUE(editor.Modified());
}

TEST_F(ListEditorTest, WithoutASelectionTheFirstLineIsUsedAndAnEmptyListSaysSo) {
  std::string edited;
  ScopedEditor<CKlimasted> dialog([&](CKlimasted& place) {
    edited = place.Name;
    return false;
  });
  panel.View().clearSelection();
  editor.Update();
  EXPECT_EQ(edited, "Oslo");
  EXPECT_EQ(editor.SelectedRow(), places[0]);

  TypedList<CKlimasted> empty;
  editor.SetList(empty);
  edited.clear();
  panel.UpdateButton().click();
  panel.DeleteButton().click();
  EXPECT_EQ(edited, "");
  EXPECT_EQ(platform.Texts(), (std::vector<std::string>{"Lista er tom!", "Lista er tom!"}));
}

TEST_F(ListEditorTest, NewAppendsAndSelectsOnOkOnly) {
  bool accept = false;
  ScopedEditor<CKlimasted> dialog([&](CKlimasted& place) {
    place.Name = "Bodø";
    return accept;
  });
  panel.NewButton().click();
  EXPECT_EQ(places.size(), 3u);
  EXPECT_FALSE(editor.Modified());
  accept = true;
  panel.NewButton().click();
  ASSERT_EQ(places.size(), 4u);
  EXPECT_EQ(places[3]->Name, "Bodø");
  EXPECT_EQ(editor.SelectedRow(), places[3]);
  EXPECT_TRUE(editor.Modified());
}

TEST_F(ListEditorTest, DeleteAsksWithTheNameFirst) {
  panel.View().setCurrentItem(panel.View().topLevelItem(2));
  platform.answers = {false};
  EXPECT_FALSE(editor.Delete());
  EXPECT_EQ(places.size(), 3u);
  EXPECT_FALSE(editor.Modified());
  EXPECT_EQ(platform.events.back().text, "\"Tromsø\" slettes nå!");
  EXPECT_EQ(platform.events.back().icon, Icon::Exclamation);
  EXPECT_TRUE(editor.Delete());
  EXPECT_EQ(Lines(panel.View()), (QStringList{"Oslo", "Bergen"}));
  EXPECT_TRUE(editor.Modified());
}

TEST(ListEditorOrderTest, AnOrderedListTakesNewAndEditedRowsAtTheirPlace) {
  ScriptedPlatform platform;
  TypedList<CIsoTykkelse> rows;
  for (float mm : {30.0f, 50.0f, 80.0f}) {
    auto row = std::make_unique<CIsoTykkelse>();
    row->Thickness = mm;
    row->UpdateName();
    rows.Append(std::move(row));
  }
  ListPanel panel({QStringLiteral("Ny"), QStringLiteral("Oppdater"), QStringLiteral("Slett")}, {},
                  false);
  ListEditor& editor = panel.Editor();
  editor.SetRowFactory([] { return std::make_unique<CIsoTykkelse>(); });
  editor.SetPlacement([](ObjectList& list, std::unique_ptr<CListItem> row, int) {
    InsertInOrder(static_cast<TypedList<CIsoTykkelse>&>(list),
                  std::unique_ptr<CIsoTykkelse>(static_cast<CIsoTykkelse*>(row.release())));
  });
  editor.SetList(rows);
  float next = 40.0f;
  ScopedEditor<CIsoTykkelse> dialog([&](CIsoTykkelse& row) {
    row.Thickness = next;
    row.UpdateName();
    return true;
  });
  editor.New();
  next = 100.0f;
  panel.View().setCurrentItem(panel.View().topLevelItem(0));
  editor.Update();
  EXPECT_EQ(Lines(panel.View()), (QStringList{"40.0", "50.0", "80.0", "100.0"}));
  EXPECT_EQ(editor.SelectedRow(), rows[3]);
}

}  // namespace
}  // namespace kav::test
