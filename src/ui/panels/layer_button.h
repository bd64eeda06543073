#pragma once
// An insulation layer as the module dialogs offer it: the button that opens
// the layer dialog and, under it, what the layer holds; and the checks of
// its product when the dialog is confirmed.
#include <QWidget>

class QLabel;
class QPushButton;

namespace kav {

class CIsolasjon;

class LayerButton final : public QWidget {
  Q_OBJECT

 public:
  // `text` as the dialog words the button ("Velg isolasjonsprodukt...").
  explicit LayerButton(const QString& text, QWidget* parent = nullptr);

  QPushButton& Button() const { return *button_; }
  QLabel& Summary() const { return *summary_; }

  // Shows the layer's product, with its thickness when it is an input.
  void Show(const CIsolasjon& layer);

  // OK's check that the layer has its product: without one 62535 "Du må
  // velge et isolasjonsprodukt." (the focus on the button) and false.
  bool CheckChosen(const CIsolasjon& layer) const;
  // OK's checks of the layer, in this order: CheckChosen; a product
  // whose maximum temperature is below `medium` asks 62571, otherwise one
  // below `ambient` asks 62572 (OK/Cancel). False keeps the dialog open.
  bool CheckProduct(const CIsolasjon& layer, float medium, float ambient) const;

 signals:
  void clicked();

 private:
  QPushButton* button_;
  QLabel* summary_;
};

}  // namespace kav
