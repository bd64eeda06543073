#pragma once
// The choice of a replacement for a database row that a document refers to
// and the database no longer has ("Databaseverdi fjernet"): the
// explanation, a drop-down of the rows with the first selected, "OK" and
// "Hjelp". It cannot be left without a choice: Esc and the close box only
// remind the user (61255).
#include <QString>

#include "core/platform.h"
#include "ui/widgets/item_dlg.h"

class QComboBox;
class QLabel;

namespace kav {

class CDatabaseverdiBorteDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CDatabaseverdiBorteDlg(const ChoiceRequest& request, QWidget* parent = nullptr);

  // The index of the chosen entry.
  int Chosen() const;
  QString PromptText() const;

  void reject() override;

 private:
  QLabel* prompt_;
  QComboBox* choices_;
};

}  // namespace kav
