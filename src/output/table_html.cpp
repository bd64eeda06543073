#include "output/table_html.h"

#include <cctype>
#include <cstddef>

#include "output/text_form.h"

namespace kav {
namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void AppendCell(std::string& html, const std::string& text) {
  html += "<td>" + Escaped(text) + "</td>";
}

// Whether any value cell of the column is a number.
bool HasNumbers(const std::vector<std::vector<std::string>>& rows, std::size_t column) {
  for (std::size_t row = 1; row < rows.size(); ++row) {
    if (column < rows[row].size() && SplitNumber(rows[row][column])) return true;
  }
  return false;
}

}  // namespace

std::optional<NumberWithUnit> SplitNumber(const std::string& cell) {
  std::size_t at = 0;
  if (at < cell.size() && (cell[at] == '-' || cell[at] == '+')) ++at;
  std::size_t digits = 0;
  for (; at < cell.size() && IsDigit(cell[at]); ++at) ++digits;
  if (at < cell.size() && cell[at] == '.') {
    for (++at; at < cell.size() && IsDigit(cell[at]); ++at) ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (at == cell.size()) return NumberWithUnit{cell, {}};
  if (cell[at] != ' ' || at + 1 == cell.size()) return std::nullopt;
  return NumberWithUnit{cell.substr(0, at), cell.substr(at + 1)};
}

std::string TableAsHtml(const std::vector<std::vector<std::string>>& rows) {
  std::string html =
      "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head>"
      "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"></head>"
      "<body><table>\n";
  if (rows.empty()) return html + "</table></body></html>\n";
  std::vector<bool> split;
  for (std::size_t column = 0; column < rows[0].size(); ++column) {
    split.push_back(column > 0 && HasNumbers(rows, column));
  }
  html += "<tr>";
  for (std::size_t column = 0; column < rows[0].size(); ++column) {
    html += split[column] ? "<th colspan=\"2\">" : "<th>";
    html += Escaped(rows[0][column]) + "</th>";
  }
  html += "</tr>\n";
  for (std::size_t row = 1; row < rows.size(); ++row) {
    html += "<tr>";
    for (std::size_t column = 0; column < rows[row].size() && column < split.size(); ++column) {
      const std::string& cell = rows[row][column];
      if (!split[column]) {
        AppendCell(html, column > 0 ? WithDecimalComma(cell) : cell);
        continue;
      }
      const std::optional<NumberWithUnit> value = SplitNumber(cell);
      if (!value) {
        AppendCell(html, WithDecimalComma(cell));
        AppendCell(html, {});
        continue;
      }
      html += "<td x:num=\"" + value->number + "\" sdval=\"" + value->number +
              "\" sdnum=\"1033;\">" + WithDecimalComma(value->number) + "</td>";
      AppendCell(html, value->unit);
    }
    html += "</tr>\n";
  }
  return html + "</table></body></html>\n";
}

}  // namespace kav
