// kav: the desktop program. An optional argument names a document to open.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "ui/app/app_icons.h"
#include "ui/app/kav_app.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/qt_settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(kav::kOrganisation));
  QApplication::setApplicationName(QString::fromLatin1(kav::kApplication));
  QApplication::setApplicationVersion(QStringLiteral(KAV_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("kav"));
  QApplication::setWindowIcon(kav::AppIcon());
  // The program's texts and numbers have a decimal point; QApplication took
  // the user's locale for printf.
  std::setlocale(LC_NUMERIC, "C");
  // Qt's own dialogs (files, printing) in Norwegian.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::NorwegianBokmal), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  kav::QtPlatform platform;
  kav::SetPlatform(&platform);
  kav::QtSettings settings;
  int status = 0;
  {
    kav::CKavApp kav(settings);
    const QStringList args = QApplication::arguments();
    kav.InitInstance(args.size() > 1 ? args.at(1) : QString());
    status = QApplication::exec();
    kav.ExitInstance();
  }
  kav::SetPlatform(nullptr);
  return status;
}
