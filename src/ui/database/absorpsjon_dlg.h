#pragma once
// An absorption product ("Absorpsjonsprodukt"): its name, the thicknesses
// it is delivered in with their absorption coefficients, and its two
// drawing colours. A thickness the sound trap has chosen is not deleted.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CAbsorpsjon;
class CColorBtn;
class ListPanel;
class TextField;

class CAbsorpsjonDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `product` (a copy: its thicknesses are edited in place).
  explicit CAbsorpsjonDlg(CAbsorpsjon& product, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  ListPanel& Thicknesses() const { return *thicknesses_; }

 protected:
  bool AcceptInput() override;

 private:
  CAbsorpsjon& product_;
  TextField* name_;
  ListPanel* thicknesses_;
  CColorBtn* insulationColour_;
  CColorBtn* surfaceColour_;
};

}  // namespace kav
