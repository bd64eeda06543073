#pragma once
// The eight lists of the product database, in the fixed order they have in
// memory, in kav.dat and in the editing dialog, and the row class of each.
#include <tuple>
#include <type_traits>

namespace kav {

class CIsoProdukt;
class CKorbuFlex;
class CAbsorpsjon;
class CMantling;
class COverflate;
class CInnvMantling;
class CTillegg2;
class CVeske;

enum class DatabaseList {
  InsulationProducts = 0,
  HoseProducts = 1,
  AbsorptionProducts = 2,
  Jacketings = 3,
  Surfaces = 4,
  InnerJacketings = 5,
  AccessoryTypes = 6,
  Liquids = 7,
};
inline constexpr int kDatabaseListCount = 8;

// The name that marks "no row" where a document stores a row.
inline constexpr const char* NullRowName = "Standard_database_element";

// The row class of each list, in list order.
using DatabaseRowTypes = std::tuple<CIsoProdukt, CKorbuFlex, CAbsorpsjon, CMantling, COverflate,
                                    CInnvMantling, CTillegg2, CVeske>;

namespace detail {
template <class T, class... Rows>
constexpr int IndexOfRow(std::tuple<Rows...>*) {
  constexpr bool same[] = {std::is_same_v<T, Rows>...};
  for (int i = 0; i < static_cast<int>(sizeof...(Rows)); ++i) {
    if (same[i]) return i;
  }
  return -1;
}
}  // namespace detail

// The list that holds rows of class T (exactly T, not a subclass).
template <class T>
constexpr DatabaseList ListOfRow() {
  constexpr int index = detail::IndexOfRow<T>(static_cast<DatabaseRowTypes*>(nullptr));
  static_assert(index >= 0, "not a row class of the product database");
  return static_cast<DatabaseList>(index);
}

}  // namespace kav
