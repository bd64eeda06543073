#pragma once
// The documents last opened or saved, newest first, at most four, as the
// "Fil" menu lists them. They are kept in the settings, section "Recent File
// List", keys "File1" (the newest) to "File4"; an empty value is no entry.
#include <QString>
#include <QStringList>

namespace kav {

class Settings;

inline constexpr int kRecentFileCount = 4;

QStringList RecentFiles(Settings& settings);
// Puts the document first, once, and lets the oldest beyond four go.
void AddRecentFile(Settings& settings, const QString& path);
void RemoveRecentFile(Settings& settings, const QString& path);
// The folder of the newest document in the list whose folder is still
// there; empty when there is none.
QString LastUsedFolder(Settings& settings);

// The menu entry of the document at `index` (0 for the newest): "&1 " and
// its path, the home folder shown as "~", a long path shortened in the
// middle, an "&" in the name doubled so that it is shown.
QString RecentFileMenuText(int index, const QString& path);

}  // namespace kav
