#pragma once
// The user's own insulation products ("Egendefinerte isolasjonsprodukter"):
// a sorted list with "Nytt produkt...", "Oppdater produkt..." and "Fjern
// produkt..." (not for a product in use). OK after changes asks whether to
// update the database, Cancel after changes whether to drop them.
#include "ui/widgets/item_dlg.h"

namespace kav {

class ListPanel;
struct UserDatabaseLists;

class CEgendefDatabaseDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CEgendefDatabaseDlg(UserDatabaseLists& lists, QWidget* parent = nullptr);

  ListPanel& Products() const { return *products_; }

  void reject() override;

 protected:
  bool AcceptInput() override;

 private:
  ListPanel* products_;
};

}  // namespace kav
