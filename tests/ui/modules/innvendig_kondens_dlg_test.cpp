// The internal-condensation dialog as the user drives it: a calculation
// done through the dialogs, the inlet that must differ from the ambient, and
// the flow converted with the duct's own cross-section.
#include "ui/modules/innvendig_kondens/innvendig_kondens_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/panels/flow_group.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

class InternalCondensationDialogTest : public InputDialogTest {
 protected:
  InnvendigKondensInputs inputs;  // after the document: gone before its rows
};

TEST_F(InternalCondensationDialogTest, ACalculationThroughTheDialogs) {
  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CInnvendigKondensDlg&>(window);
    Field(dialog, "diameter").setText(QStringLiteral("400"));
    Field(dialog, "length").setText(QStringLiteral("15"));
    Field(dialog, "inletTemperature").setText(QStringLiteral("28"));
    dialog.Surroundings().Ambient().setText(QStringLiteral("-10"));
    dialog.Flow().FlowField().setText(QStringLiteral("800"));
    dialog.Hangers().click();
    dialog.Layer().Button().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsolasjonDlg&>(window);
    ChooseFirstProduct(dialog, false);
    dialog.accept();
  });

  Doc().SetActiveModule(CInnvendigKondensModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);
  auto& module = static_cast<CInnvendigKondensModul&>(Doc().Module(CInnvendigKondensModul::kPage));
  EXPECT_EQ(module.Diameter, 400.0f);
  EXPECT_EQ(module.Flow, 800.0f);
  EXPECT_EQ(module.UninsulatedHangers, 1);
  ASSERT_EQ(module.ResultsValid, 1) << platform.Texts().front();
  ASSERT_TRUE(module.LastResult.has_value());
  EXPECT_TRUE(module.LastResult->insulated);
  EXPECT_NE(module.ResultTable.FormatAsText().find(Str(ids::InnerSurfaceTemperatureAtOutlet)),
            std::string::npos);
}

TEST_F(InternalCondensationDialogTest, TheInletMustDifferATenthFromTheAmbient) {
  inputs.Insulation.Product = FirstProductFor(1);
  CInnvendigKondensDlg dialog(inputs);
  ShowActive(dialog);
  dialog.Surroundings().Ambient().setText(QStringLiteral("20"));
  Field(dialog, "inletTemperature").setText(QStringLiteral("20.05"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(platform.Texts().back(), Str(ids::TooSmallInletTemperatureDifference));
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "inletTemperature"));
  Field(dialog, "inletTemperature").setText(QStringLiteral("20.1"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.InletTemperature, 20.1f);
}

TEST_F(InternalCondensationDialogTest, OkChecksInOrderAndTheFlowFollowsTheDuct) {
  CInnvendigKondensDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectInsulationProduct));
  inputs.Insulation.Product = FirstProductFor(1);

  // A rectangular duct of 0.5 x 0.4 m: 1800 m³/h is 2.5 m/s.
  CMultiButton2& duct = dialog.DuctButton();
  QTest::mouseClick(&duct, Qt::LeftButton, {}, duct.HitRect(1).center());
  EXPECT_FALSE(Field(dialog, "diameter").isEnabled());
  Field(dialog, "height").setText(QStringLiteral("500"));
  Field(dialog, "width").setText(QStringLiteral("400"));
  dialog.Flow().FlowField().setText(QStringLiteral("1800"));
  dialog.Flow().UnitRadio(code::FlowUnit::MetresPerSecond).click();
  EXPECT_EQ(dialog.Flow().FlowField().text(), QStringLiteral("2.500"));
  dialog.Flow().FlowField().setText(QStringLiteral("60"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til mediestrømmen må ligge mellom 0.00 og 50.00");

  dialog.Flow().FlowField().setText(QStringLiteral("2.5"));
  dialog.UserInnerCoefficient().click();
  Field(dialog, "innerCoefficient").setText(QStringLiteral("0"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(),
            "Verdien til det indre varmeovergangstallet må ligge mellom 0.10 og 10000.00");
  Field(dialog, "innerCoefficient").setText(QStringLiteral("12"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.DuctShape, code::DuctShape::Rectangular);
  EXPECT_EQ(inputs.FlowUnit, code::FlowUnit::MetresPerSecond);
  EXPECT_EQ(inputs.Flow, 2.5f);
  EXPECT_EQ(inputs.UserInnerCoefficient, 1);
  EXPECT_EQ(inputs.InnerCoefficient, 12.0f);
}

}  // namespace
}  // namespace kav::test
