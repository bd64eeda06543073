#pragma once
// The user's own insulation product ("Egendefinert isolasjonsprodukt"):
// the product fields, and the conductivity measured at four temperatures
// ("Lambdaverdi:", "Temperatur:"), with the curve through them
// ("Lambdakurve") redrawn as the points are typed. On OK the product's
// polynomial is the curve's.
#include "ui/database/curve_points.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class CEgendefIsoProdukt;
class ProductFields;

class CEgendefIsoProduktDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `product` (a copy: its thicknesses are edited in place).
  explicit CEgendefIsoProduktDlg(CEgendefIsoProdukt& product, QWidget* parent = nullptr);

  ProductFields& Fields() const { return *fields_; }
  NumberField& LambdaField(int point) const { return points_->LambdaField(point); }
  NumberField& TemperatureField(int point) const { return points_->TemperatureField(point); }
  CCurveButton& Curve() const { return points_->Curve(); }

 protected:
  bool AcceptInput() override;

 private:
  CEgendefIsoProdukt& product_;
  ProductFields* fields_;
  CurvePoints* points_;
};

}  // namespace kav
