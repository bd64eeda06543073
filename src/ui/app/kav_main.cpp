// kav: the desktop program. An optional argument names a document to open.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <memory>

#include "ui/app/app_icons.h"
#include "ui/app/kav_app.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/qt_settings.h"
#include "ui/platform/qt_translation.h"

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
  // Qt's own dialogs (files, printing, colours, buttons) in Norwegian.
  const std::unique_ptr<QTranslator> qtTexts = kav::UseNorwegianQtDialogs();
  if (!qtTexts) {
    std::fprintf(stderr, "kav: kan ikke lese %s; Qts egne dialoger blir på engelsk\n",
                 kav::QtTranslationFile().c_str());
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
