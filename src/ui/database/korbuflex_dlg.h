#pragma once
// A cellular-rubber hose product ("Cellegummislanger (seriesystem)"): the
// product's conductivity and limits, and its series ("Serier"), each with
// its pipe range and thickness steps.
#include <QCheckBox>
#include <memory>

#include "ui/widgets/item_dlg.h"

namespace kav {

class CColorBtn;
class CKorbuFlex;
class CoefficientFields;
class ListPanel;
class NumberField;
class TextField;

class CKorbuFlexDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `product` (a copy: its series are edited in place).
  explicit CKorbuFlexDlg(CKorbuFlex& product, QWidget* parent = nullptr);
  ~CKorbuFlexDlg() override;

  TextField& NameField() const { return *name_; }
  ListPanel& Series() const { return *series_; }
  CoefficientFields& Coefficients() const { return *coefficients_; }

 protected:
  bool AcceptInput() override;

 private:
  CKorbuFlex& product_;
  TextField* name_;
  NumberField* maxTemperature_;
  NumberField* emissivity_;
  std::unique_ptr<CoefficientFields> coefficients_;
  ListPanel* series_;
  NumberField* minThickness_;
  NumberField* maxThickness_;
  CColorBtn* insulationColour_;
  CColorBtn* surfaceColour_;
  QCheckBox* notOuterLayer_;
};

}  // namespace kav
