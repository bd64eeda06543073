#pragma once
// A standard insulation product ("Isolasjonsprodukt"): the product fields,
// the conductivity polynomial c3..c0, and "Beregn koeffisienter...", which
// fits the polynomial through four points.
#include <QPushButton>
#include <array>
#include <memory>

#include "ui/widgets/item_dlg.h"

namespace kav {

class CIsoProdukt;
class CoefficientFields;
class ProductFields;

class CIsoProduktDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `product` (a copy: its thicknesses are edited in place).
  explicit CIsoProduktDlg(CIsoProdukt& product, QWidget* parent = nullptr);
  ~CIsoProduktDlg() override;

  ProductFields& Fields() const { return *fields_; }
  CoefficientFields& Coefficients() const { return *coefficients_; }
  QPushButton& FitButton() const { return *fit_; }

 protected:
  bool AcceptInput() override;

 private:
  // "Beregn koeffisienter...": starts from the polynomial the dialog holds
  // (as opened, or as an earlier fit left it), not from typed text.
  void FitCoefficients();

  CIsoProdukt& product_;
  ProductFields* fields_;
  std::unique_ptr<CoefficientFields> coefficients_;
  QPushButton* fit_;
  float heldMaxTemperature_;
  std::array<float, 4> held_;
};

}  // namespace kav
