#pragma once
// A table as HTML for spreadsheets: the clipboard offers it beside the
// tab-separated text, so that a pasted value is a number that can be summed
// rather than a text such as "42,0 mm". A cell that holds a number and its
// unit becomes two cells, the number carrying its value for the programs
// that read it (Excel's x:num, LibreOffice's sdval) and showing a decimal
// comma; a column with such cells has two under a heading that spans both.
#include <optional>
#include <string>
#include <vector>

namespace kav {

struct NumberWithUnit {
  std::string number;  // as written, with a decimal point: "-3.5"
  std::string unit;    // what follows after one space: "°C", "W/m"; may be empty
};

// "42.0 mm" into "42.0" and "mm", "7" into "7" and ""; nothing for a text
// that does not start with a number followed by a space or its end.
std::optional<NumberWithUnit> SplitNumber(const std::string& cell);

// rows[0] holds the headings; the first column the row labels.
std::string TableAsHtml(const std::vector<std::vector<std::string>>& rows);

}  // namespace kav
