#include "ui/platform/qt_translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include "core/data_directory.h"

namespace kav {

std::filesystem::path QtTranslationFile() {
  return ShippedDataDirectory() / "translations" / "qtbase_nb.qm";
}

std::unique_ptr<QTranslator> UseNorwegianQtDialogs() {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QString::fromStdString(QtTranslationFile().string())) ||
      !QCoreApplication::installTranslator(translator.get())) {
    return nullptr;
  }
  return translator;
}

}  // namespace kav
