#include "core/string_table.h"

#include <iterator>
#include <unordered_map>

#include "core/string_ids.h"

namespace kav {
namespace {

struct Entry {
  int id;
  const char* text;
};

// clang-format off
constexpr Entry kEntries[] = {
  // Document and application
  {ids::DocumentTemplate, "KAV\nNyFil\nKAVDok\nKAVDok (*.kav)\n.kav"},
  {ids::AppTitle, "KAV"},
  {ids::WrongVersion, "Feil ved åpning: Denne filen er ikke lagret med KAV versjon 5.0."},
  {ids::HelpViewerFailed, "Kan ikke starte hjelpeprogrammet."},
};
// clang-format on

constexpr bool IdsAreUnique() {
  for (std::size_t i = 0; i < std::size(kEntries); ++i) {
    for (std::size_t j = i + 1; j < std::size(kEntries); ++j) {
      if (kEntries[i].id == kEntries[j].id) return false;
    }
  }
  return true;
}
static_assert(IdsAreUnique(), "two string-table entries share an id");

}  // namespace

const std::string* FindString(int id) {
  static const std::unordered_map<int, std::string> table = [] {
    std::unordered_map<int, std::string> map;
    for (const Entry& entry : kEntries) map.emplace(entry.id, entry.text);
    return map;
  }();
  auto it = table.find(id);
  return it == table.end() ? nullptr : &it->second;
}

}  // namespace kav
