// Items, their user lists and the list helpers that copy, take over and
// compare lists, with the re-linking of users after a list is replaced.
#include "core/object_list.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/item.h"

namespace kav {
namespace {

// A row that knows which rows are alive and records IsEqual calls. Rows are
// told apart by a serial number, since a new row may get the address of one
// just deleted.
class TrackedRow : public CListItem {
 public:
  static std::set<int>& Live() {
    static std::set<int> live;
    return live;
  }
  static std::vector<std::pair<const CListItem*, const CListItem*>>& Compared() {
    static std::vector<std::pair<const CListItem*, const CListItem*>> compared;
    return compared;
  }

  explicit TrackedRow(std::string name) : CListItem(std::move(name)) { Live().insert(serial); }
  TrackedRow(const TrackedRow& other) : CListItem(other) { Live().insert(serial); }
  ~TrackedRow() override { Live().erase(serial); }

  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<TrackedRow>(*this); }
  bool IsEqual(const CListItem& other) const override {
    Compared().emplace_back(this, &other);
    return CListItem::IsEqual(other);
  }

  const int serial = NextSerial();

 private:
  static int NextSerial() {
    static int next = 0;
    return ++next;
  }
};

using Pair = std::pair<const CListItem*, const CListItem*>;

int Serial(const CListItem* item) {
  return dynamic_cast<const TrackedRow&>(*item).serial;
}
bool IsAlive(int serial) {
  return TrackedRow::Live().count(serial) != 0;
}

// A user of one row, re-pointing itself as a layer or module does.
class RowUser : public CItem {
 public:
  explicit RowUser(CListItem* row) : row_(&dynamic_cast<TrackedRow&>(*row)), serial_(row_->serial) {
    row_->AddUser(this);
  }
  const char* ClassName() const override { return "RowUser"; }

  void ReplaceReference(CItem* item) override {
    auto* row = dynamic_cast<TrackedRow*>(item);
    if (row == nullptr) return;
    told.push_back(row);
    oldAliveWhenTold.push_back(IsAlive(serial_));
    if (IsAlive(serial_)) row_->RemoveUser(this);  // touches the old row
    row_ = row;
    serial_ = row->serial;
    row_->AddUser(this);
  }
  TrackedRow* row() const { return row_; }

  std::vector<CItem*> told;
  std::vector<bool> oldAliveWhenTold;

 private:
  TrackedRow* row_;
  int serial_;
};

class ListsTest : public ::testing::Test {
 protected:
  void SetUp() override { TrackedRow::Compared().clear(); }
  void TearDown() override {
    a.Clear();
    b.Clear();
    EXPECT_TRUE(TrackedRow::Live().empty()) << "rows leaked or deleted twice";
  }
  static void Fill(ObjectList& list, std::initializer_list<const char*> names) {
    for (const char* name : names) list.Append(std::make_unique<TrackedRow>(name));
  }

