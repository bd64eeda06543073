// The flow of a medium as the dialogs ask for it: a unit change converts
// the value with the cross-section and shows it with the decimals its size
// calls for, and OK checks the range of the unit chosen.
#include "ui/panels/flow_group.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>

#include "input_dialog_fixture.h"
#include "ui/widgets/item_dlg.h"

namespace kav::test {
namespace {

using code::FlowUnit;

class FlowGroupTest : public InputDialogTest {
 protected:
  FlowGroupTest() : dialog(QStringLiteral("Segment"), "::/html/segment.htm") {}

  float area = 0.04f;  // m²: a 200 x 200 mm duct
  CItemDlg dialog;
  FlowGroup* group = new FlowGroup([this] { return area; }, &dialog);
};

TEST_F(FlowGroupTest, AUnitChangeConvertsWithTheCrossSection) {
  group->SetValues(FlowUnit::CubicMetresPerHour, 1440.0f);
  EXPECT_EQ(group->FlowLabel().text(), QString::fromUtf8("Mediestrøm [m³/h]:"));

  group->UnitRadio(FlowUnit::MetresPerSecond).click();  // 1440 / (0.04 × 3600)
  EXPECT_EQ(group->FlowField().text(), QStringLiteral("10.000"));
  EXPECT_EQ(group->FlowLabel().text(), QString::fromUtf8("Mediestrøm [m/s]:"));
  group->UnitRadio(FlowUnit::LitresPerSecond).click();  // 10 × 0.04 × 1000
  EXPECT_EQ(group->FlowField().text(), QStringLiteral("400.0"));
  group->UnitRadio(FlowUnit::CubicMetresPerHour).click();
  EXPECT_EQ(group->FlowField().text(), QStringLiteral("1440"));

  // No cross-section to convert with: the value stays as typed.
  area = 0.0f;
  group->UnitRadio(FlowUnit::MetresPerSecond).click();
  EXPECT_EQ(group->FlowField().text(), QStringLiteral("1440"));
  FlowUnit unit{};
  float flow = 0.0f;
  group->ReadValues(unit, flow);
  EXPECT_EQ(unit, FlowUnit::MetresPerSecond);
  EXPECT_EQ(flow, 1440.0f);
}

TEST_F(FlowGroupTest, DecimalsFollowTheSize) {
  EXPECT_STREQ(FlowGroup::DisplayFormat(1000.5f), "%.0f");
  EXPECT_STREQ(FlowGroup::DisplayFormat(1000.0f), "%.1f");
  EXPECT_STREQ(FlowGroup::DisplayFormat(10.5f), "%.2f");
  EXPECT_STREQ(FlowGroup::DisplayFormat(1.0f), "%.4f");
  EXPECT_STREQ(FlowGroup::DisplayFormat(0.05f), "%.5f");
  EXPECT_STREQ(FlowGroup::DisplayFormat(0.01f), "%.6f");
}

TEST_F(FlowGroupTest, OkChecksTheRangeOfTheUnit) {
  group->SetValues(FlowUnit::MetresPerSecond, 51.0f);
  EXPECT_FALSE(group->CheckValues(dialog));
  EXPECT_EQ(platform.Texts().back(), "Verdien til mediestrømmen må ligge mellom 0.00 og 50.00");
  group->SetValues(FlowUnit::LitresPerSecond, 51.0f);
  EXPECT_TRUE(group->CheckValues(dialog));
  group->SetValues(FlowUnit::CubicMetresPerHour, 0.009f);
  EXPECT_FALSE(group->CheckValues(dialog));
  group->SetValues(FlowUnit::CubicMetresPerHour, 360000.0f);
  EXPECT_TRUE(group->CheckValues(dialog));
}

}  // namespace
}  // namespace kav::test
