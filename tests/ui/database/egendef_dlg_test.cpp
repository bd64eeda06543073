// The user's own products: the product dialog with its live conductivity
// curve and its checks, the standard thicknesses with their dialog, and the
// list of products with its questions.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include "data/egendef_database.h"
#include "input_dialog_fixture.h"
#include "ui/database/egendef_database_dlg.h"
#include "ui/database/egendef_iso_produkt_dlg.h"
#include "ui/database/iso_tykkelse_dlg.h"
#include "ui/panels/product_fields.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

std::unique_ptr<CIsoTykkelse> Thickness(float mm) {
  auto row = std::make_unique<CIsoTykkelse>();
  row->Thickness = mm;
  row->UpdateName();
  return row;
}

class UserProductTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    product.Name = "Skum";
    product.UseFlags[0] = 1;
    product.Thicknesses.Append(Thickness(30.0f));
    product.Thicknesses.Append(Thickness(50.0f));
  }

  CEgendefIsoProdukt product;
  ModalAnswers answers;
};

TEST_F(UserProductTest, TheCurveFollowsPointsInRangeOnlyAndOkStoresWhatWasTyped) {
  CEgendefIsoProduktDlg dialog(product);
  CCurveButton& curve = dialog.Curve();
  EXPECT_EQ(curve.Lambdas(), product.Lambdas) << "drawn from the start";

  dialog.LambdaField(3).setText(QStringLiteral("0.09"));
  EXPECT_EQ(curve.Lambdas()[3], 0.09f) << "in range: refitted";
  const std::array<float, 4> fitted = curve.Coefficients();
  std::array<float, 4> expected{};
  ASSERT_TRUE(FitCubic(product.Temperatures, {0.034f, 0.044f, 0.059f, 0.09f}, expected[0],
                       expected[1], expected[2], expected[3]));
  EXPECT_EQ(fitted, expected);

  dialog.LambdaField(3).setText(QStringLiteral("150"));
  EXPECT_EQ(dialog.LambdaField(3).text(), QStringLiteral("150"));
  EXPECT_EQ(curve.Lambdas()[3], 0.09f) << "out of range: the curve stays";
  EXPECT_EQ(curve.Coefficients(), fitted);
  dialog.TemperatureField(0).setText(QStringLiteral("-250"));
  EXPECT_EQ(curve.Temperatures()[0], 0.0f);

  ASSERT_TRUE(Ok(dialog));
  EXPECT_EQ(product.Lambdas[3], 150.0f) << "the typed value is kept";
  EXPECT_EQ(product.Temperatures[0], -250.0f);
  EXPECT_EQ(product.C3, fitted[0]) << "the polynomial is the curve's";
  EXPECT_EQ(product.C2, fitted[1]);
  EXPECT_EQ(product.C1, fitted[2]);
  EXPECT_EQ(product.C0, fitted[3]);
}

TEST_F(UserProductTest, OkChecksUseThicknessesAndNameInOrder) {
  auto other = std::make_unique<CEgendefIsoProdukt>();
  other->Name = "Annet";
  Doc().UserDatabase().UserProducts.Append(std::move(other));
  product.UseFlags[0] = 0;
  product.Thicknesses.Clear();
  CEgendefIsoProduktDlg dialog(product);
  ProductFields& fields = dialog.Fields();

  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Isolasjonen må ha minst et bruksområde.");
  fields.UseFlag(6).setChecked(true);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Du må legge inn minst en tykkelse!");

  product.Thicknesses.Append(Thickness(5.0f));
  product.Thicknesses.Append(Thickness(1200.0f));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Standard tykkelse(r) er mindre enn min tykkelse");
  fields.MinThicknessField().setText(QStringLiteral("5"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Standard tykkelse(r) er større enn maks tykkelse");
  fields.MaxThicknessField().setText(QStringLiteral("1200"));
  fields.NameField().setText(QStringLiteral("Annet"));
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Dette navnet er allerede brukt.");
  fields.NameField().setText(QStringLiteral("Skum"));
  EXPECT_TRUE(Ok(dialog));
  EXPECT_EQ(product.UseFlags, (std::array<int, 7>{0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(product.MinThickness, 5.0f);
  EXPECT_EQ(product.MaxThickness, 1200.0f);
}

TEST_F(UserProductTest, StandardThicknessesAreUniqueAndKeptInOrder) {
  CEgendefIsoProduktDlg dialog(product);
  ListPanel& thicknesses = dialog.Fields().Thicknesses();
  answers.Then([this](QWidget& window) {
    auto& row = static_cast<CIsoTykkelseDlg&>(window);
    EXPECT_FALSE(row.MinDiameterField().isEnabled());
    row.ThicknessField().setText(QStringLiteral("50"));
    row.accept();
    EXPECT_EQ(platform.Texts().back(), "Dette navnet er allerede brukt.");
    row.LimitedBox().click();
    row.ThicknessField().setText(QStringLiteral("40"));
    row.MinDiameterField().setText(QStringLiteral("100"));
    row.MaxDiameterField().setText(QStringLiteral("60"));
    row.accept();
    EXPECT_EQ(platform.Texts().back(), "Maks. diameter må være større enn min diameter.");
    row.MaxDiameterField().setText(QStringLiteral("200"));
    row.accept();
  });
  thicknesses.NewButton().click();
  ASSERT_EQ(product.Thicknesses.size(), 3u);
  EXPECT_EQ(product.Thicknesses[1]->Name, "40.0") << "between 30 and 50";
  EXPECT_EQ(product.Thicknesses[1]->DiameterLimited, 1);
  EXPECT_EQ(product.Thicknesses[1]->MaxDiameter, 200.0f);

  // A thickness keeps its own value without clashing with itself.
  answers.Then([](QWidget& window) { static_cast<QDialog&>(window).accept(); });
  thicknesses.View().setCurrentItem(thicknesses.View().topLevelItem(2));
  thicknesses.UpdateButton().click();
  EXPECT_EQ(product.Thicknesses[2]->Name, "50.0");
  EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(UserProductTest, TheProductListRefusesProductsInUseAndAsksAboutChanges) {
  UserDatabaseLists lists;
  lists.UserProducts.Append(CloneAs(product));
  CListItem user("Lag 1");
  lists.UserProducts[0]->AddUser(&user);
  CEgendefDatabaseDlg dialog(lists);
  QSignalSpy closed(&dialog, &QDialog::finished);
  ListPanel& products = dialog.Products();
  products.View().setCurrentItem(products.View().topLevelItem(0));
  products.DeleteButton().click();
  EXPECT_EQ(platform.Texts().back(), "Du kan ikke stryke et element som er i bruk!");
  EXPECT_EQ(lists.UserProducts.size(), 1u);

  EXPECT_TRUE(Ok(dialog)) << "no change: no question";
  EXPECT_EQ(platform.events.size(), 1u);

  lists.UserProducts[0]->RemoveUser(&user);
  platform.answers = {true};
  products.DeleteButton().click();
  EXPECT_TRUE(lists.UserProducts.empty());
  platform.answers = {false};
  dialog.reject();
  EXPECT_EQ(platform.Texts().back(), "Overse alle forandringer i databasen?");
  platform.answers = {false};
  dialog.setResult(QDialog::Rejected);
  EXPECT_FALSE(Ok(dialog));
  EXPECT_EQ(platform.Texts().back(), "Godta forandringer, og oppdater databasen?");
  EXPECT_EQ(platform.events.back().icon, Icon::Question);
  EXPECT_EQ(closed.count(), 1) << "only the first OK closed it";
}

}  // namespace
}  // namespace kav::test
