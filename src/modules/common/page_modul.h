#pragma once
// What the calculation modules share beyond CKavModul: a page of their own
// that shows their result items while they have results, the step that
// ends reading a module, and the calculation a module runs until its own
// is written.
#include <initializer_list>

#include "core/archive.h"
#include "core/kav_modul.h"
#include "output/graphics_item.h"
#include "output/text_item.h"

namespace kav {

class CPageModul : public CKavModul {
 public:
  // The calculation still to come: ResultsValid stays as it is (as it was
  // read, so that opening and saving a document gives the same bytes) and
  // nothing is put on the page.
  void Calculate() override;
  // Puts the module's result items on its page; ResultsValid := 1.
  virtual void ShowResults() = 0;
  // Takes them off; ResultsValid := 0.
  virtual void ClearResults() = 0;

  // The module's page: its index among the document's modules.
  int Page() const { return page_; }

 protected:
  explicit CPageModul(int page) : page_(page) {}

  // The last step of reading: with the stored results flag set the module
  // calculates, otherwise its results go off the page. A module that stores
  // NaN or an infinity, or whose results are not finite, is refused with
  // "Beregningen kan ikke utføres..." and shows no results.
  void FinishReading(const CArchive& ar);
  // Puts the items on the page (in this order) or takes them off.
  void ShowOnPage(std::initializer_list<CGraphicsItem*> items, bool shown) const;
  // ShowOnPage, and ResultsValid set to match.
  void SetResultsShown(std::initializer_list<CGraphicsItem*> items, bool shown);
  // Shown: the text goes 10 mm under `above`, at the left margin, onto the
  // page. Otherwise it goes off the page.
  void ShowTextBelow(CText& text, const CGraphicsItem& above, bool shown) const;

 private:
  int page_;
};

}  // namespace kav
