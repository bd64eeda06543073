// The sound-trap dialog as the user drives it: what the duct type enables,
// the checks of OK in their order with their messages and focus, and a
// lined duct calculated through "Rediger inndata".
#include "ui/modules/lyd/lyd_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/lyd/lyd_modul.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

class SoundTrapDialogTest : public InputDialogTest {
 protected:
  static void ChooseType(CLydDlg& dialog, int type) {
    CMultiButton& button = dialog.DuctTypeButton();
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.HitRect(type).center());
  }
  std::string RangeMessage(int labelId, float min, float max) const {
    return FormatId(ids::RangeCheck, Str(labelId), min, max);
  }
  // The shipped products are named in the data, not here.
  const CAbsorpsjon& FirstProduct() { return *Doc().Database().AbsorptionProducts[0]; }

  LydInputs inputs;  // after the document: gone before its rows
};

TEST_F(SoundTrapDialogTest, ACircularDuctTakesTheOwnProductAndItsChecksComeInOrder) {
  CLydDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_TRUE(dialog.DatabaseRadio().isChecked());
  EXPECT_FALSE(Field(dialog, "diameter").isEnabled());

  ChooseType(dialog, 0);
  EXPECT_TRUE(dialog.OwnRadio().isChecked());
  EXPECT_FALSE(dialog.DatabaseRadio().isEnabled());
  EXPECT_FALSE(dialog.ProductBox().isEnabled());
  EXPECT_TRUE(Field(dialog, "diameter").isEnabled());
  EXPECT_FALSE(Field(dialog, "height").isEnabled());

  // The own thickness, then each coefficient, then the diameter, then the
  // room the lining leaves.
  Field(dialog, "ownThickness").setText(QStringLiteral("501"));
  Field(dialog, "absorption3").setText(QStringLiteral("1.1"));
  Field(dialog, "diameter").setText(QStringLiteral("3001"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), RangeMessage(ids::LabelUserThickness, 1.0f, 500.0f));
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "ownThickness"));

  Field(dialog, "ownThickness").setText(QStringLiteral("100"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), RangeMessage(ids::LabelAbsorption, 0.0f, 1.0f));
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "absorption3"));

  Field(dialog, "absorption3").setText(QStringLiteral("0.9"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), RangeMessage(ids::LabelDiameter, 1.0f, 3000.0f));

  Field(dialog, "diameter").setText(QStringLiteral("200"));  // exactly twice the lining
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SoundTrapFilled));
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "diameter"));

  Field(dialog, "diameter").setText(QStringLiteral("200.5"));
  dialog.NameField().setText(QStringLiteral("Egen foring"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.DuctType, code::DuctType::Circular);
  EXPECT_EQ(inputs.OwnValues, 1);
  EXPECT_EQ(inputs.OwnName, "Egen foring");
  EXPECT_EQ(inputs.OwnThickness, 100.0f);
  EXPECT_EQ(inputs.OwnAbsorption[3], 0.9f);
  EXPECT_EQ(inputs.Diameter, 200.5f);
}

TEST_F(SoundTrapDialogTest, ADatabaseLiningNeedsAProductAndRoomInTheSmallerSide) {
  CLydDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectAbsorptionProduct));
  EXPECT_EQ(QApplication::focusWidget(), &dialog.ProductBox());

  // A product comes with a thickness; the lining must leave the smaller of
  // height and width free.
  Choose(dialog.ProductBox(), FirstProduct().Name);
  ASSERT_GE(dialog.ThicknessBox().currentIndex(), 0);
  Choose(dialog.ThicknessBox(), "100.0");
  Field(dialog, "width").setText(QStringLiteral("200"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SoundTrapFilled));
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "width"));
  Field(dialog, "width").setText(QStringLiteral("201"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.OwnValues, 0);
  EXPECT_EQ(inputs.AbsorptionProduct.get(), &FirstProduct());
  ASSERT_NE(inputs.AbsorptionThickness.get(), nullptr);
  EXPECT_EQ(inputs.AbsorptionThickness->Name, "100.0");
}

TEST_F(SoundTrapDialogTest, ALinedDuctCalculatedThroughTheDialog) {
  const std::string product = FirstProduct().Name;
  ModalAnswers answers;
  answers.Then([&](QWidget& window) {
    auto& dialog = static_cast<CLydDlg&>(window);
    ChooseType(dialog, 1);
    Choose(dialog.ProductBox(), product);
    Choose(dialog.ThicknessBox(), "50.0");
    Field(dialog, "height").setText(QStringLiteral("400"));
    Field(dialog, "width").setText(QStringLiteral("600"));
    dialog.accept();
  });

  Doc().SetActiveModule(CLydModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);
  // 300 mm free: the warning for the bands above 2000 Hz.
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::CrossDimensionAbove200)});

  auto& module = static_cast<CLydModul&>(Doc().Module(CLydModul::kPage));
  ASSERT_EQ(module.ResultsValid, 1);
  EXPECT_EQ(module.AbsorptionProduct->Name, product);
  EXPECT_EQ(module.AbsorptionThickness->Name, "50.0");
  const std::string table = module.ResultTable.FormatAsText();
  EXPECT_NE(table.find("Akustisk tverrdimensjon\t300,0 mm"), std::string::npos) << table;
  EXPECT_NE(module.InputTable.FormatAsText().find(product), std::string::npos);
}

}  // namespace
}  // namespace kav::test
