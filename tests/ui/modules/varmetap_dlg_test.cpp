// The heat-loss dialog as the user drives it: the checks of OK with their
// messages and focus, the geometry change that resets the layers, the
// accessories through their own dialog, and what OK writes back.
#include "ui/modules/varme_tap/varmetap_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/insulation/isolasjon_edit.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/modules/insulation/tilleggsutstyr_dlg.h"
#include "ui/widgets/list_editor.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

class HeatLossDialogTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    // A pipe with a product for pipes and a typed-in thickness: OK passes.
    pipeProduct = FirstProductFor(0);
    ASSERT_NE(pipeProduct, nullptr);
    inputs.Layer1.Product = pipeProduct;
    inputs.Layer1.OwnThickness = 1;
  }

  static QCheckBox& Box(const QWidget& dialog, const QString& text) {
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
      if (box->text() == text) return *box;
    }
    ADD_FAILURE() << text.toStdString();
    return *dialog.findChild<QCheckBox*>();
  }

  CIsoProdukt* pipeProduct = nullptr;
  VarmeTapInputs inputs;  // after the document: gone before its rows
};

TEST_F(HeatLossDialogTest, MediumAndAmbientMustDifferByATenth) {
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  Field(dialog, "mediumTemperature").setText(QStringLiteral("20"));
  Field(dialog, "ambientTemperature").setText(QStringLiteral("20"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(platform.Texts().back(),
            "Beregningen utføres bare når det minst er 0.1°C forskjell på medietemperatur og "
            "omgivelsestemperatur.");
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "mediumTemperature"));

  Field(dialog, "mediumTemperature").setText(QStringLiteral("65"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(inputs.MediumTemperature, 65.0f);
  EXPECT_EQ(inputs.AmbientTemperature, 20.0f);
}

TEST_F(HeatLossDialogTest, AGivenSurfaceTemperatureLiesATenthInsideTheTwoTemperatures) {
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  dialog.CriterionRadio(1).click();
  EXPECT_TRUE(Field(dialog, "surfaceTemperature").isEnabled());
  EXPECT_FALSE(Field(dialog, "length").isEnabled());
  Field(dialog, "surfaceTemperature").setText(QStringLiteral("20"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(),
            "Verdien til overflatetemperaturen må ligge mellom 20.10 og 49.90");
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "surfaceTemperature"));

  Field(dialog, "surfaceTemperature").setText(QStringLiteral("20.1"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(inputs.Criterion, code::Criterion::GivenSurfaceTemperature);
  EXPECT_EQ(inputs.GivenSurfaceTemperature, 20.1f);
  EXPECT_EQ(inputs.Layer1.ThicknessGiven, 0) << "the thickness is searched";
}

TEST_F(HeatLossDialogTest, AColdMediumNeedsANegativeMaximumHeatLoss) {
  inputs.Criterion = code::Criterion::GivenMaxHeatLoss;
  inputs.MediumTemperature = 5.0f;
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  Field(dialog, "maxHeatLoss").setText(QStringLiteral("10"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til varmetapet må ligge mellom -5000.00 og -1.00");
  Field(dialog, "maxHeatLoss").setText(QStringLiteral("-1"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(inputs.GivenMaxHeatLoss, -1.0f);
}

TEST_F(HeatLossDialogTest, TheClassCriterionDoesNotCheckTheLossItCalculates) {
  // A positive loss left from a hot case, in a field the user cannot reach.
  inputs.Criterion = code::Criterion::InsulationClass;
  inputs.MediumTemperature = 5.0f;
  inputs.GivenMaxHeatLoss = 10.0f;
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_FALSE(Field(dialog, "maxHeatLoss").isEnabled());
  EXPECT_TRUE(Ok(dialog)) << platform.Texts().back();
}

TEST_F(HeatLossDialogTest, TheOperatingTimeIsAtMostAYear) {
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  Box(dialog, QStringLiteral("Beregn energitap/kostnad/utslipp")).click();
  Field(dialog, "operatingHours").setText(QStringLiteral("8761"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til driftstiden må ligge mellom 1.00 og 8760.00");
  EXPECT_EQ(QApplication::focusWidget(), &Field(dialog, "operatingHours"));
  Field(dialog, "operatingHours").setText(QStringLiteral("8760"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(inputs.CalcEnergy, 1);
  EXPECT_EQ(inputs.OperatingHours, 8760.0f);
}

TEST_F(HeatLossDialogTest, TheFirstLayerNeedsAProductAndTheChecksComeInOrder) {
  inputs.Layer1.Product = nullptr;
  inputs.Diameter = 2000.0f;
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må velge et isolasjonsprodukt.");
  EXPECT_EQ(QApplication::focusWidget(), &dialog.LayerButton(1));

  inputs.Layer1.Product = pipeProduct;
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til diameteren må ligge mellom 1.00 og 1500.00");
}

TEST_F(HeatLossDialogTest, FlatSurfacesHaveAnAreaAndALossPerSquareMetre) {
  inputs.Geometry = code::Geometry::FlatOutside;
  CVarmetapDlg dialog(inputs);
  EXPECT_EQ(dialog.HeatLossLabel().text(), QStringLiteral("Varmetap [W/m²]:"));
  EXPECT_TRUE(Field(dialog, "area").isEnabled());
  EXPECT_FALSE(Field(dialog, "length").isEnabled());
  EXPECT_FALSE(Field(dialog, "diameter").isEnabled());
  EXPECT_FALSE(Field(dialog, "height").isEnabled()) << "a horizontal surface has no height";
}

TEST_F(HeatLossDialogTest, ChangingTheGeometryAfterChoosingLayersAsksAndResets) {
  CTillegg2* valve = Doc().Database().AccessoryTypes[0];
  ScopedEditor<IsolasjonEdit> layerDialog([&](IsolasjonEdit& edit) {
    edit.Layer.Product = pipeProduct;
    return true;
  });
  ScopedEditor<TilleggsutstyrEdit> accessoryDialog([&](TilleggsutstyrEdit& edit) {
    edit.Type = valve;
    return true;
  });
  inputs.HasAccessories = 1;
  CVarmetapDlg dialog(inputs);
  ShowActive(dialog);
  dialog.LayerButton(1).click();
  dialog.Accessories().NewButton().click();
  ASSERT_EQ(inputs.Accessories.size(), 1u);

  CMultiButton2& geometry = dialog.GeometryButton();
  platform.answers = {false};
  QTest::mouseClick(&geometry, Qt::LeftButton, {}, geometry.HitRect(1).center());
  EXPECT_EQ(platform.Texts().back(),
            "Advarsel: Valg av isoleringslag må gjøres på nytt når du forandrer produkttype.");
  EXPECT_EQ(geometry.State(), 0) << "Cancel keeps the geometry";
  EXPECT_EQ(inputs.Layer1.Product, pipeProduct);
  EXPECT_EQ(inputs.Accessories.size(), 1u);

  platform.answers = {true};
  QTest::mouseClick(&geometry, Qt::LeftButton, {}, geometry.HitRect(1).center());
  EXPECT_EQ(geometry.State(), 1);
  EXPECT_EQ(inputs.Layer1.Product, nullptr);
  EXPECT_EQ(inputs.Layer1.Usage, code::Usage::CircularDuct);
  EXPECT_EQ(inputs.Layer2.Usage, code::Usage::CircularDuct);
  EXPECT_EQ(inputs.Layer2.FirstLayer, 0);
  EXPECT_TRUE(inputs.Accessories.empty());
  EXPECT_EQ(dialog.Accessories().View().topLevelItemCount(), 0);
  EXPECT_TRUE(valve->Users.empty()) << "the accessory is gone";
  EXPECT_EQ(dialog.LayerSummary(1).text(), QString());

  platform.Clear();
  QTest::mouseClick(&geometry, Qt::LeftButton, {}, geometry.HitRect(0).center());
  EXPECT_TRUE(platform.events.empty()) << "nothing chosen since: no question";
  QTest::mouseClick(&geometry, Qt::LeftButton, {}, geometry.HitRect(1).center());

  dialog.LayerButton(1).click();
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(inputs.Geometry, code::Geometry::CircularDuct);
  EXPECT_EQ(inputs.Layer1.Usage, code::Usage::CircularDuct);
}

TEST_F(HeatLossDialogTest, TheLayerButtonsHandTheLayerDialogTheirPipe) {
  std::vector<float> diameters;
  ScopedEditor<IsolasjonEdit> layerDialog([&](IsolasjonEdit& edit) {
    diameters.push_back(edit.PipeDiameter);
    EXPECT_EQ(edit.Layer.ThicknessGiven, 1);
    edit.Layer.Thickness = 40.0f;
    return true;
  });
  CVarmetapDlg dialog(inputs);
  Field(dialog, "diameter").setText(QStringLiteral("60"));
  Box(dialog, QStringLiteral("2-lags isolasjon")).click();
  dialog.LayerButton(1).click();
  dialog.LayerButton(2).click();
  EXPECT_EQ(diameters, (std::vector<float>{60.0f, 140.0f})) << "the second lies on the first";
  EXPECT_EQ(dialog.LayerSummary(1).text(),
            QString::fromStdString("Produkt:\n" + pipeProduct->Name + "\nTykkelse: 40.0 mm"));
}

TEST_F(HeatLossDialogTest, AccessoriesAreAddedChangedAndDeletedThroughTheirDialog) {
  inputs.HasAccessories = 1;
  // Not shown: the answers are meant for the accessory dialogs alone.
  CVarmetapDlg dialog(inputs);
  ListPanel& list = dialog.Accessories();
  const std::string type = Doc().Database().AccessoryTypes[1]->Name;
  ModalAnswers answers;
  answers.Then([&](QWidget& window) {
    auto& accessory = static_cast<CTilleggsutstyrDlg&>(window);
    Choose(accessory.TypeBox(), type);
    accessory.CountField().setValue(2);
    accessory.accept();
  });
  list.NewButton().click();
  ASSERT_EQ(list.View().topLevelItemCount(), 1);
  EXPECT_EQ(list.View().topLevelItem(0)->text(0), QString::fromStdString(type + "; 2 stk"));

  answers.Then([](QWidget& window) {
    auto& accessory = static_cast<CTilleggsutstyrDlg&>(window);
    EXPECT_EQ(accessory.CountField().value(), 2);
    accessory.CountField().setValue(3);
    accessory.accept();
  });
  list.UpdateButton().click();
  EXPECT_EQ(list.View().topLevelItem(0)->text(0), QString::fromStdString(type + "; 3 stk"));

  answers.Then([&](QWidget& window) {
    auto& accessory = static_cast<CTilleggsutstyrDlg&>(window);
    accessory.accept();
    EXPECT_TRUE(accessory.isVisible()) << "no type chosen";
    EXPECT_EQ(platform.Texts().back(), "Du må velge en type tilleggsutstyr.");
    EXPECT_EQ(QApplication::focusWidget(), &accessory.TypeBox());
    accessory.reject();
  });
  list.NewButton().click();
  EXPECT_EQ(list.View().topLevelItemCount(), 1) << "a cancelled new accessory is dropped";
  EXPECT_EQ(answers.Unexpected(), 0);

  list.View().setCurrentItem(list.View().topLevelItem(0));
  platform.answers = {true};
  list.DeleteButton().click();
  EXPECT_EQ(list.View().topLevelItemCount(), 0);
  EXPECT_EQ(platform.Texts().back(), "\"" + type + "; 3 stk\" slettes nå!");
  EXPECT_TRUE(Ok(dialog));
  EXPECT_TRUE(inputs.Accessories.empty());
}

}  // namespace
}  // namespace kav::test
