#pragma once
// The rows of an input table as they are collected: a label and its text,
// appended together, then put into a two-column table in one go.
#include <cstddef>
#include <string>
#include <vector>

#include "output/tabell.h"

namespace kav {

class TableRows {
 public:
  // A row labelled with a string-table entry.
  void Add(int labelId, std::string text);
  // A row whose label is composed (a segment or accessory name).
  void Add(std::string label, std::string text);

  // Rebuilds `table` with these rows under `headings` (FillLabelledTexts);
  // a negative left or top keeps the table's position.
  void FillTable(CTabell& table, CTabell::Ids headings, float left = -1.0f, float top = -1.0f,
                 int highlightRow = -1) const;

  std::size_t size() const { return labels_.size(); }
  const std::vector<std::string>& Labels() const { return labels_; }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::vector<std::string> labels_;
  std::vector<std::string> texts_;
};

}  // namespace kav
