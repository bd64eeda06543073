// Rows that own sub-rows: hose products with series and steps, accessory
// types with length bands, absorption products with thicknesses. The
// sub-lists keep their order, are checked against their own rows, cannot
// be left empty, and keep a sub-row that something refers to.
#include <gtest/gtest.h>

#include <QPushButton>

#include "data/absorpsjon.h"
#include "data/korbuflex.h"
#include "data/tillegg.h"
#include "input_dialog_fixture.h"
#include "ui/database/absorpsjon_dlg.h"
#include "ui/database/absorpsjon_tykkelse_dlg.h"
#include "ui/database/korbuflex_dlg.h"
#include "ui/database/korbuflex_serie_dlg.h"
#include "ui/database/korbuflex_tykkelse_dlg.h"
#include "ui/database/tillegg_dlg.h"
#include "ui/database/tilleggslengde_dlg.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

class SubListDlgTest : public InputDialogTest {
 protected:
  // Answers the next window, a row dialog of type D, with `fill` then OK.
  template <class D>
  void Next(std::function<void(D&)> fill) {
    answers.Then([fill = std::move(fill)](QWidget& window) {
      auto& dialog = static_cast<D&>(window);
      fill(dialog);
      dialog.accept();
    });
  }
  std::string LastText() const { return platform.Texts().back(); }

  ModalAnswers answers;
};

