#pragma once
// The cost list ("Kostnadsdata Isolasjon"): the user's installed prices,
// each line its name and "kr/m" or "kr/m²" price under "Kostnad"; new
// entries, editing and deleting them; OK takes the selected entry. The
// cost list saves the changes after OK.
#include "data/kostnad.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class ListPanel;

class CKostnadDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits the working list of `choice`; its Selected is the entry selected
  // at first, and after OK the chosen one; Changed tells whether the list
  // was changed.
  explicit CKostnadDlg(CostChoice& choice, QWidget* parent = nullptr);

  ListPanel& Entries() const { return *entries_; }

  // Asks first when the list was changed.
  void reject() override;

 protected:
  bool AcceptInput() override;

 private:
  CostChoice& choice_;
  ListPanel* entries_;
};

}  // namespace kav
