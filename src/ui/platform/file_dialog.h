#pragma once
// Qt's file dialog as the program shows it: the dates and sizes of its file
// list written the Norwegian way. The list takes them from the system's
// locale, which may be English while the dialog's words are Norwegian.
class QFileDialog;

namespace kav {

void UseNorwegianFileList(QFileDialog& dialog);

}  // namespace kav
