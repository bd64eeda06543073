#pragma once
// The layer dialog ("Isolasjon"): the kind of product ("Isolasjonstype":
// "KORBU produkt", "Cellegummislanger m. seriesystem", "Egendefinert") with
// the product and thickness choice of that kind, "Rediger egendef.
// produkter..." for the user's own products, and what covers the layer:
// "Mantling" outside, "Innvendig mantling" and "Overflate kanaler" for
// insulation inside a duct.
#include <array>

#include "ui/widgets/item_dlg.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace kav {

class CIsolasjon;
struct LayerChoice;
class ProductChoiceGroup;
class SurfaceChoiceGroup;
struct IsolasjonEdit;

class CIsolasjonDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CIsolasjonDlg(IsolasjonEdit& edit, QWidget* parent = nullptr);

  // The choice of each kind of product, by Source.
  ProductChoiceGroup& Products(int source) const {
    return *groups_[static_cast<std::size_t>(source)];
  }
  QRadioButton& SourceRadio(int source) const {
    return *sourceRadios_[static_cast<std::size_t>(source)];
  }
  QPushButton& EditUserProductsButton() const { return *editUserProducts_; }
  SurfaceChoiceGroup& Jacketing() const { return *jacketing_; }
  SurfaceChoiceGroup& Surface() const { return *surface_; }

 protected:
  bool AcceptInput() override;

 private:
  // Shows the layer and the products offered.
  void ShowLayer();
  // The dialog's choices into the layer.
  void ReadInto(CIsolasjon& layer) const;
  LayerChoice Choice() const;
  int Source() const;
  void SourceChosen(int source);
  // The user database's editor; afterwards the products are offered anew.
  void EditUserProducts();

  IsolasjonEdit& edit_;
  QButtonGroup* sources_;
  std::array<QRadioButton*, 3> sourceRadios_{};
  QPushButton* editUserProducts_;
  QStackedWidget* pages_;
  std::array<ProductChoiceGroup*, 3> groups_{};
  SurfaceChoiceGroup* jacketing_;
  SurfaceChoiceGroup* innerJacketing_;
  SurfaceChoiceGroup* surface_;
};

}  // namespace kav
