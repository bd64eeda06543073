#include "ui/app/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <string>

#include "core/settings.h"

namespace kav {
namespace {

constexpr const char* kSection = "Recent File List";
// Longer paths lose their middle in the menu.
constexpr int kLongestShown = 60;

std::string KeyOf(int index) {
  return "File" + std::to_string(index + 1);
}

void Write(Settings& settings, const QStringList& paths) {
  for (int index = 0; index < kRecentFileCount; ++index) {
    settings.SetString(kSection, KeyOf(index), paths.value(index).toStdString());
  }
}

}  // namespace

QStringList RecentFiles(Settings& settings) {
  QStringList paths;
  for (int index = 0; index < kRecentFileCount; ++index) {
    const QString path = QString::fromStdString(settings.GetString(kSection, KeyOf(index), {}));
    if (!path.isEmpty() && !paths.contains(path)) paths.append(path);
  }
  return paths;
}

void AddRecentFile(Settings& settings, const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = RecentFiles(settings);
  paths.removeAll(absolute);
  paths.prepend(absolute);
  Write(settings, paths);
}

void RemoveRecentFile(Settings& settings, const QString& path) {
  QStringList paths = RecentFiles(settings);
  if (paths.removeAll(path) > 0) Write(settings, paths);
}

QString LastUsedFolder(Settings& settings) {
  for (const QString& path : RecentFiles(settings)) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.isDir()) return folder.absoluteFilePath();
  }
  return {};
}

QString RecentFileMenuText(int index, const QString& path) {
  QString shown = path;
  const QString home = QDir::homePath();
  if (shown.startsWith(home + QLatin1Char('/'))) shown.replace(0, home.size(), QStringLiteral("~"));
  if (shown.size() > kLongestShown) {
    const int head = kLongestShown / 3;
    const int tail = kLongestShown - head - 1;
    shown = shown.left(head) + QChar(0x2026) + shown.right(tail);
  }
  shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace kav
