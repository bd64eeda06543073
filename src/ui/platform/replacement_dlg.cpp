#include "ui/platform/replacement_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/strings.h"

namespace kav {

CDatabaseverdiBorteDlg::CDatabaseverdiBorteDlg(const ChoiceRequest& request, QWidget* parent)
    : CItemDlg(QString::fromStdString(request.title), request.helpTopic, parent, Buttons::OkHelp),
      prompt_(new QLabel(QString::fromStdString(request.prompt), this)),
      choices_(new QComboBox(this)) {
  setObjectName(QStringLiteral("replacementDialog"));
  prompt_->setWordWrap(true);
  prompt_->setMinimumWidth(380);
  for (const std::string& entry : request.entries) {
    choices_->addItem(QString::fromStdString(entry));
  }
  const int count = static_cast<int>(request.entries.size());
  choices_->setCurrentIndex(request.initial >= 0 && request.initial < count ? request.initial : 0);
  Body()->addWidget(prompt_);
  Body()->addSpacing(6);
  Body()->addWidget(choices_);
  choices_->setFocus();
}

int CDatabaseverdiBorteDlg::Chosen() const {
  return choices_->currentIndex();
}

QString CDatabaseverdiBorteDlg::PromptText() const {
  return prompt_->text();
}

void CDatabaseverdiBorteDlg::reject() {
  ShowMessage(Str(ids::SelectValueInList));
}

}  // namespace kav
