// The external-condensation dialog and its room types as the user drives
// them: a calculation done through the dialogs, the object change that
// resets the layers, and the checks of OK in their order.
#include "ui/modules/utvendig_kondens/utvendig_kondens_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/insulation/isolasjon_edit.h"
#include "modules/utvendig_kondens/room_types.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/utvendig_kondens/room_temp_dlg.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/percent_field.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

using code::CondensationObject;

class ExternalCondensationDialogTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    pipeProduct = FirstProductFor(0);
    ASSERT_NE(pipeProduct, nullptr);
  }
  static void ClickObject(CUtvendigKondensDlg& dialog, CondensationObject object) {
    CMultiButton2& button = dialog.ObjectButton();
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.HitRect(code::ToInt(object)).center());
  }

  CIsoProdukt* pipeProduct = nullptr;
  UtvendigKondensInputs inputs;  // after the document: gone before its rows
};

TEST_F(ExternalCondensationDialogTest, ACalculationThroughTheDialogs) {
  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CUtvendigKondensDlg&>(window);
    ClickObject(dialog, CondensationObject::RectangularDuct);
    Field(dialog, "height").setText(QStringLiteral("300"));
    Field(dialog, "width").setText(QStringLiteral("500"));
    Field(dialog, "mediumTemperature").setText(QStringLiteral("8"));
    dialog.Humidity().Bar().setValue(70);
    EXPECT_EQ(dialog.Humidity().Field().text(), QStringLiteral("70"));
    dialog.RoomTemperatureButton().click();  // answered by the room types below
    EXPECT_EQ(dialog.Surroundings().Ambient().text(), QStringLiteral("32.0"));
    dialog.Layer(1).Button().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CRoomTempDlg&>(window);
    const auto found =
        dialog.RoomTypes().findItems(QString::fromUtf8("Tekniske rom"), Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1);
    dialog.RoomTypes().setCurrentItem(found.front());
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsolasjonDlg&>(window);
    ChooseFirstProduct(dialog, false);
    dialog.accept();
  });

  Doc().SetActiveModule(CUtvendigKondensModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);

  auto& module = static_cast<CUtvendigKondensModul&>(Doc().Module(CUtvendigKondensModul::kPage));
  EXPECT_EQ(module.ObjectType, CondensationObject::RectangularDuct);
  EXPECT_EQ(module.Layer1.Usage, code::Usage::RectangularDuct);
  EXPECT_EQ(module.AmbientTemperature, 32.0f);
  EXPECT_EQ(module.RelativeHumidity, 70.0f);
  ASSERT_NE(module.Layer1.Product, nullptr);
  ASSERT_EQ(module.ResultsValid, 1) << platform.Texts().front();
  EXPECT_NE(module.ResultTable.FormatAsText().find(Str(ids::DewPointTemperature)),
            std::string::npos);
}

TEST_F(ExternalCondensationDialogTest, TheRoomTypesNeedASelection) {
  RoomTypeChoice choice;
  CRoomTempDlg dialog(choice);
  ShowActive(dialog);
  ASSERT_EQ(dialog.RoomTypes().topLevelItemCount(), 8);
  EXPECT_EQ(dialog.RoomTypes().topLevelItem(7)->text(1), QStringLiteral("32.0"));
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectRoomType));
  dialog.RoomTypes().setCurrentItem(dialog.RoomTypes().topLevelItem(3));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(choice.selected, 3);
}

// After a product is chosen a new object asks first; OK re-initialises the
// layers for the new object's use. A circular duct insulated inside has no
// use flag: its layer dialog offers no standard products.
TEST_F(ExternalCondensationDialogTest, ANewObjectAsksAndReinitialisesTheLayers) {
  inputs.Layer1.Product = pipeProduct;
  CUtvendigKondensDlg dialog(inputs);
  ShowActive(dialog);
  platform.answers = {false};
  ClickObject(dialog, CondensationObject::CircularDuctInside);
  EXPECT_EQ(platform.Texts().back(), Str(ids::LayersMustBeChosenAgain));
  EXPECT_EQ(dialog.ObjectButton().State(), 0) << "Cancel keeps the object";
  EXPECT_EQ(inputs.Layer1.Product, pipeProduct);

  platform.answers = {true};
  ClickObject(dialog, CondensationObject::CircularDuctInside);
  EXPECT_EQ(inputs.ObjectType, CondensationObject::CircularDuctInside);
  EXPECT_EQ(inputs.Layer1.Usage, code::Usage::CircularDuctInside);
  EXPECT_EQ(inputs.Layer1.Source, code::Source::User);
  EXPECT_EQ(inputs.Layer1.Product, nullptr);
  EXPECT_FALSE(dialog.TwoLayers().isEnabled());
  EXPECT_FALSE(Field(dialog, "height").isEnabled());

  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& layer = static_cast<CIsolasjonDlg&>(window);
    EXPECT_FALSE(layer.SourceRadio(0).isEnabled());
    EXPECT_EQ(layer.Products(0).ProductBox().count(), 0);
    layer.reject();
  });
  dialog.Layer(1).Button().click();
  EXPECT_TRUE(answers.AllUsed());

  platform.Clear();
  ClickObject(dialog, CondensationObject::Pipe);
  EXPECT_TRUE(platform.events.empty()) << "no product: no question";
}

TEST_F(ExternalCondensationDialogTest, OkChecksTheProductsThenTheDimensions) {
  inputs.ObjectType = CondensationObject::CircularDuct;
  inputs.Layer1.Reset(code::Usage::CircularDuct, 0, 1);
  inputs.Diameter = 4000.0f;
  CUtvendigKondensDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectInsulationProduct));
  EXPECT_EQ(QApplication::focusWidget(), &dialog.Layer(1).Button());

  inputs.Layer1.Product = pipeProduct;
  const float maximum = pipeProduct->MaxTemperature;
  dialog.Surroundings().Ambient().setText(QString::number(static_cast<double>(maximum) + 10.0));
  platform.answers = {false};
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), Str(ids::AmbientAboveProductMaxTemperature));

  dialog.Surroundings().Ambient().setText(QStringLiteral("20"));
  dialog.TwoLayers().click();
  EXPECT_FALSE(Ok(dialog)) << "the outer layer has no product";
  EXPECT_EQ(QApplication::focusWidget(), &dialog.Layer(2).Button());
  dialog.TwoLayers().click();

  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til diameteren må ligge mellom 1.00 og 3000.00");
  // A flat surface has no dimension to check (the product is chosen anew).
  platform.answers = {true};
  ClickObject(dialog, CondensationObject::FlatOutside);
  inputs.Layer1.Product = pipeProduct;
  Field(dialog, "mediumTemperature").setText(QStringLiteral("60"));
  EXPECT_FALSE(Ok(dialog)) << "the medium is at most 50 °C";
  Field(dialog, "mediumTemperature").setText(QStringLiteral("5"));
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
  EXPECT_EQ(inputs.ObjectType, CondensationObject::FlatOutside);
  EXPECT_EQ(inputs.MediumTemperature, 5.0f);
}

}  // namespace
}  // namespace kav::test
