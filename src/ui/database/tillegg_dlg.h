#pragma once
// An accessory type ("Tilleggsutstyr"): its name and the equivalent
// additional lengths by pipe diameter band ("Tilleggslengde/diameter"); it
// needs at least one band.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CTillegg2;
class ListPanel;
class TextField;

class CTillegg2Dlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `type` (a copy: its bands are edited in place).
  explicit CTillegg2Dlg(CTillegg2& type, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  ListPanel& Lengths() const { return *lengths_; }

 protected:
  bool AcceptInput() override;

 private:
  CTillegg2& type_;
  TextField* name_;
  ListPanel* lengths_;
};

}  // namespace kav
