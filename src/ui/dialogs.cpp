#include "ui/dialogs.h"

#include "ui/project_dlg.h"

namespace kav {

void RegisterDialogs() {
  RegisterProjectDialog();
}

}  // namespace kav
