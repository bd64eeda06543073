#include "ui/dialogs.h"

#include "core/editors.h"
#include "data/egendef_database.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "modules/isolasjon_edit.h"
#include "modules/tilleggsutstyr.h"
#include "modules/varme_tap_modul.h"
#include "ui/egendef_database_dlg.h"
#include "ui/egendef_iso_produkt_dlg.h"
#include "ui/iso_tykkelse_dlg.h"
#include "ui/isolasjon_dlg.h"
#include "ui/klima_dlg.h"
#include "ui/klimasted_dlg.h"
#include "ui/project_dlg.h"
#include "ui/qt_platform.h"
#include "ui/tilleggsutstyr_dlg.h"
#include "ui/varmetap_dlg.h"

namespace kav {
namespace {

// The dialog edits the object it is given; true after OK.
template <class Dialog, class T>
void Register() {
  Editors::Register<T>([](T& object) {
    Dialog dialog(object, QtPlatform::DialogParent());
    return dialog.exec() == QDialog::Accepted;
  });
}

}  // namespace

void RegisterDialogs() {
  RegisterProjectDialog();
  Register<CVarmetapDlg, VarmeTapInputs>();
  Register<CIsolasjonDlg, IsolasjonEdit>();
  Register<CTilleggsutstyrDlg, TilleggsutstyrEdit>();
  Register<CKlimaDlg, ClimateChoice>();
  Register<CKlimastedDlg, CKlimasted>();
  Register<CEgendefDatabaseDlg, UserDatabaseLists>();
  Register<CEgendefIsoProduktDlg, CEgendefIsoProdukt>();
  Register<CIsoTykkelseDlg, CIsoTykkelse>();
}

}  // namespace kav
