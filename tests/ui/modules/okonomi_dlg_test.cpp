// The economic dialogs as the user drives them: a standard solution and
// three alternatives chosen in the solution dialog with prices entered in
// the cost list, the module calculated through "Rediger inndata", and the
// checks that refuse OK.
#include "ui/modules/okonomi/okonomi_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/strings.h"
#include "data/kostnad.h"
#include "input_dialog_fixture.h"
#include "modules/okonomi/okonomi_isolasjon_edit.h"
#include "modules/okonomi/okonomi_modul.h"
#include "ui/database/iso_kostnad_dlg.h"
#include "ui/database/kostnad_dlg.h"
#include "ui/modules/okonomi/okonomi_isolasjon_dlg.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"
#include "ui/widgets/list_editor.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

constexpr const char* kShell = "Rørskål glassull 60-80 kg/m³ alu";

class EconomyDialogTest : public InputDialogTest {
 protected:
  // The answers for one solution: the shell in `thickness`, its price
  // entered as a new cost entry `name` at `price` and chosen from the list.
  static void Solution(ModalAnswers& answers, const char* thickness, const char* name,
                       const char* price) {
    answers.Then([thickness](QWidget& window) {
      auto& dialog = static_cast<COkoIsolasjonDlg&>(window);
      Choose(dialog.Products(0).ProductBox(), kShell);
      Choose(dialog.Products(0).RowBox(), thickness);
      dialog.CostListButton().click();
      dialog.accept();
    });
    answers.Then([](QWidget& window) {
      auto& list = static_cast<CKostnadDlg&>(window);
      list.Entries().NewButton().click();
      list.accept();
    });
    answers.Then([name, price](QWidget& window) {
      auto& entry = static_cast<CIsoKostnadDlg&>(window);
      entry.NameField().setText(QString::fromUtf8(name));
      entry.PriceField().setText(QString::fromLatin1(price));
      entry.accept();
    });
  }
};

TEST_F(EconomyDialogTest, AStandardSolutionAndThreeAlternativesPricedFromTheCostList) {
  const std::size_t entries = Doc().Costs().Entries.size();
  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<COkonomiDlg&>(window);
    dialog.accept();  // no alternative yet: refused
    dialog.StandardButton().click();
    for (int k = 0; k < 3; ++k) dialog.NewButton().click();
    dialog.accept();
  });
  Solution(answers, "30.0", "Glassull 30 mm", "310");
  Solution(answers, "50.0", "Glassull 50 mm", "385");
  Solution(answers, "80.0", "Glassull 80 mm", "520");
  Solution(answers, "100.0", "Glassull 100 mm", "640");

  Doc().SetActiveModule(COkonomiModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::AtLeastOneAlternative)});

  auto& m = static_cast<COkonomiModul&>(Doc().Module(COkonomiModul::kPage));
  ASSERT_EQ(m.ResultsValid, 1);
  ASSERT_EQ(m.Alternatives.size(), 3u);
  EXPECT_EQ(m.StandardSolution.Name, std::string(kShell) + ", 30.0, 310.00 kr/m");
  EXPECT_EQ(m.Alternatives[2]->Name, std::string(kShell) + ", 100.0, 640.00 kr/m");
  ASSERT_EQ(Doc().Costs().Entries.size(), entries + 4);
  EXPECT_EQ(Doc().Costs().Entries[entries + 3]->DisplayText, "Glassull 100 mm\t640.0 kr/m");

  const auto costs = m.CostTable.Rows();
  ASSERT_EQ(costs.size(), 4u);
  EXPECT_EQ(costs[0][0], m.StandardSolution.Name + " (standardløsning)");
  EXPECT_EQ(m.CostTable.HighlightRow, m.BestIndex + 1);
  EXPECT_EQ(m.PaybackTable.Rows().size(), 3u);
  EXPECT_NE(costs[1][3].find(" kr/m"), std::string::npos);
}

