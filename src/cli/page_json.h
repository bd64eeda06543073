#pragma once
// The items of a module page as JSON, for scripts: a page is
// {"page": N, "title": "...", "items": [...]}; every item has "kind",
// "left_mm", "top_mm", "right_mm", "bottom_mm" and "help", and adds what it
// shows (a table its headings, rows and highlight row; a graph its title,
// axis labels and curves; a text its title and lines; the header its five
// lines). A page whose module has results adds "results": the module's
// numbers by name, each as {"value": ..., "unit": "..."}, and its lists of
// records (segments, solutions) as arrays of such objects.
#include <nlohmann/json.hpp>

#include "core/result_values.h"

namespace kav::cli {

// The current page (page lists of the output layer) with the given title.
nlohmann::json CurrentPageJson(int page, const std::string& title);

// The "results" object; a value that is not finite is written as null.
nlohmann::json ResultsJson(const ResultValues& results);

}  // namespace kav::cli
