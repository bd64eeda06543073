#pragma once
// An accessory on a pipe (valve, flange ...) with a count: an accessory type
// of the database, whose equivalent pipe length depends on the pipe
// diameter, or an equivalent length the user gives. Its Name is the text
// the lists and input tables show ("Ventil; 2 stk").
#include <memory>
#include <string>

#include "core/item.h"
#include "data/tillegg.h"
#include "modules/common/row_ref.h"

namespace kav {

class CTilleggsutstyr final : public CListItem {
 public:
  static constexpr const char* kClassName = "CTilleggsutstyr";

  CTilleggsutstyr();
  // Copies every field and the user list; the copy registers with the type.
  CTilleggsutstyr(const CTilleggsutstyr& other);
  CTilleggsutstyr& operator=(const CTilleggsutstyr&) = delete;
  ~CTilleggsutstyr() override = default;

  const char* ClassName() const override { return kClassName; }
  // Name, Count, UserLength, EquivalentLength, then the type through the
  // product database.
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // The accessory dialog (TilleggsutstyrEdit); after OK the type, count and
  // length come back and the Name is composed again; 1 after OK.
  int EditInput() override;
  void ReplaceReference(CItem* item) override;

  // Metres of bare pipe with the same heat loss as all `Count` units on a
  // pipe of diameter d (mm); 0 without a type or a user length.
  float EquivalentLengthAt(float d) const;

  RowRef<CTillegg2> AccessoryType;
  int Count = 1;
  int UserLength = 0;             // EquivalentLength typed in instead of the type's table
  float EquivalentLength = 1.0f;  // m per unit
};

// What the accessory dialog edits.
struct TilleggsutstyrEdit {
  CTillegg2* Type = nullptr;  // a row of ActiveList<CTillegg2>()
  int Count = 1;
  int UserLength = 0;
  float EquivalentLength = 1.0f;
  std::string UserName;  // the user's own name, for a user length
};

}  // namespace kav
