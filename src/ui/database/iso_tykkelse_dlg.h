#pragma once
// A standard thickness of a product ("Std. tykkelse isolasjon"): the
// thickness and, when it is offered only for some pipe and duct diameters
// ("Begrensning rør/kanaldiameter"), their range. The product may have each
// thickness only once.
#include "ui/widgets/item_dlg.h"

class QCheckBox;

namespace kav {

class CIsoTykkelse;
class NumberField;

class CIsoTykkelseDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CIsoTykkelseDlg(CIsoTykkelse& thickness, QWidget* parent = nullptr);

  NumberField& ThicknessField() const { return *thickness_; }
  QCheckBox& LimitedBox() const { return *limited_; }
  NumberField& MinDiameterField() const { return *minDiameter_; }
  NumberField& MaxDiameterField() const { return *maxDiameter_; }

 protected:
  bool AcceptInput() override;

 private:
  void UpdateEnabling();

  CIsoTykkelse& row_;
  NumberField* thickness_;
  QCheckBox* limited_;
  NumberField* minDiameter_;
  NumberField* maxDiameter_;
};

}  // namespace kav
