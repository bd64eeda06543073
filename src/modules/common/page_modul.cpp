#include "modules/common/page_modul.h"

#include "output/page_layout.h"

namespace kav {

void CPageModul::Calculate() {}

void CPageModul::FinishReading(const CArchive& ar) {
  if (!ar.IsLoading()) return;
  if (ResultsValid != 0) {
    Calculate();
  } else {
    ClearResults();
  }
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
