#include "modules/common/table_rows.h"

#include "core/strings.h"

namespace kav {

void TableRows::Add(int labelId, std::string text) {
  Add(Str(labelId), std::move(text));
}

void TableRows::Add(std::string label, std::string text) {
  // Room for a whole table at once: an input table holds up to some thirty
  // rows.
  constexpr std::size_t kRows = 32;
  if (labels_.empty()) {
    labels_.reserve(kRows);
    texts_.reserve(kRows);
  }
  labels_.push_back(std::move(label));
  texts_.push_back(std::move(text));
}

void TableRows::FillTable(CTabell& table, CTabell::Ids headings, float left, float top,
                          int highlightRow) const {
  table.FillLabelledTexts(headings, labels_, texts_, left, top, highlightRow);
}

}  // namespace kav
