#pragma once
// A step of a series ("Isolasjonstykkelse AF/GUMMIX"): pipes up to the
// maximum diameter get the thickness. A series has each maximum once.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CKorbuFlexTykkelse;
class NumberField;

class CKorbuFlexTykkelseDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CKorbuFlexTykkelseDlg(CKorbuFlexTykkelse& step, QWidget* parent = nullptr);

  NumberField& ThicknessField() const { return *thickness_; }
  NumberField& MaxDiameterField() const { return *maxDiameter_; }

 protected:
  bool AcceptInput() override;

 private:
  CKorbuFlexTykkelse& step_;
  NumberField* thickness_;
  NumberField* maxDiameter_;
  // The series' other steps.
  const ObjectList* steps_;
};

}  // namespace kav
