#pragma once
// The stored values of a written document, as CArchive::LogFields marks
// them: how many bytes one takes, and the document with one replaced.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "core/archive.h"
#include "modules/module_classes.h"

namespace kav::test {

using StoredBytes = std::vector<std::uint8_t>;

// The hostile floats put into stored fields: NaN first, then the infinities,
// the smallest denormal, zero, a negative and the huge values.
inline const float kHostileFloats[] = {std::numeric_limits<float>::quiet_NaN(),
                                       std::numeric_limits<float>::infinity(),
                                       -std::numeric_limits<float>::infinity(),
                                       std::numeric_limits<float>::denorm_min(),
                                       0.0f,
                                       -1.0f,
                                       -3.0e38f,
                                       3.0e38f};

// An archive reading `bytes` from the stored field at `mark` on.
inline CArchive FieldReader(const StoredBytes& bytes, const CArchive::FieldMark& mark) {
  return CArchive(
      StoredBytes(bytes.begin() + static_cast<std::ptrdiff_t>(mark.offset), bytes.end()),
      DocumentClasses(), "tekst");
}

// A text as the archive stores it.
inline StoredBytes StoredText(std::string_view text) {
  CArchive stored("tekst");
  stored.WriteString(text);
  return stored.Bytes();
}

// How many bytes the stored field at `mark` takes in `bytes`.
inline std::size_t StoredFieldSize(const StoredBytes& bytes, const CArchive::FieldMark& mark) {
  switch (mark.kind) {
    case CArchive::FieldKind::Word:
      return 2;
    case CArchive::FieldKind::Long:
    case CArchive::FieldKind::Float:
      return 4;
    case CArchive::FieldKind::String: {
      CArchive rest = FieldReader(bytes, mark);
      rest.ReadString();
      return rest.Position();
    }
  }
  return 0;
}

// `bytes` with the field at `mark` replaced by `value`.
inline StoredBytes WithStoredField(const StoredBytes& bytes, const CArchive::FieldMark& mark,
                                   const StoredBytes& value) {
  const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(mark.offset);
  StoredBytes replaced(bytes.begin(), at);
  replaced.insert(replaced.end(), value.begin(), value.end());
  replaced.insert(replaced.end(), at + static_cast<std::ptrdiff_t>(StoredFieldSize(bytes, mark)),
                  bytes.end());
  return replaced;
}

}  // namespace kav::test
