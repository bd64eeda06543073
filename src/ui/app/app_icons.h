#pragma once
// The program's icon (compiled in from resources/icons) and the toolbar's
// icons, drawn as vector shapes at whatever size they are shown.
#include <QIcon>

namespace kav {

// The program's icon; every call gives the same one.
QIcon AppIcon();

enum class ToolIcon {
  New,
  Open,
  Save,
  Print,
  Preview,
  CopyText,
  CopyPicture,
  EditInput,
  Project,
  Help,
};

QIcon MakeToolIcon(ToolIcon icon);

}  // namespace kav