TEST_F(SubListDlgTest, AHoseProductNeedsASeriesAndASeriesItsSteps) {
  CKorbuFlex product;
  CKorbuFlexDlg dialog(product);
  dialog.accept();
  EXPECT_EQ(LastText(), "Du må legge inn minst en serie for produktet.");

  Next<CKorbuFlexSerieDlg>([this](CKorbuFlexSerieDlg& series) {
    series.accept();
    EXPECT_EQ(LastText(), "Du må legge inn minst en tykkelse!");
    Next<CKorbuFlexTykkelseDlg>([](CKorbuFlexTykkelseDlg&) {});  // 10 mm pipes: 9 mm
    series.Steps().NewButton().click();
    Next<CKorbuFlexTykkelseDlg>([this](CKorbuFlexTykkelseDlg& step) {
      step.ThicknessField().setText(QStringLiteral("13"));
      step.accept();
      EXPECT_EQ(LastText(), "Denne rørdiameteren er allerede lagt inn i serien.");
      step.MaxDiameterField().setText(QStringLiteral("28"));
    });
    series.Steps().NewButton().click();
    series.MinDiameterField().setText(QStringLiteral("12"));
    series.accept();
    EXPECT_EQ(LastText(), "Minste standard rørdiameter må ligge mellom 0 og 10.0 mm");
    series.MinDiameterField().setText(QStringLiteral("6"));
    series.MaxDiameterField().setText(QStringLiteral("20"));
    series.accept();
    EXPECT_EQ(LastText(), "Største standard rørdiameter må minst være 28.0 mm");
    series.MaxDiameterField().setText(QStringLiteral("28"));
    series.accept();
    EXPECT_EQ(LastText(), "Tomme navn er ulovlige!");
    series.NameField().setText(QStringLiteral("A"));
  });
  dialog.Series().NewButton().click();
  ASSERT_EQ(product.Series.size(), 1u);
  const CKorbuFlexSerie& series = *product.Series[0];
  EXPECT_EQ(series.Name, "A");
  ASSERT_EQ(series.SeriesThicknesses.size(), 2u);
  EXPECT_EQ(series.SeriesThicknesses[0]->Name, "Diam. <= 10.0 - Iso. = 9.0");
  EXPECT_EQ(series.SeriesThicknesses[1]->Name, "Diam. <= 28.0 - Iso. = 13.0");

  // A second series of that name is refused; a thicker one goes after.
  Next<CKorbuFlexSerieDlg>([this](CKorbuFlexSerieDlg& second) {
    Next<CKorbuFlexTykkelseDlg>(
        [](CKorbuFlexTykkelseDlg& step) { step.ThicknessField().setText(QStringLiteral("19")); });
    second.Steps().NewButton().click();
    second.MaxDiameterField().setText(QStringLiteral("89"));
    second.NameField().setText(QStringLiteral("A"));
    second.accept();
    EXPECT_EQ(LastText(), "Dette navnet er allerede brukt.");
    second.NameField().setText(QStringLiteral("B"));
  });
  dialog.Series().NewButton().click();
  ASSERT_EQ(product.Series.size(), 2u);
  EXPECT_EQ(product.Series[1]->Name, "B");

  // A series that a layer has chosen stays.
  CListItem layer("Lag 1");
  product.Series[0]->AddUser(&layer);
  dialog.Series().Editor().SelectRow(product.Series[0]);
  dialog.Series().DeleteButton().click();
  EXPECT_EQ(LastText(), "Du kan ikke stryke et element som er i bruk!");
  EXPECT_EQ(product.Series.size(), 2u);
  product.Series[0]->RemoveUser(&layer);
  EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(SubListDlgTest, AnAccessoryTypeNeedsABandAndBandsNameThemselves) {
  CTillegg2 type;
  CTillegg2Dlg dialog(type);
  dialog.NameField().setText(QStringLiteral("Ventil"));
  dialog.accept();
  EXPECT_EQ(LastText(), "Du må legge inn minst en tilleggslengde!");

  Next<CTilleggslengdeDlg>(
      [](CTilleggslengdeDlg& band) { band.LengthField().setText(QStringLiteral("1.2")); });
  dialog.Lengths().NewButton().click();
  Next<CTilleggslengdeDlg>([](CTilleggslengdeDlg& band) {
    band.LengthField().setText(QStringLiteral("0.8"));
    band.MinDiameterField().setText(QStringLiteral("51"));
    band.MaxDiameterField().setText(QStringLiteral("100"));
  });
  dialog.Lengths().NewButton().click();
  ASSERT_EQ(type.Lengths.size(), 2u);
  EXPECT_EQ(type.Lengths[0]->Name, "51 - 100 mm") << "ordered by length, not diameter";
  EXPECT_EQ(type.Lengths[1]->Name, "10 - 50 mm");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(type.Name, "Ventil");
}

TEST_F(SubListDlgTest, AbsorptionThicknessesAreUniqueOrderedAndKeptWhileChosen) {
  CAbsorpsjon product;
  product.Name = "Plate";
  CAbsorpsjonDlg dialog(product);
  Next<CAbsorpsjonTykkelseDlg>([this](CAbsorpsjonTykkelseDlg& row) {
    row.accept();
    EXPECT_EQ(LastText(), "Dette navnet er allerede brukt.");
    row.ThicknessField().setText(QStringLiteral("100"));
  });
  dialog.Thicknesses().NewButton().click();
  Next<CAbsorpsjonTykkelseDlg>([](CAbsorpsjonTykkelseDlg& row) {
    row.ThicknessField().setText(QStringLiteral("25"));
    row.CoefficientField(0).setText(QStringLiteral("0.1"));
  });
  dialog.Thicknesses().NewButton().click();
  ASSERT_EQ(product.AbsorptionThicknesses.size(), 3u);
  EXPECT_EQ(product.AbsorptionThicknesses[0]->Name, "25.0");
  EXPECT_EQ(product.AbsorptionThicknesses[0]->Coefficients[0], 0.1f);
  EXPECT_EQ(product.AbsorptionThicknesses[2]->Name, "100.0");

  CListItem soundTrap("Lydfelle");
  product.AbsorptionThicknesses[1]->AddUser(&soundTrap);
  dialog.Thicknesses().Editor().SelectRow(product.AbsorptionThicknesses[1]);
  dialog.Thicknesses().DeleteButton().click();
  EXPECT_EQ(LastText(), "Du kan ikke slette en tykkelse som er valgt i en beregningsmodul");
  product.AbsorptionThicknesses[1]->RemoveUser(&soundTrap);

  product.AbsorptionThicknesses.Clear();
  dialog.accept();
  EXPECT_EQ(LastText(), "Du må legge inn minst en tykkelse!");
  EXPECT_EQ(answers.Unexpected(), 0);
}

}  // namespace
}  // namespace kav::test
