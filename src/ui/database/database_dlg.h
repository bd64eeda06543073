#pragma once
// The product database ("Rediger database"): the eight lists, one shown at
// a time, each with "Ny...", "Oppdater..." and "Slett..." (not for a row in
// use). It edits working copies; OK after changes asks whether to update
// the database, Cancel after changes whether to drop them.
#include <QRadioButton>
#include <array>

#include "data/database_list.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class ListPanel;
struct DatabaseLists;

class CDatabaseDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Opens on lists.LastList, and keeps there the list shown last.
  explicit CDatabaseDlg(DatabaseLists& lists, QWidget* parent = nullptr);

  ListPanel& Rows() const { return *rows_; }
  QRadioButton& ListButton(DatabaseList list) const {
    return *buttons_[static_cast<std::size_t>(list)];
  }

  void reject() override;

 protected:
  bool AcceptInput() override;

 private:
  void ShowList(int list);

  DatabaseLists& lists_;
  std::array<QRadioButton*, kDatabaseListCount> buttons_{};
  ListPanel* rows_;
};

}  // namespace kav
