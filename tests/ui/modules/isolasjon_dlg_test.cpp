// The layer dialog: the choice of product and thickness by kind, the checks
// of OK, the coverings, and the user's own products edited from it.
#include "ui/modules/insulation/isolasjon_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "core/data_directory.h"
#include "data/reference_data.h"
#include "input_dialog_fixture.h"
#include "modules/insulation/isolasjon_edit.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"

namespace kav::test {
namespace {

class LayerDialogTest : public InputDialogTest {
 protected:
  // A product for pipes whose standard thicknesses all have a pipe range.
  CIsoProdukt& PipeProduct() { return *Doc().Database().InsulationProducts[0]; }
};

TEST_F(LayerDialogTest, AProductAndAThicknessMustBeChosen) {
  IsolasjonEdit edit(CIsolasjon(code::Usage::Pipe, 1, 1), 60.3f);
  CIsolasjonDlg dialog(edit);
  ShowActive(dialog);
  ProductChoiceGroup& standard = dialog.Products(0);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må velge et isolasjonsprodukt.");
  EXPECT_EQ(QApplication::focusWidget(), &standard.ProductBox());

  Choose(standard.ProductBox(), PipeProduct().Name);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må velge en isolasjonstykkelse i dropplista.");
  EXPECT_EQ(QApplication::focusWidget(), &standard.RowBox());

  Choose(standard.RowBox(), "30.0");
  EXPECT_EQ(standard.RangeText().text(), QStringLiteral("Rørdiameter: 12.0 - 219.1 mm"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(edit.Layer.Product, &PipeProduct());
  EXPECT_EQ(edit.Layer.ThicknessRow, PipeProduct().Thicknesses[1]);
  EXPECT_EQ(edit.Layer.OwnThickness, 0);
}

TEST_F(LayerDialogTest, AStandardThicknessOutsideItsPipeRangeAsks) {
  CIsolasjon layer(code::Usage::Pipe, 1, 1);
  layer.Product = &PipeProduct();
  layer.ThicknessRow = PipeProduct().Thicknesses[0];  // 20 mm, pipes 12 to 114.3 mm
  IsolasjonEdit edit(layer, 168.3f);
  CIsolasjonDlg dialog(edit);
  platform.answers = {false, true};
  EXPECT_FALSE(Ok(dialog)) << "Cancel stays";
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(),
            "Maksimal rørdiameter for valgt tykkelse (20.0 mm) av " + PipeProduct().Name +
                " er 114.3 mm, hvis du velger OK vil det allikevel bli utført beregninger.");
}

TEST_F(LayerDialogTest, ATypedThicknessLiesWithinTheProductsLimits) {
  CIsolasjon layer(code::Usage::Pipe, 1, 1);
  layer.Product = &PipeProduct();
  IsolasjonEdit edit(layer, 60.3f);
  CIsolasjonDlg dialog(edit);
  ShowActive(dialog);
  ProductChoiceGroup& standard = dialog.Products(0);
  standard.OwnRadio().click();
  EXPECT_FALSE(standard.RowBox().isEnabled());
  standard.ThicknessField().setText(QStringLiteral("150"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til tykkelsen må ligge mellom 20.00 og 120.00");
  EXPECT_EQ(QApplication::focusWidget(), &standard.ThicknessField());
  standard.ThicknessField().setText(QStringLiteral("45"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(edit.Layer.OwnThickness, 1);
  EXPECT_EQ(edit.Layer.Thickness, 45.0f);
}

TEST_F(LayerDialogTest, AHoseProductNeedsASeries) {
  IsolasjonEdit edit(CIsolasjon(code::Usage::Pipe, 1, 1), 22.0f);
  CIsolasjonDlg dialog(edit);
  ASSERT_TRUE(dialog.SourceRadio(1).isEnabled()) << "hoses are offered for pipes";
  dialog.SourceRadio(1).click();
  ProductChoiceGroup& hose = dialog.Products(1);
  Choose(hose.ProductBox(), Doc().Database().HoseProducts[0]->Name);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må velge en av seriene for cellegummislangene.");
  hose.RowBox().setCurrentIndex(0);
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(edit.Layer.Source, code::Source::Hose);
  EXPECT_EQ(edit.Layer.HoseSeries, Doc().Database().HoseProducts[0]->Series[0]);
}

TEST_F(LayerDialogTest, TheJacketingIsARowOrATypedEmissivity) {
  CIsolasjon layer(code::Usage::CircularDuct, 1, 1);
  layer.Product = &PipeProduct();
  layer.OwnThickness = 1;
  IsolasjonEdit edit(layer, 0.0f);
  CIsolasjonDlg dialog(edit);
  ShowActive(dialog);
  EXPECT_FALSE(dialog.Surface().isVisibleTo(&dialog)) << "outside insulation has no duct surface";
  SurfaceChoiceGroup& jacketing = dialog.Jacketing();
  jacketing.setChecked(true);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må velge en mantling.");
  jacketing.UserRadio().click();
  jacketing.EmissivityField().setText(QStringLiteral("1.5"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til emissiviteten må ligge mellom 0.00 og 1.00");
  jacketing.EmissivityField().setText(QStringLiteral("0.3"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(edit.Layer.HasJacketing, 1);
  EXPECT_EQ(edit.Layer.UserJacketing, 1);
  EXPECT_EQ(edit.Layer.JacketingEmissivity, 0.3f);
}

TEST_F(LayerDialogTest, EditedUserProductsAreOfferedAgainAndFollowed) {
  auto own = std::make_unique<CEgendefIsoProdukt>();
  own->Name = "Eget skum";
  own->UseFlags[0] = 1;
  Doc().UserDatabase().UserProducts.Append(std::move(own));
  IsolasjonEdit edit(CIsolasjon(code::Usage::Pipe, 1, 1), 60.3f);
  CIsolasjonDlg dialog(edit);
  dialog.SourceRadio(2).click();
  ProductChoiceGroup& user = dialog.Products(2);
  Choose(user.ProductBox(), "Eget skum");

  ScopedEditor<UserDatabaseLists> database([](UserDatabaseLists& lists) {
    lists.UserProducts[0]->Name = "Eget skum, ny utgave";
    auto added = std::make_unique<CEgendefIsoProdukt>();
    added->Name = "Annet skum";
    added->UseFlags[0] = 1;
    lists.UserProducts.Append(std::move(added));
    return true;
  });
  dialog.EditUserProductsButton().click();
  EXPECT_EQ(user.ProductBox().count(), 2);
  EXPECT_EQ(user.ProductBox().currentText(), QStringLiteral("Eget skum, ny utgave"))
      << "the chosen product follows its edited copy";
  EXPECT_EQ(edit.Layer.UserProduct, Doc().UserDatabase().UserProducts[0]);
  const std::filesystem::path file = DataDirectory() / "egendef.dat";
  EXPECT_TRUE(std::filesystem::exists(file)) << "the user database was written";
}

}  // namespace
}  // namespace kav::test
