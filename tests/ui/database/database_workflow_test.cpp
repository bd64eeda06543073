// Editing the product database from the program ("Rediger" >
// "&Database..."): kav.dat rewritten on OK, the modules that had results
// calculated again with the new rows, a document that refers to an edited
// row saved and read back as it was, and a user who adds a product and
// uses it for a heat-loss calculation.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "core/data_directory.h"
#include "core/file_io.h"
#include "core/strings.h"
#include "data/database.h"
#include "input_dialog_fixture.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/app/main_frame.h"
#include "ui/database/coefficient_fields.h"
#include "ui/database/curve_points.h"
#include "ui/database/database_dlg.h"
#include "ui/database/iso_produkt_dlg.h"
#include "ui/database/iso_tykkelse_dlg.h"
#include "ui/database/koeff_beregning_dlg.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/varme_tap/varmetap_dlg.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/product_fields.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

class DatabaseWorkflowTest : public InputDialogTest {
 protected:
  CVarmeTapModul& HeatLoss() { return static_cast<CVarmeTapModul&>(Doc().Module(0)); }
  std::filesystem::path DataFile() { return ResolveDataFile(Doc().Database().FileName); }
  // The heat-loss module calculated with the product's first thickness.
  void UseProduct(CIsoProdukt* product) {
    CVarmeTapModul& module = HeatLoss();
    module.Layer1.Source = code::Source::Standard;
    module.Layer1.Product = product;
    module.Layer1.ThicknessRow = product->Thicknesses[0];
    module.Calculate();
    ASSERT_EQ(module.ResultsValid, 1);
  }
  void RunDatabaseCommand() { app_.Frame().Actions().database->trigger(); }

  ModalAnswers answers;
};

TEST_F(DatabaseWorkflowTest, OkWithoutChangesRewritesTheSameFileWithoutAQuestion) {
  const std::vector<std::uint8_t> shipped = ReadFileBytes(DataFile()).value();
  std::filesystem::remove(DataFile());
  Doc().SetModified(false);
  answers.ThenAccept();
  RunDatabaseCommand();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(platform.Texts().empty());
  EXPECT_EQ(ReadFileBytes(DataFile()).value_or(std::vector<std::uint8_t>{}), shipped);
  EXPECT_TRUE(Doc().IsModified());
}

TEST_F(DatabaseWorkflowTest, AnEditedProductIsUsedAtOnceAndItsDocumentReadsBackAsSaved) {
  CIsoProdukt* product = Doc().Database().InsulationProducts[0];
  const QString name = QString::fromStdString(product->Name);
  UseProduct(product);
  const float before = HeatLoss().LastResult->heatLoss;

  answers.Then([&](QWidget& window) {
    auto& dialog = static_cast<CDatabaseDlg&>(window);
    QTreeWidget& view = dialog.Rows().View();
    view.setCurrentItem(view.findItems(name, Qt::MatchExactly).front());
    dialog.Rows().UpdateButton().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsoProduktDlg&>(window);
    dialog.Fields().NameField().setText(QStringLiteral("Omdøpt"));
    dialog.Coefficients().Field(0).setText(QStringLiteral("0.06"));
    dialog.accept();
  });
  platform.answers = {true};
  RunDatabaseCommand();
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::AcceptDatabaseChanges)});

  CVarmeTapModul& module = HeatLoss();
  CIsoProdukt* renamed = Doc().Database().InsulationProducts.FindByName("Omdøpt");
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(module.Layer1.Product.get(), renamed);
  EXPECT_EQ(module.Layer1.ThicknessRow.get(), renamed->Thicknesses[0]);
  ASSERT_EQ(module.ResultsValid, 1);
  EXPECT_GT(module.LastResult->heatLoss, before) << "calculated again with λ(0) = 0.06";

  const std::filesystem::path first = env_.FilePath(QStringLiteral("a.kav")).toStdString();
  const std::filesystem::path second = env_.FilePath(QStringLiteral("b.kav")).toStdString();
  ASSERT_TRUE(Doc().Save(first));
  platform.Clear();
  ASSERT_TRUE(Doc().Open(first));
  EXPECT_TRUE(platform.Texts().empty()) << platform.Texts().front();
  ASSERT_TRUE(Doc().Save(second));
  EXPECT_EQ(ReadFileBytes(first), ReadFileBytes(second));
}

TEST_F(DatabaseWorkflowTest, AUserAddsAProductWithAFittedCurveAndCalculatesWithIt) {
  const std::array<float, 4> temperatures{0.0f, 50.0f, 100.0f, 200.0f};
  const std::array<float, 4> lambdas{0.030f, 0.035f, 0.042f, 0.055f};
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CDatabaseDlg&>(window);
    dialog.ListButton(DatabaseList::InsulationProducts).click();
    dialog.Rows().NewButton().click();
    dialog.accept();
  });
  // Each window's answer is queued just before the click that opens it.
  answers.Then([&](QWidget& window) {
    auto& dialog = static_cast<CIsoProduktDlg&>(window);
    dialog.Fields().NameField().setText(QStringLiteral("Testskum"));
    dialog.Fields().UseFlag(0).setChecked(true);
    for (const char* thickness : {"60", "40"}) {
      answers.Then([thickness](QWidget& opened) {
        auto& row = static_cast<CIsoTykkelseDlg&>(opened);
        row.ThicknessField().setText(QString::fromLatin1(thickness));
        row.accept();
      });
      dialog.Fields().Thicknesses().NewButton().click();
    }
    answers.Then([&](QWidget& opened) {
      auto& fit = static_cast<CKoeffBeregningDlg&>(opened);
      for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        fit.Points().TemperatureField(i).setText(QString::number(temperatures[at]));
        fit.Points().LambdaField(i).setText(QString::number(lambdas[at]));
      }
      fit.accept();
    });
    dialog.FitButton().click();
    dialog.accept();
  });
  platform.answers = {true};
  RunDatabaseCommand();
  ASSERT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);

  const CIsoProdukt* added = Doc().Database().InsulationProducts.FindByName("Testskum");
  ASSERT_NE(added, nullptr);
  ASSERT_EQ(added->Thicknesses.size(), 2u);
  EXPECT_EQ(added->Thicknesses[0]->Name, "40.0");
  // The polynomial as the dialog showed it ("%.3e", "%.3f") still meets
  // the measured points.
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(added->Lambda(temperatures[i]), lambdas[i], 0.0006f) << temperatures[i];
  }
  const CDataBase reread(Doc().Database().FileName);
  const CIsoProdukt* stored = reread.InsulationProducts.FindByName("Testskum");
  ASSERT_NE(stored, nullptr);
  EXPECT_TRUE(stored->IsEqual(*added));

  answers.Then([this](QWidget& window) {
    auto& dialog = static_cast<CVarmetapDlg&>(window);
    dialog.LayerButton(1).click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsolasjonDlg&>(window);
    dialog.SourceRadio(0).click();
    Choose(dialog.Products(0).ProductBox(), "Testskum");
    Choose(dialog.Products(0).RowBox(), "60.0");
    dialog.accept();
  });
  Doc().SetActiveModule(0);
  Doc().EditInput();
  EXPECT_EQ(answers.Unexpected(), 0);
  CVarmeTapModul& module = HeatLoss();
  ASSERT_EQ(module.ResultsValid, 1);
  EXPECT_EQ(module.Layer1.Product.get(), added);
  const std::string page = Doc().ResultsText();
  EXPECT_NE(page.find("Testskum"), std::string::npos) << page;
  EXPECT_NE(page.find("60"), std::string::npos);
}

}  // namespace
}  // namespace kav::test
