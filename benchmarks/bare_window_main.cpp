// The floor of the start-up benchmark: a bare Qt Widgets main window, shown
// as the desktop program's is, that ends as soon as it has been painted once.
#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <cstdlib>

namespace {

class Page final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::white);
    QMetaObject::invokeMethod(
        qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new Page);
  window.showMaximized();
  return QApplication::exec();
}
