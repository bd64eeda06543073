#include "ui/platform/qt_settings.h"

#include <QString>

namespace kav {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettings::QtSettings()
    : QtSettings(std::make_unique<QSettings>(QString::fromLatin1(kOrganisation),
                                             QString::fromLatin1(kApplication))) {}

QtSettings::QtSettings(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

std::string QtSettings::GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) {
  const QVariant value = settings_->value(KeyOf(section, key));
  return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettings::SetString(const std::string& section, const std::string& key,
                           const std::string& value) {
  settings_->setValue(KeyOf(section, key), QString::fromStdString(value));
}

int QtSettings::GetInt(const std::string& section, const std::string& key, int fallback) {
  bool ok = false;
  const int value = settings_->value(KeyOf(section, key)).toInt(&ok);
  return ok ? value : fallback;
}

void QtSettings::SetInt(const std::string& section, const std::string& key, int value) {
  settings_->setValue(KeyOf(section, key), value);
}

}  // namespace kav
