#include "ui/modules/utvendig_kondens/room_temp_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "modules/utvendig_kondens/room_types.h"

namespace kav {

CRoomTempDlg::CRoomTempDlg(RoomTypeChoice& choice, QWidget* parent)
    : CItemDlg(QString::fromUtf8("Typiske omgivelsestemperaturer ved dim. sommerforh."),
               "::/html/utvkond.htm#romtyper", parent),
      choice_(choice),
      list_(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("roomTemperatureDialog"));
  list_->setColumnCount(2);
  list_->setHeaderLabels({QStringLiteral("Romtype"), QString::fromUtf8("Temp. [°C]")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const RoomType& room : kRoomTypes) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, QString::fromStdString(Str(room.nameId)));
    item->setText(1, QString::fromStdString(FormatValue(ids::FmtNumber1, room.temperature)));
    item->setTextAlignment(1, Qt::AlignRight);
  }
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->header()->setStretchLastSection(false);
  list_->resizeColumnToContents(0);
  list_->resizeColumnToContents(1);
  const int width =
      list_->columnWidth(0) + list_->columnWidth(1) + list_->fontMetrics().averageCharWidth() * 8;
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->setMinimumWidth(width);
  list_->setMinimumHeight(list_->fontMetrics().lineSpacing() *
                          (static_cast<int>(kRoomTypes.size()) + 3));
  if (choice_.selected >= 0 && choice_.selected < list_->topLevelItemCount()) {
    list_->setCurrentItem(list_->topLevelItem(choice_.selected));
  } else {
    list_->setCurrentItem(nullptr);
    list_->clearSelection();
  }
  auto* note = new QLabel(
      QString::fromUtf8("Trykk på OK for å overføre temperaturen fra valgt romtype."), this);
  note->setWordWrap(true);
  Body()->addWidget(list_);
  Body()->addWidget(note);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
}

bool CRoomTempDlg::AcceptInput() {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) {
    ShowMessage(Str(ids::SelectRoomType));
    list_->setFocus();
    return false;
  }
  choice_.selected = list_->indexOfTopLevelItem(selected.front());
  return true;
}

}  // namespace kav
