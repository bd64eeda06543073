// The page view: scroll limits and clamping by scroll bars, keys and the
// wheel; selection by click (the topmost item wins), help by double-click,
// the hand cursor, and copying.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "core/scripted_platform.h"
#include "fake_items.h"
#include "ui/app/kav_view.h"
#include "ui/render/qt_device.h"

namespace kav::test {
namespace {

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetScreenDevice(&screen_);
    SetPageSizeMm(200.0f, 280.0f);
  }
  void TearDown() override { SetScreenDevice(nullptr); }

  // A view of the given client size on the current page.
  void Show(QSize client) {
    view_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.resize(client);
    view_.show();
    view_.OnUpdate();
  }

  void Click(QPoint at, QEvent::Type type = QEvent::MouseButtonPress) {
    QMouseEvent event(type, at, view_.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view_.viewport(), &event);
  }
  void Move(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, view_.viewport()->mapToGlobal(at), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view_.viewport(), &event);
  }
  void Wheel(int delta) {
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view_.viewport(), &event);
  }

  QtScreenDevice screen_;
  ScriptedPlatform platform_;
  CKavView view_;
};

TEST_F(ViewTest, APageSmallerThanTheViewDoesNotScroll) {
  FakeItem table(ItemKind::Table, {20, 20, 200, 100});
  PageOfItems page{&table};
  SetPageSizeMm(50.0f, 50.0f);
  Show({1300, 1300});
  EXPECT_EQ(view_.ScrollLimits().width, 0);
  EXPECT_EQ(view_.ScrollLimits().height, 0);
  QTest::keyClick(&view_, Qt::Key_PageDown);
  QTest::keyClick(&view_, Qt::Key_End);
  Wheel(-360);
  EXPECT_EQ(view_.ScrollPosition().x, 0);
  EXPECT_EQ(view_.ScrollPosition().y, 0);
}

TEST_F(ViewTest, LimitsAreThePageExtentLessTheView) {
  FakeItem wide(ItemKind::Table, {0, 0, 2000, 3000});
  PageOfItems page{&wide};
  Show({600, 400});
  const DeviceSize extent =
      PageExtent(MmToDeviceX(200.0f) * PageColumnCount(), MmToDeviceY(280.0f));
  EXPECT_EQ(view_.PageSize().width, extent.width);
  EXPECT_EQ(view_.ScrollLimits().width, extent.width - view_.viewport()->width());
  EXPECT_EQ(view_.ScrollLimits().height, extent.height - view_.viewport()->height());

  // A larger view lowers the limits and moves the position back within them.
  view_.ScrollTo({view_.ScrollLimits().width, view_.ScrollLimits().height});
  view_.resize(900, 700);
  EXPECT_EQ(view_.ScrollPosition().x, view_.ScrollLimits().width);
  EXPECT_EQ(view_.ScrollPosition().y, view_.ScrollLimits().height);
}

TEST_F(ViewTest, TheWheelStopsAtTheLimitAndAtTheStart) {
  FakeItem tall(ItemKind::Table, {0, 0, 100, 3000});
  PageOfItems page{&tall};
  Show({600, 400});
  const int limit = view_.ScrollLimits().height;
  ASSERT_GT(limit, 200);

  Wheel(-120);  // towards the end: down by the turn
  EXPECT_EQ(view_.ScrollPosition().y, 120);
  view_.ScrollTo({0, limit - 50});
  Wheel(-120);
  EXPECT_EQ(view_.ScrollPosition().y, limit);
  view_.ScrollTo({0, 50});
  Wheel(120);
  EXPECT_EQ(view_.ScrollPosition().y, 0);
}

TEST_F(ViewTest, KeysScrollByPagesAndEighthsWithinTheLimits) {
  FakeItem big(ItemKind::Table, {0, 0, 3000, 3000});
  PageOfItems page{&big};
  Show({800, 400});
  const QSize client = view_.viewport()->size();

  QTest::keyClick(&view_, Qt::Key_PageDown);
  EXPECT_EQ(view_.ScrollPosition().y, client.height());
  QTest::keyClick(&view_, Qt::Key_Up);
  EXPECT_EQ(view_.ScrollPosition().y, client.height() - client.height() / 8);
  QTest::keyClick(&view_, Qt::Key_PageUp);
  EXPECT_EQ(view_.ScrollPosition().y, 0);

  QTest::keyClick(&view_, Qt::Key_End);  // a page to the right
  EXPECT_EQ(view_.ScrollPosition().x, client.width());
  QTest::keyClick(&view_, Qt::Key_Right);
  EXPECT_EQ(view_.ScrollPosition().x, client.width() + client.width() / 8);
  QTest::keyClick(&view_, Qt::Key_Home);
  QTest::keyClick(&view_, Qt::Key_Home);
  EXPECT_EQ(view_.ScrollPosition().x, 0);  // not past the start

  for (int i = 0; i < 20; ++i) QTest::keyClick(&view_, Qt::Key_End);
  EXPECT_EQ(view_.ScrollPosition().x, view_.ScrollLimits().width);
  QTest::keyClick(&view_, Qt::Key_Down);
  EXPECT_EQ(view_.ScrollPosition().y, client.height() / 8);
}

