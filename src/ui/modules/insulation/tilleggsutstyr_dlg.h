#pragma once
// The accessory dialog ("Tilleggsutstyr"): an accessory type of the
// database ("Type tilleggsutsyr:"), or the user's own accessory
// ("Egendef. tilleggsutstyr") with its name and equivalent pipe length;
// and the number of units.
#include "ui/widgets/item_dlg.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace kav {

class ChoiceBinder;
class NumberField;
class TextField;
struct TilleggsutstyrEdit;

class CTilleggsutstyrDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CTilleggsutstyrDlg(TilleggsutstyrEdit& edit, QWidget* parent = nullptr);

  QComboBox& TypeBox() const { return *typeBox_; }
  TextField& NameField() const { return *name_; }
  QSpinBox& CountField() const { return *count_; }

 protected:
  bool AcceptInput() override;

 private:
  void UpdateEnabling();

  TilleggsutstyrEdit& edit_;
  QComboBox* typeBox_;
  ChoiceBinder* types_;
  QCheckBox* user_;
  TextField* name_;
  NumberField* length_;
  QSpinBox* count_;
};

}  // namespace kav
