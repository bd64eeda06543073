#include "ui/widgets/item_dlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/object_list.h"
#include "core/platform.h"
#include "core/strings.h"
#include "ui/widgets/dialog_fields.h"

namespace kav {

CItemDlg::CItemDlg(const QString& caption, std::string helpTopic, QWidget* parent, Buttons buttons)
    : QDialog(parent), helpPath_(std::move(helpTopic)), body_(new QVBoxLayout) {
  setWindowTitle(caption);
  // Modal to the main window only: the help viewer stays usable.
  setWindowModality(Qt::WindowModal);

  auto* buttonBox = new QDialogButtonBox(this);
  QPushButton* ok = buttonBox->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  if (buttons == Buttons::OkCancelHelp) {
    buttonBox->addButton(QStringLiteral("Avbryt"), QDialogButtonBox::RejectRole);
  }
  QPushButton* help = buttonBox->addButton(QStringLiteral("Hjelp"), QDialogButtonBox::HelpRole);
  help->setAutoDefault(false);
  connect(buttonBox, &QDialogButtonBox::accepted, this, &CItemDlg::accept);
  connect(buttonBox, &QDialogButtonBox::rejected, this, &CItemDlg::reject);
  connect(buttonBox, &QDialogButtonBox::helpRequested, this, &CItemDlg::OpenHelp);

  auto* shortcut = new QShortcut(QKeySequence::HelpContents, this);
  shortcut->setContext(Qt::WidgetWithChildrenShortcut);
  connect(shortcut, &QShortcut::activated, this, &CItemDlg::OpenHelp);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_, 1);
  layout->addWidget(buttonBox);
}

bool CItemDlg::CheckName(const std::string& name, QWidget* field) {
  int message = 0;
  if (name.empty()) {
    message = ids::EmptyNameIllegal;
  } else if (nameList_ != nullptr && nameList_->FindByName(name) != nullptr) {
    message = ids::NameAlreadyUsed;
  }
  if (message == 0) return true;
  ShowMessage(Str(message));
  FocusField(field);
  return false;
}

bool CItemDlg::CheckRange(int labelId, float value, float min, float max, QWidget* field) {
  if (min <= value && value <= max) return true;
  ShowMessage(FormatId(ids::RangeCheck, Str(labelId), min, max));
  FocusField(field);
  return false;
}

bool CItemDlg::CheckRange(int labelId, NumberField& field, float min, float max) {
  const std::optional<float> value = field.Value();
  if (!value) return field.CheckInput();
  return CheckRange(labelId, *value, min, max, &field);
}

void CItemDlg::OpenHelp() {
  kav::OpenHelp(helpPath_);
}

bool CItemDlg::CheckFields() {
  // Tab order, as the user goes through the dialog.
  QWidget* widget = this;
  do {
    auto* field = dynamic_cast<CheckedField*>(widget);
    if (field != nullptr && widget->isEnabled() && widget->isVisibleTo(this)) {
      if (!field->CheckInput()) return false;
    }
    widget = widget->nextInFocusChain();
  } while (widget != nullptr && widget != this);
  return true;
}

void CItemDlg::accept() {
  if (CheckFields() && AcceptInput()) QDialog::accept();
}

}  // namespace kav
