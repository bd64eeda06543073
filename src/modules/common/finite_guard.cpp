#include "modules/common/finite_guard.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/archive.h"
#include "core/kav_modul.h"

namespace kav {

bool StoredValuesFinite(CKavModul& module) {
  std::vector<CArchive::FieldMark> marks;
  CArchive ar("kontroll");
  ar.LogFields(&marks);
  module.Serialize(ar);
  const std::vector<std::uint8_t>& bytes = ar.Bytes();
  for (const CArchive::FieldMark& mark : marks) {
    if (mark.kind != CArchive::FieldKind::Float) continue;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
      bits = (bits << 8) | bytes[mark.offset + static_cast<std::size_t>(i)];
    if (!std::isfinite(std::bit_cast<float>(bits))) return false;
  }
  return true;
}

bool AllFinite(const ResultValues& values) {
  for (const ResultValue& value : values.values) {
    if (!std::isfinite(value.value)) return false;
  }
  for (const ResultList& list : values.lists) {
    for (const ResultValues& record : list.records) {
      if (!AllFinite(record)) return false;
    }
  }
  return true;
}

}  // namespace kav
