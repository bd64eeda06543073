// The small shared pieces: surroundings rows, liquid properties, the older
// economic records.
#include <gtest/gtest.h>

#include "module_test_support.h"
#include "modules/common/liquid.h"
#include "modules/common/surroundings.h"
#include "modules/module_classes.h"

namespace kav::test {
namespace {

using SupportTest = ModuleTest;

TEST_F(SupportTest, SurroundingsRows) {
  TableRows indoors;
  AddSurroundingsRows(indoors, code::Surroundings::Indoors, 2.0f, 5.0f);
  EXPECT_EQ(indoors.Texts(), std::vector<std::string>{"Innendørs (fri konveksjon)"});
  TableRows outdoors;
  AddSurroundingsRows(outdoors, code::Surroundings::Outdoors, 3.25f, 5.0f);
  EXPECT_EQ(outdoors.Labels(), (std::vector<std::string>{"Omgivelser", "Vindhastighet"}));
  EXPECT_EQ(outdoors.Texts()[1], "3.2 m/s");
  TableRows own;
  AddSurroundingsRows(own, code::Surroundings::UserCoefficient, 3.0f, 7.5f,
                      ids::OuterHeatTransferCoefficientShort);
  EXPECT_EQ(own.Labels()[1], "Utv. varmeovergangstall");
  EXPECT_EQ(own.Texts(), (std::vector<std::string>{"Egendefinert utvendig overgangstall", "7.5"}));
  EXPECT_EQ(SurroundingsTextId(code::FromInt<code::Surroundings>(3)), 0);
}

TEST_F(SupportTest, LiquidPropertiesFromTheRowOrTheUser) {
  LiquidInputs liquid;
  EXPECT_EQ(liquid.Density(), 999.0f) << "a liquid row's defaults while none is chosen";
  liquid.Liquid = &Glycol();
  EXPECT_EQ(liquid.Density(), 1050.0f);
  EXPECT_EQ(liquid.HeatCapacity(), 3600.0f);
  EXPECT_EQ(liquid.FreezingPoint(), -20.0f);
  EXPECT_EQ(liquid.LiquidName(), "Glykol");
  EXPECT_TRUE(Glycol().Users.empty()) << "an unbound reference registers nobody";
  liquid.UserLiquid = 1;
  liquid.UserLiquidName = "Sprit";
  liquid.UserFreezingPoint = -5.0f;
  EXPECT_EQ(liquid.FreezingPoint(), -5.0f);
  EXPECT_EQ(liquid.LiquidName(), "Sprit");
}

TEST_F(SupportTest, LegacyEconomicRecordsReadNothing) {
  const Bytes bytes = Written([](CArchive& ar) {
    ar.WriteCount(1);
    ar.WriteWord(0xFFFF);
    ar.WriteWord(1);
    ar.WriteWord(13);
    for (char c : std::string("COkoIsolasjon")) ar.WriteByte(static_cast<std::uint8_t>(c));
  });
  ReadAll(bytes, [](CArchive& ar) {
    TypedList<CListItem> list;
    SerializeList(ar, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_STREQ(list[0]->ClassName(), "COkoIsolasjon");
  });
}

}  // namespace
}  // namespace kav::test
