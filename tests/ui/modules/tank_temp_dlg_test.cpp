// The tank dialog as the user drives it: a calculation done through the
// dialogs, the fields each shape uses, and the checks of OK in their order
// (a start at the liquid's freezing point is allowed, one below it not).
#include "ui/modules/tank_temp/tank_temp_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/liquid_group.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

class TankDialogTest : public InputDialogTest {
 protected:
  TankTempInputs inputs;  // after the document: gone before its rows
};

TEST_F(TankDialogTest, ACalculationThroughTheDialogs) {
  ModalAnswers answers;
  answers.Then([this](QWidget& window) {
    auto& dialog = static_cast<CTankTempDlg&>(window);
    CMultiButton& shape = dialog.ShapeButton();
    QTest::mouseClick(&shape, Qt::LeftButton, {}, shape.HitRect(1).center());
    Field(dialog, "diameter").setText(QStringLiteral("1.2"));
    Field(dialog, "length").setText(QStringLiteral("2"));
    Choose(dialog.Liquid().LiquidBox(), "Vann");
    dialog.Surroundings().Ambient().setText(QStringLiteral("-15"));
    Field(dialog, "startTemperature").setText(QStringLiteral("60"));
    Field(dialog, "storageTime").setText(QStringLiteral("2000"));
    dialog.Layer().Button().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsolasjonDlg&>(window);
    ChooseFirstProduct(dialog, false);
    Choose(dialog.Products(0).RowBox(), "50.0");
    dialog.accept();
  });

  Doc().SetActiveModule(CTankTempModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);
  auto& module = static_cast<CTankTempModul&>(Doc().Module(CTankTempModul::kPage));
  EXPECT_EQ(module.Shape, code::TankShape::Cylinder);
  EXPECT_EQ(module.Diameter, 1.2f);
  EXPECT_EQ(module.StorageTime, 2000.0f);
  ASSERT_NE(module.Liquid, nullptr);
  EXPECT_EQ(module.Liquid->Name, "Vann");
  ASSERT_EQ(module.ResultsValid, 1) << platform.Texts().front();
  ASSERT_TRUE(module.LastResult.has_value());
  EXPECT_TRUE(module.LastResult->freezes);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::FreezingBeforeStorageEnds)});
  EXPECT_NE(module.ResultTable.FormatAsText().find(Str(ids::FreezingPointReachedAfter)),
            std::string::npos);
}

TEST_F(TankDialogTest, EachShapeTakesItsOwnDimensions) {
  CTankTempDlg dialog(inputs);
  ShowActive(dialog);
  CMultiButton& shape = dialog.ShapeButton();
  EXPECT_TRUE(Field(dialog, "depth").isEnabled());  // a box
  EXPECT_FALSE(Field(dialog, "diameter").isEnabled());
  QTest::mouseClick(&shape, Qt::LeftButton, {}, shape.HitRect(2).center());
  EXPECT_TRUE(Field(dialog, "diameter").isEnabled());
  EXPECT_FALSE(Field(dialog, "length").isEnabled());
  EXPECT_FALSE(Field(dialog, "height").isEnabled());
  QTest::mouseClick(&shape, Qt::LeftButton, {}, shape.HitRect(1).center());
  EXPECT_TRUE(Field(dialog, "length").isEnabled());
  EXPECT_FALSE(Field(dialog, "width").isEnabled());
}

TEST_F(TankDialogTest, OkChecksInOrderDownToTheFreezingPoint) {
  CTankTempDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectInsulationProduct));
  inputs.Insulation.Product = FirstProductFor(6);

  // A box: height, width, depth; only the box's fields are checked.
  Field(dialog, "diameter").setText(QStringLiteral("0"));
  Field(dialog, "depth").setText(QStringLiteral("0.05"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til dybden må ligge mellom 0.10 og 100.00");
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "depth"));
  Field(dialog, "depth").setText(QStringLiteral("2"));

  dialog.Surroundings().findChildren<QRadioButton*>().at(1)->click();  // outdoors
  dialog.Surroundings().Wind().setText(QStringLiteral("0"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til vindhastigheten må ligge mellom 0.10 og 50.00");
  dialog.Surroundings().Wind().setText(QStringLiteral("3"));

  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectLiquid));
  dialog.Liquid().UserRadio().click();
  dialog.Liquid().FreezingPointField().setText(QStringLiteral("-5"));
  Field(dialog, "startTemperature").setText(QStringLiteral("-5.1"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(),
            "Verdien til starttemperaturen må ligge mellom -5.00 og 500.00");
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "startTemperature"));
  Field(dialog, "startTemperature").setText(QStringLiteral("-5"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.StartTemperature, -5.0f);
  EXPECT_EQ(inputs.UserLiquid, 1);
  EXPECT_EQ(inputs.UserFreezingPoint, -5.0f);
  EXPECT_EQ(inputs.Surroundings, code::Surroundings::Outdoors);
  EXPECT_EQ(inputs.Depth, 2.0f);
}

}  // namespace
}  // namespace kav::test
