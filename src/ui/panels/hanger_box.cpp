#include "ui/panels/hanger_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kav {

HangerBox::HangerBox(QWidget* parent) : QGroupBox(parent) {
  auto* layout = new QVBoxLayout(this);
  check_ = new QCheckBox(QStringLiteral("Uisolerte opphengninger"), this);
  auto* note = new QLabel(QString::fromUtf8("Varmetap pga. opphengninger beregnes som en "
                                            "prosentvis tilleggslengde (ref. ISO 12241)"),
                          this);
  note->setWordWrap(true);
  note->setMinimumHeight(note->fontMetrics().lineSpacing() * 2);
  layout->addWidget(check_);
  layout->addWidget(note);
}

}  // namespace kav
