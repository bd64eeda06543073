#pragma once
// One climate place ("Klimadata"): its name, annual mean outdoor
// temperature and annual mean wind speed. The name must not be one that
// another place of the list has.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CKlimasted;
class NumberField;
class TextField;

class CKlimastedDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CKlimastedDlg(CKlimasted& place, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  NumberField& TemperatureField() const { return *temperature_; }
  NumberField& WindField() const { return *wind_; }

 protected:
  bool AcceptInput() override;

 private:
  CKlimasted& place_;
  TextField* name_;
  NumberField* temperature_;
  NumberField* wind_;
};

}  // namespace kav
