#pragma once
// One insulation solution of the economic module ("Økonomisk isolasjon -
// Isolasjonstype"): a database product and thickness, a hose series, a
// user product, or no insulation; its jacketing, the duct's surface or the
// inner jacketing as the object type has them; and its installed price,
// typed or taken from the cost list.
#include <array>

#include "ui/widgets/item_dlg.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kav {

class NumberField;
class ProductChoiceGroup;
class SurfaceChoiceGroup;
struct LayerChoice;
struct OkoIsolasjonEdit;

class COkoIsolasjonDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit COkoIsolasjonDlg(OkoIsolasjonEdit& edit, QWidget* parent = nullptr);

  QRadioButton& KindRadio(int kind) const { return *kindRadios_[static_cast<std::size_t>(kind)]; }
  ProductChoiceGroup& Products(int kind) const { return *groups_[static_cast<std::size_t>(kind)]; }
  SurfaceChoiceGroup& Jacketing() const { return *jacketing_; }
  SurfaceChoiceGroup& Surface() const { return *surface_; }
  SurfaceChoiceGroup& InnerJacketing() const { return *innerJacketing_; }
  NumberField& PriceField() const { return *price_; }
  QPushButton& CostListButton() const { return *costList_; }

 protected:
  bool AcceptInput() override;

 private:
  int Kind() const;
  void KindChosen(int kind);
  void ShowSolution();
  LayerChoice Choice() const;
  void EditUserProducts();
  void ChooseCost();

  OkoIsolasjonEdit& edit_;
  QButtonGroup* kinds_;
  std::array<QRadioButton*, 4> kindRadios_{};
  std::array<QGroupBox*, 3> productBoxes_{};
  std::array<ProductChoiceGroup*, 3> groups_{};
  SurfaceChoiceGroup* jacketing_;
  SurfaceChoiceGroup* surface_;
  SurfaceChoiceGroup* innerJacketing_;
  QGroupBox* cost_;
  NumberField* price_;
  QPushButton* costList_;
};

}  // namespace kav
