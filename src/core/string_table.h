#pragma once
// Lookup in the table of every user-facing text of the program.
#include <string>

namespace kav {

// The entry's text, or null for an unknown id.
const std::string* FindString(int id);

}  // namespace kav