  ObjectList a;
  ObjectList b;
};

TEST(ListItemUsers, AddUserKeepsOneEntryAndRemoveUserOfAnAbsentPointerChangesNothing) {
  CListItem row("rad");
  CListItem first("1"), second("2"), absent("3");
  row.AddUser(&first);
  row.AddUser(&second);
  row.AddUser(&first);
  EXPECT_EQ(row.Users, (std::vector<CItem*>{&first, &second}));

  row.RemoveUser(&absent);
  EXPECT_EQ(row.Users, (std::vector<CItem*>{&first, &second}));
  row.RemoveUser(&first);
  EXPECT_EQ(row.Users, (std::vector<CItem*>{&second}));
}

TEST(ListItemUsers, CloneCopiesNameDescriptionAndUsers) {
  CListItem row("rad");
  row.Description = "tekst";
  CListItem user("bruker");
  row.AddUser(&user);
  std::unique_ptr<CListItem> copy = row.Clone();
  EXPECT_EQ(copy->Name, "rad");
  EXPECT_EQ(copy->Description, "tekst");
  EXPECT_EQ(copy->Users, row.Users);
}

TEST_F(ListsTest, ListsEqualComparesLengthFirstThenPairsInOrder) {
  EXPECT_TRUE(ListsEqual(a, b)) << "two empty lists";

  Fill(a, {"x", "y"});
  Fill(b, {"x"});
  EXPECT_FALSE(ListsEqual(a, b));
  EXPECT_FALSE(ListsEqual(b, a));
  EXPECT_TRUE(TrackedRow::Compared().empty()) << "lists of different length compare no element";

  Fill(b, {"z"});
  EXPECT_FALSE(ListsEqual(a, b));
  ASSERT_EQ(TrackedRow::Compared().size(), 2u);
  EXPECT_EQ(TrackedRow::Compared()[0], Pair(a.at(0), b.at(0)))
      << "the element of the first list is asked";
  EXPECT_EQ(TrackedRow::Compared()[1], Pair(a.at(1), b.at(1)));

  TrackedRow::Compared().clear();
  b.front()->Name = "other";
  EXPECT_FALSE(ListsEqual(a, b));
  EXPECT_EQ(TrackedRow::Compared().size(), 1u) << "stops at the first unequal pair";

  b.RemoveAt(0);
  b.RemoveAt(0);
  Fill(b, {"x", "y"});
  EXPECT_TRUE(ListsEqual(a, b));
}

TEST_F(ListsTest, CopyListReplacesTheTargetWithClonesInOrderThatKeepTheirUsers) {
  Fill(a, {"en", "to", "tre"});
  CListItem user("bruker");
  a.at(1)->AddUser(&user);
  Fill(b, {"gammel"});
  const int old = Serial(b.front());

  CopyList(b, a);
  EXPECT_FALSE(IsAlive(old)) << "the old element is deleted";
  ASSERT_EQ(b.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NE(b.at(i), a.at(i));
    EXPECT_EQ(b.at(i)->Name, a.at(i)->Name);
    EXPECT_EQ(b.at(i)->Users, a.at(i)->Users);
  }
  EXPECT_EQ(b.at(1)->Users, std::vector<CItem*>{&user});
  EXPECT_EQ(a.size(), 3u) << "the source is untouched";
}

TEST_F(ListsTest, TakeListWithNotifyRepointsUsersBeforeTheOldRowsAreDeleted) {
  Fill(a, {"en", "to"});  // the database's rows
  RowUser first(a.at(0));
  RowUser second(a.at(1));
  RowUser both(a.at(1));
  const int old0 = Serial(a.at(0));
  const int old1 = Serial(a.at(1));

  CopyList(b, a);  // the dialog's copies carry the users
  b.at(0)->Name = "en, endret";
  const CListItem* new0 = b.at(0);
  const CListItem* new1 = b.at(1);

  TakeList(a, b, true);
  EXPECT_TRUE(b.empty());
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a.at(0), new0);
  EXPECT_EQ(a.at(1), new1);
  EXPECT_FALSE(IsAlive(old0));
  EXPECT_FALSE(IsAlive(old1));

  EXPECT_EQ(first.told, std::vector<CItem*>{a.at(0)});
  EXPECT_EQ(second.told, std::vector<CItem*>{a.at(1)});
  EXPECT_EQ(both.told, std::vector<CItem*>{a.at(1)});
  for (const RowUser* user : {&first, &second, &both}) {
    EXPECT_EQ(user->oldAliveWhenTold, std::vector<bool>{true})
        << "a user must never be handed over after its old row is gone";
  }
  EXPECT_EQ(first.row()->Name, "en, endret");
  EXPECT_EQ(a.at(1)->Users, (std::vector<CItem*>{&second, &both}));
}

TEST_F(ListsTest, TakeListWithoutNotifyMovesElementsAndTellsNobody) {
  Fill(a, {"gammel"});
  RowUser user(a.at(0));
  Fill(b, {"ny1", "ny2"});
  b.at(0)->AddUser(&user);
  const CListItem* moved = b.at(0);

  TakeList(a, b, false);
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a.at(0), moved);
  EXPECT_EQ(a.at(1)->Name, "ny2");
  EXPECT_TRUE(b.empty());
  EXPECT_TRUE(user.told.empty());
}

}  // namespace
}  // namespace kav
