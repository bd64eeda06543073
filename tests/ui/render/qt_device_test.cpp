// The Qt measuring device keeps a font per page font and the widths it has
// measured: what it gives must stay what Qt measures.
#include "ui/render/qt_device.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <string>
#include <vector>

#include "output/page_layout.h"

namespace kav {
namespace {

TEST(QtScreenDeviceTest, MeasuresAsQtDoesWhenAskedAgainAndAfterItsStoreIsEmptied) {
  QtScreenDevice device;
  const QImage image(1, 1, QImage::Format_RGB32);
  const QFontMetrics normal(ToQFont(NormalFont()), &image);
  const QFontMetrics bold(ToQFont(BoldFont()), &image);
  const std::vector<std::string> texts = {"Varmetap", "13.2 W/m", "Årlig energikost", ""};
  auto expectQtWidths = [&] {
    for (const std::string& text : texts) {
      const QString string = QString::fromStdString(text);
      const DeviceSize extent = device.TextExtent(NormalFont(), text);
      EXPECT_EQ(extent.width, normal.horizontalAdvance(string)) << text;
      EXPECT_EQ(extent.height, normal.height());
      // The same string in bold is measured in bold.
      EXPECT_EQ(device.TextExtent(BoldFont(), text).width, bold.horizontalAdvance(string)) << text;
    }
  };
  expectQtWidths();
  expectQtWidths();
  for (std::size_t i = 0; i <= QtFontCache::kWidthsPerFont; ++i) {
    device.TextExtent(NormalFont(), std::to_string(i));
  }
  expectQtWidths();
  EXPECT_EQ(device.Metrics(BoldFont()).height, bold.height());
  EXPECT_EQ(device.Metrics(BoldFont()).averageCharWidth, bold.averageCharWidth());
}

}  // namespace
}  // namespace kav
