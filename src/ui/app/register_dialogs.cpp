#include "ui/app/register_dialogs.h"

#include "core/editors.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "data/kostnad.h"
#include "modules/frost/frost_inputs.h"
#include "modules/innvendig_kondens/innvendig_kondens_inputs.h"
#include "modules/insulation/isolasjon_edit.h"
#include "modules/insulation/tilleggsutstyr.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "modules/lyd/lyd_inputs.h"
#include "modules/okonomi/okonomi_inputs.h"
#include "modules/okonomi/okonomi_isolasjon_edit.h"
#include "modules/tank_temp/tank_temp_inputs.h"
#include "modules/utvendig_kondens/room_types.h"
#include "modules/utvendig_kondens/utvendig_kondens_inputs.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/app/project_dlg.h"
#include "ui/database/absorpsjon_dlg.h"
#include "ui/database/absorpsjon_tykkelse_dlg.h"
#include "ui/database/database_dlg.h"
#include "ui/database/egendef_database_dlg.h"
#include "ui/database/egendef_iso_produkt_dlg.h"
#include "ui/database/iso_kostnad_dlg.h"
#include "ui/database/iso_produkt_dlg.h"
#include "ui/database/iso_tykkelse_dlg.h"
#include "ui/database/klima_dlg.h"
#include "ui/database/klimasted_dlg.h"
#include "ui/database/korbuflex_dlg.h"
#include "ui/database/korbuflex_serie_dlg.h"
#include "ui/database/korbuflex_tykkelse_dlg.h"
#include "ui/database/kostnad_dlg.h"
#include "ui/database/mantling_dlg.h"
#include "ui/database/tillegg_dlg.h"
#include "ui/database/tilleggslengde_dlg.h"
#include "ui/database/veske_dlg.h"
#include "ui/modules/frost/frost_dlg.h"
#include "ui/modules/innvendig_kondens/innvendig_kondens_dlg.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/insulation/tilleggsutstyr_dlg.h"
#include "ui/modules/kanal_temp/kanal_temp_dlg.h"
#include "ui/modules/kanal_temp/segment_dlg.h"
#include "ui/modules/lyd/lyd_dlg.h"
#include "ui/modules/okonomi/okonomi_dlg.h"
#include "ui/modules/okonomi/okonomi_isolasjon_dlg.h"
#include "ui/modules/tank_temp/tank_temp_dlg.h"
#include "ui/modules/utvendig_kondens/room_temp_dlg.h"
#include "ui/modules/utvendig_kondens/utvendig_kondens_dlg.h"
#include "ui/modules/varme_tap/varmetap_dlg.h"
#include "ui/platform/qt_platform.h"

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
  Register<CLydDlg, LydInputs>();
  Register<CKlimaDlg, ClimateChoice>();
  Register<CKlimastedDlg, CKlimasted>();
  Register<CKostnadDlg, CostChoice>();
  Register<CIsoKostnadDlg, CIsoKostnad>();
  Register<CEgendefDatabaseDlg, UserDatabaseLists>();
  Register<CEgendefIsoProduktDlg, CEgendefIsoProdukt>();
  Register<CIsoTykkelseDlg, CIsoTykkelse>();
  Register<CDatabaseDlg, DatabaseLists>();
  Register<CIsoProduktDlg, CIsoProdukt>();
  Register<CMantlingDlg, CMantling>();
  Register<COverflateDlg, COverflate>();
  Register<CInnvMantlingDlg, CInnvMantling>();
  Register<CVeskeDlg, CVeske>();
  Register<CKorbuFlexDlg, CKorbuFlex>();
  Register<CKorbuFlexSerieDlg, CKorbuFlexSerie>();
  Register<CKorbuFlexTykkelseDlg, CKorbuFlexTykkelse>();
  Register<CTillegg2Dlg, CTillegg2>();
  Register<CTilleggslengdeDlg, CTilleggslengde>();
  Register<CAbsorpsjonDlg, CAbsorpsjon>();
  Register<CAbsorpsjonTykkelseDlg, CAbsorpsjonTykkelse>();
  Register<CUtvendigKondensDlg, UtvendigKondensInputs>();
  Register<CRoomTempDlg, RoomTypeChoice>();
  Register<CInnvendigKondensDlg, InnvendigKondensInputs>();
  Register<CTankTempDlg, TankTempInputs>();
  Register<COkonomiDlg, OkonomiInputs>();
  Register<COkoIsolasjonDlg, OkoIsolasjonEdit>();
  Register<CKanalTempDlg, KanalTempInputs>();
  Register<CSegmentDlg, CSegment>();
  Register<CFrostDlg, FrostInputs>();
}

}  // namespace kav
