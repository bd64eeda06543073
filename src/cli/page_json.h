#pragma once
// The items of a module page as JSON, for scripts: a page is
// {"page": N, "title": "...", "items": [...]}; every item has "kind",
// "left_mm", "top_mm", "right_mm", "bottom_mm" and "help", and adds what it
// shows (a table its headings, rows and highlight row; a graph its title,
// axis labels and curves; a text its title and lines; the header its five
// lines).
#include <nlohmann/json.hpp>

namespace kav::cli {

// The current page (page lists of the output layer) with the given title.
nlohmann::json CurrentPageJson(int page, const std::string& title);

}  // namespace kav::cli