TEST_F(ViewTest, AClickSelectsTheTopmostItem) {
  FakeItem below(ItemKind::Table, {100, 100, 300, 300});
  FakeItem above(ItemKind::Table, {200, 200, 400, 400});  // drawn later
  PageOfItems page{&below, &above};
  Show({800, 600});

  Click({250, 250});  // where they overlap
  EXPECT_EQ(view_.SelectedItem(), &above);
  EXPECT_TRUE(above.Selected);
  EXPECT_FALSE(below.Selected);

  Click({150, 150});
  EXPECT_EQ(view_.SelectedItem(), &below);
  EXPECT_FALSE(above.Selected);

  Click({700, 500});  // nothing there
  EXPECT_EQ(view_.SelectedItem(), nullptr);
  EXPECT_FALSE(below.Selected);
}

TEST_F(ViewTest, AClickHitsThePageUnderTheScrolledView) {
  FakeItem far(ItemKind::Table, {1000, 1200, 1100, 1300});
  PageOfItems page{&far};
  Show({600, 400});
  view_.ScrollTo({900, 1100});  // as far as the limits let it
  const DevicePoint at = view_.ScrollPosition();
  ASSERT_GT(at.y, 0);
  Click({1050 - at.x, 1250 - at.y});
  EXPECT_EQ(view_.SelectedItem(), &far);
  Click({1050, 1250});  // the same place on the unscrolled page: nothing
  EXPECT_EQ(view_.SelectedItem(), nullptr);
}

TEST_F(ViewTest, CopyAsTextWaitsForAClickedTableOrGraph) {
  FakeItem header(ItemKind::Header, {0, 0, 500, 100});
  FakeItem table(ItemKind::Table, {0, 200, 500, 300});
  PageOfItems page{&header, &table};
  Show({800, 600});
  int changes = 0;
  QObject::connect(&view_, &CKavView::selectionChanged, [&changes] { ++changes; });

  EXPECT_FALSE(view_.CanCopyText());
  view_.CopyText();
  EXPECT_EQ(table.copies, 0);

  Click({50, 50});
  EXPECT_EQ(view_.SelectedItem(), &header);
  EXPECT_FALSE(view_.CanCopyText());  // a header does not copy

  Click({50, 250});
  EXPECT_TRUE(view_.CanCopyText());
  view_.CopyText();
  EXPECT_EQ(table.copies, 1);
  EXPECT_EQ(changes, 2);

  // Off the page, the selection goes.
  RemoveFromPage(0, &table);
  view_.OnUpdate();
  EXPECT_FALSE(view_.CanCopyText());
  EXPECT_EQ(changes, 3);
}

TEST_F(ViewTest, ADoubleClickOpensTheTopmostItemsHelp) {
  FakeItem below(ItemKind::Table, {100, 100, 300, 300}, "::/html/varmetap_inputtabell.htm");
  FakeItem above(ItemKind::Table, {200, 200, 400, 400}, "::/html/varmetap_restabell.htm");
  PageOfItems page{&below, &above};
  Show({800, 600});
  Click({250, 250}, QEvent::MouseButtonDblClick);
  Click({120, 120}, QEvent::MouseButtonDblClick);
  Click({700, 500}, QEvent::MouseButtonDblClick);
  EXPECT_EQ(platform_.Texts(), (std::vector<std::string>{"::/html/varmetap_restabell.htm",
                                                         "::/html/varmetap_inputtabell.htm"}));
}

TEST_F(ViewTest, TheHandCursorShowsOverItems) {
  FakeItem table(ItemKind::Table, {100, 100, 300, 300});
  PageOfItems page{&table};
  Show({800, 600});
  Move({150, 150});
  EXPECT_EQ(view_.viewport()->cursor().shape(), Qt::PointingHandCursor);
  Move({500, 500});
  EXPECT_EQ(view_.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewTest, CopyAsPictureTakesTheVisiblePage) {
  FakeItem table(ItemKind::Table, {100, 100, 300, 300});
  PageOfItems page{&table};
  SetPageSizeMm(100.0f, 100.0f);  // 394 units wide
  Show({640, 480});
  view_.CopyPicture();
  const QImage image = QApplication::clipboard()->image();
  EXPECT_EQ(image.size(), view_.viewport()->size());
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));   // the page
  EXPECT_NE(image.pixelColor(630, 10), QColor(Qt::white));  // the desk beside it
}

}  // namespace
}  // namespace kav::test
