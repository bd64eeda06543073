#pragma once
// One band of an accessory type ("Tilleggslengde/rørdiameter"): the pipe
// length with the same heat loss as one unit, for pipes from the minimum
// to the maximum diameter. The band names itself "10 - 50 mm".
#include "ui/widgets/item_dlg.h"

namespace kav {

class CTilleggslengde;
class NumberField;

class CTilleggslengdeDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CTilleggslengdeDlg(CTilleggslengde& band, QWidget* parent = nullptr);

  NumberField& LengthField() const { return *length_; }
  NumberField& MinDiameterField() const { return *minDiameter_; }
  NumberField& MaxDiameterField() const { return *maxDiameter_; }

 protected:
  bool AcceptInput() override;

 private:
  CTilleggslengde& band_;
  NumberField* length_;
  NumberField* minDiameter_;
  NumberField* maxDiameter_;
};

}  // namespace kav
