#include "modules/common/page_modul.h"

#include "core/string_ids.h"
#include "modules/common/finite_guard.h"
#include "modules/common/outcome.h"
#include "output/page_layout.h"

namespace kav {

void CPageModul::Calculate() {}

void CPageModul::FinishReading(const CArchive& ar) {
  if (!ar.IsLoading()) return;
  if (ResultsValid == 0) {
    ClearResults();
    return;
  }
  // A document can hold what no dialog lets in: NaN or an infinity among
  // the inputs, or values so large that the results overflow.
  auto refuse = [this](int reason) {
    ClearResults();
    Outcome outcome;
    outcome.Refuse(reason);
    ShowOutcome(outcome);
  };
  if (!StoredValuesFinite(*this)) {
    refuse(ids::ReasonStoredValueNotFinite);
    return;
  }
  Calculate();
  if (ResultsValid != 0 && !AllFinite(Results())) refuse(ids::ReasonNoFiniteResult);
}

void CPageModul::ShowOnPage(std::initializer_list<CGraphicsItem*> items, bool shown) const {
  for (CGraphicsItem* item : items) {
    if (shown) {
      AddToPage(page_, item);
    } else {
      RemoveFromPage(page_, item);
    }
  }
}

void CPageModul::SetResultsShown(std::initializer_list<CGraphicsItem*> items, bool shown) {
  ShowOnPage(items, shown);
  ResultsValid = shown ? 1 : 0;
}

void CPageModul::ShowTextBelow(CText& text, const CGraphicsItem& above, bool shown) const {
  if (shown) text.SetPosition(20.0f, BottomMm(above) + 10.0f);
  ShowOnPage({&text}, shown);
}

}  // namespace kav
