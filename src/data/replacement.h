#pragma once
// The choice of a replacement for a row that a document refers to but that
// is no longer there. The choice cannot be left without picking a row.
#include <string>

#include "core/object_list.h"

namespace kav {

// Offers the names of `choices` in list order, the first one preselected,
// under the title "Databaseverdi fjernet"; the chosen row, or null when the
// list is empty.
CListItem* ChooseReplacement(const ObjectList& choices, const std::string& prompt,
                             const std::string& helpTopic);

}  // namespace kav
