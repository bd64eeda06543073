#pragma once
// The picture button a dialog chooses its object with, centred in a group
// box of its own.
#include <QGroupBox>
#include <QStringList>

namespace kav {

class CMultiButton;
class CMultiButton2;

class PictureBox final : public QGroupBox {
  Q_OBJECT

 public:
  PictureBox(const QString& title, CMultiButton* button, QWidget* parent);
};

// A button with `types` pictures, one per object type (`names` their tool
// tips, if any), and a second row of them for a vertical placement.
CMultiButton2* MakeObjectButton(const QString& pictures, int types, const QStringList& names = {});

}  // namespace kav
