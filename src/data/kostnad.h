#pragma once
// The user's price list of installed insulation costs (kav.cst), from which
// the economic module fills the cost of an insulation alternative.
#include <memory>
#include <string>

#include "core/item.h"
#include "core/object_list.h"
#include "data/list_choice.h"

namespace kav {

class CIsoKostnad final : public CListItem {
 public:
  static constexpr const char* kClassName = "CIsoKostnad";

  const char* ClassName() const override { return kClassName; }
  // Name, display text and price; an entry has no description.
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // The price only; the names are not compared.
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  // The list-box line: the name, a tab and "100.0 kr/m" with the unit word
  // ("m" or "m²") of the object type chosen when the entry is edited.
  void UpdateDisplayText(const std::string& unitWord);

  std::string DisplayText;
  float Price = 100.0f;  // kr per metre or square metre, installed
};

using CostChoice = ListChoice<CIsoKostnad>;

// The unit word cost entries are priced in while they are created or
// edited: "m" for pipes and ducts, "m²" for flat surfaces, as the economic
// dialog last set it.
const std::string& CostUnitWord();
void SetCostUnitWord(std::string word);

class CKostnad final : public CItem {
 public:
  static constexpr const char* kClassName = "CKostnad";

  // Reads the file named by the settings ("KAV"/"KAVCost", default kav.cst).
  CKostnad();
  explicit CKostnad(std::string fileName);
  CKostnad(const CKostnad&) = delete;
  CKostnad& operator=(const CKostnad&) = delete;

  const char* ClassName() const override { return kClassName; }
  // A missing or damaged file leaves the list empty, with a message.
  void Load();
  bool Save();
  // Runs the cost list dialog; 1 after OK, and Selected is then the chosen
  // entry. The file is written only when the dialog changed the list.
  int EditInput() override;

  TypedList<CIsoKostnad> Entries;
  CIsoKostnad* Selected = nullptr;  // chosen at the last OK; not stored
  std::string FileName;
};

}  // namespace kav
