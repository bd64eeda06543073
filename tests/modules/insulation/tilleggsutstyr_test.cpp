// Accessories: equivalent length, the user entry with the accessory type,
// the dialog's name composition and the stored form.
#include "modules/insulation/tilleggsutstyr.h"

#include <gtest/gtest.h>

#include "module_test_support.h"

namespace kav::test {
namespace {

using TilleggsutstyrTest = ModuleTest;

TEST_F(TilleggsutstyrTest, EquivalentLength) {
  CTilleggsutstyr accessory;
  EXPECT_EQ(accessory.EquivalentLengthAt(40.0f), 0.0f) << "no type and no user length";
  accessory.Count = 3;
  accessory.AccessoryType = &Valve();
  EXPECT_FLOAT_EQ(accessory.EquivalentLengthAt(40.0f), 3.6f);
  EXPECT_FLOAT_EQ(accessory.EquivalentLengthAt(80.0f), 6.0f);
  accessory.UserLength = 1;
  accessory.EquivalentLength = 1.5f;
  EXPECT_EQ(accessory.EquivalentLengthAt(40.0f), 4.5f);
  EXPECT_EQ(accessory.EquivalentLengthAt(400.0f), 4.5f) << "whatever the diameter";
}

TEST_F(TilleggsutstyrTest, ClonesRegisterWithTheTypeAndLeaveItWhenDeleted) {
  auto accessory = std::make_unique<CTilleggsutstyr>();
  accessory->Name = "Ventil; 2 stk";
  accessory->Count = 2;
  accessory->AccessoryType = &Valve();
  std::unique_ptr<CTilleggsutstyr> clone = CloneAs(*accessory);
  EXPECT_EQ(clone->Name, "Ventil; 2 stk");
  EXPECT_EQ(clone->Count, 2);
  EXPECT_EQ(Valve().Users, (std::vector<CItem*>{accessory.get(), clone.get()}));
  accessory.reset();
  EXPECT_EQ(Valve().Users, std::vector<CItem*>{clone.get()});
  clone->ReplaceReference(&Glycol());
  EXPECT_EQ(clone->AccessoryType, &Valve()) << "other rows are ignored";
  clone.reset();
  EXPECT_TRUE(Valve().Users.empty());
}

TEST_F(TilleggsutstyrTest, DialogComposesTheName) {
  CTilleggsutstyr accessory;
  TilleggsutstyrEdit seen;
  std::function<void(TilleggsutstyrEdit&)> change;
  ScopedEditor<TilleggsutstyrEdit> dialog([&](TilleggsutstyrEdit& edit) {
    seen = edit;
    change(edit);
    return true;
  });
  change = [&](TilleggsutstyrEdit& edit) {
    edit.Type = &Valve();
    edit.Count = 3;
  };
  EXPECT_EQ(accessory.EditInput(), 1);
  EXPECT_EQ(accessory.Name, "Ventil; 3 stk");
  EXPECT_EQ(Valve().Users, std::vector<CItem*>{&accessory});

  change = [&](TilleggsutstyrEdit& edit) {
    edit.UserLength = 1;
    edit.UserName = "Flens";
    edit.Type = nullptr;
  };
  EXPECT_EQ(accessory.EditInput(), 1);
  EXPECT_EQ(seen.Type, &Valve());
  EXPECT_EQ(seen.Count, 3);
  EXPECT_EQ(accessory.Name, "Flens; 3 stk");
  EXPECT_TRUE(Valve().Users.empty()) << "the user entry left the old type";

  change = [](TilleggsutstyrEdit& edit) { edit.Count = 4; };
  EXPECT_EQ(accessory.EditInput(), 1);
  EXPECT_EQ(seen.UserName, "Flens") << "the dialog gets the user's own text back";
  EXPECT_EQ(accessory.Name, "Flens; 4 stk");
}

TEST_F(TilleggsutstyrTest, CancelChangesNothing) {
  CTilleggsutstyr accessory;
  accessory.Name = "Ventil; 1 stk";
  accessory.AccessoryType = &Valve();
  ScopedEditor<TilleggsutstyrEdit> dialog([](TilleggsutstyrEdit& edit) {
    edit.Type = nullptr;
    edit.Count = 9;
    return false;
  });
  EXPECT_EQ(accessory.EditInput(), 0);
  EXPECT_EQ(accessory.Count, 1);
  EXPECT_EQ(accessory.AccessoryType, &Valve());
  EXPECT_EQ(accessory.Name, "Ventil; 1 stk");
}

TEST_F(TilleggsutstyrTest, StoredAccessoryAndRemovedType) {
  Bytes bytes;
  {
    CTilleggsutstyr accessory;
    accessory.Name = "Ventil; 2 stk";
    accessory.Count = 2;
    accessory.EquivalentLength = 0.5f;
    accessory.AccessoryType = &Valve();
    bytes = Written([&](CArchive& ar) { accessory.Serialize(ar); });
  }
  CTilleggsutstyr read;
  ReadAll(bytes, [&](CArchive& ar) { read.Serialize(ar); });
  EXPECT_EQ(read.Name, "Ventil; 2 stk");
  EXPECT_EQ(read.Count, 2);
  EXPECT_EQ(read.EquivalentLength, 0.5f);
  EXPECT_EQ(read.AccessoryType, &Valve());
  EXPECT_TRUE(platform.events.empty());

  // A type that is gone: the user picks another from the list.
  Valve().Name = "Kran";
  CTilleggsutstyr replaced;
  ReadAll(bytes, [&](CArchive& ar) { replaced.Serialize(ar); });
  EXPECT_EQ(replaced.AccessoryType, &Valve());
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].kind, ScriptedPlatform::Kind::Choice);
}

}  // namespace
}  // namespace kav::test
