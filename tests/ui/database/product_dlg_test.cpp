// The standard insulation product's dialog: the polynomial's fields and
// "Beregn koeffisienter...", whose points start from the polynomial the
// dialog holds and whose fit comes back as rounded texts.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "core/strings.h"
#include "data/active_list.h"
#include "data/iso_produkt.h"
#include "input_dialog_fixture.h"
#include "ui/database/coefficient_fields.h"
#include "ui/database/iso_produkt_dlg.h"
#include "ui/database/koeff_beregning_dlg.h"
#include "ui/panels/product_fields.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

class ProductDlgTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    product.Name = "Rørskål";
    product.UseFlags[0] = 1;
    product.MaxTemperature = 150.0f;
    product.C3 = 1.2345678e-9f;
    auto thickness = std::make_unique<CIsoTykkelse>();
    thickness->UpdateName();
    product.Thicknesses.Append(std::move(thickness));
  }

  static QString Text(const char* format, float value) {
    return QString::fromStdString(Format(format, value));
  }

  CIsoProdukt product;
  ModalAnswers answers;
};

TEST_F(ProductDlgTest, UntouchedCoefficientsKeepTheirExactValues) {
  const CIsoProdukt before = product;
  CIsoProduktDlg dialog(product);
  dialog.Coefficients().Field(1).setText(QStringLiteral("2e-4"));
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(product.C3, before.C3) << "not rounded through its text";
  EXPECT_EQ(product.C2, before.C2);
  EXPECT_EQ(product.C1, 2e-4f);
  EXPECT_EQ(product.C0, before.C0);
}

TEST_F(ProductDlgTest, TheFitStartsFromTheHeldPolynomialAndComesBackRounded) {
  CIsoProduktDlg dialog(product);
  // Typed text is not where the fit starts.
  dialog.Coefficients().Field(0).setText(QStringLiteral("0.05"));
  dialog.Fields().MaxThicknessField().setText(QStringLiteral("900"));
  std::array<float, 4> fitted{};
  answers.Then([&](QWidget& window) {
    auto& fit = static_cast<CKoeffBeregningDlg&>(window);
    CCurveButton& curve = fit.Points().Curve();
    EXPECT_EQ(curve.Temperatures(), (std::array<float, 4>{0.0f, 50.0f, 100.0f, 150.0f}));
    EXPECT_EQ(curve.Lambdas()[0], 0.034f);
    EXPECT_EQ(curve.Lambdas()[3], product.Lambda(150.0f));
    EXPECT_EQ(fit.CoefficientText(0), QStringLiteral("0.034"));
    EXPECT_NEAR(curve.Coefficients()[0], product.C3, 1e-11f) << "unchanged points: same cubic";

    fit.Points().LambdaField(3).setText(QStringLiteral("0.08"));
    EXPECT_EQ(curve.Lambdas()[3], 0.08f);
    fitted = curve.Coefficients();
    EXPECT_EQ(fit.CoefficientText(3), Text("%.3e", fitted[0])) << "refreshed at once";
    fit.Points().LambdaField(2).setText(QStringLiteral("1.5"));
    EXPECT_EQ(curve.Coefficients(), fitted) << "out of range: no refit";
    fit.accept();
  });
  dialog.FitButton().click();
  ASSERT_TRUE(answers.AllUsed());
  EXPECT_EQ(dialog.Coefficients().Field(3).text(), Text("%.3e", fitted[0]));
  EXPECT_EQ(dialog.Coefficients().Field(1).text(), Text("%.3e", fitted[2]));
  EXPECT_EQ(dialog.Coefficients().Field(0).text(), Text("%.3f", fitted[3]));

  // A second fit starts from the first one's coefficients.
  answers.Then([&](QWidget& window) {
    auto& fit = static_cast<CKoeffBeregningDlg&>(window);
    EXPECT_NEAR(fit.Points().Curve().Lambdas()[3], 0.08f, 1e-5f);
    fit.reject();
  });
  dialog.FitButton().click();
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(product.C3, ParseNumber(Text("%.3e", fitted[0])).value()) << "as the text shows";
  EXPECT_EQ(product.MaxThickness, 900.0f);
  EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(ProductDlgTest, OkChecksInOrderAndTheNameAgainstTheOtherProducts) {
  Doc().Database().InsulationProducts.Append(CloneAs(product));
  product.UseFlags[0] = 0;
  CIsoProduktDlg dialog(product);
  dialog.Coefficients().Field(0).setText(QStringLiteral("600"));
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(), "Skriv inn et tall mellom -5 og 500");
  dialog.Coefficients().Field(0).setText(QStringLiteral("0.04"));
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(), "Isolasjonen må ha minst et bruksområde.");
  dialog.Fields().UseFlag(0).setChecked(true);
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(), "Dette navnet er allerede brukt.");
  EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(ProductDlgTest, AStandardThicknessThatALayerUsesIsNotDeleted) {
  CListItem layer("Lag 1");
  product.Thicknesses[0]->AddUser(&layer);
  CIsoProduktDlg dialog(product);
  ListPanel& thicknesses = dialog.Fields().Thicknesses();
  thicknesses.DeleteButton().click();
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::ElementInUse)});
  EXPECT_EQ(product.Thicknesses.size(), 1u);
  product.Thicknesses[0]->RemoveUser(&layer);
  platform.answers = {true};
  thicknesses.DeleteButton().click();
  EXPECT_TRUE(product.Thicknesses.empty());
}

}  // namespace
}  // namespace kav::test
