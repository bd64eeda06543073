// The flowing-media dialogs: a three-segment run built through them as a
// user does it, the segment limit, the question before the segments go,
// and the inlet of a liquid at its freezing point.
#include "ui/modules/kanal_temp/kanal_temp_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "core/strings.h"
#include "input_dialog_fixture.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/kanal_temp/segment_dlg.h"
#include "ui/panels/flow_group.h"
#include "ui/panels/layer_button.h"
#include "ui/panels/liquid_group.h"
#include "ui/panels/product_choice_group.h"
#include "ui/panels/surface_choice_group.h"
#include "ui/widgets/list_editor.h"
#include "ui/widgets/multi_button.h"

namespace kav::test {
namespace {

class FlowingMediumDialogTest : public InputDialogTest {
 protected:
  KanalTempInputs& Run() {
    return static_cast<CKanalTempModul&>(Doc().Module(CKanalTempModul::kPage));
  }
  // `count` bare segments of the run's type.
  void AddSegments(KanalTempInputs& in, int count) {
    for (int i = 0; i < count; ++i) {
      in.Segments.Append(in.NewSegment(nullptr));
      in.Segments.back()->Uninsulated = 1;
    }
  }
};

TEST_F(FlowingMediumDialogTest, AThreeSegmentPipeRunBuiltThroughTheDialogs) {
  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CKanalTempDlg&>(window);
    dialog.Liquid().DatabaseRadio().click();
    Choose(dialog.Liquid().LiquidBox(), "Vann");
    Field(dialog, "inletTemperature").setText(QStringLiteral("90"));
    dialog.NewButton().click();   // an insulated segment
    dialog.NewButton().click();   // from it as template, then bare
    dialog.CopyButton().click();  // a copy of the bare one, renamed
    EXPECT_EQ(dialog.SegmentList().topLevelItemCount(), 3);
    EXPECT_TRUE(dialog.Description().text().startsWith(QStringLiteral("Segmenttype: Rør")));
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CSegmentDlg&>(window);
    Field(dialog, "diameter").setText(QStringLiteral("60.3"));
    Field(dialog, "length").setText(QStringLiteral("40"));
    dialog.Flow().FlowField().setText(QStringLiteral("1.5"));
    dialog.Layer1().Button().click();
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CIsolasjonDlg&>(window);
    ChooseFirstProduct(dialog);
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CSegmentDlg&>(window);
    EXPECT_EQ(dialog.NameField().text(), QStringLiteral("Segment 2"));
    EXPECT_EQ(Field(dialog, "diameter").text(), QStringLiteral("60.3"));
    dialog.Bare().setChecked(true);
    QComboBox& surfaces = dialog.Bare().RowBox();
    ASSERT_GT(surfaces.count(), 0);
    Choose(surfaces, surfaces.itemText(0).toStdString());
    const auto* surface = static_cast<const COverflate*>(dialog.Bare().Row());
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(dialog.Bare().EmissivityField().text().toStdString(),
              FormatRaw("%.2f", static_cast<double>(surface->Emissivity)));
    dialog.Bare().UserRadio().click();
    dialog.Bare().EmissivityField().setText(QStringLiteral("0.9"));
    dialog.accept();
  });
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CSegmentDlg&>(window);
    dialog.NameField().setText(QStringLiteral("Kopi"));
    dialog.accept();
  });

  Doc().SetActiveModule(CKanalTempModul::kPage);
  Doc().EditInput();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_TRUE(platform.Texts().empty()) << platform.Texts().front();

  auto& module = static_cast<CKanalTempModul&>(Doc().Module(CKanalTempModul::kPage));
  ASSERT_EQ(module.Segments.size(), 3u);
  EXPECT_EQ(module.Segments[2]->Name, "Kopi");
  EXPECT_EQ(module.NextSegmentNumber, 4);
  EXPECT_EQ(module.Segments[0]->Uninsulated, 0);
  EXPECT_EQ(module.Segments[1]->Uninsulated, 1);
  EXPECT_FLOAT_EQ(module.Segments[2]->Emissivity, 0.9f);
  EXPECT_EQ(module.LiquidName(), "Vann");
  ASSERT_EQ(module.ResultsValid, 1);
  const auto rows = module.SegmentTable.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2][0], "Kopi");
  EXPECT_LT(module.LastResult->segments[2].outletTemperature,
            module.LastResult->segments[0].outletTemperature);
}

TEST_F(FlowingMediumDialogTest, TwentyFiveSegmentsAreTheMost) {
  KanalTempInputs in;
  AddSegments(in, 24);
  ModalAnswers answers;
  answers.Then([](QWidget& window) { static_cast<QDialog&>(window).reject(); });
  {
    CKanalTempDlg dialog(in);
    dialog.NewButton().click();
    EXPECT_TRUE(answers.AllUsed()) << "24 segments still take one more";
    EXPECT_TRUE(platform.Texts().empty());
  }
  EXPECT_EQ(in.NextSegmentNumber, 25) << "a cancelled segment takes no number";
  AddSegments(in, 1);
  CKanalTempDlg dialog(in);
  dialog.NewButton().click();
  dialog.CopyButton().click();
  EXPECT_EQ(platform.Texts(), std::vector<std::string>(2, Str(ids::TooManySegments)));
  EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(FlowingMediumDialogTest, OnlyAChangeBetweenPipesAndDuctsDeletesTheSegments) {
  KanalTempInputs in;
  in.RunType = code::RunType::CircularDucts;
  AddSegments(in, 2);
  CKanalTempDlg dialog(in);
  dialog.RunTypeButton().SetState(2);
  emit dialog.RunTypeButton().clicked();
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(in.Segments.size(), 2u);

  platform.answers = {false};
  dialog.RunTypeButton().SetState(0);
  emit dialog.RunTypeButton().clicked();
  EXPECT_EQ(platform.Texts(), std::vector<std::string>{Str(ids::AllSegmentsDeleted)});
  EXPECT_EQ(dialog.RunTypeButton().State(), 2) << "Cancel keeps the run type";
  EXPECT_EQ(in.Segments.size(), 2u);

  platform.answers = {true};
  dialog.RunTypeButton().SetState(0);
  emit dialog.RunTypeButton().clicked();
  EXPECT_TRUE(in.Segments.empty());
  EXPECT_EQ(in.NextSegmentNumber, 1);
  EXPECT_TRUE(dialog.Liquid().isEnabled());
  EXPECT_FALSE(dialog.CheckDewPoint().isEnabled());
}

TEST_F(FlowingMediumDialogTest, TheInletMustBeAboveTheFreezingPoint) {
  KanalTempInputs in;
  AddSegments(in, 1);
  in.UserLiquid = 1;
  in.UserFreezingPoint = 0.0f;
  CKanalTempDlg dialog(in);
  Field(dialog, "inletTemperature").setText(QStringLiteral("0.05"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  ASSERT_EQ(platform.Texts().size(), 1u);
  EXPECT_NE(platform.Texts()[0].find(Str(ids::LabelInletTemperature)), std::string::npos);
  platform.Clear();
  Field(dialog, "inletTemperature").setText(QStringLiteral("0.15"));
  dialog.accept();
  EXPECT_TRUE(platform.Texts().empty());
}

}  // namespace
}  // namespace kav::test
