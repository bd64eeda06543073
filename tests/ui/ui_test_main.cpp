// Runs the Qt tests inside an application object, off screen unless a
// platform is chosen, with printf's decimal point kept.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // QApplication takes the user's
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
