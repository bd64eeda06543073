// The frost dialog as the user drives it: a calculation done through it,
// and the rules of its fields and the checks of OK in their order.
#include "ui/modules/frost/frost_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/frost/frost_modul.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/percent_field.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

class FrostDialogTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    pipeProduct = FirstProductFor(0, true);
    ASSERT_NE(pipeProduct, nullptr);
  }

  CIsoProdukt* pipeProduct = nullptr;
  FrostInputs inputs;  // after the document: gone before its rows
};

TEST_F(FrostDialogTest, ACalculationThroughTheDialog) {
  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CFrostDlg&>(window);
    CMultiButton2& pipe = dialog.PipeButton();
    QTest::mouseClick(&pipe, Qt::LeftButton, {}, pipe.VariantRect(1).center());
    Field(dialog, "diameter").setText(QStringLiteral("28"));
    dialog.Surroundings().Ambient().setText(QStringLiteral("-15"));
    Field(dialog, "startTemperature").setText(QStringLiteral("8"));
    dialog.FreezingDegree().Bar().setValue(50);
    EXPECT_EQ(dialog.FreezingDegree().Field().text(), QStringLiteral("50"));
    dialog.Layer().Button().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsolasjonDlg&>(window);
    ChooseFirstProduct(dialog);
    dialog.accept();
  });

  Doc().SetActiveModule(CFrostModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);

  auto& module = static_cast<CFrostModul&>(Doc().Module(CFrostModul::kPage));
  EXPECT_EQ(module.Vertical, 1);
  EXPECT_EQ(module.Diameter, 28.0f);
  EXPECT_EQ(module.AmbientTemperature, -15.0f);
  EXPECT_EQ(module.StartTemperature, 8.0f);
  EXPECT_EQ(module.FreezingDegree, 50.0f);
  ASSERT_NE(module.Insulation.Product, nullptr);
  ASSERT_GT(module.Insulation.ThicknessAt(28.0f), 0.0f);
  ASSERT_EQ(module.ResultsValid, 1) << platform.Texts().front();
  EXPECT_NE(module.ResultTable.FormatAsText().find(Str(ids::TotalFrostBurstTime)),
            std::string::npos);
}

// The field rules first (the air must be below 0 °C, −0.1 °C is taken),
// then the product, its temperature, and the surroundings.
TEST_F(FrostDialogTest, OkChecksTheFieldsThenTheProductThenTheSurroundings) {
  CFrostDlg dialog(inputs);
  ShowActive(dialog);
  NumberField& ambient = dialog.Surroundings().Ambient();
  ambient.setText(QStringLiteral("0"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Skriv inn et tall mellom -60 og -0.1");
  EXPECT_EQ(QApplication::focusWidget(), &ambient);
  ambient.setText(QStringLiteral("-0.1"));
  for (const auto& [field, text] :
       {std::pair{"startTemperature", "100.5"}, std::pair{"freezingDegree", "101"},
        std::pair{"diameter", "0.5"}}) {
    NumberField& refused = Field(dialog, field);
    const QString kept = refused.text();
    refused.setText(QString::fromLatin1(text));
    EXPECT_FALSE(Ok(dialog)) << field;
    EXPECT_EQ(QApplication::focusWidget(), &refused) << field;
    refused.setText(kept);
  }

  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectInsulationProduct));
  EXPECT_EQ(QApplication::focusWidget(), &dialog.Layer().Button());

  inputs.Insulation.Product = pipeProduct;
  inputs.Insulation.ThicknessRow = pipeProduct->Thicknesses[0];
  pipeProduct->MaxTemperature = 10.0f;
  Field(dialog, "startTemperature").setText(QStringLiteral("12"));
  platform.answers = {false};
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::MediumAboveProductMaxTemperature));

  platform.Clear();
  platform.answers = {true};
  for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
    if (radio->text() == QStringLiteral("Ute (tvungen konveksjon)")) radio->click();
  }
  dialog.Surroundings().Wind().setText(QStringLiteral("0"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til vindhastigheten må ligge mellom 0.10 og 50.00");
  dialog.Surroundings().Wind().setText(QStringLiteral("3"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.AmbientTemperature, -0.1f);
  EXPECT_EQ(inputs.StartTemperature, 12.0f);
  EXPECT_EQ(inputs.Surroundings, code::Surroundings::Outdoors);
}

}  // namespace
}  // namespace kav::test
