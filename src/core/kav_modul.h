#pragma once
// The base of the eight calculation modules.
#include <string>

#include "core/colour.h"
#include "core/item.h"
#include "core/result_values.h"

namespace kav {

class CKavModul : public CListItem {
 public:
  // Runs the calculation for the criterion in the inputs; shows the results
  // on success, takes them off the page on failure.
  virtual void Calculate() {}
  // Every input to its default, lists emptied, tables set up, no results.
  virtual void Reset() {}
  // The illustration for the current input, filling `colours`; the module's
  // "no result" picture while ResultsValid is 0. Empty for none.
  virtual std::string PictureName(ColourRecord& colours) const;
  // The numbers of the last calculation with their units; empty while
  // ResultsValid is 0 or for a module that does not calculate yet.
  virtual ResultValues Results() const { return {}; }

  int ResultsValid = 0;
};

}  // namespace kav
