#pragma once
// The choice of an insulation product and its thickness in the layer
// dialog, one for each kind of product: the product list with the
// product's description, then either a standard thickness from the
// product's list ("Std. tykkelse [mm]:"; for hose products a series,
// "Serie:") or a thickness typed in ("Egendef. tykkelse [mm]:"), and the
// pipe diameters the chosen thickness or series is made for.
#include <QWidget>
#include <vector>

#include "core/item.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace kav {

class ChoiceBinder;
class CIsoProdukt;
class CItemDlg;
class NumberField;
struct IsolasjonEdit;

class ProductChoiceGroup final : public QWidget {
  Q_OBJECT

 public:
  // What the standard choice is: a thickness row or a hose series.
  enum class Rows { Thicknesses, Series };

  explicit ProductChoiceGroup(Rows rows, QWidget* parent = nullptr);

  // Offers `products` and shows a layer's choice: the product, its row and
  // whether (and which) thickness is typed in.
  void Show(const std::vector<CListItem*>& products, CListItem* product, CListItem* row,
            bool ownThickness, float thickness);
  // The thickness controls are enabled only when the thickness is an input.
  void SetThicknessGiven(bool given);

  CIsoProdukt* Product() const;
  // The chosen thickness row or series, or null.
  CListItem* Row() const;
  bool OwnThickness() const;
  // The typed thickness into `thickness` (unchanged when not a number).
  void ReadThickness(float& thickness) const;

  // The checks of OK for the layer the choice was written into: a product;
  // with a thickness given, a row and its diameter range, or a typed
  // thickness that is not a standard one the pipe cannot have and lies
  // within the product's limits.
  bool Check(CItemDlg& dialog, const IsolasjonEdit& edit) const;

  QComboBox& ProductBox() const { return *productBox_; }
  QComboBox& RowBox() const { return *rowBox_; }
  QRadioButton& OwnRadio() const { return *own_; }
  NumberField& ThicknessField() const { return *thickness_; }
  QLabel& RangeText() const { return *range_; }

 private:
  void ProductPicked();
  void UpdateEnabling();
  void UpdateRange();

  Rows rows_;
  QComboBox* productBox_;
  QLabel* description_;
  QRadioButton* standard_;
  QComboBox* rowBox_;
  QRadioButton* own_;
  NumberField* thickness_;
  QLabel* range_;
  ChoiceBinder* products_;
  ChoiceBinder* rowChoice_;
  bool thicknessGiven_ = true;
};

}  // namespace kav