TEST_F(EconomyDialogTest, ObjectTypeChangeAsksAndTheChecksOfOkComeInOrder) {
  OkonomiInputs inputs;
  inputs.Alternatives.Append(std::make_unique<COkonomiIsolasjon>());
  inputs.Alternatives[0]->Name = "A";
  inputs.StandardSolution.Name = "S";
  COkonomiDlg dialog(inputs);
  ShowActive(dialog);
  EXPECT_TRUE(dialog.DiameterField().isEnabled());
  EXPECT_FALSE(dialog.HeightField().isEnabled());

  // Cancel keeps type, list and standard solution.
  platform.answers.push_back(false);
  CMultiButton2& button = dialog.ObjectButton();
  button.SetState(4);
  emit button.clicked();
  EXPECT_EQ(inputs.ObjectType, code::Geometry::Pipe);
  EXPECT_EQ(button.State(), 0);
  EXPECT_EQ(inputs.Alternatives.size(), 1u);
  EXPECT_EQ(inputs.StandardSolution.Name, "S");

  // The range of the diameter, then the temperature difference.
  dialog.DiameterField().setText(QStringLiteral("1501"));
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(),
            FormatId(ids::RangeCheck, Str(ids::LabelDiameter), 1.0f, 1500.0f));
  EXPECT_EQ(QApplication::focusWidget(), &dialog.DiameterField());
  dialog.DiameterField().setText(QStringLiteral("100"));
  dialog.MediumField().setText(QStringLiteral("10.05"));
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(), Str(ids::TooSmallTemperatureDifference));
  EXPECT_EQ(dialog.result(), 0);

  // OK: the list goes, the standard solution starts again, prices per m².
  platform.answers.push_back(true);
  button.SetState(4);
  emit button.clicked();
  EXPECT_EQ(inputs.ObjectType, code::Geometry::FlatOutside);
  EXPECT_TRUE(inputs.Alternatives.empty());
  EXPECT_TRUE(inputs.StandardSolution.Name.empty());
  EXPECT_TRUE(dialog.StandardText().text().isEmpty());
  EXPECT_EQ(CostUnitWord(), "m²");
  EXPECT_FALSE(dialog.DiameterField().isEnabled());

  // Twenty alternatives: the twenty-first is refused without a dialog.
  for (int k = 0; k < 20; ++k) inputs.Alternatives.Append(std::make_unique<COkonomiIsolasjon>());
  dialog.NewButton().click();
  EXPECT_EQ(platform.Texts().back(), Str(ids::TooManyAlternatives));
}

TEST_F(EconomyDialogTest, UninsulatedCostsNothingAndADuplicateIsRefused) {
  SubList<COkonomiIsolasjon> alternatives;
  alternatives.Append(std::make_unique<COkonomiIsolasjon>());
  alternatives[0]->Name = Str(ids::Uninsulated);
  OkoIsolasjonEdit edit(COkonomiIsolasjon(), 100.0f, &alternatives);
  COkoIsolasjonDlg dialog(edit);
  ShowActive(dialog);
  dialog.KindRadio(3).click();
  EXPECT_EQ(dialog.PriceField().text(), QStringLiteral("0"));
  EXPECT_FALSE(dialog.CostListButton().isEnabled());
  EXPECT_FALSE(dialog.Jacketing().isEnabled());
  EXPECT_TRUE(dialog.Surface().isEnabled());

  dialog.accept();  // no surface chosen, none typed
  EXPECT_EQ(platform.Texts().back(), Str(ids::SelectSurface));
  dialog.Surface().UserRadio().click();
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(), Str(ids::AlternativeAlreadyAdded));
  EXPECT_EQ(dialog.result(), 0);

  // Back to a product: the price stays 0 until one is entered.
  dialog.KindRadio(0).click();
  EXPECT_EQ(dialog.PriceField().text(), QStringLiteral("0"));
  EXPECT_TRUE(dialog.CostListButton().isEnabled());
}

}  // namespace
}  // namespace kav::test
