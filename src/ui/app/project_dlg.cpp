#include "ui/app/project_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/editors.h"
#include "ui/platform/qt_platform.h"
#include "ui/widgets/dialog_fields.h"

namespace kav {
namespace {

constexpr int kNameLimit = static_cast<int>(CProject::kNameLimit);
constexpr int kTextLimit = static_cast<int>(CProject::kTextLimit);

QLabel* LabelFor(const char* text, QWidget* field) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setBuddy(field);
  return label;
}

}  // namespace

CProjectDlg::CProjectDlg(CProject& project, QWidget* parent)
    : CItemDlg(QStringLiteral("Prosjektinformasjon"), "::/html/prosjekt.htm", parent),
      project_(project),
      projectName_(new TextField(kNameLimit, this)),
      engineer_(new TextField(kNameLimit, this)),
      reference_(new MultiLineField(kTextLimit, this)),
      comment_(new MultiLineField(kTextLimit, this)) {
  setObjectName(QStringLiteral("projectDialog"));
  projectName_->SetText(project.ProjectName);
  engineer_->SetText(project.Engineer);
  reference_->SetText(project.Reference);
  comment_->SetText(project.Comment);

  // The two names side by side, each as wide as 60 characters need.
  const int nameWidth = projectName_->fontMetrics().averageCharWidth() * 46;
  projectName_->setMinimumWidth(nameWidth);
  engineer_->setMinimumWidth(nameWidth);
  auto* names = new QGridLayout;
  names->addWidget(LabelFor("Prosjektnavn :", projectName_), 0, 0);
  names->addWidget(LabelFor("Beregningene er utført av :", engineer_), 0, 1);
  names->addWidget(projectName_, 1, 0);
  names->addWidget(engineer_, 1, 1);
  names->setHorizontalSpacing(16);
  names->setColumnStretch(0, 1);
  names->setColumnStretch(1, 1);
  Body()->addLayout(names);
  Body()->addSpacing(8);

  for (auto [text, field] :
       {std::pair{"Referanse :", reference_}, std::pair{"Kommentar :", comment_}}) {
    field->setMinimumHeight(field->fontMetrics().lineSpacing() * 4 + 12);
    Body()->addWidget(LabelFor(text, field));
    Body()->addWidget(field, 1);
  }
  projectName_->setFocus();
  // Compact at first; the text fields grow with the window.
  resize(minimumSizeHint());
}

bool CProjectDlg::AcceptInput() {
  project_.ProjectName = projectName_->Text();
  project_.Engineer = engineer_->Text();
  project_.Reference = reference_->Text();
  project_.Comment = comment_->Text();
  return true;
}

void RegisterProjectDialog() {
  Editors::Register<CProject>([](CProject& project) {
    CProjectDlg dialog(project, QtPlatform::DialogParent());
    return dialog.exec() == QDialog::Accepted;
  });
}

}  // namespace kav
