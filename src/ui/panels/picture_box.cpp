#include "ui/panels/picture_box.h"

#include <QVBoxLayout>

#include "ui/widgets/multi_button.h"

namespace kav {

PictureBox::PictureBox(const QString& title, CMultiButton* button, QWidget* parent)
    : QGroupBox(title, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(button, 0, Qt::AlignHCenter);
}

CMultiButton2* MakeObjectButton(const QString& pictures, int types, const QStringList& names) {
  auto* button = new CMultiButton2(pictures, types);
  if (!names.isEmpty()) button->SetStateToolTips(names);
  button->SetVariantToolTips({QStringLiteral("Horisontal"), QStringLiteral("Vertikal")});
  return button;
}

}  // namespace kav
