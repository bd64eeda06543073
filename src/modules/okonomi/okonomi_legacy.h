#pragma once
// Record classes of an older layout of the economic module's data. They
// are known by name so that archives holding them can be read; how their
// fields were stored is not known to us, so they read and write nothing,
// and nothing creates or uses them.
#include "core/item.h"

namespace kav {

template <const char* StoredName>
class LegacyOkonomiRecord : public CListItem {
 public:
  static constexpr const char* kClassName = StoredName;
  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive&) override {}
};

inline constexpr char kOkoIsolasjonName[] = "COkoIsolasjon";
inline constexpr char kOkoTykkelseName[] = "COkoTykkelse";
inline constexpr char kOkoKorbuflexName[] = "COkoKorbuflex";

class COkoIsolasjon final : public LegacyOkonomiRecord<kOkoIsolasjonName> {};
class COkoTykkelse final : public LegacyOkonomiRecord<kOkoTykkelseName> {};
class COkoKorbuflex final : public LegacyOkonomiRecord<kOkoKorbuflexName> {};

}  // namespace kav
