#pragma once
// The project information dialog ("Prosjektinformasjon"): project name and
// engineer side by side at the top (60 characters each), reference and
// comment below (255 characters each, several lines).
#include "core/project.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class MultiLineField;
class TextField;

class CProjectDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `project` (a copy: the fields are written back on OK).
  explicit CProjectDlg(CProject& project, QWidget* parent = nullptr);

  TextField& ProjectNameField() const { return *projectName_; }
  TextField& EngineerField() const { return *engineer_; }
  MultiLineField& ReferenceField() const { return *reference_; }
  MultiLineField& CommentField() const { return *comment_; }

 protected:
  bool AcceptInput() override;

 private:
  CProject& project_;
  TextField* projectName_;
  TextField* engineer_;
  MultiLineField* reference_;
  MultiLineField* comment_;
};

// Makes the document's EditProject open the dialog.
void RegisterProjectDialog();

}  // namespace kav
