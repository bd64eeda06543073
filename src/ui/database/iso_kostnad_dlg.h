#pragma once
// One cost entry ("Kostnad isolasjon"): its name in the list and its
// installed price per metre or square metre, the unit word the economic
// dialog has set. The name must not be one that another entry has.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CIsoKostnad;
class NumberField;
class TextField;

class CIsoKostnadDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CIsoKostnadDlg(CIsoKostnad& entry, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  NumberField& PriceField() const { return *price_; }

 protected:
  bool AcceptInput() override;

 private:
  CIsoKostnad& entry_;
  TextField* name_;
  NumberField* price_;
};

}  // namespace kav
