#include "ui/widgets/color_btn.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

#include "output/device.h"

namespace kav {

CColorBtn::CColorBtn(QWidget* parent) : QAbstractButton(parent) {
  // The choice button beside it takes the focus.
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CColorBtn::SetColour(kav::Colour colour) {
  colour_ = colour;
  update();
}

bool CColorBtn::ChooseColour(const QString& title) {
  const QColor initial(RedOf(colour_), GreenOf(colour_), BlueOf(colour_));
  const QColor chosen = QColorDialog::getColor(initial, window(), title);
  if (!chosen.isValid()) return false;
  SetColour(Rgb(chosen.red(), chosen.green(), chosen.blue()));
  emit colourChosen(colour_);
  return true;
}

void CColorBtn::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.setPen(palette().color(QPalette::Dark));
  painter.setBrush(palette().color(QPalette::Base));
  painter.drawRect(frame);
  painter.fillRect(rect().adjusted(2, 2, -2, -2),
                   QColor(RedOf(colour_), GreenOf(colour_), BlueOf(colour_)));
}

QHBoxLayout* ColourChoiceRow(QPushButton* button, CColorBtn* swatch) {
  QString title = button->text();
  while (title.endsWith(QLatin1Char('.'))) title.chop(1);
  auto choose = [swatch, title] { swatch->ChooseColour(title); };
  QObject::connect(button, &QPushButton::clicked, swatch, choose);
  QObject::connect(swatch, &CColorBtn::clicked, swatch, choose);
  auto* row = new QHBoxLayout;
  row->addWidget(button, 1);
  row->addWidget(swatch);
  return row;
}

}  // namespace kav
