#pragma once
// A series of a hose product ("Serie Cellegummislanger"): its name, the
// range of standard pipe diameters it covers and its thickness steps
// ("Isolasjonstykkelser"). The product may have each series name once.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CKorbuFlexSerie;
class ListPanel;
class NumberField;
class TextField;

class CKorbuFlexSerieDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `series` (a copy: its steps are edited in place).
  explicit CKorbuFlexSerieDlg(CKorbuFlexSerie& series, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  NumberField& MinDiameterField() const { return *minDiameter_; }
  NumberField& MaxDiameterField() const { return *maxDiameter_; }
  ListPanel& Steps() const { return *steps_; }

 protected:
  bool AcceptInput() override;

 private:
  CKorbuFlexSerie& series_;
  TextField* name_;
  NumberField* minDiameter_;
  NumberField* maxDiameter_;
  ListPanel* steps_;
};

}  // namespace kav
