#include "ui/database/iso_kostnad_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "core/string_ids.h"
#include "data/active_list.h"
#include "data/kostnad.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

CIsoKostnadDlg::CIsoKostnadDlg(CIsoKostnad& entry, QWidget* parent)
    : CItemDlg(QStringLiteral("Kostnad isolasjon"), "::/html/kostnad.htm", parent),
      entry_(entry),
      name_(new TextField(kNameLimit, this)),
      price_(MakeNumberField(this, entry.Price)) {
  setObjectName(QStringLiteral("costEntryDialog"));
  name_->SetText(entry.Name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Navn i liste:"), name_);
  AddFieldRow(*grid, QStringLiteral("Kostnad [kr/%1]:").arg(QString::fromStdString(CostUnitWord())),
              price_);
  Body()->addLayout(grid);
  // The entry being edited is out of the list meanwhile.
  SetNameList(&ActiveList<CIsoKostnad>());
  name_->setFocus();
  resize(minimumSizeHint());
}

bool CIsoKostnadDlg::AcceptInput() {
  if (!CheckRange(ids::LabelCost, *price_, 0.0f, 5000.0f)) return false;
  if (!CheckName(name_->Text(), name_)) return false;
  entry_.Name = name_->Text();
  ReadNumber(*price_, entry_.Price);
  entry_.UpdateDisplayText(CostUnitWord());
  return true;
}

}  // namespace kav
