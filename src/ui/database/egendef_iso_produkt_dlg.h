#pragma once
// The user's own insulation product ("Egendefinert isolasjonsprodukt"):
// the product fields, and the conductivity measured at four temperatures
// ("Lambdaverdi:", "Temperatur:"), with the curve through them
// ("Lambdakurve") redrawn as the points are typed. On OK the product's
// polynomial is the curve's.
#include <array>

#include "ui/widgets/item_dlg.h"

namespace kav {

class CCurveButton;
class CEgendefIsoProdukt;
class NumberField;
class ProductFields;

class CEgendefIsoProduktDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `product` (a copy: its thicknesses are edited in place).
  explicit CEgendefIsoProduktDlg(CEgendefIsoProdukt& product, QWidget* parent = nullptr);

  ProductFields& Fields() const { return *fields_; }
  NumberField& LambdaField(int point) const { return *lambdas_[static_cast<std::size_t>(point)]; }
  NumberField& TemperatureField(int point) const {
    return *temperatures_[static_cast<std::size_t>(point)];
  }
  CCurveButton& Curve() const { return *curve_; }

 protected:
  bool AcceptInput() override;

 private:
  // A point's field changed: a value within its range moves the curve's
  // point; the curve is fitted and drawn again.
  void PointTyped(int point);

  CEgendefIsoProdukt& product_;
  ProductFields* fields_;
  std::array<NumberField*, 4> lambdas_{};
  std::array<NumberField*, 4> temperatures_{};
  CCurveButton* curve_;
};

}  // namespace kav
