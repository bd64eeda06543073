#pragma once
#include "core/archive.h"
#include "core/item.h"

namespace kav {

// The stored form of a row that keeps its name but no description (a
// thickness, a series, a step, a cost entry); reading empties the users as
// CListItem does.
inline void SerializeNameOnly(CArchive& ar, CListItem& row) {
  ar.String(row.Name);
  if (ar.IsLoading()) row.Users.clear();
}

}  // namespace kav
