// The liquid of a pipe run or tank as the dialogs ask for it: the liquid
// list writes its values into the user's fields, the user's fields count
// only for the user's liquid, and OK checks whichever is chosen.
#include "ui/panels/liquid_group.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>

#include "input_dialog_fixture.h"
#include "modules/common/liquid.h"
#include "ui/widgets/item_dlg.h"

namespace kav::test {
namespace {

class LiquidGroupTest : public InputDialogTest {
 protected:
  LiquidGroupTest() : dialog(QStringLiteral("Medie"), "::/html/kanal.htm") {}

  CItemDlg dialog;
  LiquidGroup* group = new LiquidGroup(&dialog);
  LiquidInputs liquid;
};

TEST_F(LiquidGroupTest, ALiquidOfTheListFillsTheUserFieldsWhichOnlyTheUserLiquidEnables) {
  group->SetValues(liquid);
  EXPECT_TRUE(group->DatabaseRadio().isChecked());
  EXPECT_FALSE(group->DensityField().isEnabled());
  EXPECT_FALSE(group->NameField().isEnabled());
  EXPECT_TRUE(group->LiquidBox().isEnabled());

  Choose(group->LiquidBox(), "Propylenglykol 30 %");
  EXPECT_EQ(group->DensityField().text(), QStringLiteral("1036"));
  EXPECT_EQ(group->HeatCapacityField().text(), QStringLiteral("3790"));
  EXPECT_EQ(group->FreezingPointField().text(), QStringLiteral("-12.7"));
  EXPECT_FLOAT_EQ(group->FreezingPoint(), -12.7f);

  group->UserRadio().click();
  EXPECT_TRUE(group->DensityField().isEnabled());
  EXPECT_TRUE(group->NameField().isEnabled());
  EXPECT_FALSE(group->LiquidBox().isEnabled());
  group->FreezingPointField().setText(QStringLiteral("-3"));
  EXPECT_FLOAT_EQ(group->FreezingPoint(), -3.0f);

  group->ReadValues(liquid);
  EXPECT_EQ(liquid.UserLiquid, 1);
  ASSERT_NE(liquid.Liquid, nullptr);
  EXPECT_EQ(liquid.Liquid->Name, "Propylenglykol 30 %");
  EXPECT_EQ(liquid.UserDensity, 1036.0f);
  EXPECT_EQ(liquid.UserFreezingPoint, -3.0f);
}

TEST_F(LiquidGroupTest, OkChecksTheUserValuesInOrderOrAChosenLiquid) {
  group->SetValues(liquid);
  ShowActive(dialog);
  EXPECT_FALSE(group->CheckValues(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må velge et medie i dropplista med væsker.");
  EXPECT_EQ(QApplication::focusWidget(), &group->LiquidBox());

  group->UserRadio().click();
  group->DensityField().setText(QStringLiteral("0"));
  group->FreezingPointField().setText(QStringLiteral("300"));
  EXPECT_FALSE(group->CheckValues(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til densiteten må ligge mellom 1.00 og 2500.00");
  EXPECT_EQ(QApplication::focusWidget(), &group->DensityField());
  group->DensityField().setText(QStringLiteral("2500"));
  EXPECT_FALSE(group->CheckValues(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til frysepunktet må ligge mellom -273.00 og 200.00");
  group->FreezingPointField().setText(QStringLiteral("200"));
  EXPECT_TRUE(group->CheckValues(dialog));
}

}  // namespace
}  // namespace kav::test
