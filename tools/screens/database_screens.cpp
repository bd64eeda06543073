#include "database_screens.h"

#include "data/active_list.h"
#include "data/database.h"
#include "data/working_copy.h"
#include "modules/kav_doc.h"
#include "ui/database/absorpsjon_dlg.h"
#include "ui/database/absorpsjon_tykkelse_dlg.h"
#include "ui/database/database_dlg.h"
#include "ui/database/iso_produkt_dlg.h"
#include "ui/database/koeff_beregning_dlg.h"
#include "ui/database/korbuflex_dlg.h"
#include "ui/database/korbuflex_serie_dlg.h"
#include "ui/database/korbuflex_tykkelse_dlg.h"
#include "ui/database/mantling_dlg.h"
#include "ui/database/tillegg_dlg.h"
#include "ui/database/tilleggslengde_dlg.h"
#include "ui/database/veske_dlg.h"

namespace {

// The dialog of the first row of a list, when the list has one.
template <class Dialog, class T>
bool SaveFirst(kav::TypedList<T>& rows, QWidget* parent, const QString& name,
               const std::function<bool(QWidget&, const QString&)>& save) {
  if (rows.empty()) return true;
  Dialog dialog(*rows[0], parent);
  return save(dialog, name);
}

}  // namespace

bool SaveDatabaseDialogs(kav::CKavDoc& doc, QWidget* parent,
                         const std::function<bool(QWidget&, const QString&)>& save) {
  kav::DatabaseLists lists;
  const std::vector<kav::ObjectList*> own = kav::ListsOf<kav::DatabaseLists>(doc.Database());
  const std::vector<kav::ObjectList*> copies = kav::ListsOf(lists);
  for (std::size_t i = 0; i < own.size(); ++i) kav::CopyList(*copies[i], *own[i]);
  kav::ActiveListScope scope;
  lists.ForEachList([&scope](auto& list) { scope.Redirect(list); });

  bool ok = true;
  {
    kav::CDatabaseDlg dialog(lists, parent);
    ok = save(dialog, QStringLiteral("database")) && ok;
  }
  ok = SaveFirst<kav::CIsoProduktDlg>(lists.InsulationProducts, parent,
                                      QStringLiteral("isoprodukt"), save) &&
       ok;
  if (!lists.InsulationProducts.empty()) {
    const kav::CIsoProdukt& product = *lists.InsulationProducts[0];
    std::array<float, 4> fitted{};
    kav::CKoeffBeregningDlg dialog(
        kav::CKoeffBeregningDlg::StartingPoints(product.MaxTemperature,
                                                {product.C3, product.C2, product.C1, product.C0}),
        fitted, parent);
    ok = save(dialog, QStringLiteral("beregn-koeffisienter")) && ok;
  }
  ok = SaveFirst<kav::CKorbuFlexDlg>(lists.HoseProducts, parent, QStringLiteral("slange"), save) &&
       ok;
  if (!lists.HoseProducts.empty() && !lists.HoseProducts[0]->Series.empty()) {
    kav::CKorbuFlexSerie& series = *lists.HoseProducts[0]->Series[0];
    {
      kav::CKorbuFlexSerieDlg dialog(series, parent);
      ok = save(dialog, QStringLiteral("slange-serie")) && ok;
    }
    ok = SaveFirst<kav::CKorbuFlexTykkelseDlg>(series.SeriesThicknesses, parent,
                                               QStringLiteral("slange-tykkelse"), save) &&
         ok;
  }
  ok = SaveFirst<kav::CAbsorpsjonDlg>(lists.AbsorptionProducts, parent,
                                      QStringLiteral("absorpsjon"), save) &&
       ok;
  if (!lists.AbsorptionProducts.empty()) {
    ok = SaveFirst<kav::CAbsorpsjonTykkelseDlg>(lists.AbsorptionProducts[0]->AbsorptionThicknesses,
                                                parent, QStringLiteral("absorpsjon-tykkelse"),
                                                save) &&
         ok;
  }
  ok = SaveFirst<kav::CMantlingDlg>(lists.Jacketings, parent, QStringLiteral("mantling"), save) &&
       ok;
  ok = SaveFirst<kav::COverflateDlg>(lists.Surfaces, parent, QStringLiteral("overflate"), save) &&
       ok;
  ok = SaveFirst<kav::CInnvMantlingDlg>(lists.InnerJacketings, parent,
                                        QStringLiteral("innv-mantling"), save) &&
       ok;
  ok =
      SaveFirst<kav::CTillegg2Dlg>(lists.AccessoryTypes, parent, QStringLiteral("tillegg"), save) &&
      ok;
  if (!lists.AccessoryTypes.empty()) {
    ok = SaveFirst<kav::CTilleggslengdeDlg>(lists.AccessoryTypes[0]->Lengths, parent,
                                            QStringLiteral("tilleggslengde"), save) &&
         ok;
  }
  ok = SaveFirst<kav::CVeskeDlg>(lists.Liquids, parent, QStringLiteral("vaeske"), save) && ok;
  return ok;
}
