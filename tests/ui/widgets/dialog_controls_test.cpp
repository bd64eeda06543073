// The dialog controls: picture buttons stepped by keys and clicks, the
// conductivity curve's axes, the scroll bar bound to a field, and the
// drop-down bound to database rows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "core/colour.h"
#include "core/object_list.h"
#include "ui/render/qt_pictures.h"
#include "ui/widgets/choice_binder.h"
#include "ui/widgets/curve_button.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/multi_button.h"
#include "ui/widgets/slider_field.h"

namespace kav::test {
namespace {

class PictureButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallQtPictures(); }
  void TearDown() override { SetPictureProvider(nullptr); }
};

TEST_F(PictureButtonTest, KeysStepThroughTheStatesWrappingAndNotify) {
  CMultiButton button(QStringLiteral("Tanktype"), 3);
  QSignalSpy clicks(&button, &CMultiButton::clicked);
  button.SetState(2);
  QTest::keyClick(&button, Qt::Key_Right);
  EXPECT_EQ(button.State(), 0) << "Right at the last state goes to the first";
  EXPECT_EQ(clicks.count(), 1);
  QTest::keyClick(&button, Qt::Key_Left);
  EXPECT_EQ(button.State(), 2) << "Left at the first state goes to the last";
  QTest::keyClick(&button, Qt::Key_Down);
  EXPECT_EQ(button.State(), 1);
  QTest::keyClick(&button, Qt::Key_Up);
  EXPECT_EQ(button.State(), 2);
  EXPECT_EQ(clicks.count(), 4);
}

TEST_F(PictureButtonTest, AClickInAHitRectangleSelectsItsState) {
  CMultiButton button(QStringLiteral("Tanktype"), 3);
  button.resize(button.sizeHint());
  QSignalSpy clicks(&button, &CMultiButton::clicked);
  for (int state = 1; state < 3; ++state) {
    EXPECT_TRUE(button.rect().contains(button.HitRect(state))) << state;
  }
  QTest::mouseClick(&button, Qt::LeftButton, {}, button.HitRect(1).center());
  EXPECT_EQ(button.State(), 1);
  EXPECT_TRUE(button.VariantFlag()) << "a click that changes the state sets the flag";
  EXPECT_EQ(clicks.count(), 1);

  button.SetVariantFlag(false);
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, 8));
  EXPECT_EQ(button.State(), 1) << "outside the hit rectangles";
  EXPECT_FALSE(button.VariantFlag());
  EXPECT_EQ(clicks.count(), 2) << "but the parent hears of the click";
}

TEST_F(PictureButtonTest, TheSecondDimensionIsPickedByItsOwnRectangles) {
  CMultiButton2 button(QStringLiteral("Materialtype"), 6);
  button.resize(button.sizeHint());
  button.SetState(2);
  QTest::mouseClick(&button, Qt::LeftButton, {}, button.VariantRect(1).center());
  EXPECT_EQ(button.Variant(), 1);
  EXPECT_EQ(button.State(), 2);
  QTest::keyClick(&button, Qt::Key_Right);
  EXPECT_EQ(button.State(), 3);
  EXPECT_EQ(button.Variant(), 1) << "the keys step through the states only";
  QTest::mouseClick(&button, Qt::LeftButton, {}, button.VariantRect(0).center());
  EXPECT_EQ(button.Variant(), 0);
}

TEST_F(PictureButtonTest, KeyColoursArePaintedInTheProgramsColours) {
  CMultiButton button(QStringLiteral("Materialtype"), 6);
  button.resize(button.sizeHint());
  ColourRecord colours;
  colours.Add(Rgb(128, 128, 0), Rgb(200, 0, 0));  // the insulation, olive in the picture
  button.SetColours(colours);
  auto countRed = [&] {
    const QImage shot = button.grab().toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) red += shot.pixel(x, y) == qRgb(200, 0, 0) ? 1 : 0;
    }
    return red;
  };
  EXPECT_GT(countRed(), 500);
  button.SetVariantFlag(true);
  EXPECT_EQ(countRed(), 0) << "the variant picture is not coloured";
}

TEST(CurveAxisTest, StepsAndEndsFollowTheSpreadOfThePoints) {
  const CurveAxis t = TemperatureAxis(0.0f, 125.0f);
  EXPECT_EQ(t.step, 25.0f);
  EXPECT_EQ(t.low, -25.0f);
  EXPECT_EQ(t.high, 150.0f);
  EXPECT_EQ(TemperatureAxis(-20.0f, 80.0f).step, 10.0f) << "a spread of 100 is not above 100";
  EXPECT_EQ(TemperatureAxis(0.0f, 900.0f).step, 200.0f);
  const CurveAxis negative = TemperatureAxis(-60.0f, 30.0f);
  EXPECT_EQ(negative.low, -70.0f) << "truncated towards zero, then a step below";
  EXPECT_EQ(negative.high, 40.0f);

  const CurveAxis l = ConductivityAxis(0.034f, 0.077f);
  EXPECT_EQ(l.step, 0.005f);
  EXPECT_FLOAT_EQ(l.low, 0.025f);
  EXPECT_FLOAT_EQ(l.high, 0.08f);
  const CurveAxis wide = ConductivityAxis(0.03f, 0.14f);
  EXPECT_EQ(wide.step, 0.02f);
  EXPECT_FLOAT_EQ(wide.low, 0.0f);
  EXPECT_FLOAT_EQ(wide.high, 0.16f);
  EXPECT_EQ(ConductivityAxis(0.03f, 0.06f).step, 0.005f);
  EXPECT_EQ(ConductivityAxis(0.03f, 0.04f).step, 0.002f);
  EXPECT_EQ(ConductivityAxis(0.03f, 40.0f).step, 2.5f);
}

