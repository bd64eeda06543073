// The input dialogs fit on a 1366 x 768 screen, with room for a title bar
// and a task bar, in their largest forms.
#include <gtest/gtest.h>

#include <QDialog>

#include "data/database.h"
#include "data/egendef_database.h"
#include "input_dialog_fixture.h"
#include "modules/insulation/isolasjon_edit.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/database/database_dlg.h"
#include "ui/database/egendef_iso_produkt_dlg.h"
#include "ui/database/iso_produkt_dlg.h"
#include "ui/database/koeff_beregning_dlg.h"
#include "ui/database/korbuflex_dlg.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/varme_tap/varmetap_dlg.h"

namespace kav::test {
namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768 - 30 - 40;  // less a title bar and a task bar

class DialogSizeTest : public InputDialogTest {
 protected:
  static void ExpectFits(QDialog& dialog) {
    dialog.adjustSize();
    const QSize size = dialog.size();
    EXPECT_LE(size.width(), kScreenWidth) << dialog.windowTitle().toStdString();
    EXPECT_LE(size.height(), kScreenHeight) << dialog.windowTitle().toStdString();
    EXPECT_GE(size.width(), dialog.minimumSizeHint().width());
  }
};

TEST_F(DialogSizeTest, TheLargestDialogsFitOnASmallLaptopScreen) {
  VarmeTapInputs inputs;
  inputs.TwoLayers = 1;
  inputs.HasAccessories = 1;
  CVarmetapDlg heatLoss(inputs);
  ExpectFits(heatLoss);

  // Insulation inside a duct: the facing and the duct surface as well.
  IsolasjonEdit internal(CIsolasjon(code::Usage::RectangularDuctInside, 1, 1), 0.0f);
  CIsolasjonDlg layer(internal);
  ExpectFits(layer);

  CEgendefIsoProdukt product;
  CEgendefIsoProduktDlg userProduct(product);
  ExpectFits(userProduct);

  CIsoProduktDlg standardProduct(product);
  ExpectFits(standardProduct);
  std::array<float, 4> fitted{};
  CKoeffBeregningDlg fit(CKoeffBeregningDlg::StartingPoints(200.0f, fitted), fitted);
  ExpectFits(fit);
  CKorbuFlex hose;
  CKorbuFlexDlg hoseProduct(hose);
  ExpectFits(hoseProduct);
  CDatabaseDlg database(Doc().Database());
  ExpectFits(database);
}

}  // namespace
}  // namespace kav::test
