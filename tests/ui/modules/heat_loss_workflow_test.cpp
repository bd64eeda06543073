// A whole heat-loss calculation done through the program's own dialogs, as
// a user does it: "Rediger inndata" on the heat-loss tab, a two-layer pipe
// outdoors with the climate of a place and an accessory, OK, and the page.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <optional>

#include "data/klima.h"
#include "input_dialog_fixture.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/database/klima_dlg.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/insulation/tilleggsutstyr_dlg.h"
#include "ui/modules/varme_tap/varmetap_dlg.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

template <class Button>
Button& ByText(const QWidget& window, const char* text) {
  for (Button* button : window.findChildren<Button*>()) {
    if (button->text() == QString::fromUtf8(text)) return *button;
  }
  ADD_FAILURE() << "no button " << text;
  return *window.findChild<Button*>();
}

class HeatLossWorkflowTest : public InputDialogTest {};

TEST_F(HeatLossWorkflowTest, ATwoLayerOutdoorPipeWithAccessoriesAndAClimatePlace) {
  // The list is replaced by the dialog's working copy on OK: keep the values.
  std::optional<CKlimasted> bergen;
  for (const CKlimasted* place : Doc().Climate().Locations) {
    if (place->Name == "Bergen") bergen = *place;
  }
  ASSERT_TRUE(bergen.has_value());
  const std::string accessoryType = Doc().Database().AccessoryTypes[0]->Name;

  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CVarmetapDlg&>(window);
    Field(dialog, "diameter").setText(QStringLiteral("60.3"));
    Field(dialog, "mediumTemperature").setText(QStringLiteral("120"));
    ByText<QRadioButton>(dialog, "Ute (tvungen konveksjon)").click();
    dialog.Surroundings().ClimateButton()->click();  // answered by the climate dialog below
    ByText<QCheckBox>(dialog, "2-lags isolasjon").click();
    dialog.LayerButton(1).click();
    dialog.LayerButton(2).click();
    ByText<QCheckBox>(dialog, "Tilleggsutstyr:").setChecked(true);
    dialog.Accessories().NewButton().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CKlimaDlg&>(window);
    QTreeWidget& view = dialog.Places().View();
    const auto found = view.findItems(QStringLiteral("Bergen"), Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1);
    view.setCurrentItem(found.front());
    dialog.accept();
  });
  for (int layer = 0; layer < 2; ++layer) {
    answers.Then([](QWidget& window) {
      auto& dialog = static_cast<CIsolasjonDlg&>(window);
      ChooseFirstProduct(dialog);
      dialog.accept();
    });
  }
  answers.Then([&](QWidget& window) {
    auto& dialog = static_cast<CTilleggsutstyrDlg&>(window);
    Choose(dialog.TypeBox(), accessoryType);
    dialog.CountField().setValue(4);
    dialog.accept();
  });

  Doc().SetActiveModule(0);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_TRUE(platform.Texts().empty()) << platform.Texts().front();

  auto& module = static_cast<CVarmeTapModul&>(Doc().Module(0));
  EXPECT_EQ(module.Surroundings, code::Surroundings::Outdoors);
  EXPECT_FLOAT_EQ(module.AmbientTemperature, bergen->MeanTemperature);
  EXPECT_FLOAT_EQ(module.WindSpeed, bergen->MeanWindSpeed);
  EXPECT_FLOAT_EQ(module.Diameter, 60.3f);
  EXPECT_EQ(module.TwoLayers, 1);
  ASSERT_NE(module.Layer1.Product, nullptr);
  ASSERT_NE(module.Layer2.Product, nullptr);
  ASSERT_EQ(module.Accessories.size(), 1u);
  EXPECT_EQ(module.Accessories[0]->Count, 4);

  // The page shows the calculated result.
  EXPECT_EQ(module.ResultsValid, 1);
  const std::string table = module.ResultTable.FormatAsText();
  EXPECT_NE(table.find("Varmetap"), std::string::npos) << table;
  EXPECT_NE(module.InputTable.FormatAsText().find(accessoryType), std::string::npos);
}

}  // namespace
}  // namespace kav::test
