#pragma once
// The climate places ("Klimasteder"): the places with their annual mean
// temperature and wind speed, sorted by name; new places, editing and
// deleting them; OK takes the selected place. The climate list saves the
// changes after OK.
#include "data/klima.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class ListPanel;

class CKlimaDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits the working list of `choice`; its Selected is the place selected
  // at first, and after OK the chosen one; Changed tells whether the list
  // was changed.
  explicit CKlimaDlg(ClimateChoice& choice, QWidget* parent = nullptr);

  ListPanel& Places() const { return *places_; }

  // Asks first when the list was changed.
  void reject() override;

 protected:
  bool AcceptInput() override;

 private:
  ClimateChoice& choice_;
  ListPanel* places_;
};

}  // namespace kav
