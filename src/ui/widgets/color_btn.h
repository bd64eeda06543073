#pragma once
// The colour swatch beside a colour-choice button ("Sett isolasjonsfarge...",
// "Sett overflatefarge..."): a framed field in the colour, which the
// standard colour chooser sets.
#include <QAbstractButton>
#include <QString>

class QHBoxLayout;
class QPushButton;

#include "core/colour.h"

namespace kav {

class CColorBtn final : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CColorBtn(QWidget* parent = nullptr);

  kav::Colour Colour() const { return colour_; }
  void SetColour(kav::Colour colour);
  // The standard colour chooser with `title`, starting at the colour; true
  // when the user took a colour.
  bool ChooseColour(const QString& title);

  QSize sizeHint() const override { return QSize(44, 22); }

 signals:
  void colourChosen(kav::Colour colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  kav::Colour colour_ = 0;
};

// The choice button and its swatch side by side; a click on either opens
// the colour chooser.
QHBoxLayout* ColourChoiceRow(QPushButton* button, CColorBtn* swatch);

}  // namespace kav
