#pragma once
// Qt's own dialogs and buttons (files, printing, page set-up, colours, the
// standard buttons of message boxes, the context menus of text fields) in
// Norwegian, whatever language the user's desktop speaks, as the rest of the
// program is.
#include <QTranslator>
#include <filesystem>
#include <memory>

namespace kav {

// The compiled translation of Qt's texts: share/kav/translations.
std::filesystem::path QtTranslationFile();

// Installs the translation (it stays in force while the returned translator
// lives), makes Norwegian Bokmål the default locale (the names of file
// types, numbers and dates in Qt's dialogs) and keeps to Qt's own dialogs:
// the desktop's native file and colour dialogs speak the desktop's language
// and cannot be translated by the program. Null when the translation cannot
// be read; the dialogs are then still Qt's own, in English.
std::unique_ptr<QTranslator> UseNorwegianQtDialogs();

}  // namespace kav