TEST(CurveButtonTest, PointsAreFittedAndMappedIntoThePlottingArea) {
  CCurveButton curve;
  ASSERT_TRUE(curve.SetPoints({0.0f, 35.0f, 70.0f, 125.0f}, {0.034f, 0.044f, 0.059f, 0.077f}));
  const auto& c = curve.Coefficients();
  for (float t : {0.0f, 35.0f, 70.0f, 125.0f}) {
    const float lambda = c[0] * t * t * t + c[1] * t * t + c[2] * t + c[3];
    EXPECT_NEAR(lambda,
                t == 0.0f    ? 0.034f
                : t == 35.0f ? 0.044f
                : t == 70.0f ? 0.059f
                             : 0.077f,
                1e-5f);
  }
  const CurveAxis& t = curve.TemperatureScale();
  const CurveAxis& l = curve.ConductivityScale();
  EXPECT_EQ(curve.Map(t.low, l.low), QPoint(60, 350));
  EXPECT_EQ(curve.Map(t.high, l.high), QPoint(560, 50));
  EXPECT_EQ(curve.Map(0.0f, 0.034f), QPoint(60 + 71, 350 - 49)) << "truncated, not rounded";

  const std::array<float, 4> kept = c;
  EXPECT_FALSE(curve.SetPoints({0.0f, 0.0f, 70.0f, 125.0f}, {0.034f, 0.044f, 0.059f, 0.077f}));
  EXPECT_EQ(curve.Coefficients(), kept) << "two equal temperatures keep the previous cubic";
}

TEST(SliderFieldTest, TheThumbWritesTheFieldButTypingLeavesTheThumb) {
  QScrollBar bar;
  NumberField field;
  SliderField slider(bar, field, {});
  slider.SetValue(0.9f);
  EXPECT_EQ(bar.value(), 90);
  EXPECT_EQ(field.text(), QStringLiteral("0.90"));
  bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar.value(), 95);
  EXPECT_EQ(field.text(), QStringLiteral("0.95"));
  bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar.value(), 100) << "stops at the end";
  EXPECT_EQ(field.text(), QStringLiteral("1.00"));
  bar.triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(field.text(), QStringLiteral("0.80"));
  bar.triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(field.text(), QStringLiteral("0.00"));

  field.clear();
  QTest::keyClicks(&field, QStringLiteral("0.37"));
  EXPECT_EQ(bar.value(), 0);
  EXPECT_EQ(field.Value(), 0.37f);
}

TEST(ChoiceBinderTest, FillSelectAndChosen) {
  TypedList<CListItem> rows;
  rows.Append(std::make_unique<CListItem>("Aluminium"));
  rows.Append(std::make_unique<CListItem>("Stål"));
  rows[1]->Description = "Galvanisert";
  QComboBox box;
  QLabel description;
  ChoiceBinder binder(box, &description);

  binder.Fill(rows, rows[1]);
  EXPECT_EQ(box.count(), 2);
  EXPECT_EQ(box.currentText(), QStringLiteral("Stål"));
  EXPECT_EQ(description.text(), QStringLiteral("Galvanisert"));
  EXPECT_EQ(binder.Chosen(), rows[1]);

  EXPECT_FALSE(binder.Select("stål")) << "names are compared exactly";
  EXPECT_EQ(binder.Chosen(), rows[1]);
  EXPECT_TRUE(binder.Select("Aluminium"));
  EXPECT_EQ(binder.Chosen(), rows[0]);
  EXPECT_EQ(description.text(), QString());

  binder.Fill(rows, nullptr);
  EXPECT_EQ(binder.Chosen(), nullptr) << "nothing chosen without a current row";

  // A row the list does not offer, which the object refers to, stays
  // selectable.
  CListItem old("Glassfiberduk");
  binder.Fill(rows, &old);
  EXPECT_EQ(box.count(), 3);
  EXPECT_EQ(binder.Chosen(), &old);
  EXPECT_EQ(rows.size(), 2u) << "the database list is not touched";

  QSignalSpy picked(&binder, &ChoiceBinder::rowChosen);
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_Up);
  ASSERT_EQ(picked.count(), 1);
  EXPECT_EQ(picked.front().front().value<CListItem*>(), rows[1]);
}

}  // namespace
}  // namespace kav::test
