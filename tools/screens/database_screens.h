#pragma once
// The product database's dialogs for `make screens`.
#include <QString>
#include <QWidget>
#include <functional>

namespace kav {
class CKavDoc;
}

// Renders the database dialog and each row dialog with rows of the
// document's database; `save` writes one window under a file name.
bool SaveDatabaseDialogs(kav::CKavDoc& doc, QWidget* parent,
                         const std::function<bool(QWidget&, const QString&)>& save);
