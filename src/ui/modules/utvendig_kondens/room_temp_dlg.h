#pragma once
// "Typiske omgivelsestemperaturer ved dim. sommerforh.": the room types
// with their typical temperature; OK takes the one selected.
#include "ui/widgets/item_dlg.h"

class QTreeWidget;

namespace kav {

struct RoomTypeChoice;

class CRoomTempDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CRoomTempDlg(RoomTypeChoice& choice, QWidget* parent = nullptr);

  QTreeWidget& RoomTypes() const { return *list_; }

 protected:
  // Without a selection 62651 "Du må velge en av romtypene i listeboksen."
  bool AcceptInput() override;

 private:
  RoomTypeChoice& choice_;
  QTreeWidget* list_;
};

}  // namespace kav
