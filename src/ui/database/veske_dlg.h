#pragma once
// A liquid ("Væske"): its name, density, specific heat capacity and
// freezing point.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CVeske;
class NumberField;
class TextField;

class CVeskeDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CVeskeDlg(CVeske& liquid, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  NumberField& DensityField() const { return *density_; }
  NumberField& HeatCapacityField() const { return *heatCapacity_; }
  NumberField& FreezingPointField() const { return *freezingPoint_; }

 protected:
  bool AcceptInput() override;

 private:
  CVeske& liquid_;
  TextField* name_;
  NumberField* density_;
  NumberField* heatCapacity_;
  NumberField* freezingPoint_;
};

}  // namespace kav
